#include "Form.h"

#include "AccessKeyRouter.h"
#include "ModalOwner.h"
#include "TitleRoom.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMargins>
#include <QResizeEvent>

#include <utility>

namespace tav::platform {

namespace {

// A window with an owner is a dialog to the window manager, which then keeps it with its owner:
// above it, and never minimised apart from it.
Qt::WindowFlags flagsFor(Form::BorderStyle style, const QWidget* owner)
{
    Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
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

// The room the window manager's frame takes around the client area; none before the window is
// on the screen.
QMargins frameOf(const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

QSize sizeOf(const QMargins& frame)
{
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

} // namespace

Form::Form(QString name, BorderStyle borderStyle, QWidget* owner)
    : name_(std::move(name))
    , borderStyle_(borderStyle)
    , widget_(new FormWidget(this, owner))
{
    widget_->setObjectName(name_);
    widget_->setWindowFlags(flagsFor(borderStyle, owner));
    widget_->setSizeGripEnabled(false);
    widget_->setFont(windowFont());
    setCaption(QString());
    AccessKeyRouter::install();
    followActiveWindows();
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
    return caption_;
}

void Form::setCaption(const QString& caption)
{
    caption_ = caption;
    // Qt puts the program's name in the title bar of a window without a title; a blank shows none.
    widget_->setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
    // A fixed size already given makes room for the new title.
    if (!sizable() && widget_->minimumSize() == widget_->maximumSize())
        resizeClient(widget_->size());
}

void Form::setOwner(const Form& owner)
{
    if (widget_->parentWidget() != owner.widget())
        widget_->setParent(owner.widget(), flagsFor(borderStyle_, owner.widget()));
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
    outerSizeKept_ = true;
    resizeClient(QSize(twipsToPixels(twips) - sizeOf(frameOf(*widget_)).width(), widget_->height()));
}

void Form::setHeight(double twips)
{
    outerSizeKept_ = true;
    resizeClient(QSize(widget_->width(), twipsToPixels(twips) - sizeOf(frameOf(*widget_)).height()));
}

void Form::setClientSize(double width, double height)
{
    outerSizeKept_ = false;
    resizeClient(QSize(twipsToPixels(width), twipsToPixels(height)));
}

void Form::resizeClient(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    // A fixed border holds its size against the user and the window manager's maximize; the user
    // cannot widen the window to read a title cut short, so it is wide enough for its title.
    if (sizable())
        widget_->resize(size);
    else
        widget_->setFixedSize(size.expandedTo(QSize(titleRoom(caption_), 1)));
}

void Form::handleFrameChange()
{
    const QMargins frame = frameOf(*widget_);
    if (frame == frame_)
        return;
    const QMargins before = std::exchange(frame_, frame);
    // The form runtime knows a window's frame before it shows the window; a window manager adds it
    // only after the window is mapped. A window given its outer size keeps that size: its client
    // area gives up the room the frame takes, and its page layout follows.
    if (outerSizeKept_ && windowState() == WindowState::Normal)
        resizeClient(widget_->size() - (sizeOf(frame) - sizeOf(before)));
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
    showing_ = true;
    widget_->show();
    handleFrameChange();
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

void FormWidget::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    form_->handleFrameChange();
}

void FormWidget::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    form_->handleFrameChange();
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
