#include "ui/common/OneLineBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace OneLine {

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
