#include "ScriptedDialogBackend.h"

#include <gtest/gtest.h>

namespace tav::test {

using platform::DialogEnd;

namespace {

const char* dialogName(ScriptedDialogBackend::Dialog dialog)
{
    switch (dialog) {
    case ScriptedDialogBackend::Dialog::File: return "file dialog";
    case ScriptedDialogBackend::Dialog::Font: return "font dialog";
    case ScriptedDialogBackend::Dialog::Color: return "colour dialog";
    case ScriptedDialogBackend::Dialog::PageSetup: return "page-setup dialog";
    case ScriptedDialogBackend::Dialog::Print: return "print dialog";
    case ScriptedDialogBackend::Dialog::Folder: return "folder dialog";
    }
    return "dialog";
}

} // namespace

ScriptedDialogBackend::~ScriptedDialogBackend()
{
    if (!script_.empty())
        ADD_FAILURE() << script_.size() << " scripted dialog answers were left unused";
}

void ScriptedDialogBackend::chooseFiles(QStringList paths, int fileTypeIndex)
{
    script_.push_back(Step{Dialog::File, DialogEnd{true, 0}, platform::FileChoice{std::move(paths), fileTypeIndex}});
}

void ScriptedDialogBackend::chooseFont(platform::FontChoice font)
{
    script_.push_back(Step{Dialog::Font, DialogEnd{true, 0}, std::move(font)});
}

void ScriptedDialogBackend::chooseColor(platform::ColorChoice color)
{
    script_.push_back(Step{Dialog::Color, DialogEnd{true, 0}, color});
}

void ScriptedDialogBackend::confirmPageSetup(platform::PageSetup page)
{
    script_.push_back(Step{Dialog::PageSetup, DialogEnd{true, 0}, page});
}

void ScriptedDialogBackend::confirmPrint()
{
    script_.push_back(Step{Dialog::Print, DialogEnd{true, 0}, {}});
}

void ScriptedDialogBackend::chooseFolder(QString folder)
{
    script_.push_back(Step{Dialog::Folder, DialogEnd{true, 0}, std::move(folder)});
}

void ScriptedDialogBackend::dismiss(Dialog dialog, int failureCode)
{
    script_.push_back(Step{dialog, DialogEnd{false, failureCode}, {}});
}

std::optional<ScriptedDialogBackend::Step> ScriptedDialogBackend::nextStep(Dialog dialog)
{
    if (script_.empty() || script_.front().dialog != dialog) {
        ADD_FAILURE() << "unexpected " << dialogName(dialog);
        return std::nullopt;
    }
    Step step = std::move(script_.front());
    script_.pop_front();
    return step;
}

template <typename T>
platform::DialogAnswer<T> ScriptedDialogBackend::answer(Dialog dialog)
{
    platform::DialogAnswer<T> result;
    if (const auto step = nextStep(dialog)) {
        static_cast<DialogEnd&>(result) = step->end;
        if (step->end.confirmed)
            result.choice = std::get<T>(step->choice);
    }
    return result;
}

platform::DialogAnswer<platform::FileChoice> ScriptedDialogBackend::showFileDialog(
    const platform::FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    return answer<platform::FileChoice>(Dialog::File);
}

platform::DialogAnswer<platform::FontChoice> ScriptedDialogBackend::showFontDialog(const platform::FontRequest& request)
{
    fontRequests_.push_back(request);
    return answer<platform::FontChoice>(Dialog::Font);
}

platform::DialogAnswer<platform::ColorChoice> ScriptedDialogBackend::showColorDialog(
    const platform::ColorRequest& request)
{
    colorRequests_.push_back(request);
    return answer<platform::ColorChoice>(Dialog::Color);
}

platform::DialogAnswer<platform::PageSetup> ScriptedDialogBackend::showPageSetupDialog(platform::WindowHandle owner,
                                                                                       const platform::PageSetup& page)
{
    pageSetupRequests_.push_back(PageSetupRequest{owner, page});
    return answer<platform::PageSetup>(Dialog::PageSetup);
}

DialogEnd ScriptedDialogBackend::showPrintDialog(platform::WindowHandle owner)
{
    printRequests_.push_back(owner);
    const auto step = nextStep(Dialog::Print);
    return step ? step->end : DialogEnd{};
}

platform::DialogAnswer<QString> ScriptedDialogBackend::showFolderDialog(const platform::FolderRequest& request)
{
    folderRequests_.push_back(request);
    return answer<QString>(Dialog::Folder);
}

} // namespace tav::test
