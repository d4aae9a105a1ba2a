#include "wrappingbuttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

int captionFlags(const QWidget* button, const QStyleOption& option, Qt::Alignment alignment)
{
    int flags = alignment | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!button->style()->styleHint(QStyle::SH_UnderlineShortcut, &option, button))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

// The indicator at the left, centred in height, and the caption wrapped in the
// room beside it.
void paintIndicatorButton(QAbstractButton* button, const QStyleOptionButton& option,
                          QStyle::PrimitiveElement indicatorElement,
                          QStyle::PixelMetric widthMetric, QStyle::PixelMetric heightMetric,
                          QStyle::PixelMetric spacingMetric)
{
    QStylePainter painter(button);
    const QStyle* style = button->style();
    const QRect area = button->rect();

    QStyleOptionButton indicator = option;
    const int width = style->pixelMetric(widthMetric, &option, button);
    const int height = style->pixelMetric(heightMetric, &option, button);
    indicator.rect = QRect(0, (area.height() - height) / 2, width, height);
    painter.drawPrimitive(indicatorElement, indicator);

    const int flags = captionFlags(button, option, Qt::AlignLeft | Qt::AlignVCenter);
    const QRect textArea =
        area.adjusted(width + style->pixelMetric(spacingMetric, &option, button), 0, 0, 0);
    style->drawItemText(&painter, textArea, flags, option.palette, button->isEnabled(),
                        button->text(), QPalette::WindowText);
    if (button->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(button);
        focus.rect = button->fontMetrics().boundingRect(textArea, flags, button->text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(rect().adjusted(3, 1, -3, -1), captionFlags(this, option, Qt::AlignCenter),
                         palette(), isEnabled(), text(), QPalette::ButtonText);
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintIndicatorButton(this, option, QStyle::PE_IndicatorCheckBox, QStyle::PM_IndicatorWidth,
                         QStyle::PM_IndicatorHeight, QStyle::PM_CheckBoxLabelSpacing);
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintIndicatorButton(this, option, QStyle::PE_IndicatorRadioButton,
                         QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
                         QStyle::PM_RadioButtonLabelSpacing);
}
