#pragma once

#include <QString>
#include <QWidget>

#include <utility>

// Layout in twips: 15 twips are one pixel at 96 dpi. Edges are converted, not
// widths, so neighbours that touch in twips touch in pixels. Qt scales for
// high-density screens itself.
namespace Twips {

constexpr int kPerPixel = 15;

int toPixels(int twips);
int toTwips(int pixels);

void place(QWidget *widget, int left, int top, int width, int height);
void setClientSize(QWidget *window, int width, int height);

// A control of the window: created with parent (and any extra constructor
// arguments before it, such as a caption), named and placed.
template <class Control, class... Args>
Control *add(QWidget *parent, const QString &name, int left, int top, int width, int height,
             Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    place(control, left, top, width, height);
    return control;
}

} // namespace Twips
