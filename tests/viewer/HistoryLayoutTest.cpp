#include "ui/viewer/HistoryLayout.h"

#include <gtest/gtest.h>

TEST(HistoryLayout, TwelveThousandByNineThousand)
{
    HistoryLayout::Input in;
    in.windowWidth = 12000;
    in.windowHeight = 9000;
    in.statusBarTop = 8000;
    const HistoryLayout layout = HistoryLayout::compute(in);
    EXPECT_EQ(layout.list, (HistoryLayout::Rect{0, 960, 11880, 2250}));
    EXPECT_EQ(layout.bandWidth, 12000);
    EXPECT_EQ(layout.subject, (HistoryLayout::Rect{5, 3190, 6000, 375}));
    EXPECT_EQ(layout.from, (HistoryLayout::Rect{6005, 3190, 3600, 375}));
    EXPECT_EQ(layout.date, (HistoryLayout::Rect{9585, 3190, 2400, 375}));
    EXPECT_EQ(layout.editor, (HistoryLayout::Rect{20, 3550, 11880, 4375}));
    EXPECT_EQ(layout.copyFieldLeft, 1920 + 3380);
    EXPECT_EQ(layout.copyFieldTop, 8080);
    EXPECT_EQ(layout.copyButtonLeft, 1880);
    EXPECT_EQ(layout.copyButtonTop, 8080);
}

TEST(HistoryLayout, MaximisedMovesTheCopyControlsFromTheBottom)
{
    HistoryLayout::Input in;
    in.windowWidth = 12000;
    in.windowHeight = 9000;
    in.statusBarTop = 8000;
    in.maximized = true;
    const HistoryLayout layout = HistoryLayout::compute(in);
    EXPECT_EQ(layout.copyFieldTop, 8000);
    EXPECT_EQ(layout.copyButtonTop, 8020);
}

TEST(HistoryLayout, TinyOrNegativeSizesNeverGoNegative)
{
    for (const auto [w, h] : {std::pair{0, 0}, std::pair{-500, -300}, std::pair{100, 2000}}) {
        HistoryLayout::Input in;
        in.windowWidth = w;
        in.windowHeight = h;
        const HistoryLayout layout = HistoryLayout::compute(in);
        EXPECT_GE(layout.list.width, 0);
        EXPECT_GE(layout.list.height, 0);
        EXPECT_GE(layout.editor.width, 0);
        EXPECT_GE(layout.editor.height, 0);
        EXPECT_GE(layout.subject.width, 0);
    }
}
