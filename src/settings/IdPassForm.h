#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The account window: POP3 ID and password, optionally stored in the account file.
// Loading it reads the file even when it is not shown.
class IdPassForm : public QDialog {
    Q_OBJECT

public:
    explicit IdPassForm(QWidget *parent = nullptr);

    QString id() const;
    QString password() const;
    void setId(const QString &id);
    void setPassword(const QString &password);

    void accept() override;  // OK and Enter
    void reject() override;  // Cancel and Esc

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *m_id;
    QLineEdit *m_password;
    QCheckBox *m_save;
};
