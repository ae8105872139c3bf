#include "ui/twips.h"

#include "ui/platform.h"

namespace lumo {

void sizeAndCentre(QWidget* window, int widthTwips, int heightTwips)
{
    const QSize screenPixels = screen().pixels();
    const double top = centredStart(screenPixels.height() * double(kTwipsPerPixel), heightTwips);
    const double left = centredStart(screenPixels.width() * double(kTwipsPerPixel), widthTwips);
    window->resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    window->move(twipsToPixels(left), twipsToPixels(top));
}

} // namespace lumo
