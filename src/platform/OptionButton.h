#pragma once

#include "Control.h"

class QRadioButton;

namespace tav::platform {

// One of a group of exclusive options (the group is its container). Click is raised when it
// becomes chosen, by the user or by code.
class OptionButton : public Control {
    Q_OBJECT

public:
    OptionButton(QWidget* container, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool value() const;
    void setValue(bool chosen);

    QChar accessKey() const override;
    bool activateAccessKey() override;

signals:
    void clicked();

private:
    QRadioButton* button_;
    QString caption_;
};

} // namespace tav::platform
