#pragma once

#include <QChar>

class QWidget;

// Alt+letter keys for controls whose captions carry no "(&X)": a button is
// pressed (a check or option box ticked), any other control takes the focus.
namespace Accelerators {

void bind(QWidget *control, QChar letter);

} // namespace Accelerators
