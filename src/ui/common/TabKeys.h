#pragma once

class QAbstractScrollArea;
class QPlainTextEdit;

// Tab in multi-line boxes. A one-purpose box passes Tab on; a body keeps Tab for
// tab characters and passes Ctrl+Tab (Ctrl+Shift+Tab back) on instead.
namespace TabKeys {

void tabLeaves(QPlainTextEdit *box);
void ctrlTabLeaves(QAbstractScrollArea *body);

} // namespace TabKeys
