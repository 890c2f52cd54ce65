// Imports read regular files only, and each mail in them no larger than a
// check would take from a server, so no file can exhaust the memory.
#include "core/exchange/CommandLine.h"

#include "core/common/Mbox.h"
#include "core/history/HistoryFile.h"
#include "support/Sandbox.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

long peakKilobytes()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The bytes, then nothing but a hole up to size: no disk is spent on it.
void sparseFile(const QString &path, const QByteArray &head, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(size));
}

QByteArray mail(const QByteArray &subject, const QByteArray &body)
{
    return "From: a@example.jp\r\nSubject: " + subject + "\r\nDate: Mon, 7 Dec 2026 08:30:00 +0900\r\n\r\n" + body
        + "\r\n";
}

class ImportBounds : public ::testing::Test {
protected:
    CommandLine::Result run(const char *form, const QString &path)
    {
        QElapsedTimer clock;
        clock.start();
        const auto result = CommandLine::run({QString::fromLatin1(form), path});
        EXPECT_LT(clock.elapsed(), 5000) << form;
        return result;
    }
    Sandbox sandbox;
};

} // namespace

TEST_F(ImportBounds, APipeOrADeviceIsRefusedBeforeAnythingIsRead)
{
    const QString fifo = sandbox.workPath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = sandbox.workPath(QStringLiteral("zero.vcf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const long peakBefore = peakKilobytes();
    for (const char *form : {"--import-mbox", "--import-addresses"}) {
        for (const QString &path : {QStringLiteral("/dev/zero"), fifo, link}) {
            SCOPED_TRACE(std::string(form) + " " + path.toStdString());
            const auto result = run(form, path);
            EXPECT_EQ(result.status, CommandLine::kFailed);
            EXPECT_TRUE(result.error.endsWith(QStringLiteral("%1 は通常のファイルではないため取り込めません。").arg(path)))
                << qPrintable(result.error);
        }
    }
    EXPECT_LT(peakKilobytes() - peakBefore, 64 * 1024);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 0);
}

TEST_F(ImportBounds, AMailBeyondTheBoundsStopsTheImportAndKeepsTheMailsBeforeIt)
{
    const QString limits = QStringLiteral("は大きすぎるため取り込めません（1 通 512 MB、1 行 1 MB まで）。");
    // A second mail of one endless line: ten gigabytes without a line break.
    const QString endless = sandbox.workPath(QStringLiteral("endless.mbox"));
    sparseFile(endless,
               Mbox::entry("From a@example.jp Mon Dec  7 08:30:00 2026\n", mail("first", "ok"))
                   + "From b@example.jp Mon Dec  7 08:31:00 2026\n" + mail("second", ""),
               qint64(10) << 30);
    // A mail of its own that says it is larger than any mail may be.
    const QString huge = sandbox.workPath(QStringLiteral("huge.eml"));
    sparseFile(huge, mail("huge", ""), qint64(600) << 20);
    // A line just over a megabyte, in a mail of its own and in an mbox.
    const QByteArray longLine = mail("long", QByteArray((1 << 20) + 1, 'x'));
    const QString longEml = sandbox.workPath(QStringLiteral("long.eml"));
    Sandbox::writeFile(longEml, longLine);
    const QString longMbox = sandbox.workPath(QStringLiteral("long.mbox"));
    Sandbox::writeFile(longMbox, Mbox::entry("From a@example.jp Mon Dec  7 08:30:00 2026\n", longLine));

    const struct {
        QString path;
        QString said;
        int imported;
    } cases[] = {
        {endless, QStringLiteral("%1 の 2 通目のメール").arg(endless) + limits, 1},
        {huge, QStringLiteral("%1 のメール").arg(huge) + limits, 0},
        {longEml, QStringLiteral("%1 のメール").arg(longEml) + limits, 0},
        {longMbox, QStringLiteral("%1 の 1 通目のメール").arg(longMbox) + limits, 0},
    };
    const long peakBefore = peakKilobytes();
    int stored = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const auto result = run("--import-mbox", c.path);
        EXPECT_EQ(result.status, CommandLine::kFailed);
        EXPECT_EQ(result.error, QStringLiteral("メールを取り込めませんでした（%1 通は取り込み済みです）。%2")
                                    .arg(c.imported)
                                    .arg(c.said));
        stored += c.imported;
        EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), stored);
    }
    EXPECT_LT(peakKilobytes() - peakBefore, 64 * 1024);

    // A line of exactly a megabyte is still a line.
    const QString justFits = sandbox.workPath(QStringLiteral("fits.eml"));
    Sandbox::writeFile(justFits, mail("fits", QByteArray((1 << 20) - 1, 'x')));
    EXPECT_EQ(run("--import-mbox", justFits).status, CommandLine::kDone);
}
