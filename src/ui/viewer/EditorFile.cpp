#include "ui/viewer/EditorFile.h"

#include "core/common/Cp932.h"
#include "core/common/SafeFile.h"

#include <QFile>

namespace EditorFile {

std::optional<QString> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = Cp932::decode(file.readAll());
    if (file.error() != QFile::NoError)
        return std::nullopt;

    QString out;
    out.reserve(text.size() + text.size() / 16);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\r', start);
        if (end < 0)
            end = text.size();
        out += QStringView(text).mid(start, end - start);
        out += QLatin1String("\r\n");
        start = end + 1;
        if (start < text.size() && end < text.size() && text[start] == u'\n')
            ++start;
    }
    return out;
}

} // namespace EditorFile

namespace EditorFile {

bool save(const QString &path, const QString &text, QString *error)
{
    return SafeFile::replaceChosen(path, Cp932::encode(text), error);
}

QString directoryPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? path : path.left(slash + 1);
}

} // namespace EditorFile
