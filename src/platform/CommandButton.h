#pragma once

#include "Control.h"

class QPixmap;
class QPushButton;

namespace tav::platform {

// A push button whose caption is kept verbatim ("&Add New"); the caption's "&" gives the access
// key. Handlers that dispatch on the caption compare caption() exactly.
class CommandButton : public Control {
    Q_OBJECT

public:
    CommandButton(QWidget* container, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // A picture shown on the button's face (a picture button has no caption).
    void setPicture(const QPixmap& picture);
    // Enter presses the default button of its window while the button is shown.
    void setDefault(bool isDefault);
    // Clicks the button from code, as the user's click would.
    void click();

    QChar accessKey() const override;
    bool activateAccessKey() override;

signals:
    void clicked();

private:
    QPushButton* button_;
    QString caption_;
};

} // namespace tav::platform
