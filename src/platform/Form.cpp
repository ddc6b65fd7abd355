#include "Form.h"

#include "AccessKeyRouter.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QResizeEvent>

namespace tav::platform {

namespace {

Qt::WindowFlags flagsFor(Form::BorderStyle style)
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (style) {
    case Form::BorderStyle::Sizable:
    case Form::BorderStyle::None:
        flags |= Qt::WindowMinMaxButtonsHint;
        break;
    case Form::BorderStyle::FixedToolWindow:
    case Form::BorderStyle::SizableToolWindow:
        flags |= Qt::Tool;
        break;
    default:
        break;
    }
    return flags;
}

// The font of every window, which its controls take unless their design gives them their own.
QFont windowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

Form::Form(QString name, BorderStyle borderStyle, QWidget* owner)
    : name_(std::move(name))
    , borderStyle_(borderStyle)
    , widget_(new FormWidget(this, owner))
{
    widget_->setObjectName(name_);
    widget_->setWindowFlags(flagsFor(borderStyle));
    widget_->setSizeGripEnabled(false);
    widget_->setFont(windowFont());
    // Every window routes its own controls' access keys.
    new AccessKeyRouter(widget_);
}

Form::~Form()
{
    delete widget_;
}

QWidget* Form::widget() const
{
    return widget_;
}

QDialog* Form::dialog() const
{
    return widget_;
}

QString Form::caption() const
{
    return widget_->windowTitle();
}

void Form::setCaption(const QString& caption)
{
    widget_->setWindowTitle(caption);
}

bool Form::sizable() const
{
    return borderStyle_ != BorderStyle::FixedSingle && borderStyle_ != BorderStyle::FixedDialog
        && borderStyle_ != BorderStyle::FixedToolWindow;
}

double Form::left() const
{
    return pixelsToTwips(widget_->frameGeometry().x());
}

double Form::top() const
{
    return pixelsToTwips(widget_->frameGeometry().y());
}

double Form::width() const
{
    return pixelsToTwips(widget_->frameGeometry().width());
}

double Form::height() const
{
    return pixelsToTwips(widget_->frameGeometry().height());
}

void Form::setLeft(double twips)
{
    widget_->move(twipsToPixels(twips), widget_->frameGeometry().y());
}

void Form::setTop(double twips)
{
    widget_->move(widget_->frameGeometry().x(), twipsToPixels(twips));
}

void Form::setWidth(double twips)
{
    const int frame = widget_->frameGeometry().width() - widget_->width();
    widget_->resize(std::max(1, twipsToPixels(twips) - frame), widget_->height());
}

void Form::setHeight(double twips)
{
    const int frame = widget_->frameGeometry().height() - widget_->height();
    widget_->resize(widget_->width(), std::max(1, twipsToPixels(twips) - frame));
}

void Form::setClientSize(double width, double height)
{
    widget_->resize(twipsToPixels(width), twipsToPixels(height));
}

Form::WindowState Form::windowState() const
{
    const Qt::WindowStates state = widget_->windowState();
    if (state & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (state & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::setWindowState(WindowState state)
{
    switch (state) {
    case WindowState::Minimized: widget_->setWindowState(Qt::WindowMinimized); break;
    case WindowState::Maximized: widget_->setWindowState(Qt::WindowMaximized); break;
    case WindowState::Normal: widget_->setWindowState(Qt::WindowNoState); break;
    }
}

void Form::show()
{
    // The window frame's size is known only once the window is on the screen; the outer size set
    // before then is kept by giving the frame's room back from the client area.
    const QRect outer = widget_->frameGeometry();
    showing_ = true;
    widget_->show();
    const QRect framed = widget_->frameGeometry();
    if (framed.size() != outer.size() && windowState() == WindowState::Normal) {
        widget_->resize(widget_->width() - (framed.width() - outer.width()),
                        widget_->height() - (framed.height() - outer.height()));
        widget_->move(outer.topLeft());
    }
    widget_->raise();
}

void Form::hide()
{
    showing_ = false;
    widget_->hide();
}

bool Form::unload()
{
    if (unloaded_)
        return true;
    bool cancel = false;
    onUnload(cancel);
    if (cancel)
        return false;
    unloaded_ = true;
    showing_ = false;
    // Closing (rather than hiding) ends a modal run and lets the program end with its last window.
    widget_->close();
    emit becameUnloaded();
    deleteLater();
    return true;
}

void Form::handleClose(bool& accepted)
{
    accepted = unloaded_ || unload();
}

void Form::handleResize()
{
    onResize();
    emit resized();
}

FormWidget::FormWidget(Form* form, QWidget* owner)
    : QDialog(owner)
    , form_(form)
{
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    bool accepted = false;
    form_->handleClose(accepted);
    if (accepted)
        event->accept();
    else
        event->ignore();
}

void FormWidget::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    form_->handleResize();
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    // The form runtime has no Escape-closes-the-window rule; only the window's own buttons do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormWidget::reject()
{
    // Reached through the close box of a modal run: treat it like closing the window.
    close();
}

} // namespace tav::platform
