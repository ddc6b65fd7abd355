#include "TextBox.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace tav::platform {

namespace {

QWidget* makeEditor(QWidget* container, TextBox::Lines lines)
{
    if (lines == TextBox::Lines::Single)
        return new QLineEdit(container);
    auto* editor = new QPlainTextEdit(container);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor->setTabChangesFocus(true);
    return editor;
}

// The text of a multi-line box keeps its CR LF line ends; its editor shows LF alone. Both ways
// take one pass over the text, however many lines it has.
QString editorText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')))
            shown += text[i];
    }
    return shown;
}

QString boxText(const QString& shown)
{
    QString text;
    text.reserve(shown.size() + shown.count(QLatin1Char('\n')));
    for (const QChar ch : shown) {
        if (ch == QLatin1Char('\n'))
            text += QLatin1Char('\r');
        text += ch;
    }
    return text;
}

} // namespace

TextBox::TextBox(QWidget* container, const QString& name, int index, Lines lines)
    : Control(makeEditor(container, lines), name, index)
{
    if (lines == Lines::Single) {
        singleLine_ = static_cast<QLineEdit*>(widget());
        clickTarget_ = singleLine_;
        connect(singleLine_, &QLineEdit::textChanged, this, &TextBox::userEdited);
    } else {
        multiLine_ = static_cast<QPlainTextEdit*>(widget());
        clickTarget_ = multiLine_->viewport();
        connect(multiLine_, &QPlainTextEdit::textChanged, this, &TextBox::userEdited);
    }
    clickTarget_->installEventFilter(this);
    setBackColor(SystemColor::Window);
}

QString TextBox::shownText() const
{
    return singleLine_ ? singleLine_->text() : boxText(multiLine_->toPlainText());
}

void TextBox::showText(const QString& text)
{
    showing_ = true;
    if (singleLine_) {
        singleLine_->setText(text);
        // The start of a long text shows, as the box shows it when first filled.
        singleLine_->setCursorPosition(0);
    } else {
        multiLine_->setPlainText(editorText(text));
    }
    showing_ = false;
}

void TextBox::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    showText(text);
    emit changed();
}

void TextBox::userEdited()
{
    if (showing_)
        return;
    QString typed = shownText();
    if (maxLength_ > 0 && typed.size() > maxLength_ && typed.size() > text_.size()) {
        // Keep what fits: the part of the insertion beyond the limit is dropped.
        const qsizetype excess = typed.size() - std::max<qsizetype>(maxLength_, text_.size());
        if (singleLine_) {
            const int cursor = singleLine_->cursorPosition();
            typed = typed.left(cursor - excess) + typed.mid(cursor);
            showText(typed);
            singleLine_->setCursorPosition(static_cast<int>(cursor - excess));
        } else {
            typed.chop(excess);
            showText(typed);
            multiLine_->moveCursor(QTextCursor::End);
        }
    }
    if (typed == text_)
        return;
    text_ = typed;
    emit changed();
}

void TextBox::setLocked(bool locked)
{
    locked_ = locked;
    if (singleLine_)
        singleLine_->setReadOnly(locked);
    else
        multiLine_->setReadOnly(locked);
}

void TextBox::selectAll()
{
    if (singleLine_)
        singleLine_->selectAll();
    else
        multiLine_->selectAll();
}

bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == clickTarget_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit clicked();
    return Control::eventFilter(watched, event);
}

} // namespace tav::platform
