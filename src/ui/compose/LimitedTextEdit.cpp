#include "ui/compose/LimitedTextEdit.h"

#include <QKeyEvent>
#include <QMimeData>

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget *parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength)
{
}

int LimitedTextEdit::room() const
{
    const QTextCursor cursor = textCursor();
    const int used = static_cast<int>(toPlainText().size()) - (cursor.selectionEnd() - cursor.selectionStart());
    return qMax(0, m_maxLength - used);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent *event)
{
    QString text = event->text();
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (lineBreak)
        text = QStringLiteral("\n");
    if (!text.isEmpty() && (lineBreak || text.at(0).isPrint()) && text.size() > room()) {
        const int fits = room();
        if (fits > 0 && !lineBreak)
            insertPlainText(text.left(fits));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (committed.size() > room()) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(committed.left(room()), event->replacementStart(),
                            event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        insertPlainText(source->text().left(room()));
}
