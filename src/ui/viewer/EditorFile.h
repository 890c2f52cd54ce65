#pragma once

#include <QString>

#include <optional>

// Plain text files of the editor: CP932 on disk.
namespace EditorFile {

// A line ends at CR or CR LF (a lone LF stays inside its line); every line comes
// back followed by CR LF. Nothing when the file cannot be read.
std::optional<QString> load(const QString &path);

// Writes the text as it stands, replacing whatever is at the name (see
// SafeFile::Name::Chosen). On failure error, when given, says what failed,
// where, and the system's words.
bool save(const QString &path, const QString &text, QString *error = nullptr);

// The name up to and including its last separator; a name without one comes back whole.
QString directoryPart(const QString &path);

} // namespace EditorFile
