#include "core/search/SearchText.h"

#include "core/common/NormalText.h"

namespace SearchText {

Grams gramsOf(const QString &normalizedTerm)
{
    // Runs of characters between whitespace, by code point.
    const QList<uint> codes = normalizedTerm.toUcs4();
    QList<QList<char32_t>> runs(1);
    for (const char32_t c : codes) {
        if (NormalText::isSpace(c)) {
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
