#include "ui/viewer/HistoryLayout.h"

#include <algorithm>
#include <cmath>

namespace {

int scaled(int value, double factor)
{
    return static_cast<int>(std::nearbyint(value * factor));
}

int nonNegative(int value)
{
    return std::max(0, value);
}

} // namespace

HistoryLayout HistoryLayout::compute(const Input &in)
{
    const int w = nonNegative(in.windowWidth);
    const int h = nonNegative(in.windowHeight);
    HistoryLayout out{};

    const int listHeight = scaled(h, 0.25);
    out.list = {0, 960, scaled(w, 0.99), listHeight};
    const int headerTop = listHeight + 940;
    out.bandWidth = w;

    out.editor.left = in.editorLeft;
    out.editor.top = listHeight + 1300;
    out.editor.width = scaled(w, 0.99);

    out.subject = {in.editorLeft - 15, headerTop, scaled(w, 0.5), in.subjectHeight};
    out.from = {scaled(w, 0.5) + out.subject.left, headerTop, scaled(w, 0.3), in.subjectHeight};
    out.date = {scaled(w, 0.3) + out.from.left - 20, headerTop, scaled(w, 0.2), in.subjectHeight};

    out.copyFieldLeft = in.copyButtonLeft + 3380;
    out.copyFieldTop = in.statusBarTop + 80;
    out.copyButtonLeft = in.statusBarLeft + 1880;
    out.copyButtonTop = in.statusBarTop + 80;

    out.editor.height = nonNegative(h - listHeight - in.subjectHeight - 2000);

    if (in.maximized) {
        out.copyFieldTop = h - 1000;
        out.copyButtonTop = h - 980;
    }
    return out;
}
