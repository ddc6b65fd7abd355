#include "WrappingButtons.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tav::platform {

namespace {

constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr double kSmallestPoints = 6;

// The widget's font, made smaller where the wrapped caption would not fit its area: the forms
// were designed for a narrower font than any this system has.
QFont fittedFont(const QWidget& widget, const QRect& area, const QString& caption)
{
    QFont font = widget.font();
    while (font.pointSizeF() > kSmallestPoints) {
        const QRect needed = QFontMetrics(font).boundingRect(area, kTextFlags, caption);
        if (needed.height() <= area.height() && needed.width() <= area.width())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

} // namespace

QRect WrappingPushButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    if (caption.isEmpty())
        return; // a picture button: the style drew its picture
    QRect area = captionArea();
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setFont(fittedFont(*this, area, caption));
    painter.drawItemText(area, Qt::AlignCenter | kTextFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

void WrappingPushButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QRect WrappingCheckBox::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    return QRect(indicator + gap, 0, width() - indicator - gap, height());
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    option.rect = QRect(0, (height() - indicator) / 2, indicator, indicator);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const QRect textArea = captionArea();
    painter.setFont(fittedFont(*this, textArea, caption));
    painter.drawItemText(textArea, Qt::AlignLeft | Qt::AlignVCenter | kTextFlags, palette(), isEnabled(), caption,
                         QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textArea;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace tav::platform
