// The history window with mails kept whole beside their records.
#include "ui/viewer/MailActions.h"

#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "core/common/CarrierPictographs.h"
#include "core/common/Cp932.h"
#include "ui/compose/BackForm.h"
#include "core/history/WholeMailLink.h"
#include "ui/receive/MailCheck.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/EditorState.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QByteArray rawMail(const QString &subject, const QString &body)
{
    return "From: =?UTF-8?B?" + QStringLiteral("Zoë").toUtf8().toBase64()
        + "?= <zoe@example.jp>\r\nSubject: =?UTF-8?B?" + subject.toUtf8().toBase64()
        + "?=\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\nMIME-Version: 1.0\r\n"
          "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n"
        + body.toUtf8();
}

// Stores a received mail the way the mail check does when its record cannot hold it.
QString storeWhole(const QString &subject, const QString &body)
{
    HistoryRecord record{subject, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"),
                         QStringLiteral("Zoë <zoe@example.jp>"), body};
    EXPECT_FALSE(WholeMailLink::survives(record));
    QString error;
    EXPECT_TRUE(WholeMailLink::keepReceived(record, rawMail(subject, body), subject, &error))
        << error.toStdString();
    EXPECT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(record).ok);
    return *WholeMailLink::linkedFile(record);
}

class WholeMailView : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        historyState() = {};
    }

    TyakuForm *open(HistoryFile::Kind kind = HistoryFile::Kind::Received)
    {
        form = TyakuForm::openHistory(kind);
        return form;
    }
    void clickRow(int row)
    {
        QTreeView *list = form->mailList();
        const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void press(const char *button)
    {
        QTest::mouseClick(form->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    QString cell(int row, int column) const
    {
        return form->mailList()->model()->index(row - 1, column).data().toString();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    TyakuForm *form = nullptr;
};

} // namespace

TEST_F(WholeMailView, ReplyQuickSaveAndHeaderCopyUseTheWholeMail)
{
    const QString subject = QStringLiteral("おはよう😊");
    storeWhole(subject, QStringLiteral("한국어 é\r\n"));
    open();
    clickRow(1);
    press("Command5");
    BackForm *back = Forms::existing<BackForm>();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->subjectText(), QStringLiteral("Re:  ") + subject);
    EXPECT_EQ(back->toText(), QStringLiteral("Zoë <zoe@example.jp>"));
    EXPECT_EQ(back->bodyText().trimmed(), QStringLiteral("한국어 é"));

    // Beyond CP932 the quick save is UTF-8 with a byte-order mark.
    clickRow(1);
    press("Command2");
    const QString block = QStringLiteral("Subject:  おはよう😊\r\nFrom:  Zoë <zoe@example.jp>\r\n"
                                         "Date:  Mon, 7 Dec 2026 10:00:00 +0900\r\nBody:  한국어 é\r\n");
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kQuickSaveFolder) + subject + QStringLiteral(".txt")),
              QByteArray("\xEF\xBB\xBF") + (block + QStringLiteral("\r\n")).toUtf8());

    QLineEdit *subjectBox = form->findChild<QLineEdit *>(QStringLiteral("Text7"));
    clickRow(1);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), subjectBox->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(subjectBox, &move);
    press("Command1");
    EXPECT_EQ(Clipboard::text(), subject);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(WholeMailView, QuickSaveKeepsCp932WheneverItCan)
{
    const QString japanese = QStringLiteral("件名①\r\n本文ｶﾅ");
    EXPECT_EQ(MailActions::quickSaveBytes(japanese), Cp932::encode(japanese));
    EXPECT_EQ(MailActions::quickSaveBytes(QStringLiteral("café")), QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9"));
    // "〜" has no CP932 form of its own: saved as CP932 it would come back as another character.
    EXPECT_TRUE(MailActions::quickSaveBytes(QStringLiteral("〜")).startsWith("\xEF\xBB\xBF"));
}

TEST_F(WholeMailView, DeletingOneOffersToDeleteItsFileKeepingItByDefault)
{
    const QString first = storeWhole(QStringLiteral("一通目😊"), QStringLiteral("a"));
    const QString second = storeWhole(QStringLiteral("二通目😊"), QStringLiteral("b"));
    open();
    EXPECT_EQ(cell(2, 0), QStringLiteral("二通目😊"));

    clickRow(1);
    prompt.answerBox(Prompt::Answer::Yes);
    prompt.answerBox(Prompt::Answer::No);
    press("Command3");
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_EQ(prompt.boxes[1].title, QStringLiteral("確認"));
    EXPECT_EQ(prompt.boxes[1].buttons, Prompt::Buttons::YesNo);
    EXPECT_TRUE(prompt.boxes[1].defaultNo);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 1);
    EXPECT_TRUE(QFileInfo::exists(first));

    clickRow(1);
    EXPECT_EQ(form->subjectText(), QStringLiteral("二通目😊"));
    prompt.answerBox(Prompt::Answer::Yes);
    prompt.answerBox(Prompt::Answer::Yes);
    press("Command3");
    EXPECT_EQ(prompt.boxes.size(), 4);
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 0);
}

TEST_F(WholeMailView, DeletingAllOffersToDeleteEveryLinkedFileAndNothingElse)
{
    const QString first = storeWhole(QStringLiteral("一通目😊"), QStringLiteral("a"));
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received)
                    .append({QStringLiteral("plain"), QStringLiteral("d"), QStringLiteral("f"), QStringLiteral("b")})
                    .ok);
    const QString second = storeWhole(QString(60, u'長'), QStringLiteral("b"));
    // An attachment that happens to be a mail is not the history's to delete.
    const QString attachment = AppPaths::resolve(AppPaths::kAttachmentFolder) + QStringLiteral("forwarded.eml");
    Sandbox::writeFile(attachment, "Subject: x\r\n\r\ny\r\n");
    EXPECT_EQ(WholeMailLink::linkedFiles(HistoryFile::Kind::Received), (QStringList{first, second}));

    open();
    prompt.answerBox(Prompt::Answer::Yes);
    prompt.answerBox(Prompt::Answer::Yes);
    press("Command6");
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_TRUE(prompt.boxes[1].text.contains(QStringLiteral("2 件")));
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_TRUE(QFileInfo::exists(attachment));
}

TEST_F(WholeMailView, AnUnreadableOrEmptyLinkedFileShowsTheRecordAsStored)
{
    const QString path = storeWhole(QStringLiteral("😊"), QStringLiteral("body"));
    Sandbox::writeFile(path, QByteArray());
    open();
    EXPECT_EQ(form->subjectText(), QStringLiteral("?"));
    EXPECT_TRUE(form->bodyText().startsWith(QStringLiteral("body\r\n♪♪♪　全文: 添付フォルダ\\")));
    EXPECT_EQ(cell(1, 0).trimmed(), QStringLiteral("?"));
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(WholeMailView, TheListReadsTheRowsItDrawsRightAcrossBlocks)
{
    HistoryFile file(HistoryFile::Kind::Received);
    for (int n = 1; n <= 100; ++n)
        ASSERT_TRUE(file.append({QStringLiteral("件名%1").arg(n), QStringLiteral("d%1").arg(n),
                                 QStringLiteral("f%1").arg(n), QStringLiteral("b")})
                        .ok);
    open();
    EXPECT_EQ(form->rowCount(), 100);
    for (int row : {1, 32, 33}) {
        EXPECT_EQ(cell(row, 0).trimmed(), QStringLiteral("件名%1").arg(row));
        EXPECT_EQ(cell(row, 1).trimmed(), QStringLiteral("f%1").arg(row));
        EXPECT_EQ(cell(row, 2).trimmed(), QStringLiteral("d%1").arg(row));
    }
    // Cut short by another program: rows the file no longer holds draw empty.
    QFile cut(file.path());
    ASSERT_TRUE(cut.resize(qint64(70) * HistoryRecord::kSize));
    EXPECT_EQ(cell(64, 0).trimmed(), QStringLiteral("件名64"));
    EXPECT_EQ(cell(65, 0).trimmed(), QStringLiteral("件名65"));
    EXPECT_EQ(cell(70, 2).trimmed(), QStringLiteral("d70"));
    EXPECT_EQ(cell(71, 0), QString());
    EXPECT_EQ(cell(100, 0), QString());
}

TEST_F(WholeMailView, CarrierPictographsShowAsEmojiWhileTheRecordKeepsItsBytes)
{
    // docomo's pictographs as an older copy stored them: CP932 user-defined characters.
    const QByteArray sun("\xF8\x9F", 2), lowTrail("\xF9\x72", 2), highTrail("\xF9\xB0", 2);
    HistoryRecord record;
    record.Subject = Cp932::decode(QByteArray("hi") + sun);
    record.Correspondent = QStringLiteral("taro@docomo.ne.jp");
    record.MailDate = QStringLiteral("d");
    record.Body = Cp932::decode(lowTrail + QByteArray("\r\n") + highTrail);
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(record).ok);
    record.Correspondent = QStringLiteral("someone@example.jp");
    record.Body = Cp932::decode(QByteArray("gaiji ") + QByteArray("\xF0\x40", 2));
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(record).ok);
    const QByteArray before = Sandbox::readFile(HistoryFile(HistoryFile::Kind::Received).path());

    const auto docomo = [](quint16 code) { return CarrierPictographs::fromShiftJis(Carrier::Docomo, code); };
    ASSERT_FALSE(docomo(0xF89F).isEmpty());
    ASSERT_FALSE(docomo(0xF972).isEmpty());
    ASSERT_FALSE(docomo(0xF9B0).isEmpty());
    open();
    EXPECT_EQ(cell(1, 0).trimmed(), QStringLiteral("hi") + docomo(0xF89F));
    clickRow(1);
    EXPECT_EQ(form->subjectText(), QStringLiteral("hi") + docomo(0xF89F));
    EXPECT_EQ(form->bodyText(), docomo(0xF972) + QStringLiteral("\r\n") + docomo(0xF9B0));
    // A user-defined character no carrier table knows stays as it is.
    clickRow(2);
    EXPECT_EQ(form->bodyText(), QStringLiteral("gaiji \uE000"));
    EXPECT_EQ(Sandbox::readFile(HistoryFile(HistoryFile::Kind::Received).path()), before);
}

namespace {

// Records what the desktop was asked to open instead of opening it.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

TEST_F(WholeMailView, WhatCameWithAMailOpensOnTheDesktop)
{
    const QString kept = storeWhole(QStringLiteral("Zoëの件"), QStringLiteral("本文\r\n"));
    HistoryRecord unpacked{QStringLiteral("添付"), QStringLiteral("d"), QStringLiteral("a@example.jp"),
                           QStringLiteral("本文\r\n") + MailCheck::kAttachmentNote};
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(unpacked).ok);
    HistoryRecord plain{QStringLiteral("普通"), QStringLiteral("d"), QStringLiteral("b@example.jp"),
                        QStringLiteral("attachment の話")};
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(plain).ok);
    OpenedUrls opened;
    open();
    auto *folder = form->findChild<QAction *>(QStringLiteral("mattachfolder"));
    auto *whole = form->findChild<QAction *>(QStringLiteral("mwholemail"));
    ASSERT_TRUE(folder && whole);
    EXPECT_EQ(folder->text(), QStringLiteral("添付フォルダを開く"));
    EXPECT_EQ(whole->text(), QStringLiteral("全文を開く"));

    // The newest, a plain mail, is shown first: nothing to open.
    EXPECT_FALSE(folder->isEnabled());
    EXPECT_FALSE(whole->isEnabled());

    clickRow(2);
    EXPECT_TRUE(folder->isEnabled());
    EXPECT_FALSE(whole->isEnabled());
    folder->trigger();
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(QFileInfo(opened.urls[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(sandbox.dataPath(AppPaths::kAttachmentFolder)).canonicalFilePath());

    clickRow(1);
    EXPECT_TRUE(whole->isEnabled());
    whole->trigger();
    ASSERT_EQ(opened.urls.size(), 2);
    EXPECT_EQ(opened.urls[1].toLocalFile(), kept);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

#include "WholeMailViewTest.moc"
