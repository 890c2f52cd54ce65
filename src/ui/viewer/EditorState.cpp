#include "ui/viewer/EditorState.h"

EditorState &editorState()
{
    static EditorState state;
    return state;
}
