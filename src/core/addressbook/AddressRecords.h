#pragma once

#include "core/addressbook/AddressBookRecord.h"
#include "core/common/RecordFile.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A file of address book records, read the way each of its readers needs it.
// Every call opens and closes the file; record numbers start at 1.
class AddressRecords {
public:
    // A row of the address book window: the address, then the name, each cut
    // at its first NUL with the pad spaces left in place.
    struct WindowRow {
        QString address;
        QString name;
    };

    // The name and address boxes' view of one record: spaces removed at both ends.
    struct BoxTexts {
        QString name;
        QString address;
    };

    // An entry of the compose window's address list: the name exactly as stored
    // (90 characters with its pad spaces) and the record it came from.
    struct NameEntry {
        int number = 0;
        QString name;
    };

    // The address the compose window's pick puts into the To box.
    static constexpr int kPickLength = 60;

    explicit AddressRecords(QString path);
    virtual ~AddressRecords() = default;

    const QString &path() const { return m_file.path(); }

    // Whole records only: a trailing partial record is never read.
    int count() const { return m_file.wholeRecords(); }

    // Record n as stored, or nothing past the end of the file.
    std::optional<AddressBookRecord> read(int n) const;

    // Every whole record in file order, live or not; stops when visit returns false.
    void forEach(const std::function<bool(int n, const AddressBookRecord &record)> &visit) const;

    // The listings create the file empty when it is missing.
    QList<WindowRow> windowRows() const;
    QList<NameEntry> nameEntries() const;

    std::optional<BoxTexts> boxTexts(int n) const;
    // The first 60 characters of the address, spaces removed at both ends.
    std::optional<QString> pickAddress(int n) const;
    // The address with its trailing spaces removed, for bulk sending.
    std::optional<QString> bulkAddress(int n) const;

protected:
    mutable RecordFile m_file;
};
