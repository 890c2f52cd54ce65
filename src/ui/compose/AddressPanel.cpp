#include "ui/compose/AddressPanel.h"

#include "core/addressbook/AddressBook.h"

AddressPanel::AddressPanel() : m_numbers{0} {}

const QString &AddressPanel::nothingSelected()
{
    static const QString text = QStringLiteral("データが選択されていません");
    return text;
}

template <class Records>
void AddressPanel::fill(const Records &records)
{
    m_names.clear();
    m_numbers = {0};
    for (const auto &entry : records.nameEntries()) {
        m_names << entry.name;
        m_numbers.back() = static_cast<qint16>(entry.number);
        m_numbers << 0;
    }
}

void AddressPanel::fillFromAddressList()
{
    fill(AddressList());
}

void AddressPanel::fillFromAddressBook()
{
    fill(AddressBook());
}

std::optional<QString> AddressPanel::pick(int k) const
{
    if (k < 0 || k >= count())
        return std::nullopt;
    return AddressBook().pickAddress(m_numbers.at(k));
}
