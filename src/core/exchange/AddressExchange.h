#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The address book as the cards and lists other programs and phones write:
// vCard 2.1 (Shift_JIS or UTF-8, quoted-printable), 3.0 and 4.0, and CSV with a
// header line in the column names of the common mail programs.
namespace AddressExchange {

struct Entry {
    QString name;
    QString address;
    bool operator==(const Entry &) const = default;
};

// Text of a file whose charset nobody labelled: UTF-8 (with or without BOM),
// UTF-16 with BOM, else Shift_JIS (CP932).
QString decodeText(const QByteArray &bytes);

// One entry per address of every card; a card without an address gives none.
QList<Entry> parseVCards(const QByteArray &bytes);
// Nothing, with error set, when the header line names no address column.
std::optional<QList<Entry>> parseCsv(const QByteArray &bytes, QString *error);
// A vCard file or a CSV file, by its content.
std::optional<QList<Entry>> parse(const QByteArray &bytes, QString *error);

// vCard 3.0 in UTF-8, lines folded at 75 bytes.
QByteArray writeVCards(const QList<Entry> &entries);
// UTF-8 with a BOM, a "Name,E-mail Address" header line, CR LF.
QByteArray writeCsv(const QList<Entry> &entries);

// Why an entry cannot be stored as it is, or empty when it fits a record.
QString whyItDoesNotFit(const Entry &entry);

struct Rejected {
    Entry entry;
    QString reason;
};

struct ImportOutcome {
    bool ok = false;
    int added = 0;
    int alreadyThere = 0;  // same name and address already in the book
    QList<Rejected> rejected;
    bool full = false;     // the book reached its last record number
    QString error;         // the file could not be read or understood
};

// Adds every entry of a vCard or CSV file at the end of the address book.
// Entries already in the book are skipped; entries that do not fit a record
// are left out and listed, never cut.
ImportOutcome importFile(const QString &path);
// The one text that says what an import did and what it left out.
QString summary(const ImportOutcome &outcome);

struct ExportOutcome {
    bool ok = false;
    int count = 0;
    QString error;
};

// Whether a file name asks for CSV (".csv") rather than vCard.
bool isCsvName(const QString &path);
// Every entry of the book into a vCard (.vcf) or CSV (.csv) file.
ExportOutcome exportFile(const QString &path);

// The book's entries as a card carries them: a name-card address gives its
// bare address, and its card name when the record has no name.
QList<Entry> bookEntries();

} // namespace AddressExchange
