// Bulk sending against its peer: the compose window sends one mail to each of 500
// address book entries through the local SMTP server of tests/harness (one
// connection per mail, STARTTLS with the certificate checked, a sent copy per
// pass), beside a minimal Python smtplib client sending the same 500 mails the
// same way. Each pass after the first resumes the TLS session of the one before;
// the count of resumed handshakes is read from the server's own log. Both clients
// run three times and their medians are compared.
//   bench_bulk_send [mails]
#include "core/addressbook/AddressBook.h"
#include "core/common/AppPaths.h"
#include "ui/compose/WriteForm.h"
#include "core/history/HistoryFile.h"
#include "ui/shell/Forms.h"
#include "core/settings/RuntimeSettings.h"

#include "BenchHarness.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>

#include <algorithm>
#include <cstdio>

namespace {

const char *kSmtplibClient = R"(
import smtplib, ssl, sys
from email.message import EmailMessage
from email.utils import formatdate, make_msgid
host, port, cert, count, prefix, subject, body = sys.argv[1:8]
context = ssl.create_default_context(cafile=cert)
for i in range(1, int(count) + 1):
    msg = EmailMessage()
    msg['Date'] = formatdate(localtime=True)
    msg['Message-ID'] = make_msgid(domain='example.jp')
    msg['From'] = 'bench@example.jp'
    msg['To'] = '%s%d@example.jp' % (prefix, i)
    msg['Subject'] = subject
    msg.set_content(body, charset='iso-2022-jp', cte='7bit')
    with smtplib.SMTP(host, int(port)) as s:
        s.starttls(context=context)
        s.send_message(msg)
)";

QString countDelivered(const QString &maildirs, const QString &prefix, int count, int *total)
{
    *total = 0;
    for (int i = 1; i <= count; ++i)
        *total += static_cast<int>(
            QDir(maildirs + QStringLiteral("/%1%2/Maildir/new").arg(prefix).arg(i)).entryList(QDir::Files).size());
    return QString::number(*total);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// Handshakes the server resumed for mails to addresses starting with prefix.
int resumedFor(const QString &maildirs, const QString &prefix)
{
    QFile log(maildirs + QStringLiteral("/../tls-sessions.log"));
    log.open(QIODevice::ReadOnly);
    int resumed = 0;
    for (const QByteArray &line : log.readAll().split('\n'))
        if (line.startsWith(prefix.toUtf8()) && line.endsWith(" resumed"))
            ++resumed;
    return resumed;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 500;

    const BenchHarness::RunningServers harness;
    if (!harness.started())
        return 1;
    const auto &ini = harness.ini();
    const QString host = ini.value(QStringLiteral("host"));
    const QString cert = ini.value(QStringLiteral("cert"));
    const QString maildirs = ini.value(QStringLiteral("maildirs"));
    const int smtp = ini.value(QStringLiteral("smtp")).toInt();

    const QString subject = QStringLiteral("一括送信のお知らせ");
    QString body;
    while (body.size() < 1000)
        body += QStringLiteral("いつもお世話になっております。来月の定例会のご案内をお送りします。\n");
    std::printf("bulk send of %d mails of %d characters, local SMTP server, one connection per mail, "
                "STARTTLS with certificate check\n",
                count, static_cast<int>(body.size()));

    const QString clientPath = harness.workPath(QStringLiteral("smtplib_client.py"));
    QFile client(clientPath);
    client.open(QIODevice::WriteOnly);
    client.write(kSmtplibClient);
    client.close();

    QList<double> pintoraRuns, smtplibRuns;
    int records = 0, pintoraDelivered = 0, smtplibDelivered = 0, resumed = 0;
    QStringList boxes;
    bool clientFailed = false;
    for (int round = 0; round < 3; ++round) {
        const QString pintoraPrefix = QStringLiteral("p%1x").arg(round);
        const QString smtplibPrefix = QStringLiteral("s%1x").arg(round);
        auto install = std::make_unique<BenchInstallation>(cert);
        for (int i = 1; i <= count; ++i)
            AddressBook().append(QStringLiteral("宛先%1").arg(i), QStringLiteral("%1%2@example.jp").arg(pintoraPrefix).arg(i));
        runtimeSettings().SmtpServer = QStringLiteral("%1:%2").arg(host).arg(smtp);
        runtimeSettings().SenderAddress = QStringLiteral("bench@example.jp");

        WriteForm *form = Forms::get<WriteForm>();
        form->findChild<QLineEdit *>(QStringLiteral("SubjectText"))->setText(subject);
        form->findChild<QPlainTextEdit *>(QStringLiteral("BodyText"))->setPlainText(body);
        form->fillAddressList();
        form->chooseBulk(true);
        QElapsedTimer clock;
        clock.start();
        // The passes run on a worker; the window thread's events go on until the window closes.
        QEventLoop untilClosed;
        QObject::connect(form, &QObject::destroyed, &untilClosed, &QEventLoop::quit);
        form->send();
        if (Forms::existing<WriteForm>())
            untilClosed.exec();
        pintoraRuns << clock.nsecsElapsed() / 1e9;
        records = HistoryFile(HistoryFile::Kind::Sent).count();
        boxes << install->prompt.texts;
        Forms::discardAll();
        install.reset();

        QProcess python;
        python.setProcessChannelMode(QProcess::ForwardedChannels);
        clock.restart();
        python.start(QStringLiteral("/usr/bin/python3"),
                     {clientPath, host, QString::number(smtp), cert, QString::number(count), smtplibPrefix,
                      subject, body});
        python.waitForFinished(-1);
        smtplibRuns << clock.nsecsElapsed() / 1e9;
        clientFailed = clientFailed || python.exitCode() != 0;

        int delivered = 0;
        countDelivered(maildirs, pintoraPrefix, count, &delivered);
        pintoraDelivered = round == 0 ? delivered : qMin(pintoraDelivered, delivered);
        countDelivered(maildirs, smtplibPrefix, count, &delivered);
        smtplibDelivered = round == 0 ? delivered : qMin(smtplibDelivered, delivered);
        resumed = round == 0 ? resumedFor(maildirs, pintoraPrefix) : qMin(resumed, resumedFor(maildirs, pintoraPrefix));
    }

    const double pintora = median(pintoraRuns);
    const double smtplib = median(smtplibRuns);
    std::printf("  medians of three runs\n");
    std::printf("  %-30s %7.3f s  (%d delivered, %d sent copies, %d handshakes resumed%s)\n", "pintora bulk send",
                pintora, pintoraDelivered, records, resumed, boxes.isEmpty() ? "" : ", with error boxes");
    std::printf("  %-30s %7.3f s  (%d delivered%s)\n", "python smtplib", smtplib, smtplibDelivered,
                clientFailed ? ", client failed" : "");
    std::printf("  pintora / smtplib = %.2f  (target <= 1.0: %s)\n", pintora / smtplib,
                pintora <= smtplib ? "met" : "NOT met");
    if (!boxes.isEmpty())
        std::printf("  first error: %s\n", qPrintable(boxes.first()));
    return pintoraDelivered == count ? 0 : 1;
}
