#pragma once

#include <QWidget>

class QPlainTextEdit;

// The compose window, titled "新規作成".
class WriteForm : public QWidget {
    Q_OBJECT

public:
    explicit WriteForm(QWidget *parent = nullptr);

    QString bodyText() const;
    // Replaces the body's selection with text, or inserts it at the caret; the
    // caret ends after the inserted text.
    void insertIntoBody(const QString &text);

    QPlainTextEdit *body() const { return m_body; }

private:
    QPlainTextEdit *m_body;  // BodyText
};
