#include "core/settings/AccountFile.h"
#include "core/settings/OptionsFile.h"

#include "core/common/AppPaths.h"
#include "core/common/IniFile.h"
#include "support/FileFaults.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const ServerOptions kOptions{QStringLiteral("smtp.a"), QStringLiteral("pop.a"), QStringLiteral("me@a"), 1};

QString accountPath()
{
    return AppPaths::resolve(AppPaths::kAccountFile);
}

} // namespace

TEST(SettingsFiles, LinkedFilesStayLinksAndTheirTargetsGetTheSettings)
{
    Sandbox sandbox;
    const QString options = sandbox.workPath(QStringLiteral("tolvar.ini"));
    Sandbox::writeFile(options, "SMTP=old\r\n");
    const QString optionsTarget = FileFaults::linkAway(options, sandbox.workPath(QStringLiteral("dotfiles")));
    ASSERT_TRUE(OptionsFile::write(options, kOptions));
    EXPECT_TRUE(QFileInfo(options).isSymLink());
    EXPECT_EQ(Sandbox::readFile(optionsTarget), OptionsFile::format(kOptions));

    ASSERT_TRUE(AccountFile().storeNotSaved());
    const QString accountTarget = FileFaults::linkAway(accountPath(), sandbox.workPath(QStringLiteral("private")));
    ASSERT_TRUE(AccountFile().store(QStringLiteral("id"), QStringLiteral("pw")));
    EXPECT_TRUE(QFileInfo(accountPath()).isSymLink());
    EXPECT_EQ(AccountFile().password(), QStringLiteral("pw"));
    EXPECT_EQ(QFile::permissions(accountTarget),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_TRUE(FileFaults::strays(sandbox.workPath(QStringLiteral("private")), {"iniIdPass.ini"}).isEmpty());
}

TEST(SettingsFiles, WriteProtectedFilesAreRefusedWithTheirNames)
{
    Sandbox sandbox;
    const QString options = sandbox.workPath(QStringLiteral("tolvar.ini"));
    Sandbox::writeFile(options, "POP3=kept\r\n");
    FileFaults::makeReadOnly(options);
    QString error;
    EXPECT_FALSE(OptionsFile::write(options, kOptions, &error));
    EXPECT_EQ(error, options + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）"));
    EXPECT_EQ(Sandbox::readFile(options), QByteArray("POP3=kept\r\n"));

    ASSERT_TRUE(AccountFile().store(QStringLiteral("id"), QStringLiteral("pw")));
    const QByteArray account = Sandbox::readFile(accountPath());
    FileFaults::makeReadOnly(accountPath());
    EXPECT_FALSE(AccountFile().store(QStringLiteral("other"), QStringLiteral("x"), &error));
    EXPECT_TRUE(error.startsWith(accountPath() + QStringLiteral(" に書き込めませんでした"))) << error.toStdString();
    EXPECT_FALSE(AccountFile().storeNotSaved());
    EXPECT_EQ(Sandbox::readFile(accountPath()), account);
}

TEST(SettingsFiles, OneLineValuesNeverCarryLineBreaksOrNul)
{
    Sandbox sandbox;
    const ServerOptions dirty{QStringLiteral("a\r\nPOP3=evil"), QStringLiteral("p\rq"),
                              QString::fromUtf16(u"m\0n", 3), 7};
    EXPECT_EQ(OptionsFile::format(dirty), QByteArray("SMTP=aPOP3=evil\r\nPOP3=pq\r\nMAIL=mn\r\nAPOP=1\r\n"));

    const QString ini = sandbox.workPath(QStringLiteral("a.ini"));
    ASSERT_TRUE(IniFile(ini).write(QStringLiteral("EXEINI"), QStringLiteral("NAME"),
                                   QStringLiteral("x\r\n[EVIL]\nNAME=y")));
    EXPECT_EQ(Sandbox::readFile(ini), QByteArray("[EXEINI]\r\nNAME=x[EVIL]NAME=y\r\n"));
}
