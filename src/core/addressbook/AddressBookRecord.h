#pragma once

#include <QByteArray>
#include <QString>

// One person of the address book: 184 bytes of the name, a CR LF, a 16-bit
// little-endian live flag and the mail address. The name comes first on disk
// although the window shows the address first.
struct AddressBookRecord {
    static constexpr int kSize = 184;
    static constexpr int kNameOffset = 0;
    static constexpr int kLineEndOffset = 90;
    static constexpr int kLiveFlagOffset = 92;
    static constexpr int kAddressOffset = 94;
    static constexpr int kFieldWidth = 90;

    // Fixed-width 90-character values, as read: pad spaces kept.
    QString PersonName;
    QString MailAddress;  // a bare address or the name-card form "name<address>"
    qint16 LiveFlag = 1;

    // Each text is cut or padded to 90 characters and its first 90 CP932 bytes
    // kept; a double-byte character that would straddle byte 90 becomes a space.
    QByteArray toBytes() const;

    static AddressBookRecord fromBytes(const QByteArray &bytes);

    // One text field as it is stored: exactly 90 bytes.
    static QByteArray fitField(const QString &text);
};
