#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// "tolvar.ini": four key=value lines (SMTP=, POP3=, MAIL=, APOP=), CP932, CR LF,
// and CHECKMIN= when timed checks are on.
struct ServerOptions {
    QString smtpServer;
    QString pop3Server;
    QString senderAddress;
    qint16 useApop = 0;
    int checkMinutes = 0;  // minutes between timed checks, 0 = none

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

// The leading number of a text, 0 when there is none, held in 16 bits.
qint16 leadingNumber(const QString &text);

} // namespace OptionsFile
