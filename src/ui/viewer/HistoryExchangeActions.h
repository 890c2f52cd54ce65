#pragma once

class QWidget;

// The history window's entries for export and import. The histories can be
// large, so their runs go to a worker with a progress window and 中止.
namespace ExchangeActions {

// On the history the window shows.
void exportMbox(QWidget *parent);
void exportEmlFolder(QWidget *parent);
// Into the received history.
void importMbox(QWidget *parent);
void importEmlFolder(QWidget *parent);

// Whether a history export or import runs now.
bool isRunning();
// Stops it (as 中止 does).
void cancel();

} // namespace ExchangeActions
