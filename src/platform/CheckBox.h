#pragma once

#include "Control.h"

class QCheckBox;

namespace tav::platform {

// A check box with the form runtime's values: 0 unchecked, 1 checked, 2 greyed. Click is raised
// whenever the value changes, by the user or by code.
class CheckBox : public Control {
    Q_OBJECT

public:
    enum Value { Unchecked = 0, Checked = 1, Grayed = 2 };

    CheckBox(QWidget* container, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    int value() const { return value_; }
    void setValue(int value);

    QChar accessKey() const override;
    bool activateAccessKey() override;

signals:
    void clicked();

private:
    QCheckBox* box_;
    QString caption_;
    int value_ = Unchecked;
};

} // namespace tav::platform
