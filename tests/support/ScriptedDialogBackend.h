#pragma once

#include "platform/DialogBackend.h"

#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace tav::test {

// A dialog backend that answers every dialog from a script queued by the test, records what each
// dialog was asked to show, and fails the test on a dialog the script did not expect and on
// answers still queued when it goes.
class ScriptedDialogBackend : public platform::DialogBackend {
public:
    enum class Dialog { File, Font, Color, PageSetup, Print, Folder };

    struct PageSetupRequest {
        platform::WindowHandle owner;
        platform::PageSetup page;
    };

    ~ScriptedDialogBackend() override;

    // The script, answered in order.
    void chooseFiles(QStringList paths, int fileTypeIndex = 1);
    void chooseFont(platform::FontChoice font);
    void chooseColor(platform::ColorChoice color);
    void confirmPageSetup(platform::PageSetup page);
    void confirmPrint();
    void chooseFolder(QString folder);
    // The dialog ends without a choice: cancelled with code 0, failed with any other.
    void dismiss(Dialog dialog, int failureCode = 0);

    const std::vector<platform::FileDialogRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<platform::FontRequest>& fontRequests() const { return fontRequests_; }
    const std::vector<platform::ColorRequest>& colorRequests() const { return colorRequests_; }
    const std::vector<PageSetupRequest>& pageSetupRequests() const { return pageSetupRequests_; }
    const std::vector<platform::WindowHandle>& printRequests() const { return printRequests_; }
    const std::vector<platform::FolderRequest>& folderRequests() const { return folderRequests_; }

    platform::DialogAnswer<platform::FileChoice> showFileDialog(const platform::FileDialogRequest& request) override;
    platform::DialogAnswer<platform::FontChoice> showFontDialog(const platform::FontRequest& request) override;
    platform::DialogAnswer<platform::ColorChoice> showColorDialog(const platform::ColorRequest& request) override;
    platform::DialogAnswer<platform::PageSetup> showPageSetupDialog(platform::WindowHandle owner,
                                                                    const platform::PageSetup& page) override;
    platform::DialogEnd showPrintDialog(platform::WindowHandle owner) override;
    platform::DialogAnswer<QString> showFolderDialog(const platform::FolderRequest& request) override;

private:
    using Choice = std::variant<std::monostate, platform::FileChoice, platform::FontChoice, platform::ColorChoice,
                                platform::PageSetup, QString>;
    struct Step {
        Dialog dialog;
        platform::DialogEnd end;
        Choice choice;
    };

    // The next step of the script when it answers this dialog; records a failure otherwise.
    std::optional<Step> nextStep(Dialog dialog);
    template <typename T>
    platform::DialogAnswer<T> answer(Dialog dialog);

    std::deque<Step> script_;
    std::vector<platform::FileDialogRequest> fileRequests_;
    std::vector<platform::FontRequest> fontRequests_;
    std::vector<platform::ColorRequest> colorRequests_;
    std::vector<PageSetupRequest> pageSetupRequests_;
    std::vector<platform::WindowHandle> printRequests_;
    std::vector<platform::FolderRequest> folderRequests_;
};

} // namespace tav::test
