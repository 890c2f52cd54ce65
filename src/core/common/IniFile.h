#pragma once

#include <QString>

#include <optional>
#include <sys/types.h>

// A private-profile (INI) file: CP932 on disk, one call reads or writes one
// key, and the file is opened and closed inside each call.
class IniFile {
public:
    // Values are read into a 256-byte buffer: 255 bytes at most come back.
    static constexpr int kReadLimit = 255;

    // With a mode, a newly written file gets exactly these permissions.
    explicit IniFile(QString path, std::optional<mode_t> mode = {});

    // The value, or defaultValue when the file, section or key is missing.
    // Section and key names match without regard to letter case.
    QString read(const QString &section, const QString &key, const QString &defaultValue = {}) const;

    // Creates the file and the section as needed, replaces the key's line in
    // place and keeps every other line. The file is replaced as a whole.
    bool write(const QString &section, const QString &key, const QString &value,
               QString *error = nullptr) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
    std::optional<mode_t> m_mode;
};
