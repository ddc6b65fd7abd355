#include "CustomerListPrinting.h"

#include "MainWindow.h"

#include "platform/Host.h"
#include "printing/CustomerListOptionsWindow.h"

namespace tav::app {

CustomerListPrinting::CustomerListPrinting(MainWindow& window)
    : w_(window)
{
}

void CustomerListPrinting::cmdPrint_Click()
{
    // The window unloads itself after printing or cancelling, and then goes.
    platform::host().runModal(*new printing::CustomerListOptionsWindow(w_.books.data().customers, w_.widget()));
}

} // namespace tav::app
