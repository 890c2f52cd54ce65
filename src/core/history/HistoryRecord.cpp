#include "core/history/HistoryRecord.h"

#include "core/common/Cp932.h"
#include "core/common/FixedField.h"
#include "core/common/RecordFile.h"

QByteArray HistoryRecord::toBytes(bool keepDate) const
{
    // Every field is written in place: a mail's record is one buffer, never pieces joined.
    QByteArray bytes(kSize, Qt::Uninitialized);
    char *data = bytes.data();
    Cp932::fitInto(FixedField::trimSpaces(Subject), kSubjectWidth, data + kSubjectOffset);
    Cp932::fitInto(keepDate ? MailDate : FixedField::trimSpaces(MailDate), kDateWidth, data + kDateOffset);
    Cp932::fitInto(FixedField::trimSpaces(Correspondent), kCorrespondentWidth, data + kCorrespondentOffset);
    Cp932::fitInto(FixedField::trimSpaces(Body), kBodyWidth, data + kBodyOffset);
    data[kLineEndOffset] = '\r';
    data[kLineEndOffset + 1] = '\n';
    RecordFile::setLiveFlag(bytes, kLiveFlagOffset, LiveFlag);
    return bytes;
}

HistoryRecord HistoryRecord::fromBytes(const QByteArray &bytes)
{
    HistoryRecord record;
    if (bytes.size() < kHeadSize)
        return record;
    const char *data = bytes.constData();
    record.Subject = Cp932::decode(data + kSubjectOffset, kSubjectWidth);
    record.MailDate = Cp932::decode(data + kDateOffset, kDateWidth);
    record.Correspondent = Cp932::decode(data + kCorrespondentOffset, kCorrespondentWidth);
    if (bytes.size() >= kSize) {
        record.Body = Cp932::decode(data + kBodyOffset, kBodyWidth);
        const auto lo = static_cast<unsigned char>(data[kLiveFlagOffset]);
        const auto hi = static_cast<unsigned char>(data[kLiveFlagOffset + 1]);
        record.LiveFlag = static_cast<qint16>(lo | (hi << 8));
    }
    return record;
}

HistoryRecord HistoryRecord::trimmed() const
{
    return {FixedField::trimSpaces(Subject), FixedField::trimSpaces(MailDate),
            FixedField::trimSpaces(Correspondent), FixedField::trimSpaces(Body), LiveFlag};
}

QString HistoryRecord::subjectCell() const
{
    return FixedField::cutAtNul(Subject);
}

QString HistoryRecord::dateCell() const
{
    return FixedField::cutAtNul(MailDate);
}

QString HistoryRecord::correspondentCell() const
{
    return FixedField::cutAtNul(Correspondent);
}
