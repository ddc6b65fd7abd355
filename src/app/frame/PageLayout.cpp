#include "PageLayout.h"

#include "MainState.h"
#include "app/design/PageControls.h"

#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"

namespace tav::app {

using platform::Form;

PageLayout::PageLayout(Form& window, const FrameControls& frame, MainState& state,
                       std::array<PageFitting, kPageCount> pages)
    : window_(window)
    , frame_(frame)
    , state_(state)
    , pages_(std::move(pages))
{
}

void PageLayout::cmdTab_Click(int index)
{
    frame_.fraMain[state_.currentTab]->setVisible(false);
    state_.currentTab = index;
    layoutTab(state_.currentTab);
    frame_.fraMain[state_.currentTab]->setVisible(true);
}

void PageLayout::formResize()
{
    if (window_.windowState() == Form::WindowState::Minimized || state_.isLoading)
        return;
    if (window_.width() < kMinimumWidth)
        window_.setWidth(kMinimumWidth);
    if (window_.height() < kMinimumHeight)
        window_.setHeight(kMinimumHeight);
    layoutTab(state_.currentTab);
}

void PageLayout::layoutTab(int page)
{
    platform::Frame* frame = frame_.fraMain[state_.currentTab];
    frame->setWidth(window_.width() - 1665);
    frame->setHeight(window_.height() - 510);
    frame_.lblTop[state_.currentTab]->setWidth(frame->width());
    if (page >= 0 && page < kPageCount)
        pages_[static_cast<size_t>(page)](static_cast<int>(frame->width()), static_cast<int>(frame->height()));
}

} // namespace tav::app
