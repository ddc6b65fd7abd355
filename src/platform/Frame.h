#pragma once

#include "Control.h"

namespace tav::platform {

// A container for other controls: a page of the main window, or a captioned group box.
class Frame : public Control {
    Q_OBJECT

public:
    Frame(QWidget* container, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Without a border a frame draws nothing of its own, only its controls.
    void setBorder(bool border);

private:
    QString caption_;
};

} // namespace tav::platform
