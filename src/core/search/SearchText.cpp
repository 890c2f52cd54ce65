#include "core/search/SearchText.h"

#include "core/common/NormalText.h"

namespace SearchText {

QList<QByteArray> phraseOf(const QString &normalizedTerm)
{
    const QList<uint> codes = normalizedTerm.toUcs4();
    const auto *at = reinterpret_cast<const char32_t *>(codes.constData());
    QList<QByteArray> phrase;
    if (codes.size() == 1) {
        if (!NormalText::isSpace(codes.first()))
            phrase.append(QString::fromUcs4(at, 1).toUtf8());
        return phrase;
    }
    for (qsizetype i = 0; i + 1 < codes.size(); ++i)
        phrase.append(QString::fromUcs4(at + i, 2).toUtf8());
    return phrase;
}

} // namespace SearchText
