#pragma once

class QWidget;

// Layout in twips: 15 twips are one pixel at 96 dpi. Edges are converted, not
// widths, so neighbours that touch in twips touch in pixels. Qt scales for
// high-density screens itself.
namespace Twips {

constexpr int kPerPixel = 15;

int toPixels(int twips);
int toTwips(int pixels);

void place(QWidget *widget, int left, int top, int width, int height);
void setClientSize(QWidget *window, int width, int height);

} // namespace Twips
