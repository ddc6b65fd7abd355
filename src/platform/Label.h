#pragma once

#include "Control.h"

class QLabel;

namespace tav::platform {

// A label: plain text only (a customer named "<b>" shows as typed), "&&" shown as "&".
class Label : public Control {
    Q_OBJECT

public:
    enum class Alignment { Left, Right, Center };

    Label(QWidget* container, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setAlignment(Alignment alignment);
    void setWordWrap(bool wrap);
    // Makes the label exactly as wide as its longest line and as high as its lines.
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }
    // A transparent label shows its container's background.
    void setTransparent(bool transparent);

    // A label's access key gives the focus to the control after it in tab order.
    QChar accessKey() const override;

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToText();

    QLabel* label_;
    QString caption_;
    bool autoSize_ = false;
};

} // namespace tav::platform
