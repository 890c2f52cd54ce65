#pragma once

#include <QByteArray>
#include <QString>

// One mail of a history file: 32284 bytes of fixed CP932 fields padded with
// spaces, a CR LF and a 16-bit little-endian live flag.
struct HistoryRecord {
    static constexpr int kSize = 32284;
    static constexpr int kSubjectOffset = 0;
    static constexpr int kSubjectWidth = 100;
    static constexpr int kDateOffset = 100;
    static constexpr int kDateWidth = 90;
    static constexpr int kCorrespondentOffset = 190;
    static constexpr int kCorrespondentWidth = 90;
    static constexpr int kBodyOffset = 280;
    static constexpr int kBodyWidth = 32000;
    static constexpr int kLineEndOffset = 32280;
    static constexpr int kLiveFlagOffset = 32282;
    // What a listing reads of each record.
    static constexpr int kHeadSize = kBodyOffset;

    QString Subject;
    QString MailDate;
    QString Correspondent;  // received: the sender; sent: the To box
    QString Body;
    qint16 LiveFlag = 1;

    // Fields are trimmed of spaces at both ends and fitted to their widths;
    // keepDate stores MailDate exactly as it stands (the sent mail's clock text).
    QByteArray toBytes(bool keepDate = false) const;

    // The fields as stored, padding kept. Given only a head (280 bytes), the
    // body stays empty.
    static HistoryRecord fromBytes(const QByteArray &bytes);

    // The list cells: fields cut at their first NUL, padding kept.
    QString subjectCell() const;
    QString dateCell() const;
    QString correspondentCell() const;

    // The same fields trimmed of spaces at both ends, as the boxes show them.
    HistoryRecord trimmed() const;
};
