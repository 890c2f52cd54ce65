#include "core/addressbook/AddressRecords.h"

#include "core/common/FixedField.h"

AddressRecords::AddressRecords(QString path)
    : m_file(std::move(path), AddressBookRecord::kSize, AddressBookRecord::kLiveFlagOffset)
{
}

std::optional<AddressBookRecord> AddressRecords::read(int n) const
{
    const auto bytes = m_file.read(n);
    if (!bytes)
        return std::nullopt;
    return AddressBookRecord::fromBytes(*bytes);
}

void AddressRecords::forEach(
    const std::function<bool(int, const AddressBookRecord &)> &visit) const
{
    const QByteArray all = m_file.readHeads(AddressBookRecord::kSize);
    const int records = static_cast<int>(all.size() / AddressBookRecord::kSize);
    for (int n = 1; n <= records; ++n) {
        const QByteArray bytes = all.mid(qsizetype(n - 1) * AddressBookRecord::kSize, AddressBookRecord::kSize);
        if (!visit(n, AddressBookRecord::fromBytes(bytes)))
            break;
    }
}

QList<AddressRecords::WindowRow> AddressRecords::windowRows() const
{
    m_file.ensureExists();
    QList<WindowRow> rows;
    forEach([&](int, const AddressBookRecord &record) {
        rows.append({FixedField::cutAtNul(record.MailAddress),
                     FixedField::cutAtNul(record.PersonName)});
        return true;
    });
    return rows;
}

QList<AddressRecords::NameEntry> AddressRecords::nameEntries() const
{
    m_file.ensureExists();
    QList<NameEntry> entries;
    forEach([&](int n, const AddressBookRecord &record) {
        entries.append({n, record.PersonName});
        return true;
    });
    return entries;
}

std::optional<AddressRecords::BoxTexts> AddressRecords::boxTexts(int n) const
{
    const auto record = read(n);
    if (!record)
        return std::nullopt;
    return BoxTexts{FixedField::trimSpaces(record->PersonName),
                    FixedField::trimSpaces(record->MailAddress)};
}

std::optional<QString> AddressRecords::pickAddress(int n) const
{
    const auto record = read(n);
    if (!record)
        return std::nullopt;
    return FixedField::trimSpaces(record->MailAddress.left(kPickLength));
}

std::optional<QString> AddressRecords::bulkAddress(int n) const
{
    const auto record = read(n);
    if (!record)
        return std::nullopt;
    return FixedField::trimTrailingSpaces(record->MailAddress);
}
