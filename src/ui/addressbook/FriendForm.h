#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The address book window: lists every record of the book, fills its boxes
// from a chosen row, registers, deletes after a confirmation, wraps an address
// in its name-card form and pastes an address from the clipboard.
class FriendForm : public QWidget {
    Q_OBJECT

public:
    explicit FriendForm(QWidget *parent = nullptr);

    // The history window's register-sender action: loads the window when it is
    // not open, puts the address into Text4 (cut to 60 characters) and shows it.
    static FriendForm *registerSender(const QString &address);

    QString addressText() const;
    void setAddressText(const QString &text);

    // The help sentence a button shows in Text5, by objectName; empty for others.
    static QString helpText(const QString &buttonName);

    // Refills the list and the count from the file (Command2).
    void reload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPushButton *addButton(const QString &name, const QString &caption, int left, int top,
                           int width);
    void setStatus(const QString &text);
    int selectedRow() const;

    void chooseRow();
    void paste();
    void registerEntry();
    void deleteEntry();
    void insertNameCard();
    void showHelp(const QString &buttonName);
    void hideHelp();

    QLineEdit *m_address;     // Text4
    QLineEdit *m_name;        // Text2
    QLineEdit *m_card;        // Text50
    QLineEdit *m_count;       // Text3
    QTreeWidget *m_list;      // MailListView
    QLabel *m_status;         // Label7
    QPlainTextEdit *m_help;   // Text5
    QList<QPushButton *> m_helpButtons;
};
