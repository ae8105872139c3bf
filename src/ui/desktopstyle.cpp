#include "ui/desktopstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace lumo {
namespace {

// A double chevron (»), pointing right or down, 16 logical pixels square.
// Each chevron is filled as the outline of a 1.5 pixel stroke rather than
// stroked: Qt's stroker computes its joins with trigonometric functions whose
// tables would come into memory with the first menu bar, for an arrow that
// is seldom shown.
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
    painter.setPen(Qt::NoPen);
    painter.setBrush(QApplication::palette().color(QPalette::ButtonText));
    // Half the stroke's width across each 45° arm, and at the tip along it.
    constexpr qreal across = 0.75 / 1.41421356, tip = 0.75 * 1.41421356;
    for (const qreal left : {4.0, 8.5}) {
        const QPointF chevron[] = {{left + across, 4.5 - across},  {left + 3.5 + tip, 8},
                                   {left + across, 11.5 + across}, {left - across, 11.5 - across},
                                   {left + 3.5 - tip, 8},          {left - across, 4.5 + across}};
        painter.drawPolygon(chevron, 6);
    }
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
