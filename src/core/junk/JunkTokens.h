#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct JunkMail;

// What the filter counts: words of Latin (and other spaced) script, two-character
// grams of runs without spaces (kanji, kana, Thai, ...), and header tokens with a
// prefix of their own, all from normalised text, so one mail gives the same tokens
// whichever charset carried it.
namespace JunkTokens {

// The token that a failed sender authentication adds; it counts as strong junk.
inline const QString kSpoofed = QStringLiteral("auth:spoofed");

// The tokens of a mail, each once, sorted.
QStringList of(const JunkMail &mail);

// Words and grams of one text, each with prefix in front (several times when repeated).
void addText(QStringList &tokens, const QString &text, const QString &prefix = {});

// Host names of the http(s) links and bare www. names in a text, lower case.
QStringList urlHosts(const QString &text);

// A 64-bit key of a token; the store keeps keys, not the texts.
quint64 key(const QString &token);

} // namespace JunkTokens
