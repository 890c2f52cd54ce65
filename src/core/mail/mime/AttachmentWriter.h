#pragma once

#include <QByteArray>
#include <QHash>
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
    // extension while the name is taken; sync() puts them on disk. The folder is
    // read once per writer, so many files of one name cost no more than others. Returns the
    // full path, or nothing with errorText() set.
    std::optional<QString> write(const QString &name, const QByteArray &bytes);

    // The path write would use now, without making the file: a caller that must
    // note its files before they exist plans them, then writes each with writeAt.
    std::optional<QString> plan(const QString &name);
    // Writes a planned path; fails rather than overwrite a file made meanwhile.
    bool writeAt(const QString &path, const QByteArray &bytes);

    // Puts everything written into the folder on disk; false with errorText() set.
    bool sync();

    const QString &errorText() const { return m_error; }

private:
    void scanFolder();

    QString m_folder;
    QString m_error;
    bool m_scanned = false;
    int m_lastErrno = 0;
    QHash<QString, int> m_nextNumber;       // by lower-case safe name
    QHash<QString, int> m_highestNumbered;  // " (n)" already in the folder, by the name without it
};
