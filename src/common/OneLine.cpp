#include "common/OneLine.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>

#include <algorithm>

namespace OneLine {

namespace {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

bool hasBreak(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isBreak);
}

} // namespace

QString joined(const QString &text, const QString &separator, bool trimEnds)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    qsizetype start = 0;
    qsizetype end = text.size();
    while (trimEnds && start < end && isBreak(text[start]))
        ++start;
    while (trimEnds && end > start && isBreak(text[end - 1]))
        --end;
    QString inside = text.mid(start, end - start);
    inside.replace(lineBreak, separator);
    return inside;
}

void guard(QLineEdit *box, const QString &separator)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, separator](const QString &text) {
        if (!hasBreak(text))
            return;
        const int caret = box->cursorPosition();
        const QString clean = joined(text, separator);
        box->setText(clean);
        box->setCursorPosition(qMin(caret, int(clean.size())));
    });
}

void guard(QPlainTextEdit *box, const QString &separator)
{
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, separator] {
        if (box->document()->blockCount() < 2 && !hasBreak(box->toPlainText()))
            return;
        const int caret = box->textCursor().position();
        const QString clean = joined(box->toPlainText(), separator, false);
        // One edit step, so undo brings back what was there before.
        QTextCursor cursor(box->document());
        cursor.joinPreviousEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(clean);
        cursor.endEditBlock();
        cursor.setPosition(qMin(caret, int(clean.size())));
        box->setTextCursor(cursor);
    });
}

} // namespace OneLine
