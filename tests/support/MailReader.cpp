#include "support/MailReader.h"

#include <QJsonDocument>
#include <QProcess>

namespace MailReader {

QJsonObject read(const QByteArray &raw)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(PINTORA_TEST_SUPPORT_DIR "/read_mail.py")});
    if (!python.waitForStarted(10000))
        return {};
    python.write(raw);
    python.closeWriteChannel();
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning("mail reader: %s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

} // namespace MailReader
