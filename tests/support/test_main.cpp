#include "TestEnvironment.h"

#include "components/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tav::test {

namespace {

struct PerTest {
    QTemporaryDir folder;
    std::unique_ptr<platform::SettingsStore> settings;
    std::unique_ptr<ScriptedHost> host;
    std::unique_ptr<ScriptedDialogBackend> dialogs;
};

std::unique_ptr<PerTest> current;

class IsolationListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        current = std::make_unique<PerTest>();
        const QString base = current->folder.path();
        for (const char* sub : {"config", "data", "runtime", "home", "program"})
            QDir(base).mkpath(QLatin1String(sub));
        qputenv("XDG_CONFIG_HOME", (base + QLatin1String("/config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (base + QLatin1String("/data")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", (base + QLatin1String("/runtime")).toLocal8Bit());
        qputenv("HOME", (base + QLatin1String("/home")).toLocal8Bit());
        QFile::setPermissions(base + QLatin1String("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        current->settings = std::make_unique<platform::SettingsStore>(platform::SettingsStore::defaultFilePath());
        current->host = std::make_unique<ScriptedHost>(base + QLatin1String("/program"));
        current->dialogs = std::make_unique<ScriptedDialogBackend>();
        platform::installSettings(current->settings.get());
        platform::installHost(current->host.get());
    }

    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        if (!info.result()->Failed() && !current->host->scriptDone())
            ADD_FAILURE() << "the test ended with scripted answers left unused";
        if (current->host->busy())
            ADD_FAILURE() << "the test ended with the busy cursor showing";
        // Windows that deleted themselves on unload go before the folders do, and the dialog
        // object before its backend.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        components::releaseDialogs();
        platform::installHost(nullptr);
        platform::installSettings(nullptr);
        current.reset();
    }
};

} // namespace

ScriptedHost& scriptedHost()
{
    return *current->host;
}

ScriptedDialogBackend& dialogBackend()
{
    return *current->dialogs;
}

void createScriptedDialogs()
{
    components::createDialogs(*current->dialogs);
}

QString testFolder()
{
    return current->folder.path();
}

void reloadSettings()
{
    current->settings = std::make_unique<platform::SettingsStore>(platform::SettingsStore::defaultFilePath());
    platform::installSettings(current->settings.get());
}

} // namespace tav::test

int main(int argc, char** argv)
{
    // Set before the application object exists: test discovery runs this program during the build.
    // The screen is wider than it is high, as desktops are, so that no width passes for a height.
    QTemporaryDir screenFolder;
    const QString screenFile = screenFolder.filePath(QStringLiteral("screen.json"));
    QFile screen(screenFile);
    if (!screen.open(QIODevice::WriteOnly)
        || screen.write(R"({"screens": [{"name": "Wide", "x": 0, "y": 0, "width": 1920, "height": 1080}]})") < 0)
        return 1;
    screen.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screenFile).toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new tav::test::IsolationListener);
    return RUN_ALL_TESTS();
}
