#include "core/exchange/CommandLine.h"

#include "core/common/AppPaths.h"
#include "core/exchange/AddressExchange.h"
#include "core/exchange/HistoryExchange.h"
#include "core/instance/InstallationLock.h"
#include "core/history/HistoryRecovery.h"
#include "core/history/HistoryFile.h"
#include "core/settings/OptionsFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace CommandLine {

namespace {

const QString kUsageText = QStringLiteral(
    "使い方: pintora --export-mbox received|sent ファイル / --import-mbox ファイルまたはフォルダ / "
    "--export-addresses ファイル.vcf|ファイル.csv / --import-addresses ファイル");

const QStringList kForms = {QStringLiteral("--export-mbox"), QStringLiteral("--import-mbox"),
                            QStringLiteral("--export-addresses"), QStringLiteral("--import-addresses")};

Result failure(int status, const QString &text)
{
    Result result;
    result.status = status;
    QString line = text;
    line.replace(u'\n', u' ');
    result.error = line;
    return result;
}

Result done(const QString &text)
{
    Result result;
    result.output = text;
    return result;
}

Result exportMbox(const QString &which, const QString &path)
{
    HistoryFile::Kind kind;
    if (which == QLatin1String("received"))
        kind = HistoryFile::Kind::Received;
    else if (which == QLatin1String("sent"))
        kind = HistoryFile::Kind::Sent;
    else
        return failure(kUsage, kUsageText);
    // A sent mail is from the address the server options give, as when it was sent.
    const auto options = OptionsFile::read(AppPaths::kOptionsFile);
    const auto outcome =
        HistoryExchange::exportMbox(kind, path, {}, options ? options->senderAddress : QString());
    if (!outcome.ok)
        return failure(kFailed, QStringLiteral("mbox に書き出せませんでした。%1").arg(outcome.error));
    return done(QStringLiteral("%1の %2 通を %3 に書き出しました。")
                    .arg(kind == HistoryFile::Kind::Received ? QStringLiteral("受信履歴") : QStringLiteral("送信履歴"))
                    .arg(outcome.count)
                    .arg(path));
}

Result importMbox(const QString &path)
{
    const auto outcome = HistoryExchange::import(path);
    const QString problems = outcome.attachmentProblems > 0
        ? QStringLiteral("（添付ファイルを展開できなかったメールが %1 通あります）").arg(outcome.attachmentProblems)
        : QString();
    if (outcome.full)
        return failure(kFailed, QStringLiteral("受信履歴がいっぱい（%1 件）になったため、%2 通だけ取り込みました。%3")
                                    .arg(RecordFile::kMaxRecords)
                                    .arg(outcome.count)
                                    .arg(problems));
    if (!outcome.ok)
        return failure(kFailed, QStringLiteral("メールを取り込めませんでした（%1 通は取り込み済みです）。%2")
                                    .arg(outcome.count)
                                    .arg(outcome.error));
    return done(QStringLiteral("%1 通を受信履歴に取り込みました。%2").arg(outcome.count).arg(problems));
}

Result exportAddresses(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("vcf") && suffix != QLatin1String("vcard") && suffix != QLatin1String("csv"))
        return failure(kUsage, QStringLiteral("書き出すファイルの名前は .vcf か .csv で終えてください: %1").arg(path));
    const auto outcome = AddressExchange::exportFile(path);
    if (!outcome.ok)
        return failure(kFailed, QStringLiteral("アドレス帳を書き出せませんでした。%1").arg(outcome.error));
    return done(QStringLiteral("アドレス帳の %1 件を %2 に書き出しました。").arg(outcome.count).arg(path));
}

Result importAddresses(const QString &path)
{
    const auto outcome = AddressExchange::importFile(path);
    if (!outcome.ok)
        return failure(kFailed, QStringLiteral("アドレス帳に取り込めませんでした。%1").arg(outcome.error));
    AddressExchange::ImportOutcome counts = outcome;
    counts.rejected.clear();
    Result result = done(AddressExchange::summary(counts));
    if (!outcome.rejected.isEmpty()) {
        QStringList left;
        for (const auto &rejected : outcome.rejected)
            left << QStringLiteral("%1 <%2>（%3）").arg(rejected.entry.name, rejected.entry.address, rejected.reason);
        result.status = kFailed;
        result.error = QStringLiteral("記録に収まらないため追加しなかった項目が %1 件あります: %2")
                           .arg(outcome.rejected.size())
                           .arg(left.join(QStringLiteral("、")));
    }
    return result;
}

} // namespace

bool wanted(int argc, char **argv)
{
    return argc > 1 && kForms.contains(QString::fromLocal8Bit(argv[1]));
}

Result run(const QStringList &arguments)
{
    const QString form = arguments.value(0);
    const int needed = form == QLatin1String("--export-mbox") ? 3 : 2;
    if (!kForms.contains(form) || arguments.size() != needed || arguments.last().isEmpty())
        return failure(kUsage, kUsageText);

    bool inUse = false;
    if (const QString refused = InstallationLock::claimForCommand(&inUse); !refused.isEmpty())
        return failure(inUse ? kInUse : kFailed, refused);
    // A check a crash cut short is settled first, as a start of the program would:
    // records appended behind its journal would otherwise be cut by it later.
    if (const QString unsettled = HistoryRecovery::atStart(); !unsettled.isEmpty())
        return failure(kFailed, unsettled);
    Result result;
    if (form == QLatin1String("--export-mbox"))
        result = exportMbox(arguments[1], arguments[2]);
    else if (form == QLatin1String("--import-mbox"))
        result = importMbox(arguments[1]);
    else if (form == QLatin1String("--export-addresses"))
        result = exportAddresses(arguments[1]);
    else
        result = importAddresses(arguments[1]);
    InstallationLock::release();
    return result;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Result result = run(QCoreApplication::arguments().mid(1));
    if (!result.output.isEmpty())
        std::fprintf(stdout, "%s\n", result.output.toUtf8().constData());
    if (!result.error.isEmpty())
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
    return result.status;
}

} // namespace CommandLine
