// A mail takes regular files of a bounded size along, and nothing else: a
// device, a pipe or a huge file is refused at once, before any of it is read.
#include "core/mail/mime/AttachmentFile.h"
#include "core/mail/mime/MimeWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QDateTime kDate(QDate(2026, 12, 7), QTime(9, 30, 5), Qt::OffsetFromUTC, 9 * 3600);

// A file of that size whose blocks were never written: it costs no disk.
bool sparseFile(const QString &path, qint64 size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const bool ok = fd >= 0 && ::ftruncate(fd, size) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

long peakKilobytes()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST(AttachmentBounds, WhatIsNoRegularFileOfABoundedSizeIsRefusedAtOnceWithItsName)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, dir.filePath(QStringLiteral("link to pipe"))));
    ASSERT_TRUE(sparseFile(dir.filePath(QStringLiteral("10 GB.iso")), qint64(10) << 30));
    ASSERT_TRUE(sparseFile(dir.filePath(QStringLiteral("just over.bin")), AttachmentFile::kMaxFileBytes + 1));

    const QString notRegular = QStringLiteral("%1 は通常のファイルではないため添付できません。");
    const QString tooLarge = QStringLiteral("%1 は大きすぎるため添付できません（1 ファイル 100 MB まで）。");
    const struct {
        QString path;
        QString error;
    } cases[] = {
        {QStringLiteral("/dev/zero"), notRegular},
        {fifo, notRegular},
        {dir.filePath(QStringLiteral("link to pipe")), notRegular},
        {dir.path(), notRegular},
        {dir.filePath(QStringLiteral("10 GB.iso")), tooLarge},
        {dir.filePath(QStringLiteral("just over.bin")), tooLarge},
        // Says it is empty, yet has text to read: it changed while read.
        {QStringLiteral("/proc/self/status"), QStringLiteral("%1 は読み込み中に変わったため添付できませんでした。")},
    };
    const long peakBefore = peakKilobytes();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        OutgoingMail mail;
        mail.to = QStringLiteral("to@example.jp");
        mail.from = QStringLiteral("me@example.jp");
        mail.body = QStringLiteral("本文");
        mail.attachments = c.path;
        QString error;
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(MimeWriter::build(mail, kDate, &error).has_value());
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(error, c.error.arg(c.path));
        // The window judges the same before anything is attached, without opening the file.
        if (c.path != QLatin1String("/proc/self/status"))
            EXPECT_EQ(AttachmentFile::refusal(c.path), c.error.arg(c.path));
    }
    EXPECT_LT(peakKilobytes() - peakBefore, 64 * 1024);
}

TEST(AttachmentBounds, TheFilesOfOneMailShareItsLimit)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("0123456789");
    out.close();

    const QString tooMuch = QStringLiteral("%1 を添付すると添付ファイルの合計が大きすぎます（1 通 200 MB まで）。").arg(file);
    qint64 budget = 10;
    QString error;
    EXPECT_EQ(AttachmentFile::read(file, budget, &error), QByteArray("0123456789"));
    EXPECT_EQ(budget, 0);
    EXPECT_FALSE(AttachmentFile::read(file, budget, &error));
    EXPECT_EQ(error, tooMuch);
    EXPECT_EQ(AttachmentFile::refusal(file, AttachmentFile::kMaxMailBytes - 9), tooMuch);
    EXPECT_TRUE(AttachmentFile::refusal(file, AttachmentFile::kMaxMailBytes - 10).isEmpty());
    EXPECT_EQ(AttachmentFile::sizeOf({file, file, QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("gone"))}), 20);
}
