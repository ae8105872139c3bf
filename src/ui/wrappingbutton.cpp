#include "ui/wrappingbutton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace lumo {

WrappingButton::WrappingButton(QWidget* parent) : QPushButton(parent)
{
    // Read by checks that measure captions: this one wraps instead of clipping.
    setProperty("wrapsCaption", true);
}

void WrappingButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(text()) <= room.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    // The button without its caption, then the caption wrapped inside it
    // (Japanese breaks between any two characters).
    QPainter painter(this);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWrapAnywhere, text());
}

} // namespace lumo
