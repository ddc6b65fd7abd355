#pragma once

#include "Control.h"

class QProgressBar;

namespace tav::platform {

// A progress bar from 0 to 100. Its value is kept as given; the bar moves only when the whole
// percent shown changes.
class ProgressBar : public Control {
    Q_OBJECT

public:
    ProgressBar(QWidget* container, const QString& name, int index = -1);

    double value() const { return value_; }
    void setValue(double percent);

private:
    QProgressBar* bar_;
    double value_ = 0;
};

} // namespace tav::platform
