#include "compose/WriteForm.h"

#include <QPlainTextEdit>

WriteForm::WriteForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WriteForm"));
    setWindowTitle(QStringLiteral("新規作成"));
    m_body = new QPlainTextEdit(this);
    m_body->setObjectName(QStringLiteral("BodyText"));
}

QString WriteForm::bodyText() const
{
    return m_body->toPlainText();
}

void WriteForm::insertIntoBody(const QString &text)
{
    QTextCursor cursor = m_body->textCursor();
    cursor.insertText(text);
    m_body->setTextCursor(cursor);
}
