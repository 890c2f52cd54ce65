#include "core/settings/AccountFile.h"

#include "core/common/AppPaths.h"
#include "core/common/IniFile.h"

namespace {

const QString kSection = QStringLiteral("EXEINI");

IniFile accountIni()
{
    // The password is stored in plain text, so the file is the user's alone.
    return IniFile(AppPaths::resolve(AppPaths::kAccountFile), 0600);
}

} // namespace

AccountFile::AccountFile() = default;

QString AccountFile::path() const
{
    return AppPaths::resolve(AppPaths::kAccountFile);
}

QString AccountFile::id() const
{
    return accountIni().read(kSection, QStringLiteral("NAME"));
}

QString AccountFile::password() const
{
    return accountIni().read(kSection, QStringLiteral("NAME2"));
}

QString AccountFile::saveChoice() const
{
    return accountIni().read(kSection, QStringLiteral("NAME3"));
}

bool AccountFile::store(const QString &id, const QString &password, QString *error) const
{
    const IniFile ini = accountIni();
    return ini.write(kSection, QStringLiteral("NAME"), id, error)
        && ini.write(kSection, QStringLiteral("NAME2"), password, error)
        && ini.write(kSection, QStringLiteral("NAME3"), QStringLiteral("1"), error);
}

bool AccountFile::storeNotSaved(QString *error) const
{
    return accountIni().write(kSection, QStringLiteral("NAME3"), QStringLiteral("0"), error);
}

QString AccountFile::authMethod() const
{
    return accountIni().read(kSection, QStringLiteral("NAME4"));
}

bool AccountFile::storeAuthMethod(const QString &value, QString *error) const
{
    if (value.isEmpty() && authMethod().isEmpty())
        return true;
    return accountIni().write(kSection, QStringLiteral("NAME4"), value, error);
}

bool AccountFile::storeId(const QString &id, QString *error) const
{
    return accountIni().write(kSection, QStringLiteral("NAME"), id, error);
}
