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

bool isNormal(Qt::WindowStates state)
{
    return !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
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
    askOuterSize(QSize(twipsToPixels(twips), outerSize_.value_or(widget_->frameGeometry().size()).height()));
}

void Form::setHeight(double twips)
{
    askOuterSize(QSize(outerSize_.value_or(widget_->frameGeometry().size()).width(), twipsToPixels(twips)));
}

void Form::setClientSize(double width, double height)
{
    outerSize_.reset();
    resizeClient(QSize(twipsToPixels(width), twipsToPixels(height)));
}

void Form::setMinimumSize(double width, double height)
{
    minimumSize_ = QSize(twipsToPixels(width), twipsToPixels(height));
}

void Form::askOuterSize(QSize pixels)
{
    pixels = pixels.expandedTo(minimumSize_);
    const QMargins frame = frameOf(*widget_);
    // Until the window manager has framed the window, the room its frame takes is not known.
    outerSize_ = frame.isNull() ? std::optional<QSize>(pixels) : std::nullopt;
    resizeClient(pixels - sizeOf(frame));
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

void Form::frameMayHaveChanged()
{
    // Fitted after the event: a window resized while the platform still delivers its move or
    // resize would be given the size of that event again.
    if (outerSize_ || stateOnceFramed_)
        QMetaObject::invokeMethod(this, &Form::fitToFrame, Qt::QueuedConnection);
}

void Form::fitToFrame()
{
    const QMargins frame = frameOf(*widget_);
    if (!isNormal(widget_->windowState()) || frame.isNull())
        return;
    if (outerSize_) {
        const QSize client = *std::exchange(outerSize_, std::nullopt) - sizeOf(frame);
        if (client != widget_->size()) {
            resizeClient(client);
            // The state waits for the fitted size: the window manager keeps that as the normal one.
            return;
        }
    }
    if (stateOnceFramed_)
        widget_->setWindowState(*std::exchange(stateOnceFramed_, std::nullopt));
}

Form::WindowState Form::windowState() const
{
    const Qt::WindowStates state = stateOnceFramed_.value_or(widget_->windowState());
    if (state & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (state & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::setWindowState(WindowState state)
{
    Qt::WindowStates qtState = Qt::WindowNoState;
    if (state == WindowState::Minimized)
        qtState = Qt::WindowMinimized;
    else if (state == WindowState::Maximized)
        qtState = Qt::WindowMaximized;
    // The state a window is to show in waits for its frame (see show()); a window that is not on
    // the screen is not told of it before then.
    if (showing_) {
        stateOnceFramed_.reset();
        widget_->setWindowState(qtState);
    } else {
        stateOnceFramed_ = qtState;
    }
}

void Form::show()
{
    showing_ = true;
    // The form runtime knows a window's frame before it shows the window; a window manager adds it
    // only once the window is mapped, takes a minimized state only from a window it has framed, and
    // gives a window that shows maximized its normal frame only when the user restores it. So a
    // window shows normal, its client area gives up the room the frame takes, and only then does
    // it take the state asked for: Restore gives back its normal rectangle, frame included.
    widget_->show();
    widget_->raise();
    fitToFrame();
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
    form_->frameMayHaveChanged();
}

void FormWidget::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    form_->frameMayHaveChanged();
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
