// The mail list's rows show the whole mails their records link to, without a click.
#include "ui/viewer/HistoryListModel.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/history/WholeMailLink.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "ui/viewer/EditorState.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const QString kDate = QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900");

QByteArray encoded(const QString &text)
{
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

QByteArray rawMail(const QString &subject, const QString &fromName, const QByteArray &fromAddress,
                   const QByteArray &to = "me@example.jp")
{
    const QByteArray from = fromName.isEmpty() ? fromAddress : encoded(fromName) + " <" + fromAddress + ">";
    return "From: " + from + "\r\nTo: " + to + "\r\nSubject: " + encoded(subject) + "\r\nDate: " + kDate.toLatin1()
        + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
          "Content-Transfer-Encoding: 8bit\r\n\r\n本文です。\r\n";
}

class MailListRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        historyState() = {};
    }

    // Stored as the mail check stores it: linked only when the record cannot hold it.
    // Returns the linked file, or empty.
    QString receive(const QString &subject, const QString &fromName, const QByteArray &fromAddress)
    {
        const QString from = fromName.isEmpty() ? QString::fromLatin1(fromAddress)
                                                : fromName + QStringLiteral(" <") + QString::fromLatin1(fromAddress) + u'>';
        HistoryRecord record{subject, kDate, from, QStringLiteral("本文です。")};
        QString path;
        if (!WholeMailLink::survives(record)) {
            QString error;
            EXPECT_TRUE(WholeMailLink::keepReceived(record, rawMail(subject, fromName, fromAddress), subject, &error))
                << error.toStdString();
            path = WholeMailLink::linkedFile(record).value_or(QString());
        }
        EXPECT_TRUE(HistoryFile(HistoryFile::Kind::Received).append(record).ok);
        return path;
    }

    // Stored as a send stores its copy: the file reserved, the record written, then the message.
    void send(const QString &subject, const QString &to, const QByteArray &toHeader)
    {
        HistoryRecord record{subject, QStringLiteral("2026/12/07  10:00:00"), to, QStringLiteral("本文です。")};
        const QString path = WholeMailLink::reserveSent(record);
        EXPECT_TRUE(HistoryFile(HistoryFile::Kind::Sent).append(record).ok);
        if (!path.isEmpty())
            EXPECT_TRUE(WholeMailLink::fillSent(path, rawMail(subject, {}, "me@example.jp", toHeader)));
    }

    void open(HistoryFile::Kind kind)
    {
        form = TyakuForm::openHistory(kind);
        model = qobject_cast<HistoryListModel *>(form->mailList()->model());
        ASSERT_NE(model, nullptr);
    }
    // Draws the list as the screen would and lets the rows it drew be read.
    void draw()
    {
        form->mailList()->grab();
        ASSERT_TRUE(waitUntil([this] { return model->linksPending() == 0; }, 10000));
    }
    void scrollTo(int row)
    {
        form->mailList()->scrollTo(model->index(row - 1, 0), QAbstractItemView::PositionAtCenter);
        draw();
    }
    QString cell(int row, int column) const
    {
        return model->index(row - 1, column).data().toString().trimmed();
    }
    QString storedSubject(HistoryFile::Kind kind, int row) const
    {
        return HistoryFile(kind).read(row)->subjectCell().trimmed();
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    TyakuForm *form = nullptr;
    HistoryListModel *model = nullptr;
};

} // namespace

TEST_F(MailListRows, ReceivedRowsShowTheirWholeMailsWithoutAClick)
{
    receive(QStringLiteral("お知らせ 0"), {}, "a@example.jp");
    receive(QStringLiteral("お知らせ 1 😊🍊"), QStringLiteral("太郎"), "taro@example.jp");
    receive(QStringLiteral("𠮷野家のお知らせ"), QStringLiteral("Zoë"), "zoe@example.jp");
    receive(QStringLiteral("안녕하세요"), QStringLiteral("김철수"), "kim@example.kr");
    receive(QStringLiteral("お知らせ 4 😊🍊"), {}, "d@example.jp");
    ASSERT_EQ(storedSubject(HistoryFile::Kind::Received, 2), Cp932::decode(Cp932::encode(QStringLiteral("お知らせ 1 😊🍊"))));

    open(HistoryFile::Kind::Received);
    QSignalSpy repainted(model, &QAbstractItemModel::dataChanged);
    draw();
    EXPECT_GE(repainted.count(), 1);
    const struct {
        QString subject, from;
    } rows[] = {
        {QStringLiteral("お知らせ 0"), QStringLiteral("a@example.jp")},
        {QStringLiteral("お知らせ 1 😊🍊"), QStringLiteral("太郎 <taro@example.jp>")},
        {QStringLiteral("𠮷野家のお知らせ"), QStringLiteral("Zoë <zoe@example.jp>")},
        {QStringLiteral("안녕하세요"), QStringLiteral("김철수 <kim@example.kr>")},
        {QStringLiteral("お知らせ 4 😊🍊"), QStringLiteral("d@example.jp")},
    };
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(cell(row, 0), rows[row - 1].subject) << row;
        EXPECT_EQ(cell(row, 1), rows[row - 1].from) << row;
        EXPECT_EQ(cell(row, 2), kDate) << row;
    }
    // Nothing was clicked, and the list still counts records.
    EXPECT_EQ(form->selectionMarker(), QString());
    EXPECT_EQ(form->countText(), QStringLiteral("5"));
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(MailListRows, SentRowsShowTheirWholeMailsWithoutAClick)
{
    send(QStringLiteral("今日も🎉"), QStringLiteral("hanako@example.jp"), "hanako@example.jp");
    send(QStringLiteral("件名"), QStringLiteral("plain@example.jp"), "plain@example.jp");
    // The To box's Hangul has no CP932 form: the row shows the message's To.
    send(QStringLiteral("𠮷"), QStringLiteral("김철수 <kim@example.kr>"), encoded(QStringLiteral("김철수")) + " <kim@example.kr>");
    ASSERT_NE(HistoryFile(HistoryFile::Kind::Sent).read(3)->correspondentCell().trimmed(),
              QStringLiteral("김철수 <kim@example.kr>"));

    open(HistoryFile::Kind::Sent);
    draw();
    EXPECT_EQ(cell(1, 0), QStringLiteral("今日も🎉"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("hanako@example.jp"));
    EXPECT_EQ(cell(2, 0), QStringLiteral("件名"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("plain@example.jp"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("𠮷"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("김철수 <kim@example.kr>"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("2026/12/07  10:00:00"));
}

TEST_F(MailListRows, AMissingLinkedFileShowsTheRecordUntilTheFileIsBackAndTheListIsFilledAgain)
{
    const QString first = receive(QStringLiteral("一通目😊"), {}, "a@example.jp");
    receive(QStringLiteral("二通目😊"), {}, "b@example.jp");
    receive(QStringLiteral("三通目😊"), {}, "c@example.jp");
    const QByteArray kept = Sandbox::readFile(first);
    ASSERT_TRUE(QFile::remove(first));

    open(HistoryFile::Kind::Received);
    draw();
    EXPECT_EQ(cell(1, 0), storedSubject(HistoryFile::Kind::Received, 1));
    EXPECT_EQ(cell(1, 0), Cp932::decode(Cp932::encode(QStringLiteral("一通目😊"))));
    EXPECT_EQ(cell(2, 0), QStringLiteral("二通目😊"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("三通目😊"));
    EXPECT_TRUE(prompt.boxes.isEmpty());

    // The file is there again after a check: the next listing shows it whole.
    Sandbox::writeFile(first, kept);
    open(HistoryFile::Kind::Received);
    draw();
    EXPECT_EQ(cell(1, 0), QStringLiteral("一通目😊"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("a@example.jp"));
}

TEST_F(MailListRows, OnlyDrawnRowsReadTheirMailsAndRowKStaysRecordK)
{
    QStringList files;
    for (int n = 1; n <= 200; ++n)
        files << receive(QStringLiteral("件名 %1 😊").arg(n), {}, QByteArray("s") + QByteArray::number(n) + "@example.jp");

    open(HistoryFile::Kind::Received);
    draw();
    EXPECT_EQ(cell(1, 0), QStringLiteral("件名 1 😊"));
    // Row 100 was never drawn, so its file was never read: gone now, its row shows the record.
    ASSERT_TRUE(QFile::remove(files[99]));
    scrollTo(100);
    EXPECT_EQ(cell(100, 0), storedSubject(HistoryFile::Kind::Received, 100));
    EXPECT_EQ(cell(99, 0), QStringLiteral("件名 99 😊"));
    EXPECT_EQ(cell(101, 1), QStringLiteral("s101@example.jp"));

    // A click on row k still shows record k, and the count is the records'.
    const QRect rect = form->mailList()->visualRect(model->index(100, 0));
    QTest::mouseClick(form->mailList()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form->selectedRow(), 101);
    EXPECT_EQ(form->subjectText(), QStringLiteral("件名 101 😊"));
    EXPECT_EQ(form->countText(), QStringLiteral("200"));
    EXPECT_EQ(form->selectionMarker(), QStringLiteral("1"));
}
