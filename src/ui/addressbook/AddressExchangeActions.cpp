#include "ui/addressbook/AddressExchangeActions.h"

#include "core/exchange/AddressExchange.h"
#include "ui/common/Prompt.h"

#include <QDir>

namespace ExchangeActions {

bool importAddresses(QWidget *parent)
{
    const auto path = Prompt::instance().openFileName(
        {QStringLiteral("アドレス帳にインポート"), QDir::homePath(), {},
         QStringLiteral("vCard / CSV(*.vcf;*.vcard;*.csv)|*.vcf;*.vcard;*.csv|すべてのファイル(*)|*")},
        parent);
    if (!path)
        return false;
    const auto outcome = AddressExchange::importFile(*path);
    const QString text = AddressExchange::summary(outcome);
    if (!outcome.ok)
        Prompt::error(QStringLiteral("アドレス帳にインポートできませんでした。\n%1").arg(text), {}, parent);
    else if (!outcome.rejected.isEmpty() || outcome.full)
        Prompt::warn(text, {}, parent);
    else
        Prompt::inform(text, {}, parent);
    return outcome.added > 0;
}

void exportAddresses(QWidget *parent)
{
    const auto path = Prompt::instance().saveFileName(
        {QStringLiteral("アドレス帳をエクスポート"), QDir::homePath(), QStringLiteral("アドレス帳.vcf"),
         QStringLiteral("vCard 3.0(*.vcf)|*.vcf|CSV UTF-8(*.csv)|*.csv")},
        parent);
    if (!path)
        return;
    const auto outcome = AddressExchange::exportFile(*path);
    if (!outcome.ok)
        Prompt::error(QStringLiteral("アドレス帳をエクスポートできませんでした。\n%1").arg(outcome.error), {}, parent);
    else
        Prompt::inform(QStringLiteral("アドレス帳の %1 件を %2 に書き出しました。").arg(outcome.count).arg(*path), {}, parent);
}

} // namespace ExchangeActions
