#include "core/search/SearchText.h"

#include <QChar>

namespace SearchText {

QString normalize(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool isSpace(char32_t c)
{
    if (c < 0x80)
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    return QChar::isSpace(c);
}

Grams gramsOf(const QString &normalizedTerm)
{
    // Runs of characters between whitespace, by code point.
    const QList<uint> codes = normalizedTerm.toUcs4();
    QList<QList<char32_t>> runs(1);
    for (const char32_t c : codes) {
        if (isSpace(c)) {
            if (!runs.last().isEmpty())
                runs.append(QList<char32_t>());
        } else {
            runs.last().append(c);
        }
    }
    if (runs.last().isEmpty())
        runs.removeLast();

    Grams out;
    out.exact = runs.size() == 1 && runs.first().size() <= 2 && runs.first().size() == codes.size();
    for (const auto &run : runs) {
        if (run.size() == 1) {
            out.grams.append(QString::fromUcs4(run.constData(), 1).toUtf8());
            continue;
        }
        for (qsizetype i = 0; i + 1 < run.size(); ++i) {
            const QByteArray gram = QString::fromUcs4(run.constData() + i, 2).toUtf8();
            if (!out.grams.contains(gram))
                out.grams.append(gram);
        }
    }
    return out;
}

} // namespace SearchText
