#include "core/check/CheckCommand.h"

#include "core/check/CheckEngine.h"
#include "core/check/CheckListener.h"
#include "core/check/CheckTexts.h"
#include "core/common/AppPaths.h"
#include "core/common/PrivateFolders.h"
#include "core/history/HistoryRecovery.h"
#include "core/instance/InstallationLock.h"
#include "core/instance/SingleInstance.h"
#include "core/mail/MailLibrary.h"
#include "core/settings/RuntimeSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

#include <cstdio>

namespace CheckCommand {

namespace {

// A quiet check tells nobody on the way; its outcome says it all.
class SilentListener : public CheckListener {
public:
    void status(const QString &) override {}
    void failed(const QString &) override {}
    void notice(const QString &) override {}
    void noServer() override {}
    void accountRead(const QString &, const QString &) override {}
    void accountMissing() override {}
    void signInNeeded(const QString &, bool) override {}
    void lastStored(const HistoryRecord &) override {}
    void askAboutServer(SessionHooks &) override {}
};

QString oneLine(const QString &text)
{
    return text.simplified();
}

Answer checkHere()
{
    if (const QString unsettled = HistoryRecovery::atStart(); !unsettled.isEmpty())
        return {kFailed, oneLine(unsettled)};
    if (const QStringList missing = AppPaths::ensureInstallationFolders(); !missing.isEmpty())
        return {kFailed, QStringLiteral("データフォルダを作成できません: %1").arg(missing.join(QStringLiteral("、")))};
    loadRuntimeSettings();
    MailLibrary::instance().initialize();
    MailLibrary::instance().setOption(1, MailLibrary::kDefaultBufferSize);
    CheckEngine engine(CheckSettings::current(CheckMode::Timed, SignInPolicy::NeverOpenBrowser),
                       std::make_unique<SilentListener>());
    QEventLoop loop;
    QObject::connect(&engine, &CheckEngine::finished, &loop, &QEventLoop::quit);
    engine.start();
    loop.exec();
    return answerFor(engine.outcome());
}

Answer run(const QStringList &arguments)
{
    if (arguments != QStringList{QStringLiteral("--check")})
        return {kUsage, QStringLiteral("使い方: pintora --check")};
    PrivateFolders::make(AppPaths::resolve(AppPaths::kDataFolder));
    QString lockError;
    if (!InstallationLock::installationInUse(&lockError)) {
        const Answer answer = checkHere();
        InstallationLock::release();
        return answer;
    }
    if (!lockError.isEmpty())
        return {kFailed, oneLine(lockError)};
    // The running program checks, so its windows and notices learn of the new mail.
    SingleInstance instance;
    switch (instance.claim(arguments)) {
    case SingleInstance::Claim::HandedOver:
        return {instance.answerStatus(), instance.answerText()};
    case SingleInstance::Claim::Failed:
        return {kFailed, oneLine(instance.errorString())};
    case SingleInstance::Claim::First:
        break;  // it ended meanwhile, and this process holds the installation now
    }
    return checkHere();
}

} // namespace

bool wanted(int argc, char **argv)
{
    return argc > 1 && QByteArray(argv[1]) == "--check";
}

Answer answerFor(const CheckOutcome &outcome)
{
    if (outcome.needsUser || outcome.needsSignIn)
        return {kNeedsUser, oneLine(outcome.failure.isEmpty() ? CheckTexts::kAskTheUser : outcome.failure)};
    if (outcome.cancelled)
        return {kFailed, CheckTexts::kStopped};
    if (outcome.failed)
        return {kFailed, oneLine(outcome.failure)};
    if (outcome.stored > 0)
        return {kDone, CheckTexts::newMailCount(outcome.stored, outcome.junk)};
    return {kDone, QStringLiteral("新着メールはありません")};
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Answer answer = run(QCoreApplication::arguments().mid(1));
    std::FILE *out = answer.status == kDone ? stdout : stderr;
    std::fprintf(out, "%s\n", answer.line.toUtf8().constData());
    return answer.status;
}

} // namespace CheckCommand
