#pragma once

#include "Control.h"

#include <QPixmap>

class QLabel;

namespace tav::platform {

// A picture, which may also hold other controls.
class PictureBox : public Control {
    Q_OBJECT

public:
    PictureBox(QWidget* container, const QString& name, int index = -1);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    QPixmap picture_;
};

} // namespace tav::platform
