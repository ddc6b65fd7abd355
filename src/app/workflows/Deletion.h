#pragma once

#include <QPointer>
#include <QString>

#include <functional>

namespace tav::platform {
class ListView;
}

namespace tav::records {
class RecordTable;
}

namespace tav::app {

class Books;
class CheckingWindow;

// Deleting a customer or a product or service: removed from its table when no invoice record uses
// it, archived otherwise, with the progress window showing the check and its result. The page the
// entry was deleted on shows the change in its own views.
class Deletion {
public:
    // Whether the bill period being composed bills the product with this number: such a product
    // is in use as much as one an invoice record names.
    using ProductBilledInComposition = std::function<bool(qint64 productNumber)>;

    Deletion(Books& books, ProductBilledInComposition billedInComposition);

    // The steps of deleting a customer, which the Customers page takes one by one between its
    // own: asks unless the option says not to (false when the user cancels)...
    bool customerDeletionConfirmed() const;
    // ...retires the customer, showing the progress window (false, with nothing done, when the
    // table lacks him)...
    bool retireCustomer(const QString& key);
    // ...and lets the user close the progress window once the views show the change.
    void allowClosing();

    // Deletes the product or service the list selects, after the user's confirmation; showChange
    // brings the views up to date with the table before the user may close the progress window.
    void deleteProductOrService(platform::ListView& list, const std::function<void()>& showChange);

    // Whether an invoice record uses the customer or product with this key ("12k").
    bool customerHasInvoiceRecords(const QString& key);
    bool productHasInvoiceRecords(const QString& key);

    // The progress window while it is loaded, or nullptr.
    CheckingWindow* checkingWindow() const;
    // Unloads the progress window at shutdown.
    void unloadCheckingWindow();

private:
    // Shows the progress window, loading it first when needed; a window still open from an
    // earlier deletion is shown as it is.
    CheckingWindow& showCheckingWindow();
    // Removes the entry, or, while it is used, puts it back as the archived text of it. Shows the
    // result in the progress window.
    void retire(records::RecordTable& table, const QString& key, bool used, QString (*archived)(const QString&));
    void reportResult(bool archived);
    bool confirmed(bool exactFalseOnly, const QString& text, const QString& title) const;

    Books& books_;
    ProductBilledInComposition billedInComposition_;
    QPointer<CheckingWindow> checking_;
};

} // namespace tav::app
