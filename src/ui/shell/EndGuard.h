#pragma once

class QWidget;

// What closing the launcher must not throw away: mail written but not sent
// and the emoticon palette's edits.
namespace EndGuard {

inline constexpr const char16_t *kUnsentQuestion = u"送信していないメールがあります。終了しますか？";

// Asks before ending when a compose or reply window holds unsent text, then
// saves the palette as closing it would. False when the program must go on.
bool mayEnd(QWidget *parent);

} // namespace EndGuard
