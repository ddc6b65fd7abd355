#include "WrappingButtons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tav::platform {

namespace {
constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, Qt::AlignCenter | kTextFlags, option.palette, isEnabled(), caption, QPalette::ButtonText);
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
    const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textArea(indicator + gap, 0, width() - indicator - gap, height());
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
