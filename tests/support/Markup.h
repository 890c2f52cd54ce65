#pragma once

#include <QLabel>

// Text that came from outside, with the markup a hostile server, file or link would send.
inline const QString kHostileHtml = QStringLiteral(
    "<h1 style=\"color:red\">送信済み</h1><a href=\"https://attacker.example/\">ここをクリック</a>");

// Whether the label would draw its text as HTML rather than as the characters it holds.
inline bool drawsAsMarkup(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}
