#pragma once

#include "core/addressbook/AddressRecords.h"

// The address book "Tlvdata20.data", whichever letter case it has on disk.
class AddressBook : public AddressRecords {
public:
    AddressBook();

    // Stores a new record at the end, fitting both texts to their fields.
    // Nothing is validated; an address already in the book is stored again.
    // Refused with a message past the last record number.
    RecordFile::Result append(const QString &name, const QString &address);

    // Removes record n; the records after it move up one number.
    RecordFile::Result remove(int n);

    // Rewrites the book without records marked for removal and without a
    // trailing partial record; the survivors keep their order and bytes.
    RecordFile::Result compact();

private:
    QString m_tmpPath;
};

// The read-only address list "TLVASTER20.INI": the same records, never written.
class AddressList : public AddressRecords {
public:
    AddressList();
};
