// The files a check leaves behind, from disk: the id files (uidl-*.txt) and the
// receive journal that the next start settles. Ids written and read back are
// the same ids; a journal, whatever it says, never touches a file outside the
// installation and leaves the history whole records long.
#include "FuzzSupport.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceiveJournal.h"
#include "core/history/ReceivedMailIds.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

QByteArray record(int n)
{
    HistoryRecord r;
    r.Subject = QStringLiteral("件名 %1").arg(n);
    r.MailDate = QStringLiteral("2026/12/07 08:30");
    r.Correspondent = QStringLiteral("from@example.jp");
    r.Body = QStringLiteral("本文");
    return r.toBytes();
}

void checkIds(const QByteArray &raw)
{
    const QString path = AppPaths::resolve(AppPaths::kDataFolder + QStringLiteral("\\uidl-fuzz.txt"));
    fuzz::writeFile(path, raw);
    ReceivedMailIds ids = ReceivedMailIds::atPath(path);
    bool whole = false;
    const ReceivedMailIds::Ids read = ids.load(&whole);
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        fuzz::require(ReceivedMailIds::isUsable(it.key()), "an unusable id was read");
    fuzz::require(ids.rewrite(read), "rewrite");
    bool again = false;
    fuzz::require(ids.load(&again) == read && again, "ids change when written and read back");
}

// "@SUM1@" and "@SUM2@" stand for the digests of the two records on disk, so that
// the fuzzer reaches the journal's confirmed records too.
void checkJournal(QByteArray journal)
{
    const QByteArray first = record(1);
    const QByteArray second = record(2);
    journal.replace("@SUM1@", QCryptographicHash::hash(first, QCryptographicHash::Sha256).toHex());
    journal.replace("@SUM2@", QCryptographicHash::hash(second, QCryptographicHash::Sha256).toHex());
    const QString history = HistoryFile(HistoryFile::Kind::Received).path();
    fuzz::writeFile(history, first + second + QByteArray("torn tail"));
    // A file outside the folders a check writes, named by the journal in the seeds.
    const QString outside = fuzz::scratch() + QStringLiteral("/outside.txt");
    fuzz::writeFile(outside, "keep me\n");
    fuzz::writeFile(ReceiveJournal::path(), journal);

    const ReceiveJournal::Recovery recovery = ReceiveJournal::recover();
    fuzz::require(recovery.found, "journal not found");
    fuzz::requireValidUtf16(recovery.error);
    fuzz::require(recovery.confirmed >= 0 && recovery.confirmed <= 2 && recovery.dropped >= 0, "counts");
    const QString files = QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).absolutePath();
    for (const QString &removed : recovery.removed)
        fuzz::require(QFileInfo(removed).absolutePath() == files, "a journal removed a file outside its folder");
    QFile kept(outside);
    fuzz::require(kept.open(QIODevice::ReadOnly) && kept.readAll() == "keep me\n",
                  "a journal changed a file outside the installation");
    if (recovery.error.isEmpty())
        fuzz::require(!QFileInfo::exists(ReceiveJournal::path()), "a settled journal stays");
    QFile::remove(ReceiveJournal::path());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = fuzz::bytes(data, size);
    fuzz::AllocationBound bound(size, 32);
    checkIds(raw);
    checkJournal(raw);
    return 0;
}
