#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The server options window: SMTP and POP3 servers, the user's address and
// APOP, kept in "tolvar.ini" in the working directory. Always on top.
class OptionForm : public QDialog {
    Q_OBJECT

public:
    explicit OptionForm(QWidget *parent = nullptr);

    void accept() override;  // "設定"
    void reject() override;  // "中止" and Esc

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *m_smtp;
    QLineEdit *m_pop3;
    QLineEdit *m_mail;
    QCheckBox *m_apop;
    QCheckBox *m_keep;
    QLineEdit *m_keepDays;
    QCheckBox *m_keepSync;
    QSpinBox *m_checkMinutes;  // CheckMinText
};
