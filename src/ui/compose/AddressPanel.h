#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The compose window's address list: the names shown and, for each, the
// record it came from (`ListRecordNumbers`, with its spare last element).
class AddressPanel {
public:
    AddressPanel();

    // The load step: names from the read-only address list.
    void fillFromAddressList();
    // The address book button: names from the address book.
    void fillFromAddressBook();

    const QStringList &names() const { return m_names; }
    int count() const { return static_cast<int>(m_names.size()); }
    const QList<qint16> &ListRecordNumbers() const { return m_numbers; }

    // The To box text for entry k (from 0): the first 60 characters of the
    // address, trimmed; nothing when the book no longer holds that record.
    std::optional<QString> pick(int k) const;

    static const QString &nothingSelected();

private:
    template <class Records>
    void fill(const Records &records);

    QStringList m_names;
    QList<qint16> m_numbers;
};
