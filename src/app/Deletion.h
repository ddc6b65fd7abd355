#pragma once

#include <QPointer>
#include <QString>

namespace tav::records {
class RecordTable;
}

namespace tav::app {

class CheckingWindow;
class MainWindow;

// Deleting a customer or a product or service: removed from its table when no invoice record uses
// it, archived otherwise, with the progress window showing the check and its result.
class Deletion {
public:
    explicit Deletion(MainWindow& window);

    void deleteCustomer();
    void deleteProductOrService();
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

    MainWindow& w_;
    QPointer<CheckingWindow> checking_;
};

} // namespace tav::app
