#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// "tolvar.ini": key=value lines (SMTP=, POP3=, MAIL=, APOP=), CP932, CR LF, and
// CHECKMIN= when timed checks are on, KEEP=, KEEPDAYS=, KEEPSYNC= when mail
// is left on the server and AUTHSERV= when the receiving server's
// authentication results go by another name, each written only when set so
// that a file of an older version reads and writes as it always did.
struct ServerOptions {
    QString smtpServer;
    QString pop3Server;
    QString senderAddress;
    qint16 useApop = 0;
    int checkMinutes = 0;  // minutes between timed checks, 0 = none
    int keepOnServer = 0;  // 1: mails stay on the server after they are stored
    int keepDays = 0;      // with keepOnServer: deleted from the server this many days after; 0 never
    int keepSync = 0;      // with keepOnServer: a mail deleted in the history goes from the server too
    QString authserv;      // the own receiving server's authserv-ids, comma separated; empty: the POP3 server's

    bool operator==(const ServerOptions &) const = default;
};

namespace OptionsFile {

// Only these many characters of a value are taken.
constexpr int kValueLimit = 100;
constexpr int kMaxCheckMinutes = 1440;

// Unknown lines are skipped, keys are case-sensitive and a later line wins.
ServerOptions parse(const QByteArray &bytes);
// Nothing when the file does not exist.
std::optional<ServerOptions> read(const QString &path);

QByteArray format(const ServerOptions &options);
bool write(const QString &path, const ServerOptions &options, QString *error = nullptr);

// The longest a mail can be kept on the server, in days (about a hundred years).
constexpr int kMaxKeepDays = 36500;

// A whole number of the text, 0 when it is not one.
int wholeNumber(const QString &text, int max);

// The leading number of a text, 0 when there is none, held in 16 bits.
qint16 leadingNumber(const QString &text);

} // namespace OptionsFile
