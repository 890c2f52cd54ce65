#include "ui/compose/BackFormLayout.h"

#include <algorithm>
#include <cmath>

BackFormLayout BackFormLayout::compute(int windowWidth, int windowHeight, int boxHeight)
{
    const auto scaled = [](int value, double factor) {
        return std::max(0, static_cast<int>(std::nearbyint(value * factor)));
    };
    BackFormLayout layout{};
    layout.bodyWidth = scaled(windowWidth, 0.99);
    layout.toWidth = scaled(windowWidth, 0.7);
    layout.subjectWidth = layout.toWidth;
    layout.attachWidth = scaled(windowWidth, 0.4);
    layout.attachButtonLeft = layout.attachWidth + 1240;
    layout.addButtonLeft = layout.attachWidth + 2060;
    layout.removeButtonLeft = layout.attachWidth + 2940;
    layout.bodyHeight = std::max(0, windowHeight - 3 * boxHeight - 1500);
    return layout;
}
