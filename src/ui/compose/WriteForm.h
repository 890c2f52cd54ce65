#pragma once

#include "ui/compose/AddressPanel.h"
#include "ui/compose/AttachmentWidgets.h"
#include "ui/compose/Attachments.h"
#include "ui/compose/Sender.h"

#include <QPointer>
#include <QWidget>

class LimitedTextEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The compose window, titled "新規作成".
class WriteForm : public QWidget, private SendFields {
    Q_OBJECT

public:
    // Outer widths and heights of the window's states, in twips; the title bar
    // and borders take the frame allowance of them.
    static constexpr int kNormalWidth = 7100;
    static constexpr int kWideWidth = 9700;
    static constexpr int kHeight = 8200;
    static constexpr int kScratchHeight = 8955;
    static constexpr int kFrameWidth = 120;
    static constexpr int kFrameHeight = 510;
    static constexpr int kToLength = 60;

    explicit WriteForm(QWidget *parent = nullptr);

    QString bodyText() const;
    // Something was written in the recipient, subject or body.
    bool holdsUnsentText() const;
    // Replaces the body's selection with text, or inserts it at the caret; the
    // caret ends after the inserted text.
    void insertIntoBody(const QString &text);

    // A mail begun outside the window (a mailto link): recipient, subject and
    // body replaced, note shown in the status line.
    // A mailto link's mail in this window, unless a mail on its way or unsent text keeps it.
    static void takeLink(const QString &recipient, const QString &subject, const QString &body, const QString &note);
    void fillNewMail(const QString &recipient, const QString &subject, const QString &body, const QString &note);

    QPlainTextEdit *body() const { return m_body; }
    const AddressPanel &addressPanel() const { return m_panel; }
    const Attachments &attachments() const { return m_attachments; }

    // The buttons' work, callable without a click.
    // Starts sending and returns; the window closes when the mail went out.
    void send();
    bool isSending() const;
    void widen();
    void restore();
    void clear();
    void pasteIntoBody();
    void pasteIntoRecipient();
    void fillAddressList();
    void pickAddress();
    void chooseBulk(bool on);
    void openScratchBox();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *button(const char *name, const QString &caption, int left, int top, int width,
                        int height = 375);
    QLabel *label(const QString &text, int left, int top, int width, int height = 255);
    void buildPanel();
    void load();
    void centre();
    void setOuterSize(int width, int height);
    void showHelp(const QString &text);
    void hideHelp();
    void showAttachmentControls();
    void setListColour(const QColor &colour);
    // What would change a running send is locked while it runs.
    void lockForSend(bool locked);
    void sendEnded();
    // Closes once no box or dialog of this window is open.
    void closeWhenFree();

    // SendFields
    QString recipient() const override;
    QString subject() const override;
    QString mailBody() const override;
    QString attachmentText() const override;
    bool fortuneTicked() const override;
    bool bulkChosen() const override;
    int listCount() const override;
    void setStatus(const QString &text) override;
    void prepareAttachmentsForSend() override;

    AddressPanel m_panel;
    Attachments m_attachments;
    AttachmentWidgets m_attachmentWidgets;

    LimitedTextEdit *m_to;       // ToText
    QLineEdit *m_subject;        // SubjectText
    QComboBox *m_greeting;       // Combo1
    QPlainTextEdit *m_body;      // BodyText
    QPushButton *m_attach;       // AttachCommand
    QPushButton *m_add;          // Command9
    QPushButton *m_cancelAttach; // Command10
    QLineEdit *m_attachText;     // AttachText
    QListWidget *m_attachList;   // List2
    QCheckBox *m_fortune;        // Check1
    QLabel *m_status;            // Label7
    QPlainTextEdit *m_help;      // Text14
    QListWidget *m_names;        // List1
    QLineEdit *m_count;          // Text1
    QRadioButton *m_bulk;        // Option2
    QRadioButton *m_single;      // Option1
    QLineEdit *m_scratch;        // Text4
    QPushButton *m_scratchPaste; // Command2
    QPushButton *m_send;         // Command1
    QPushButton *m_clear;        // Command11
    QList<QPushButton *> m_helpButtons;
    QList<QWidget *> m_panelControls;  // the address list beside the widened window
    QPointer<Sender> m_sender;
    QStringList m_textsAtSend;   // recipient, subject and body as the send took them
};
