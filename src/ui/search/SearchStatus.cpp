#include "ui/search/SearchStatus.h"

#include "core/search/SearchService.h"
#include "ui/receive/MailCheck.h"
#include "ui/shell/Forms.h"

#include <QLocale>
#include <QString>

namespace SearchStatus {

QString progressText(int indexed, int total)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    return QStringLiteral("検索用の索引を作成中 %1 / %2").arg(japanese.toString(indexed), japanese.toString(total));
}

void start()
{
    SearchService &service = SearchService::instance();
    QObject *launcher = Forms::launcher();
    static bool building = false;
    // Only a build with mail still waiting after a batch takes the status line;
    // the few mails of a check go in without a word.
    QObject::connect(&service, &SearchService::progress, launcher, [](int indexed, int total) {
        if (indexed < total) {
            building = true;
            Forms::setLauncherStatus(progressText(indexed, total));
        } else if (building) {
            building = false;
            Forms::setLauncherStatus(QStringLiteral("検索用の索引を作成しました"));
        }
    }, Qt::QueuedConnection);
    QObject::connect(&service, &SearchService::notice, launcher,
                     [](const QString &line) { Forms::setLauncherStatus(line); }, Qt::QueuedConnection);
    MailCheck::addFinishListener(launcher, [](const MailCheck::Outcome &, MailCheck::Mode) {
        SearchService::instance().catchUpSoon();
    });
    service.start();
}

void stop()
{
    SearchService::instance().stop();
}

} // namespace SearchStatus
