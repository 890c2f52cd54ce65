#include "core/junk/JunkCommand.h"

#include "core/common/AppPaths.h"
#include "core/instance/InstallationLock.h"
#include "core/junk/JunkFilter.h"

#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace JunkCommand {

namespace {

const QString kLearn = QStringLiteral("--junk-learn");
const QString kTest = QStringLiteral("--junk-test");
const QString kUsageText = QStringLiteral("使い方: pintora --junk-learn junk|good ファイル... / pintora --junk-test ファイル...");
// Mails learnt per transaction: one commit for many, yet an mbox of any size in bounded memory.
constexpr int kBatch = 500;

Result failure(int status, const QString &error)
{
    return {status, {}, error};
}

QString verdictWord(JunkVerdict verdict)
{
    switch (verdict) {
    case JunkVerdict::Junk:
        return QStringLiteral("junk");
    case JunkVerdict::Good:
        return QStringLiteral("good");
    default:
        return QStringLiteral("unsure");
    }
}

QString cell(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

Result learn(bool junk, const QStringList &files)
{
    JunkFilter &filter = JunkFilter::instance();
    const QString kind = junk ? QStringLiteral("迷惑メール") : QStringLiteral("迷惑メールではないメール");
    Result result;
    QStringList errors;
    for (const QString &file : files) {
        int read = 0;
        int learnt = 0;
        bool stored = true;
        QList<JunkMail> batch;
        const auto flush = [&] {
            const int added = filter.learnAll(batch, junk);
            batch.clear();
            if (added < 0)
                stored = false;
            else
                learnt += added;
            return stored;
        };
        QString error;
        const bool readable = JunkMail::forEachInFile(file, [&](JunkMail &&mail) {
            ++read;
            batch << std::move(mail);
            return batch.size() < kBatch || flush();
        }, &error);
        if (stored && !batch.isEmpty())
            flush();
        if (!stored)
            errors << filter.errorText();
        else if (!readable)
            errors << error;
        if (!readable && read == 0)
            continue;
        result.output += QStringLiteral("%1: %2 通を%3として学習しました（学習済みだった %4 通を除く）\n")
                             .arg(file)
                             .arg(learnt)
                             .arg(kind)
                             .arg(read - learnt);
        if (!stored)
            break;
    }
    result.output += QStringLiteral("学習済み: 迷惑メール %1 通、迷惑メールではないメール %2 通\n")
                         .arg(filter.learnedJunk())
                         .arg(filter.learnedGood());
    if (!errors.isEmpty()) {
        result.status = kFailed;
        result.error = errors.join(u'\n');
    }
    return result;
}

Result test(const QStringList &files)
{
    JunkFilter &filter = JunkFilter::instance();
    // Without a store there is nothing learnt, and the test creates none.
    const bool trained = QFileInfo::exists(JunkFilter::storePath());
    const QSet<QString> trusted = trained ? filter.trustedSenders() : QSet<QString>();
    Result result;
    QStringList errors;
    for (const QString &file : files) {
        QString error;
        const bool readable = JunkMail::forEachInFile(file, [&](JunkMail &&mail) {
            const JunkScore score = trained ? filter.judge(mail, trusted) : JunkScore();
            result.output += QStringLiteral("%1\t%2\t%3\n")
                                 .arg(verdictWord(score.verdict), QString::number(score.score, 'f', 3), cell(file));
            return true;
        }, &error);
        if (!readable)
            errors << error;
    }
    if (const QString error = filter.errorText(); !error.isEmpty())
        errors << error;
    if (!errors.isEmpty()) {
        result.status = kFailed;
        result.error = errors.join(u'\n');
    }
    return result;
}

} // namespace

bool wanted(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const QByteArray form(argv[1]);
    return form == kLearn.toLatin1() || form == kTest.toLatin1();
}

Result run(const QStringList &arguments)
{
    const QString form = arguments.value(0);
    const bool learning = form == kLearn;
    const QString kind = arguments.value(1);
    if (learning && (arguments.size() < 3 || (kind != QLatin1String("junk") && kind != QLatin1String("good"))))
        return failure(kUsage, kUsageText);
    if (!learning && (form != kTest || arguments.size() < 2))
        return failure(kUsage, kUsageText);

    bool inUse = false;
    if (const QString refused = InstallationLock::claimForCommand(&inUse); !refused.isEmpty())
        return failure(inUse ? kInUse : kFailed, refused);
    const Result result = learning ? learn(kind == QLatin1String("junk"), arguments.mid(2)) : test(arguments.mid(1));
    JunkFilter::instance().reset();
    InstallationLock::release();
    return result;
}

int main(int argc, char **argv)
{
    // HTML mail is read through QTextDocument, which needs a GUI application
    // (a core one crashes in it); nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries this command's own words only, not Qt's remarks on
    // each mail's HTML or the session it runs in.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    });
    QGuiApplication app(argc, argv);
    const Result result = run(QCoreApplication::arguments().mid(1));
    std::fwrite(result.output.toUtf8().constData(), 1, size_t(result.output.toUtf8().size()), stdout);
    if (!result.error.isEmpty())
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
    return result.status;
}

} // namespace JunkCommand
