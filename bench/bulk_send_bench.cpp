// Bulk sending against its peer: the compose window sends one mail to each of 500
// address book entries through the local SMTP server of tests/harness (one
// connection per mail, STARTTLS with the certificate checked, a sent copy per
// pass), beside a minimal Python smtplib client sending the same 500 mails the
// same way.
//   bench_bulk_send [mails]
#include "addressbook/AddressBook.h"
#include "common/AppPaths.h"
#include "compose/WriteForm.h"
#include "history/HistoryFile.h"
#include "shell/Forms.h"
#include "settings/RuntimeSettings.h"

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
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 500;

    QTemporaryDir work;
    const QString state = work.filePath(QStringLiteral("harness"));
    if (!BenchHarness::start(state)) {
        std::fprintf(stderr, "the mail servers did not start\n");
        return 1;
    }
    const auto ini = BenchHarness::servers(state);
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

    auto install = std::make_unique<BenchInstallation>(cert);
    for (int i = 1; i <= count; ++i)
        AddressBook().append(QStringLiteral("宛先%1").arg(i), QStringLiteral("p%1@example.jp").arg(i));
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
    const double pintora = clock.nsecsElapsed() / 1e9;
    const int records = HistoryFile(HistoryFile::Kind::Sent).count();
    const QStringList boxes = install->prompt.texts;
    Forms::discardAll();
    install.reset();

    const QString clientPath = work.filePath(QStringLiteral("smtplib_client.py"));
    QFile client(clientPath);
    client.open(QIODevice::WriteOnly);
    client.write(kSmtplibClient);
    client.close();
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedChannels);
    clock.restart();
    python.start(QStringLiteral("/usr/bin/python3"),
                 {clientPath, host, QString::number(smtp), cert, QString::number(count), QStringLiteral("s"),
                  subject, body});
    python.waitForFinished(-1);
    const double smtplib = clock.nsecsElapsed() / 1e9;

    int pintoraDelivered = 0, smtplibDelivered = 0;
    countDelivered(maildirs, QStringLiteral("p"), count, &pintoraDelivered);
    countDelivered(maildirs, QStringLiteral("s"), count, &smtplibDelivered);
    BenchHarness::stop(state);

    std::printf("  %-30s %7.3f s  (%d delivered, %d sent copies%s)\n", "pintora bulk send", pintora,
                pintoraDelivered, records, boxes.isEmpty() ? "" : ", with error boxes");
    std::printf("  %-30s %7.3f s  (%d delivered%s)\n", "python smtplib", smtplib, smtplibDelivered,
                python.exitCode() == 0 ? "" : ", client failed");
    std::printf("  pintora / smtplib = %.2f  (target <= 1.2: %s)\n", pintora / smtplib,
                pintora <= 1.2 * smtplib ? "met" : "NOT met");
    if (!boxes.isEmpty())
        std::printf("  first error: %s\n", qPrintable(boxes.first()));
    return pintoraDelivered == count ? 0 : 1;
}
