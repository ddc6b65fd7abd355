#include "Frame.h"

#include <QGroupBox>

namespace tav::platform {

namespace {

// A group box that can leave out its border and caption. Done in painting rather than by a style
// sheet: a style sheet on a page would set every control inside it in the application's font
// instead of the window's.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    bool border = true;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (border)
            QGroupBox::paintEvent(event);
    }
};

} // namespace

Frame::Frame(QWidget* container, const QString& name, int index)
    : Control(new FrameBox(container), name, index)
{
}

void Frame::setCaption(const QString& caption)
{
    caption_ = caption;
    static_cast<QGroupBox*>(widget())->setTitle(caption);
}

void Frame::setBorder(bool border)
{
    static_cast<FrameBox*>(widget())->border = border;
    widget()->update();
}

} // namespace tav::platform
