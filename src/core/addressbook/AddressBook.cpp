#include "core/addressbook/AddressBook.h"

#include "core/common/AppPaths.h"
#include "core/common/OneLine.h"

AddressBook::AddressBook()
    : AddressRecords(AppPaths::resolve(AppPaths::kAddressBook)),
      m_tmpPath(AppPaths::resolve(AppPaths::kAddressBookTmp))
{
}

RecordFile::Result AddressBook::append(const QString &name, const QString &address)
{
    AddressBookRecord record;
    record.PersonName = OneLine::clean(name);
    record.MailAddress = OneLine::clean(address);
    return m_file.append(record.toBytes());
}

RecordFile::Result AddressBook::remove(int n)
{
    // Dropping the record during the rewrite, rather than marking it first,
    // leaves the book untouched when the rewrite fails.
    return m_file.compact(m_tmpPath, {n});
}

RecordFile::Result AddressBook::compact()
{
    return m_file.compact(m_tmpPath);
}

AddressList::AddressList() : AddressRecords(AppPaths::resolve(AppPaths::kAddressList))
{
}
