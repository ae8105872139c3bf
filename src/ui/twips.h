#pragma once
// Positions and sizes are designed in twips (1/1440 inch): 15 twips are one
// pixel at 96 DPI; Qt scales logical pixels on high-DPI screens.
#include "base/rounding.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace lumo {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return roundHalfEven(twips / kTwipsPerPixel);
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Where a window of `window` twips starts on a screen of `screen` twips:
// centred when the screen is larger, else at 0 (per axis).
inline double centredStart(double screen, double window)
{
    return screen > window ? (screen - window) / 2 : 0;
}

// Sizes a top-level window's client area to width × height twips and centres
// it on the screen (see Screen in ui/platform.h).
void sizeAndCentre(QWidget* window, int widthTwips, int heightTwips);

// Places a child control at a rectangle given in twips.
inline void setTwipsGeometry(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

} // namespace lumo
