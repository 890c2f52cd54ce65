#include "ui/common/Twips.h"

#include <QWidget>

#include <cmath>

namespace Twips {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / double(kPerPixel)));
}

int toTwips(int pixels)
{
    return pixels * kPerPixel;
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    widget->setGeometry(x, y, qMax(0, toPixels(left + width) - x), qMax(0, toPixels(top + height) - y));
}

void setClientSize(QWidget *window, int width, int height)
{
    window->resize(toPixels(width), toPixels(height));
}

} // namespace Twips
