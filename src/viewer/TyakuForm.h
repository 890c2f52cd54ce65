#pragma once

#include <QMainWindow>

class QLineEdit;
class QTextEdit;

// The history window: the list of received or sent mails, the shown mail, and
// a small text editor. Its header boxes and editor also carry each downloaded
// mail from the mail check to the history file.
class TyakuForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TyakuForm(QWidget *parent = nullptr);

    QString subjectText() const;
    QString fromText() const;
    QString dateText() const;
    QString bodyText() const;
    void setSubjectText(const QString &text);
    void setFromText(const QString &text);
    void setDateText(const QString &text);
    void setBodyText(const QString &text);

private:
    QLineEdit *m_subject;  // Text7
    QLineEdit *m_from;     // Text8
    QLineEdit *m_date;     // Text9
    QTextEdit *m_editor;   // rtfEd
};
