#include "BusyCursor.h"

#include "Host.h"

namespace tav::platform {

namespace {
int depth = 0;
} // namespace

BusyCursor::BusyCursor()
{
    if (depth++ == 0)
        host().showBusyCursor(true);
}

BusyCursor::~BusyCursor()
{
    if (--depth == 0)
        host().showBusyCursor(false);
}

} // namespace tav::platform
