#include "ProgressBar.h"

#include <QProgressBar>

#include <cmath>

namespace tav::platform {

ProgressBar::ProgressBar(QWidget* container, const QString& name, int index)
    : Control(new QProgressBar(container), name, index)
    , bar_(static_cast<QProgressBar*>(widget()))
{
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
}

void ProgressBar::setValue(double percent)
{
    value_ = std::clamp(percent, 0.0, 100.0);
    const int whole = static_cast<int>(std::floor(value_));
    if (whole != bar_->value())
        bar_->setValue(whole);
}

} // namespace tav::platform
