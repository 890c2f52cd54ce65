#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "core/settings/OptionsFile.h"

#include "core/common/AppPaths.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void paste(QLineEdit *edit, const QString &text)
{
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

QByteArray tolvar(const Sandbox &sandbox)
{
    return Sandbox::readFile(sandbox.workPath(QStringLiteral("tolvar.ini")));
}

} // namespace

TEST(OptionForm, PastedLineBreaksAreTakenAsNothingAndNeverSetAnotherKey)
{
    Sandbox sandbox;
    OptionForm *form = Forms::open<OptionForm>();
    auto *pop3 = child<QLineEdit>(form, "Pop3Text");
    paste(pop3, QStringLiteral("pop.a\r\nPOP3=evil.example\nAPOP=1"));
    EXPECT_EQ(pop3->text(), QStringLiteral("pop.aPOP3=evil.exampleAPOP=1"));
    pop3->setText(QStringLiteral("pop.a\nPOP3=evil.example"));
    EXPECT_EQ(pop3->text(), QStringLiteral("pop.aPOP3=evil.example"));
    paste(child<QLineEdit>(form, "MailText"), QStringLiteral("me@a\r\n"));
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);

    EXPECT_EQ(tolvar(sandbox), QByteArray("SMTP=\r\nPOP3=pop.aPOP3=evil.example\r\nMAIL=me@a\r\nAPOP=0\r\n"));
    EXPECT_EQ(OptionsFile::read(QStringLiteral("tolvar.ini"))->pop3Server, QStringLiteral("pop.aPOP3=evil.example"));
}

TEST(OptionForm, AnyNonZeroApopIsShownTickedAndSavedAsOne)
{
    for (const qint16 stored : {qint16(2), qint16(-1), qint16(1)}) {
        Sandbox sandbox;
        runtimeSettings().UseApop = stored;
        OptionForm *form = Forms::open<OptionForm>();
        EXPECT_TRUE(child<QCheckBox>(form, "ApopCheck")->isChecked()) << stored;
        QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);
        EXPECT_EQ(runtimeSettings().UseApop, 1);
        EXPECT_TRUE(tolvar(sandbox).endsWith("APOP=1\r\n")) << stored;
    }
}

TEST(OptionForm, ReturnPressesSettingExceptOnCancel)
{
    {
        Sandbox sandbox;
        OptionForm *form = Forms::open<OptionForm>();
        QTest::keyClick(child<QPushButton>(form, "CancelCommand"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Forms::existing<OptionForm>(), nullptr);
        EXPECT_FALSE(QFile::exists(sandbox.workPath(QStringLiteral("tolvar.ini"))));
    }
    for (const char *name : {"SmtpText", "Pop3Text", "MailText"}) {
        Sandbox sandbox;
        OptionForm *form = Forms::open<OptionForm>();
        child<QLineEdit>(form, "SmtpText")->setText(QStringLiteral("smtp.example.jp"));
        QTest::keyClick(child<QLineEdit>(form, name), Qt::Key_Return);
        EXPECT_EQ(runtimeSettings().SmtpServer, QStringLiteral("smtp.example.jp")) << name;
        EXPECT_TRUE(QFile::exists(sandbox.workPath(QStringLiteral("tolvar.ini")))) << name;
    }
}

TEST(OptionForm, TabGoesDownTheFieldsAndOptionsBeforeTheButtonsBelowThem)
{
    Sandbox sandbox;
    runtimeSettings().KeepOnServer = 1;
    OptionForm *form = Forms::open<OptionForm>();
    const QStringList order = {"SmtpText", "Pop3Text", "MailText", "ApopCheck", "CheckMinText",
                               "KeepCheck", "KeepDaysText", "KeepSyncCheck", "OkCommand", "CancelCommand"};
    QWidget *at = child<QWidget>(form, "SmtpText");
    at->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        ASSERT_NE(form->focusWidget(), nullptr);
        EXPECT_EQ(form->focusWidget()->objectName(), order[i]);
    }
    const int buttonsTop = child<QWidget>(form, "OkCommand")->y();
    for (const char *option : {"CheckMinText", "KeepCheck", "KeepDaysText", "KeepSyncCheck"})
        EXPECT_LT(child<QWidget>(form, option)->geometry().bottom(), buttonsTop) << option;
}

TEST(OptionForm, ValuesCp932CannotHoldAreRefusedNamingTheCharacter)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    OptionForm *form = Forms::open<OptionForm>();
    child<QLineEdit>(form, "Pop3Text")->setText(QStringLiteral("pop.exämple"));
    QTest::mouseClick(child<QPushButton>(form, "OkCommand"), Qt::LeftButton);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("POP3サーバー名に保存できない文字「ä」（U+00E4）")))
        << prompt.boxes[0].text.toStdString();
    EXPECT_EQ(Forms::existing<OptionForm>(), form);
    EXPECT_TRUE(runtimeSettings().Pop3Server.isEmpty());
    EXPECT_FALSE(QFile::exists(sandbox.workPath(QStringLiteral("tolvar.ini"))));
}

TEST(IdPassForm, PastedLineBreaksNeverSplitTheAccountFile)
{
    Sandbox sandbox;
    IdPassForm *form = Forms::open<IdPassForm>();
    paste(child<QLineEdit>(form, "IdText"), QStringLiteral("user\r\n[OTHER]\r\nNAME=x"));
    paste(child<QLineEdit>(form, "PassText"), QStringLiteral("sec\nret\r\n"));
    child<QCheckBox>(form, "Check1")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);

    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kAccountFile)),
              QByteArray("[EXEINI]\r\nNAME=user[OTHER]NAME=x\r\nNAME2=secret\r\nNAME3=1\r\n"));
    EXPECT_EQ(runtimeSettings().AccountPassword, QStringLiteral("secret"));
}

TEST(IdPassForm, PasswordOrIdCp932CannotHoldIsRefusedAndNothingIsStored)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("old"), QStringLiteral("oldpass")));
    const QByteArray before = Sandbox::readFile(AppPaths::resolve(AppPaths::kAccountFile));

    IdPassForm *form = Forms::open<IdPassForm>();
    child<QLineEdit>(form, "IdText")->setText(QStringLiteral("user"));
    child<QLineEdit>(form, "PassText")->setText(QStringLiteral("pässwörd"));
    child<QCheckBox>(form, "Check1")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);
    child<QLineEdit>(form, "IdText")->setText(QStringLiteral("us😀er"));
    child<QLineEdit>(form, "PassText")->setText(QStringLiteral("漢字①ｶﾅ"));
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);

    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("パスワードに保存できない文字「ä」（U+00E4）")))
        << prompt.boxes[0].text.toStdString();
    EXPECT_TRUE(prompt.boxes[1].text.startsWith(QStringLiteral("IDに保存できない文字「😀」（U+1F600）")))
        << prompt.boxes[1].text.toStdString();
    EXPECT_EQ(Forms::existing<IdPassForm>(), form);
    EXPECT_TRUE(runtimeSettings().AccountPassword.isEmpty());
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kAccountFile)), before);

    // Characters CP932 does hold pass.
    child<QLineEdit>(form, "IdText")->setText(QStringLiteral("user"));
    QTest::mouseClick(child<QPushButton>(form, "OKCommand"), Qt::LeftButton);
    EXPECT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(AccountFile().password(), QStringLiteral("漢字①ｶﾅ"));
}
