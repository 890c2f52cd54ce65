#pragma once

#include "mail/OutgoingMail.h"

#include <QString>

#include <functional>

class QWidget;

// What a send reads from and changes in its window, at the moment it is used.
class SendFields {
public:
    virtual ~SendFields() = default;

    virtual QString recipient() const = 0;
    virtual QString subject() const = 0;
    // The body with CR LF line breaks, as mails and history records keep it.
    virtual QString mailBody() const = 0;
    virtual void setMailBody(const QString &body) = 0;
    virtual QString attachmentText() const = 0;
    virtual bool fortuneTicked() const = 0;
    virtual bool bulkChosen() const = 0;
    virtual int listCount() const = 0;

    virtual void setStatus(const QString &text) = 0;
    virtual void prepareAttachmentsForSend() = 0;
};

// The send button's whole run: once, or once per address book record in bulk;
// before each sending a copy goes to the sent-mail history, then the fortune,
// then the mail library. A failure is shown and the next pass still runs.
class Sender {
public:
    // The mail library's send operation: below 0 is a failure, whose text the
    // error source gives.
    using Transport = std::function<int(const OutgoingMail &)>;
    using ErrorText = std::function<QString()>;

    static const QString &sendingText();
    static const QString &doneText();
    static const QString &errorTitle();

    Sender(SendFields &fields, QWidget *parent = nullptr);

    // What every send made from now on uses (tests watch the calls); empty
    // functions restore the mail library.
    static void installTransport(Transport transport, ErrorText errorText);

    void run();

private:
    void pass(int i);
    // The launcher's clock text, the sent mail's date.
    static QString clockText();

    SendFields &m_fields;
    QWidget *m_parent;
    Transport m_transport;
    ErrorText m_errorText;
};
