#include "CustomerListPrinting.h"

#include "app/books/Books.h"
#include "platform/Host.h"
#include "printing/CustomerListOptionsWindow.h"

namespace tav::app {

CustomerListPrinting::CustomerListPrinting(const Books& books, QWidget* window)
    : books_(books)
    , window_(window)
{
}

void CustomerListPrinting::cmdPrint_Click()
{
    // The window unloads itself after printing or cancelling, and then goes.
    platform::host().runModal(*new printing::CustomerListOptionsWindow(books_.data().customers, window_));
}

} // namespace tav::app
