#pragma once

#include <QString>

// The history window's editor state that outlives the window.
struct EditorState {
    QString currentFile;  // empty until the first "新規作成"
    bool changed = false;
    // Which way the next click of each font toggle switches: odd means on.
    int boldCount = 0;
    int italicCount = 0;
    int underlineCount = 0;
};

EditorState &editorState();
