#include "ui/desktopstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumo {
namespace {

// A double chevron (»), pointing right or down, 16 logical pixels square.
QIcon extensionArrow(bool pointsDown)
{
    constexpr qreal ratio = 2;
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (pointsDown) {
        painter.translate(16, 0);
        painter.rotate(90);
    }
    QPainterPath chevrons;
    for (const qreal left : {4.0, 8.5}) {
        chevrons.moveTo(left, 4.5);
        chevrons.lineTo(left + 3.5, 8);
        chevrons.lineTo(left, 11.5);
    }
    painter.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
    painter.drawPath(chevrons);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon DesktopStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton: return extensionArrow(false);
    case SP_ToolBarVerticalExtensionButton: return extensionArrow(true);
    default: return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

} // namespace lumo
