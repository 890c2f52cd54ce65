#pragma once

#include <QString>

// What the history window shows of a stored text. Records keep the carriers'
// pictographs as CP932 user-defined characters, which no font draws; on screen
// they become the matching Unicode emoji, chosen by the correspondent's carrier.
namespace ScreenText {

QString of(const QString &stored, const QString &correspondent);

} // namespace ScreenText
