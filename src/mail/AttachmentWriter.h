#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes files a mail carries into one folder. A name from the mail never
// chooses where a file goes, and an existing file is never overwritten.
class AttachmentWriter {
public:
    static inline const QString kFallbackName = QStringLiteral("添付ファイル");

    explicit AttachmentWriter(QString folder);

    // The base name only, without / \ : * ? " < > | or control characters,
    // never empty, never "." or "..", short enough for any file system.
    static QString safeName(const QString &name);

    // Writes the bytes under the safe name, adding " (2)", " (3)" ... before the
    // extension while the name is taken, and flushes them to disk. Returns the
    // full path, or nothing with errorText() set.
    std::optional<QString> write(const QString &name, const QByteArray &bytes);

    const QString &errorText() const { return m_error; }

private:
    QString m_folder;
    QString m_error;
};
