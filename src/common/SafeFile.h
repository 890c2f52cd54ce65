#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

// Replaces a file without ever leaving it half written: the new content goes
// to a temporary file beside it, is flushed to disk and renamed over the target.
class SafeFile {
public:
    // tmpPath defaults to the target's path + ".tmp". Without a mode the new
    // file keeps the target's permissions (0644 less the umask when new).
    explicit SafeFile(QString target, QString tmpPath = {}, std::optional<mode_t> mode = {});
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    bool open();
    bool write(const QByteArray &bytes);
    bool commit();
    const QString &errorString() const { return m_error; }

    static bool replace(const QString &target, const QByteArray &bytes, const QString &tmpPath = {},
                        std::optional<mode_t> mode = {}, QString *error = nullptr);

private:
    bool fail(const QString &what);
    void discard();

    QString m_target;
    QString m_tmp;
    std::optional<mode_t> m_mode;
    int m_fd = -1;
    QString m_error;
};
