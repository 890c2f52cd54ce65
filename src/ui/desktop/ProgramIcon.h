#pragma once

#include <QIcon>

// The program's icon: the theme's "pintora" where it is installed, else drawn here.
namespace ProgramIcon {

QIcon icon();

} // namespace ProgramIcon
