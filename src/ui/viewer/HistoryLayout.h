#pragma once

// Where the history window's resizable controls go for a window of a given
// outer size, all in twips. Sizes never come out negative.
struct HistoryLayout {
    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
        bool operator==(const Rect &) const = default;
    };

    struct Input {
        int windowWidth = 0;
        int windowHeight = 0;
        bool maximized = false;
        int editorLeft = 20;
        int subjectHeight = 375;
        int statusBarLeft = 0;
        int statusBarTop = 0;
        int copyButtonLeft = 1920;  // before this layout moves it
    };

    Rect list;      // MailListView (left and top stay)
    int bandWidth;  // Picture1
    Rect subject;   // Text7
    Rect from;      // Text8
    Rect date;      // Text9 (heights unchanged)
    Rect editor;    // rtfEd
    int copyFieldLeft, copyFieldTop;    // Text6
    int copyButtonLeft, copyButtonTop;  // Command1

    static HistoryLayout compute(const Input &in);
};
