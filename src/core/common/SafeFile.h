#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

// Replaces a file without ever leaving it half written: the new content goes
// to a temporary file of an unpredictable name beside it, is flushed to disk
// and renamed over it. A symbolic link stays a link: its target is replaced.
// A file whose permissions forbid writing is refused, never replaced.
class SafeFile {
public:
    // What the name given stands for.
    enum class Name {
        // A file of the installation: a link there stays a link and its target
        // is replaced, as the user who put it there meant.
        FollowLinks,
        // A file the user names for writing (an export, a saved text): whatever
        // is at the name is replaced, a link included, never followed. A new
        // file is the user's alone (0600); an existing one keeps its
        // permissions. A name another user owns in a folder with the sticky bit
        // (as /tmp) is refused.
        Chosen,
    };

    // The temporary file's name starts with tmpHint's file name (the target's
    // name + ".tmp" by default); it always lies beside the file really replaced.
    // Without a mode the new file keeps the old one's permissions (0644 less
    // the umask when new).
    explicit SafeFile(QString target, QString tmpHint = {}, std::optional<mode_t> mode = {},
                      Name name = Name::FollowLinks);
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    bool open();
    bool write(const QByteArray &bytes);
    bool commit();
    // What failed, in words for a message box.
    const QString &errorString() const { return m_error; }
    // While open: the temporary file being written.
    const QString &temporaryPath() const { return m_tmp; }

    static bool replace(const QString &target, const QByteArray &bytes, const QString &tmpHint = {},
                        std::optional<mode_t> mode = {}, QString *error = nullptr);
    // The same for a file the user named (Name::Chosen).
    static bool replaceChosen(const QString &target, const QByteArray &bytes, QString *error = nullptr);
    // Why a file the user named cannot be written at all, or empty: the
    // refusal of Name::Chosen, for a caller that creates the file itself.
    static QString refusalOfChosen(const QString &path);

    // The file a write to path lands on: symbolic links followed to their end,
    // also when that end does not exist yet.
    static QString resolveLinks(const QString &path);
    // False for an existing file whose permissions forbid the user to write it.
    // Root passes every permission check, so for root a file counts as
    // protected when no one at all may write it.
    static bool mayWrite(const QString &path);
    // Deletes the temporary files a replacement of target killed half-way left
    // behind (named after tmpHint as above, beside the real file); returns them.
    // Only for a moment when no replacement of target can be running.
    static QStringList removeLeftovers(const QString &target, const QString &tmpHint = {});
    // The same for every file in folder replaced with the default temporary
    // name: whatever "<name>.tmp.<random>" a replacement killed half-way left.
    static QStringList removeAllLeftovers(const QString &folder);
    // Puts what was written to an existing file on disk; a missing file has nothing to flush.
    static bool flush(const QString &path, QString *error = nullptr);
    // Puts the folder entry of a file just made, renamed or unlinked on disk.
    static void syncFolderOf(const QString &file);
    // Starts writing a file's dirty pages to disk without waiting, so a later
    // flush of a file that grew by many megabytes has little left to do.
    static void startWriteback(const QString &path);

private:
    bool fail(int error);
    void discard();

    QString m_target;
    QString m_hint;
    QString m_real;
    QString m_tmp;
    std::optional<mode_t> m_mode;
    Name m_name = Name::FollowLinks;
    int m_fd = -1;
    QString m_error;
};
