#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"

#include "core/common/AppPaths.h"
#include "ui/shell/Forms.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStyle>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray accountBytes()
{
    return Sandbox::readFile(AppPaths::resolve(AppPaths::kAccountFile));
}

template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void fillAccount(IdPassForm *form, const QString &id, const QString &password, bool save)
{
    child<QLineEdit>(form, "IdText")->setText(id);
    child<QLineEdit>(form, "PassText")->setText(password);
    child<QCheckBox>(form, "Check1")->setChecked(save);
}

} // namespace

TEST(IdPassForm, OkWithoutSaveStoresOnlyTheChoiceButSetsTheRuntimeAccount)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("user"), QStringLiteral("secret"), false);
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);

    EXPECT_EQ(accountBytes(), QByteArray("[EXEINI]\r\nNAME3=0\r\n"));
    EXPECT_EQ(runtimeSettings().AccountId, QStringLiteral("user"));
    EXPECT_EQ(runtimeSettings().AccountPassword, QStringLiteral("secret"));
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
}

TEST(IdPassForm, OkWithSaveStoresThePlainTextAccountForTheOwnerOnly)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("user"), QStringLiteral("p@ss"), true);
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);

    EXPECT_EQ(accountBytes(), QByteArray("[EXEINI]\r\nNAME=user\r\nNAME2=p@ss\r\nNAME3=1\r\n"));
    EXPECT_EQ(QFile::permissions(AppPaths::resolve(AppPaths::kAccountFile)),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    // Reopening shows the stored values with the box unticked again.
    form = Forms::open<IdPassForm>();
    EXPECT_EQ(form->id(), QStringLiteral("user"));
    EXPECT_EQ(form->password(), QStringLiteral("p@ss"));
    EXPECT_FALSE(child<QCheckBox>(form, "Check1")->isChecked());

    // Unticked OK afterwards keeps the stored pair and flips only the choice.
    fillAccount(form, QStringLiteral("other"), QStringLiteral("x"), false);
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);
    EXPECT_EQ(accountBytes(), QByteArray("[EXEINI]\r\nNAME=user\r\nNAME2=p@ss\r\nNAME3=0\r\n"));
}

TEST(IdPassForm, CancelAndEscapeChangeNothingAndEnterActsAsOk)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("a"), QStringLiteral("b"), true);
    QTest::mouseClick(child<QPushButton>(form, "CancelCommand"), Qt::LeftButton);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);

    form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("a"), QStringLiteral("b"), true);
    QTest::keyClick(child<QLineEdit>(form, "IdText"), Qt::Key_Escape);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_TRUE(accountBytes().isEmpty());
    EXPECT_TRUE(runtimeSettings().AccountId.isEmpty());

    form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("a"), QStringLiteral("b"), true);
    QTest::keyClick(child<QLineEdit>(form, "PassText"), Qt::Key_Return);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_EQ(accountBytes(), QByteArray("[EXEINI]\r\nNAME=a\r\nNAME2=b\r\nNAME3=1\r\n"));

    // Return on a focused Cancel cancels.
    form = Forms::open<IdPassForm>();
    fillAccount(form, QStringLiteral("c"), QStringLiteral("d"), true);
    QTest::keyClick(child<QPushButton>(form, "CancelCommand"), Qt::Key_Return);
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_EQ(accountBytes(), QByteArray("[EXEINI]\r\nNAME=a\r\nNAME2=b\r\nNAME3=1\r\n"));
}

TEST(IdPassForm, ShowsThePasswordAsStarsAndLaysOutInTwips)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    QLineEdit *pass = child<QLineEdit>(form, "PassText");
    EXPECT_EQ(pass->echoMode(), QLineEdit::Password);
    EXPECT_EQ(pass->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, pass), u'*');
    EXPECT_EQ(child<QPushButton>(form, "OKCommand")->geometry(), QRect(60, 92, 57, 21));
    EXPECT_EQ(form->findChildren<QLabel *>(QStringLiteral("Label2")).size(), 2);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("ID,PASS"));
}

TEST(OptionForm, FillsFromTheRuntimeSettingsAndStaysOnTop)
{
    Sandbox sandbox;
    runtimeSettings().SmtpServer = QStringLiteral("smtp.a");
    runtimeSettings().Pop3Server = QStringLiteral("pop.a");
    runtimeSettings().SenderAddress = QStringLiteral("me@a");
    runtimeSettings().UseApop = 1;
    OptionForm *form = Forms::open<OptionForm>();
    EXPECT_EQ(child<QLineEdit>(form, "SmtpText")->text(), QStringLiteral("smtp.a"));
    EXPECT_EQ(child<QLineEdit>(form, "Pop3Text")->text(), QStringLiteral("pop.a"));
    EXPECT_EQ(child<QLineEdit>(form, "MailText")->text(), QStringLiteral("me@a"));
    EXPECT_TRUE(child<QCheckBox>(form, "ApopCheck")->isChecked());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("サーバー設定"));
}

TEST(OptionForm, OkTakesTheTextsAsTypedAndWritesTolvarIni)
{
    Sandbox sandbox;
    OptionForm *form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "SmtpText")->setText(QStringLiteral(" smtp.b "));
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.b"));
    child<QLineEdit>(form, "MailText")->setText(QStringLiteral("me@b"));
    child<QCheckBox>(form, "ApopCheck")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);

    EXPECT_EQ(runtimeSettings().SmtpServer, QStringLiteral(" smtp.b "));
    EXPECT_EQ(runtimeSettings().UseApop, 1);
    EXPECT_EQ(Sandbox::readFile(sandbox.workPath(QStringLiteral("tolvar.ini"))),
              QByteArray("SMTP= smtp.b \r\nPOP3=pop.b\r\nMAIL=me@b\r\nAPOP=1\r\n"));
    EXPECT_EQ(Forms::existing<OptionForm>(), nullptr);
}

TEST(OptionForm, CancelAndEscapeChangeNothing)
{
    Sandbox sandbox;
    OptionForm *form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.c"));
    QTest::mouseClick(child<QPushButton>(form, "CancelCommand"), Qt::LeftButton);
    form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.c"));
    QTest::keyClick(child<QLineEdit>(form, "Pop3Text"), Qt::Key_Escape);
    EXPECT_EQ(Forms::existing<OptionForm>(), nullptr);
    EXPECT_TRUE(runtimeSettings().Pop3Server.isEmpty());
    EXPECT_FALSE(QFile::exists(sandbox.workPath(QStringLiteral("tolvar.ini"))));
}

TEST(OptionForm, UnwritableWorkingDirectoryIsReportedAndTheSettingsStillApply)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    // The file name is taken by a folder, which fails for root as well.
    QDir(sandbox.workDir()).mkdir(QStringLiteral("tolvar.ini"));
    OptionForm *form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.d"));
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);

    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("tolvar.ini")));
    EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Critical);
    EXPECT_EQ(runtimeSettings().Pop3Server, QStringLiteral("pop.d"));
}

TEST(OptionForm, TimedCheckMinutesAreSetAndKept)
{
    Sandbox sandbox;
    runtimeSettings().CheckMinutes = 10;
    OptionForm *form = Forms::open<OptionForm>();
    auto *minutes = child<QSpinBox>(form, "CheckMinText");
    EXPECT_EQ(minutes->value(), 10);
    EXPECT_EQ(minutes->maximum(), 1440);
    EXPECT_EQ(child<QLabel>(form, "Label4")->text(), QStringLiteral("自動受信(&T)"));
    EXPECT_EQ(child<QLabel>(form, "Label5")->text(), QStringLiteral("分ごと"));
    minutes->setValue(0);
    EXPECT_EQ(minutes->text(), QStringLiteral("しない"));
    minutes->setValue(25);
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);
    EXPECT_EQ(runtimeSettings().CheckMinutes, 25);
    EXPECT_TRUE(Sandbox::readFile(sandbox.workPath(QStringLiteral("tolvar.ini"))).endsWith("CHECKMIN=25\r\n"));
}

// No box shows the receiving server's name; a save must not lose it, even one
// added to the file by hand while the program ran.
TEST(OptionForm, ASaveKeepsTheReceivingServersName)
{
    Sandbox sandbox;
    QFile file(sandbox.workPath(QStringLiteral("tolvar.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\nAUTHSERV=mx.example.jp\r\n");
    file.close();
    runtimeSettings().AuthServ.clear();
    OptionForm *form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.example.jp"));
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);
    const auto saved = OptionsFile::read(sandbox.workPath(QStringLiteral("tolvar.ini")));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->authserv, QStringLiteral("mx.example.jp"));
    EXPECT_EQ(saved->pop3Server, QStringLiteral("pop.example.jp"));
    EXPECT_EQ(runtimeSettings().AuthServ, QStringLiteral("mx.example.jp"));
    runtimeSettings().AuthServ.clear();
}

TEST(IdPassForm, TheSaveBoxComesBeforeOkAndCancelInTabOrder)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    child<QLineEdit>(form, "PassText")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        order << form->focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"Check1", "OKCommand", "CancelCommand"}));
}
