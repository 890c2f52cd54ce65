#include "core/settings/OptionsFile.h"

#include "core/common/Cp932.h"
#include "core/common/OneLine.h"
#include "core/common/SafeFile.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace OptionsFile {

qint16 leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[ \\t]*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = std::nearbyint(match.captured(1).toDouble());
    // Out-of-range values are held at the 16-bit limits rather than wrapping.
    return static_cast<qint16>(std::clamp(value, double(std::numeric_limits<qint16>::min()),
                                          double(std::numeric_limits<qint16>::max())));
}

int wholeNumber(const QString &text, int max)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value > 0 ? qMin(value, max) : 0;
}

ServerOptions parse(const QByteArray &bytes)
{
    ServerOptions options;
    QString text = Cp932::decode(bytes);
    // Files edited on Linux end their lines with LF alone; every usual ending counts.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    const QStringList lines = text.split(u'\n');
    for (const QString &line : lines) {
        const QString key = line.left(5);
        const QString value = line.mid(5, kValueLimit);
        if (key == QLatin1String("SMTP="))
            options.smtpServer = value;
        else if (key == QLatin1String("POP3="))
            options.pop3Server = value;
        else if (key == QLatin1String("MAIL="))
            options.senderAddress = value;
        else if (key == QLatin1String("APOP="))
            options.useApop = leadingNumber(value);
        else if (key == QLatin1String("KEEP="))
            options.keepOnServer = wholeNumber(value, 1);
        else if (line.startsWith(QLatin1String("KEEPDAYS=")))
            options.keepDays = wholeNumber(line.mid(9, kValueLimit), kMaxKeepDays);
        else if (line.startsWith(QLatin1String("KEEPSYNC=")))
            options.keepSync = wholeNumber(line.mid(9, kValueLimit), 1);
        else if (line.startsWith(QLatin1String("AUTHSERV=")))
            options.authserv = line.mid(9, kValueLimit).trimmed();
        else if (line.startsWith(QLatin1String("CHECKMIN=")))
            options.checkMinutes = std::clamp<int>(leadingNumber(line.mid(9, kValueLimit)), 0, kMaxCheckMinutes);
    }
    return options;
}

std::optional<ServerOptions> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

QByteArray format(const ServerOptions &options)
{
    QString text = QStringLiteral("SMTP=%1\r\nPOP3=%2\r\nMAIL=%3\r\nAPOP=%4\r\n")
                             .arg(OneLine::clean(options.smtpServer), OneLine::clean(options.pop3Server),
                                  OneLine::clean(options.senderAddress),
                                  QString::number(options.useApop != 0 ? 1 : 0));
    if (options.keepOnServer || options.keepDays || options.keepSync)
        text += QStringLiteral("KEEP=%1\r\nKEEPDAYS=%2\r\nKEEPSYNC=%3\r\n")
                    .arg(options.keepOnServer ? 1 : 0)
                    .arg(qBound(0, options.keepDays, kMaxKeepDays))
                    .arg(options.keepSync ? 1 : 0);
    // Without timed checks the file stays as it always was.
    if (options.checkMinutes > 0)
        text += QStringLiteral("CHECKMIN=%1\r\n").arg(std::clamp(options.checkMinutes, 1, kMaxCheckMinutes));
    if (!OneLine::clean(options.authserv).trimmed().isEmpty())
        text += QStringLiteral("AUTHSERV=%1\r\n").arg(OneLine::clean(options.authserv).trimmed());
    return Cp932::encode(text);
}

bool write(const QString &path, const ServerOptions &options, QString *error)
{
    return SafeFile::replace(path, format(options), {}, {}, error);
}

} // namespace OptionsFile
