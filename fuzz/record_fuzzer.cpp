// A history or address book file from disk: any bytes as records, through the
// record file's readers and the field decoders the windows use. A record
// written back and read again gives the same fields.
#include "FuzzSupport.h"

#include "core/addressbook/AddressBookRecord.h"
#include "core/common/RecordFile.h"
#include "core/history/HistoryRecord.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

void checkHistory(const QByteArray &bytes)
{
    const HistoryRecord read = HistoryRecord::fromBytes(bytes);
    for (const QString &field : {read.Subject, read.MailDate, read.Correspondent, read.Body})
        fuzz::requireValidUtf16(field);
    fuzz::requireValidUtf16(read.subjectCell());
    fuzz::requireValidUtf16(read.dateCell());
    fuzz::requireValidUtf16(read.correspondentCell());
    // Once written, a record reads back as itself.
    const QByteArray written = read.toBytes();
    fuzz::require(written.size() == HistoryRecord::kSize, "history record size");
    const HistoryRecord again = HistoryRecord::fromBytes(written);
    const QByteArray rewritten = again.toBytes();
    const HistoryRecord third = HistoryRecord::fromBytes(rewritten);
    fuzz::require(rewritten == third.toBytes(), "history record bytes change when written again");
    const HistoryRecord a = again.trimmed();
    const HistoryRecord b = third.trimmed();
    fuzz::require(a.Subject == b.Subject && a.MailDate == b.MailDate && a.Correspondent == b.Correspondent
                      && a.Body == b.Body && a.LiveFlag == b.LiveFlag,
                  "history record fields change when written and read back");
    fuzz::require(HistoryRecord::fromBytes(read.toBytes(true)).LiveFlag == read.LiveFlag, "live flag");
}

void checkAddress(const QByteArray &bytes)
{
    const AddressBookRecord read = AddressBookRecord::fromBytes(bytes);
    fuzz::requireValidUtf16(read.PersonName);
    fuzz::requireValidUtf16(read.MailAddress);
    const QByteArray written = read.toBytes();
    fuzz::require(written.size() == AddressBookRecord::kSize, "address record size");
    const AddressBookRecord again = AddressBookRecord::fromBytes(written);
    const AddressBookRecord third = AddressBookRecord::fromBytes(again.toBytes());
    fuzz::require(again.PersonName == third.PersonName && again.MailAddress == third.MailAddress
                      && again.LiveFlag == third.LiveFlag && again.toBytes() == third.toBytes(),
                  "address record fields change when written and read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = fuzz::bytes(data, size);
    fuzz::AllocationBound bound(size, 16, 4u << 20);

    // Short inputs stand for a record's start; the rest is padded so the body is read too.
    QByteArray history = raw;
    if (history.size() < HistoryRecord::kSize)
        history += QByteArray(HistoryRecord::kSize - history.size(), ' ');
    checkHistory(raw);
    checkHistory(history.left(HistoryRecord::kSize));
    QByteArray address = raw;
    if (address.size() < AddressBookRecord::kSize)
        address += QByteArray(AddressBookRecord::kSize - address.size(), ' ');
    checkAddress(address.left(AddressBookRecord::kSize));

    // The bytes as a file of address records, the way the book lists and compacts it.
    const QString path = fuzz::scratch() + QStringLiteral("/records.data");
    fuzz::writeFile(path, raw);
    RecordFile file(path, AddressBookRecord::kSize, AddressBookRecord::kLiveFlagOffset);
    const int whole = file.wholeRecords();
    fuzz::require(whole == static_cast<int>(raw.size() / AddressBookRecord::kSize), "whole records");
    const QByteArray heads = file.readHeads(AddressBookRecord::kFieldWidth);
    fuzz::require(heads.size() == qsizetype(whole) * AddressBookRecord::kFieldWidth, "heads");
    for (int n = 1; n <= whole && n <= 64; ++n) {
        const auto record = file.read(n);
        fuzz::require(record && record->size() == AddressBookRecord::kSize, "record read");
        checkAddress(*record);
    }
    fuzz::require(!file.read(whole + 1), "a record past the end");
    const auto compacted = file.compact(fuzz::scratch() + QStringLiteral("/records.tmp"), {1});
    fuzz::require(compacted.ok, "compact");
    fuzz::require(file.length() % AddressBookRecord::kSize == 0, "a compacted file holds whole records");
    return 0;
}
