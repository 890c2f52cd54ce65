#pragma once

#include "ui/compose/AttachmentWidgets.h"
#include "ui/compose/Attachments.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class SendJob;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTextEdit;

// The reply window, titled "返事を書く": recipient, subject, attachments and
// body, filled by the history window's reply action.
class BackForm : public QWidget {
    Q_OBJECT

public:
    // The reply to a mail shown in from, unless the reply window's mail is on its way.
    static void startReply(const QString &subject, const QString &to, const QString &body, QWidget *from);
    explicit BackForm(QWidget *parent = nullptr);

    QString toText() const;
    QString subjectText() const;
    QString bodyText() const;
    // Something is in the recipient, subject or body.
    bool holdsUnsentText() const;
    void setToText(const QString &text);
    void setSubjectText(const QString &text);
    void setBodyText(const QString &text);

    // "本文に貼付": the clipboard, three line breaks and a CR, then the body of
    // the mail the history window read last.
    void quote();
    // "送信": one mail handed to the mail layer on a worker; returns at once. A
    // failure is shown in the "送信エラー" box and the window stays open with
    // everything written; success closes it; a cancel leaves it as it was. The
    // mail is what the window held at the click; while it goes, the window takes
    // no second send, attachment or new reply.
    void send();
    // send(), then the window thread's events until the send ended: true when it went out.
    bool sendAndWait();
    bool isSending() const;
    QString attachmentText() const;

signals:
    void sendEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyLayout();
    void lockForSend(bool locked);
    // Closes once no box or dialog of this window is open.
    void closeWhenFree();

    Attachments m_attachments{true};
    AttachmentWidgets m_attachmentWidgets;
    QLineEdit *m_to;            // ToText
    QLineEdit *m_subject;       // SubjectText
    QLineEdit *m_attach;        // AttachText
    QPushButton *m_attachButton;  // AttachCommand
    QPushButton *m_add;         // Command9
    QPushButton *m_remove;      // Command10
    QListWidget *m_attachList;  // List2
    QTextEdit *m_body;          // BodyText
    QPushButton *m_send;        // Command2
    QStatusBar *m_statusBar;
    QPointer<SendJob> m_job;
    bool m_lastSendOk = false;
};
