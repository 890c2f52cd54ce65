#include "ui/shell/Startup.h"

#include "core/common/AppPaths.h"
#include "ui/common/Prompt.h"
#include "core/common/PrivateFolders.h"
#include "core/common/SafeFile.h"
#include "core/history/HistoryRecovery.h"
#include "core/mail/MailLibrary.h"
#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "core/settings/OptionsFile.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "core/settings/RuntimeSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// On a first start both settings windows open at once; side by side over the
// launcher, the one kept on top does not hide the other.
void placeSideBySide(QWidget *left, QWidget *right, const QWidget *launcher)
{
    const int gap = 8;
    const QRect around = launcher->frameGeometry();
    const int width = left->frameGeometry().width() + gap + right->frameGeometry().width();
    const int x = around.center().x() - width / 2;
    const int y = around.top() + qMax(0, (around.height() - left->frameGeometry().height()) / 2);
    left->move(x, y);
    right->move(x + left->frameGeometry().width() + gap, y);
}

} // namespace

namespace Startup {

SingleInstance::Claim claimInstallation(SingleInstance &instance, const QStringList &arguments)
{
    // The lock lives in the data folder, so that folder comes first.
    PrivateFolders::make(AppPaths::resolve(AppPaths::kDataFolder));
    const SingleInstance::Claim claim = instance.claim(arguments);
    if (claim == SingleInstance::Claim::Failed) {
        Prompt::error(instance.errorString());
        return claim;
    }
    if (claim == SingleInstance::Claim::First) {
        if (!instance.listenError().isEmpty())
            Prompt::warn(instance.listenError());
        PrivateFolders::tightenOnce();
        removeCompactionLeftovers();
        removeReplacementLeftovers();
        recoverStoresUnderLock();
    }
    return claim;
}

void removeCompactionLeftovers()
{
    const std::pair<QString, QString> stores[] = {
        {AppPaths::kReceivedHistory, AppPaths::kReceivedHistoryTmp},
        {AppPaths::kSentHistory, AppPaths::kSentHistoryTmp},
        {AppPaths::kJunkHistory, AppPaths::kJunkHistoryTmp},
        {AppPaths::kAddressBook, AppPaths::kAddressBookTmp},
    };
    for (const auto &[store, tmp] : stores)
        SafeFile::removeLeftovers(AppPaths::resolve(store), AppPaths::resolve(tmp));
}

void removeReplacementLeftovers()
{
    // Every folder of the installation a file is replaced in: the id files,
    // deleted marks, settings, tokens and trust in the data folder, the
    // emoticons, the copies of sent mails, and exports the user put in any of
    // them. Received attachments keep the names their senders gave, so their
    // folder is left alone.
    QStringList folders{AppPaths::appDir()};
    for (const QString &folder : AppPaths::installationFolders())
        if (folder != AppPaths::kAttachmentFolder)
            folders << AppPaths::resolve(folder);
    for (const QString &folder : folders)
        SafeFile::removeAllLeftovers(QDir(folder).absolutePath());

    // The options live in the working directory; a file kept elsewhere through
    // a link has its temporaries beside its target.
    QStringList targets{QDir::current().absoluteFilePath(AppPaths::kOptionsFile)};
    const QString data = AppPaths::resolve(AppPaths::kDataFolder);
    for (const QString &name : QDir(data).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (QFileInfo(data + u'/' + name).isSymLink())
            targets << data + u'/' + name;
    for (const QString &target : targets)
        SafeFile::removeLeftovers(target);
}

void recoverStoresUnderLock()
{
    // A check cut short by a crash or a power cut is settled before anything can edit.
    if (const QString unsettled = HistoryRecovery::atStart(); !unsettled.isEmpty())
        Prompt::error(unsettled);
}

void run()
{
    const QStringList missing = AppPaths::ensureInstallationFolders();
    if (!missing.isEmpty())
        Prompt::error(QStringLiteral("データフォルダを作成できません。\n%1").arg(missing.join(u'\n')));

    loadRuntimeSettings();

    MailLibrary::instance().initialize();
    MailLibrary::instance().setOption(1, MailLibrary::kDefaultBufferSize);

    if (runtimeSettings().Pop3Server.isEmpty())
        Forms::open<OptionForm>();

    IdPassForm *account = Forms::get<IdPassForm>();
    const bool askForAccount = account->id().isEmpty() || account->password().isEmpty();
    if (askForAccount)
        Forms::show(account);

    MainForm *launcher = Forms::get<MainForm>();
    Forms::show(launcher);
    if (OptionForm *options = Forms::existing<OptionForm>(); options && askForAccount)
        placeSideBySide(options, account, launcher);
    // The settings windows that still need answers stay above the launcher.
    if (askForAccount)
        Forms::show(account);
    if (OptionForm *options = Forms::existing<OptionForm>())
        Forms::show(options);
}

void end()
{
    MailLibrary::instance().end();
    Forms::discardAll(Forms::existing<MainForm>());
    QCoreApplication::exit(0);
}

} // namespace Startup
