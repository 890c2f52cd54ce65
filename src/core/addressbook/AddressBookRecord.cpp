#include "core/addressbook/AddressBookRecord.h"

#include "core/common/Cp932.h"
#include "core/common/RecordFile.h"

namespace {

QString readField(const char *data)
{
    QString text = Cp932::decode(data, AddressBookRecord::kFieldWidth);
    // Double-byte text decodes to fewer characters; in memory a field is always 90 wide.
    if (text.size() < AddressBookRecord::kFieldWidth)
        text.append(QString(AddressBookRecord::kFieldWidth - text.size(), u' '));
    return text;
}

} // namespace

QByteArray AddressBookRecord::fitField(const QString &text)
{
    return Cp932::fit(text.left(kFieldWidth), kFieldWidth);
}

QByteArray AddressBookRecord::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(kSize);
    bytes += fitField(PersonName);
    bytes += "\r\n";
    bytes += QByteArray(2, '\0');
    RecordFile::setLiveFlag(bytes, kLiveFlagOffset, LiveFlag);
    bytes += fitField(MailAddress);
    return bytes;
}

AddressBookRecord AddressBookRecord::fromBytes(const QByteArray &bytes)
{
    AddressBookRecord record;
    if (bytes.size() < kSize)
        return record;
    const char *data = bytes.constData();
    record.PersonName = readField(data + kNameOffset);
    record.MailAddress = readField(data + kAddressOffset);
    const auto lo = static_cast<unsigned char>(data[kLiveFlagOffset]);
    const auto hi = static_cast<unsigned char>(data[kLiveFlagOffset + 1]);
    record.LiveFlag = static_cast<qint16>(lo | (hi << 8));
    return record;
}
