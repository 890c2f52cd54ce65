#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// "tolvar.ini": key=value lines (SMTP=, POP3=, MAIL=, APOP=), CP932, CR LF, and
// for mail left on the server KEEP=, KEEPDAYS=, KEEPSYNC=, written only when one
// is set so that a file of an older version reads and writes as it always did.
struct ServerOptions {
    QString smtpServer;
    QString pop3Server;
    QString senderAddress;
    qint16 useApop = 0;
    int keepOnServer = 0;  // 1: mails stay on the server after they are stored
    int keepDays = 0;      // with keepOnServer: deleted from the server this many days after; 0 never
    int keepSync = 0;      // with keepOnServer: a mail deleted in the history goes from the server too

    bool operator==(const ServerOptions &) const = default;
};

namespace OptionsFile {

// Only these many characters of a value are taken.
constexpr int kValueLimit = 100;

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
