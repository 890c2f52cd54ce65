#pragma once

#include <QString>

#include <optional>

class QLineEdit;

// What the one-line boxes of the settings windows accept.
namespace FieldRules {

// A pasted line break or NUL is taken as nothing, so a value never spills
// onto a line of its own in the settings files.
void keepOnOneLine(QLineEdit *edit);

// The message refusing a value with a character the files cannot hold, naming
// the field and the character; nothing when every character can be stored.
std::optional<QString> unstorable(const QString &field, const QString &text);

} // namespace FieldRules
