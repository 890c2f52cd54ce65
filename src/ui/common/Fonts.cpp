#include "ui/common/Fonts.h"

#include <QGuiApplication>

namespace Fonts {

void install()
{
    QFont::insertSubstitution(kGothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kMincho, QStringLiteral("IPAMincho"));
    QFont::insertSubstitutions(QStringLiteral("Book Antiqua"),
                               {QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                                QStringLiteral("TeX Gyre Pagella"), QStringLiteral("DejaVu Serif"),
                                QStringLiteral("IPAMincho")});
    QGuiApplication::setFont(font(kPGothic, 9));
}

QFont font(const QString &family, qreal pointSize, bool bold)
{
    QFont f(family);
    // Tried glyph by glyph in this order. The local faces are named outright:
    // through the Windows name alone, spaces and digits would go to the emoji face.
    f.setFamilies(QStringList{family} + QFont::substitutes(family) + QStringList{kEmoji});
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    if (family == kMincho || family == QLatin1String("Book Antiqua"))
        f.setStyleHint(QFont::Serif);
    else if (family == kGothic)
        f.setStyleHint(QFont::TypeWriter);
    else
        f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace Fonts
