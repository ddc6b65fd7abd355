#include "Host.h"

#include "SettingsStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tav::platform {

namespace {
Host* installedHost = nullptr;
SettingsStore* installedSettings = nullptr;
} // namespace

AppVersion Host::appVersion() const
{
    return AppVersion{TAV_VERSION_MAJOR, TAV_VERSION_MINOR, TAV_VERSION_PATCH};
}

void Host::postKeyToFocusedControl(int qtKey)
{
    QMetaObject::invokeMethod(
        qApp,
        [qtKey] {
            QWidget* target = QApplication::focusWidget();
            if (!target)
                return;
            QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : target, &release);
        },
        Qt::QueuedConnection);
}

Host& host()
{
    Q_ASSERT_X(installedHost, "host", "no host installed");
    return *installedHost;
}

void installHost(Host* h)
{
    installedHost = h;
}

SettingsStore& settings()
{
    Q_ASSERT_X(installedSettings, "settings", "no settings store installed");
    return *installedSettings;
}

void installSettings(SettingsStore* store)
{
    installedSettings = store;
}

} // namespace tav::platform
