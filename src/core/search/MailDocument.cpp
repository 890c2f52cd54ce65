#include "core/search/MailDocument.h"

#include "core/common/FixedField.h"
#include "core/history/RecordText.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

constexpr qint64 kMaxMailBytes = qint64(256) << 20;

struct Extras {
    QString to;
    QString from;
    QString files;
};

// What the history window shows of a kept mail beyond its text: its addresses
// and the names of its attachments.
Extras extrasOf(const HistoryRecord &record)
{
    Extras extras;
    const auto path = WholeMailLink::linkedFile(record);
    if (!path)
        return extras;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxMailBytes)
        return extras;
    const MimeContent content = MimeReader::read(file.readAll());
    QStringList to;
    for (const char *name : {"To", "Cc"}) {
        const QByteArray value = MimeReader::headerValue(content.rawHeader, name);
        if (!value.isEmpty())
            to << Charsets::decodeHeader(value);
    }
    extras.to = to.join(u'\n');
    extras.from = content.from;
    QStringList names;
    for (const auto &attachment : content.attachments)
        names << attachment.name;
    extras.files = names.join(u'\n');
    return extras;
}

} // namespace

MailDocument MailDocument::of(HistoryFile::Kind kind, const HistoryRecord &stored)
{
    const HistoryRecord record = stored.trimmed();
    const QString raw = record.Correspondent;
    MailDocument doc;
    doc.subject = RecordText::forScreen(record.Subject, raw);
    doc.correspondent = RecordText::forScreen(FixedField::cutAtNul(record.Correspondent), raw);
    doc.dateText = RecordText::forScreen(FixedField::cutAtNul(record.MailDate), raw);
    doc.body = RecordText::forScreen(record.Body, raw);
    QString correspondent = doc.correspondent;
    if (!WholeMailLink::find(record.Body).isEmpty()) {
        if (const auto whole = WholeMailLink::read(record, kind)) {
            doc.subject = whole->subject;
            doc.body = whole->body;
            correspondent = whole->correspondent;
            doc.correspondent = whole->correspondent;
            const Extras extras = extrasOf(record);
            doc.files = extras.files;
            if (kind != HistoryFile::Kind::Sent) {
                doc.recipients = extras.to;
            } else {
                doc.sender = extras.from;
                if (!extras.to.isEmpty() && !extras.to.contains(correspondent))
                    correspondent += u'\n' + extras.to;
            }
        }
    }
    if (kind != HistoryFile::Kind::Sent)
        doc.sender = correspondent;
    else
        doc.recipients = correspondent;
    doc.time = timeOf(doc.dateText);
    return doc;
}

qint64 MailDocument::timeOf(const QString &dateText)
{
    const QString text = dateText.trimmed();
    QDateTime moment = QDateTime::fromString(text, Qt::RFC2822Date);
    if (!moment.isValid()) {
        // The sent history's clock text: the short date, then the time.
        static const QRegularExpression clock(
            QStringLiteral("(\\d{4})[/.-](\\d{1,2})[/.-](\\d{1,2})\\D+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?"));
        const auto match = clock.match(text);
        if (match.hasMatch()) {
            const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
            const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
            moment = QDateTime(date, time);
        }
    }
    return moment.isValid() ? moment.toSecsSinceEpoch() : 0;
}

qint64 MailDocument::fingerprint(const QByteArray &headBytes)
{
    // FNV-1a: the same on every build, as the index outlives the program.
    quint64 hash = 14695981039346656037ULL;
    for (const char c : headBytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return static_cast<qint64>(hash);
}
