#pragma once

class QWidget;

// The windows' entries for export and import. The histories can be large, so
// their runs go to a worker with a progress window and 中止; the address book
// is small and is done at once.
namespace ExchangeActions {

// History window, on the history it shows.
void exportMbox(QWidget *parent);
void exportEmlFolder(QWidget *parent);
// Into the received history.
void importMbox(QWidget *parent);
void importEmlFolder(QWidget *parent);

// Address book window; true when the book changed.
bool importAddresses(QWidget *parent);
void exportAddresses(QWidget *parent);

// Whether a history export or import runs now.
bool isRunning();
// Stops it (as 中止 does).
void cancel();

} // namespace ExchangeActions
