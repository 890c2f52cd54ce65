#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

struct JunkMail;

// What the filter counts: words of Latin (and other spaced) script, two-character
// grams of runs without spaces (kanji, kana, Thai, ...), and header tokens with a
// prefix of their own, all from normalised text, so one mail gives the same tokens
// whichever charset carried it.
namespace JunkTokens {

// The token that a failed sender authentication adds; it counts as strong junk.
inline const QString kSpoofed = QStringLiteral("auth:spoofed");

// Each token as its prefix ("subject:", "url-host:", empty for the body) and its text.
using Emit = std::function<void(QStringView prefix, QStringView text)>;

// Every token of a mail, as often as it comes.
void forEach(const JunkMail &mail, const Emit &emit);
// The tokens of a mail, each once, sorted.
QStringList of(const JunkMail &mail);
// Their keys, each once, sorted: what the store counts.
QList<qint64> keysOf(const JunkMail &mail);

// Words and grams of one normalised text, in order, each with prefix in front.
void addText(QStringList &tokens, const QString &text, const QString &prefix = {});
void forEachInText(const QString &text, QStringView prefix, const Emit &emit);

// Host names of the http(s) links and bare www. names in a text, lower case.
QStringList urlHosts(const QString &text);

// A 64-bit key of a token; the store keeps keys, not the texts.
qint64 key(const QString &token);
qint64 key(QStringView prefix, QStringView text);

} // namespace JunkTokens
