#include "core/common/NormalText.h"

#include <QChar>

namespace NormalText {

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

} // namespace NormalText
