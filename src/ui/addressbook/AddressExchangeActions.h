#pragma once

class QWidget;

// The address book window's entries for export and import; the book is small,
// so both are done at once.
namespace ExchangeActions {

// True when the book changed.
bool importAddresses(QWidget *parent);
void exportAddresses(QWidget *parent);

} // namespace ExchangeActions
