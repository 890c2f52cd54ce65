#pragma once

#include <QFont>
#include <QString>

// The windows name Japanese Windows fonts; here they map to the IPA fonts so
// users and tests see the same glyphs, with colour emoji where those have none.
namespace Fonts {

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

// Installs the substitutions and makes "ＭＳ Ｐゴシック" 9 pt the default font.
void install();

// Colour emoji for the characters the Japanese faces lack.
inline const QString kEmoji = QStringLiteral("Noto Color Emoji");

// A font by its Windows name; Latin names without a local face fall back by
// style, and emoji come from the colour emoji face.
QFont font(const QString &family, qreal pointSize, bool bold = false);

} // namespace Fonts
