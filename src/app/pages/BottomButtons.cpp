#include "BottomButtons.h"

#include "platform/Control.h"

namespace tav::app {

void placeBottomButtons(platform::Control* left, platform::Control* right, int w, int h)
{
    left->setLeft(w - 4210);
    left->setTop(h - 720);
    right->setLeft(w - 2050);
    right->setTop(left->top());
}

} // namespace tav::app
