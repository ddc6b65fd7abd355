#pragma once

#include "Host.h"
#include "InstanceLock.h"

namespace tav::platform {

// The host of the running program: Qt's own dialogs, the desktop's services and the system clock.
class DesktopHost : public Host {
public:
    MessageAnswer messageBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     std::optional<QPointF> positionTwips) override;
    int popupMenu(const QStringList& captions) override;
    void runModal(Form& form) override;
    void sendKey(int qtKey) override;
    std::unique_ptr<PrintJob> openPrintJob(const PrintJobSetup& setup) override;
    void showBusyCursor(bool busy) override;
    bool previousInstanceRunning() override;
    QString programFolder() const override;
    QDateTime now() const override;
    QLocale locale() const override;
    std::optional<QByteArray> download(const QUrl& url, std::chrono::milliseconds timeLimit, qint64 sizeLimit) override;
    bool openWithDefaultApplication(const QString& path) override;
    bool startDetached(const QString& program, const QString& workingFolder) override;

private:
    InstanceLock instanceLock_;
    bool busy_ = false;
};

} // namespace tav::platform
