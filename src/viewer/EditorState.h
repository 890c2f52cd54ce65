#pragma once

#include <QString>

// The history window's editor state that outlives the window.
struct EditorState {
    QString currentFile;  // empty until a file is opened or saved
    bool changed = false;
};

EditorState &editorState();
