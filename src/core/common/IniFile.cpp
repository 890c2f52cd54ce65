#include "core/common/IniFile.h"

#include "core/common/Cp932.h"
#include "core/common/FixedField.h"
#include "core/common/OneLine.h"
#include "core/common/SafeFile.h"

#include <QFile>
#include <QStringList>

namespace {

// The file's lines as they are on disk. A line feed is never part of a
// double-byte character, so each line decodes on its own.
QList<QByteArray> readRawLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    bytes.replace("\r\n", "\n");
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList readLines(const QString &path)
{
    QStringList lines;
    for (const QByteArray &line : readRawLines(path))
        lines << Cp932::decode(line);
    return lines;
}

std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[') && trimmed.contains(u']'))
        return trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
    return std::nullopt;
}

bool isKeyLine(const QString &line, const QString &key)
{
    const qsizetype eq = line.indexOf(u'=');
    return eq >= 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

QString unquote(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(QString path, std::optional<mode_t> mode) : m_path(std::move(path)), m_mode(mode) {}

QString IniFile::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    bool inSection = false;
    for (const QString &line : readLines(m_path)) {
        if (const auto name = sectionName(line)) {
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && isKeyLine(line, key)) {
            const QString value = unquote(line.mid(line.indexOf(u'=') + 1).trimmed());
            const QByteArray bytes = Cp932::cutAtCharBoundary(Cp932::encode(value), kReadLimit);
            return FixedField::cutAtNul(Cp932::decode(bytes));
        }
    }
    return defaultValue;
}

bool IniFile::write(const QString &section, const QString &key, const QString &value,
                    QString *error) const
{
    // Lines other than the key's go back byte for byte: bytes that are no CP932
    // would come back as '?' through a decode and an encode.
    QList<QByteArray> raw = readRawLines(m_path);
    QStringList lines;
    for (const QByteArray &line : std::as_const(raw))
        lines << Cp932::decode(line);
    const QString entry = OneLine::clean(key) + u'=' + OneLine::clean(value);

    qsizetype sectionLine = -1;
    qsizetype lastInSection = -1;
    bool inSection = false;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size() && !replaced; ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                break;
            inSection = name->compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                sectionLine = lastInSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (isKeyLine(lines[i], key)) {
            raw[i] = Cp932::encode(entry);
            replaced = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!replaced) {
        if (sectionLine < 0) {
            raw << Cp932::encode(u'[' + OneLine::clean(section) + u']') << Cp932::encode(entry);
        } else {
            raw.insert(lastInSection + 1, Cp932::encode(entry));
        }
    }

    QByteArray bytes;
    for (const QByteArray &line : std::as_const(raw))
        bytes += line + "\r\n";
    return SafeFile::replace(m_path, bytes, {}, m_mode, error);
}
