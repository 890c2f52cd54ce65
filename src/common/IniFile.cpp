#include "common/IniFile.h"

#include "common/Cp932.h"
#include "common/FixedField.h"
#include "common/OneLine.h"
#include "common/SafeFile.h"

#include <QFile>
#include <QStringList>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = Cp932::decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
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
    QStringList lines = readLines(m_path);
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
            lines[i] = entry;
            replaced = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!replaced) {
        if (sectionLine < 0) {
            lines << u'[' + OneLine::clean(section) + u']' << entry;
        } else {
            lines.insert(lastInSection + 1, entry);
        }
    }

    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp932::encode(line) + "\r\n";
    return SafeFile::replace(m_path, bytes, {}, m_mode, error);
}
