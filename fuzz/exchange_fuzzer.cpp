// Files the user imports from other programs and phones: an mbox, vCards and
// CSV address lists. Entries written out and read back are the same entries.
#include "FuzzSupport.h"

#include "core/exchange/AddressExchange.h"
#include "core/common/Mbox.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::startApplication(argc, argv);
    fuzz::AllocationBound::install();
    fuzz::scratch();
    return 0;
}

namespace {

void checkEntries(const QList<AddressExchange::Entry> &entries)
{
    for (const AddressExchange::Entry &entry : entries) {
        fuzz::requireValidUtf16(entry.name);
        fuzz::requireValidUtf16(entry.address);
        fuzz::requireValidUtf16(AddressExchange::whyItDoesNotFit(entry));
    }
}

// Written as a card and as a list, the entries read back as themselves.
void checkRoundTrip(const QList<AddressExchange::Entry> &entries)
{
    QList<AddressExchange::Entry> plain;
    for (const AddressExchange::Entry &entry : entries) {
        // Line breaks and surrounding spaces are no part of a name or an address.
        if (entry.address.trimmed() != entry.address || entry.name.trimmed() != entry.name
            || entry.address.isEmpty() || entry.name.contains(u'\n') || entry.name.contains(u'\r')
            || entry.address.contains(u'\n') || entry.address.contains(u'\r')
            // A list cell may hold several addresses apart by these; no address holds them.
            || entry.address.contains(u';') || entry.address.contains(u',') || entry.address.contains(u' ')
            || entry.address.contains(QStringLiteral(":::")))
            continue;
        plain << entry;
    }
    const QList<AddressExchange::Entry> cards = AddressExchange::parseVCards(AddressExchange::writeVCards(plain));
    if (cards != plain) {
        for (const auto &entry : plain)
            fprintf(stderr, "wrote [%s] [%s]\n", qPrintable(entry.name), qPrintable(entry.address));
        for (const auto &entry : cards)
            fprintf(stderr, "read  [%s] [%s]\n", qPrintable(entry.name), qPrintable(entry.address));
        fuzz::fail("entries change when written as vCards and read back");
    }
    QString error;
    const auto csv = AddressExchange::parseCsv(AddressExchange::writeCsv(plain), &error);
    if (!csv || *csv != plain) {
        for (const auto &entry : plain)
            fprintf(stderr, "wrote [%s] [%s]\n", qPrintable(entry.name), qPrintable(entry.address));
        for (const auto &entry : csv.value_or(QList<AddressExchange::Entry>{}))
            fprintf(stderr, "read  [%s] [%s]\n", qPrintable(entry.name), qPrintable(entry.address));
        fuzz::fail("entries change when written as CSV and read back");
    }
}

void checkMbox(const QByteArray &raw)
{
    const QString path = fuzz::scratch() + QStringLiteral("/import.mbox");
    fuzz::writeFile(path, raw);
    (void)Mbox::Reader::looksLikeMbox(raw.left(1024));
    Mbox::Reader reader(path);
    if (!reader.open()) {
        fuzz::requireValidUtf16(reader.error());
        return;
    }
    qsizetype total = 0;
    QList<QByteArray> messages;
    while (const auto message = reader.next()) {
        total += message->size();
        fuzz::require(total <= raw.size(), "messages longer than the file");
        messages << *message;
    }
    fuzz::requireValidUtf16(reader.error());
    // Written again as mboxrd, the same messages come back.
    QByteArray out;
    for (const QByteArray &message : std::as_const(messages))
        Mbox::appendEntry(out, Mbox::separator("fuzz@example.jp", QDateTime::fromSecsSinceEpoch(0, Qt::UTC)), message);
    fuzz::writeFile(path, out);
    Mbox::Reader again(path);
    fuzz::require(messages.isEmpty() || again.open(), "a written mbox does not open");
    for (const QByteArray &message : std::as_const(messages)) {
        const auto read = again.next();
        fuzz::require(read.has_value(), "a written message is missing");
        QByteArray expected = message;
        if (!expected.endsWith('\n'))
            expected += '\n';
        fuzz::require(*read == expected || *read == message, "a message changes when written and read back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = fuzz::bytes(data, size);
    fuzz::AllocationBound bound(size, 64);
    fuzz::requireValidUtf16(AddressExchange::decodeText(raw));
    const QList<AddressExchange::Entry> cards = AddressExchange::parseVCards(raw);
    checkEntries(cards);
    QString error;
    const auto csv = AddressExchange::parseCsv(raw, &error);
    fuzz::requireValidUtf16(error);
    if (csv)
        checkEntries(*csv);
    const auto either = AddressExchange::parse(raw, &error);
    if (either)
        checkEntries(*either);
    checkRoundTrip(cards);
    if (csv)
        checkRoundTrip(*csv);
    checkMbox(raw);
    return 0;
}
