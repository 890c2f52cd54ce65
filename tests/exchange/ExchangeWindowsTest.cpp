#include "ui/viewer/HistoryExchangeActions.h"
#include "ui/addressbook/AddressExchangeActions.h"
#include "core/common/Mbox.h"

#include "core/addressbook/AddressBook.h"
#include "ui/addressbook/FriendForm.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecovery.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"
#include "support/FileFaults.h"
#include "ui/shell/Forms.h"
#include "ui/common/ProgressWindow.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QByteArray mbox(int messages)
{
    QByteArray bytes;
    for (int i = 1; i <= messages; ++i)
        bytes += Mbox::entry("From a@example.jp Mon Dec  7 08:30:00 2026\n",
                             "From: a@example.jp\r\nSubject: mail " + QByteArray::number(i)
                                 + "\r\nDate: Mon, 7 Dec 2026 08:30:00 +0900\r\n\r\nbody\r\n");
    return bytes;
}

class ExchangeWindows : public ::testing::Test {
protected:
    ~ExchangeWindows() override { historyState() = {}; }

    void trigger(TyakuForm *form, const char *name)
    {
        form->findChild<QAction *>(QString::fromLatin1(name))->trigger();
    }
    bool finished() { return waitUntil([] { return !ExchangeActions::isRunning(); }); }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(ExchangeWindows, TheHistoryWindowExportsWhatItShowsAndImportsIntoTheReceivedHistory)
{
    HistoryFile(HistoryFile::Kind::Sent)
        .append({QStringLiteral("送った"), QStringLiteral("2026/12/07  09:15:00"), QStringLiteral("to@example.jp"),
                 QStringLiteral("本文")});
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Sent);
    const QStringList captions = [&] {
        QStringList texts;
        for (QAction *action : form->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
            texts << action->text();
        return texts;
    }();
    EXPECT_EQ(captions, QStringList({QStringLiteral("新規作成"), QStringLiteral("開く"), QStringLiteral("名前を付けて保存"),
                                     QStringLiteral("印刷"), QString(), QStringLiteral("mbox に書き出す…"),
                                     QStringLiteral("EML フォルダに書き出す…"), QStringLiteral("mbox を取り込む…"),
                                     QStringLiteral("EML フォルダを取り込む…"), QString(), QStringLiteral("終了")}));

    const QString out = sandbox.workPath(QStringLiteral("sent.mbox"));
    prompt.answerFile(out);
    trigger(form, "mexportmbox");
    ASSERT_TRUE(finished());
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("送信履歴の 1 通を %1 に書き出しました。").arg(out));
    EXPECT_TRUE(Sandbox::readFile(out).contains("To: to@example.jp\r\n"));

    prompt.answerFile(sandbox.workPath(QStringLiteral("eml")));
    QDir().mkpath(sandbox.workPath(QStringLiteral("eml")));
    trigger(form, "mexporteml");
    ASSERT_TRUE(finished());
    EXPECT_TRUE(QFile::exists(sandbox.workPath(QStringLiteral("eml/00001 送った.eml"))));

    // Imported mail lands in the received history, which the window then lists.
    form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("in.mbox")), mbox(3));
    prompt.answerFile(sandbox.workPath(QStringLiteral("in.mbox")));
    trigger(form, "mimportmbox");
    ASSERT_TRUE(finished());
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("3 通を受信履歴に取り込みました。"));
    EXPECT_EQ(form->rowCount(), 3);
    EXPECT_EQ(form->subjectText(), QStringLiteral("mail 3"));

    // A file that is no mbox is said once, naming it.
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("text.txt")), "hello\n");
    prompt.answerFile(sandbox.workPath(QStringLiteral("text.txt")));
    trigger(form, "mimportmbox");
    ASSERT_TRUE(finished());
    EXPECT_EQ(prompt.boxes.last().text,
              QStringLiteral("メールを取り込めませんでした（0 通は取り込み済みです）。\n%1 は mbox 形式のファイルではありません。")
                  .arg(sandbox.workPath(QStringLiteral("text.txt"))));
}

TEST_F(ExchangeWindows, AnImportStopsAtTheProgressWindowsCancelAndKeepsWhatItTook)
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("big.mbox")), mbox(3000));
    prompt.answerFile(sandbox.workPath(QStringLiteral("big.mbox")));
    trigger(form, "mimportmbox");
    ASSERT_TRUE(ExchangeActions::isRunning());
    ProgressWindow *progress = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<ProgressWindow *>(widget); window && window->isVisible())
            progress = window;
    ASSERT_NE(progress, nullptr);
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("CancelButton")), Qt::LeftButton);
    ASSERT_TRUE(finished());
    const int stored = HistoryFile(HistoryFile::Kind::Received).count();
    EXPECT_LT(stored, 3000);
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("取り込みを中止しました。%1 通を取り込み済みです。").arg(stored));
    EXPECT_EQ(form->rowCount(), stored);
}

// What a check leaves when it stored a mail but could not make it safe (the
// id file could not be replaced): its record on disk, its journal beside it.
void leaveAnUnsecuredCheck()
{
    const QString ids = ReceivedMailIds(QStringLiteral("pop.example.jp"), QStringLiteral("u")).path();
    ReceiveJournal journal;
    HistoryFile received(HistoryFile::Kind::Received);
    ASSERT_TRUE(journal.begin(received.length(), 0, ids));
    const HistoryRecord record{QStringLiteral("checked"), QStringLiteral("Mon, 7 Dec 2026 08:00:00 +0900"),
                               QStringLiteral("a@example.jp"), QStringLiteral("body")};
    ASSERT_TRUE(received.append(record, [&](qint64 offset, const QByteArray &bytes) {
                            return journal.intend(1, HistoryFile::Kind::Received, offset, bytes, "uid-1", false);
                        }).ok);
    ASSERT_TRUE(journal.sync());
}

TEST_F(ExchangeWindows, AnImportAfterAChecksLeftoverJournalSurvivesTheNextStart)
{
    leaveAnUnsecuredCheck();
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("in.mbox")), mbox(3));

    // While the journal cannot be settled (the disk is full), nothing is appended behind it.
    {
        FileSizeLimit full(16);
        prompt.answerFile(sandbox.workPath(QStringLiteral("in.mbox")));
        trigger(form, "mimportmbox");
        ASSERT_TRUE(finished());
    }
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes.last().text.startsWith(QStringLiteral("メールを取り込めませんでした（0 通は取り込み済みです）。")));
    EXPECT_TRUE(prompt.boxes.last().text.endsWith(HistoryFile::kUnsettledAdvice)) << prompt.boxes.last().text.toStdString();
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 1);
    EXPECT_TRUE(QFileInfo::exists(ReceiveJournal::path()));

    prompt.answerFile(sandbox.workPath(QStringLiteral("in.mbox")));
    trigger(form, "mimportmbox");
    ASSERT_TRUE(finished());
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("3 通を受信履歴に取り込みました。"));
    EXPECT_FALSE(QFileInfo::exists(ReceiveJournal::path()));

    // The next start settles nothing more: the check's mail and the three imported stay.
    EXPECT_EQ(HistoryRecovery::atStart(), QString());
    const HistoryFile received(HistoryFile::Kind::Received);
    ASSERT_EQ(received.count(), 4);
    EXPECT_EQ(received.read(1)->trimmed().Subject, QStringLiteral("checked"));
    EXPECT_EQ(received.read(4)->trimmed().Subject, QStringLiteral("mail 3"));
    EXPECT_TRUE(ReceivedMailIds(QStringLiteral("pop.example.jp"), QStringLiteral("u")).load().contains("uid-1"));
}

TEST_F(ExchangeWindows, TheAddressBookWindowImportsAndExports)
{
    AddressBook().append(QStringLiteral("既存"), QStringLiteral("old@example.jp"));
    auto *window = Forms::open<FriendForm>();
    prompt.answerFile(QStringLiteral(PINTORA_EXCHANGE_DATA "/contacts-4.0.vcf"));
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("CommandImport")), Qt::LeftButton);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes.last().text.startsWith(QStringLiteral("2 件をアドレス帳に追加しました。\n\n次の 1 件は")));
    EXPECT_EQ(prompt.boxes.last().icon, Prompt::Icon::Warning);
    EXPECT_EQ(window->findChild<QTreeWidget *>(QStringLiteral("MailListView"))->topLevelItemCount(), 3);
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("Text3"))->text(), QStringLiteral("3"));

    const QString csv = sandbox.workPath(QStringLiteral("book.csv"));
    prompt.answerFile(csv);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("CommandExport")), Qt::LeftButton);
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("アドレス帳の 3 件を %1 に書き出しました。").arg(csv));
    EXPECT_EQ(Sandbox::readFile(csv), QByteArray("\xEF\xBB\xBFName,E-mail Address\r\n既存,old@example.jp\r\n"
                                                 "伊藤 美咲,misaki.ito@example.jp\r\n伊藤 美咲,misaki@example.net\r\n"));
}
