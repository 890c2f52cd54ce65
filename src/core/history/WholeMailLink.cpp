#include "core/history/WholeMailLink.h"

#include "core/common/AppPaths.h"
#include "core/common/PrivateFolders.h"
#include "core/common/Cp932.h"
#include "core/common/FixedField.h"
#include "core/common/LineEnds.h"
#include "core/common/SafeFile.h"
#include "core/mail/mime/AttachmentWriter.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/MimeReader.h"
#include "core/mail/mime/MimeWriter.h"
#include "core/mail/mime/OutgoingMail.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace WholeMailLink {

namespace {

// A kept mail larger than this is not shown whole; the record stands in for it.
constexpr qint64 kMaxMailBytes = qint64(256) << 20;
// The stored tail of a body that can hold the link line, with room to spare.
constexpr int kLinkTailBytes = 1024;

bool roundTrips(const QString &text)
{
    return Cp932::decode(Cp932::encode(text)) == text;
}

bool fieldSurvives(const QString &text, int width)
{
    return Cp932::survives(text, width);
}

// The folder's name as a link writes it: "添付フォルダ" from "\添付フォルダ\".
QString folderName(const QString &relativeFolder)
{
    QString name = relativeFolder;
    name.remove(u'\\');
    return name;
}

QString lastLine(const QString &body)
{
    const qsizetype cut = body.lastIndexOf(u'\n');
    QString line = cut < 0 ? body : body.mid(cut + 1);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

// The link goes into a CP932 record, so its file name may hold only characters
// with a CP932 form.
QString fileNameFor(const QString &subject)
{
    QString name;
    const QString source = FixedField::trimSpaces(subject).left(40);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const bool pair = source[i].isHighSurrogate() && i + 1 < source.size() && source[i + 1].isLowSurrogate();
        const QString ch = pair ? source.mid(i, 2) : QString(source[i]);
        const bool separator = ch == QLatin1String("/") || ch == QLatin1String("\\");
        name += roundTrips(ch) && ch != QLatin1String("?") && !separator ? ch : QStringLiteral("_");
        if (pair)
            ++i;
    }
    if (FixedField::trimSpaces(name).isEmpty())
        name = QStringLiteral("mail");
    return AttachmentWriter::safeName(name + QStringLiteral(".eml"));
}

// The last line of a stored body, found in its bytes, so that the rest of its
// 32000 bytes is never decoded: only that line can be a link. A line longer than
// a link line can be gives nothing. The line keeps the line break before it, so
// that it reads as the last line of a longer body.
QString storedLastLine(const char *body, qsizetype width)
{
    qsizetype end = width;
    while (end > 0 && body[end - 1] == ' ')
        --end;
    // Neither a space nor a line feed is ever the second byte of a CP932 character.
    const qsizetype limit = qMax<qsizetype>(0, end - kLinkTailBytes);
    qsizetype begin = end;
    while (begin > limit && body[begin - 1] != '\n')
        --begin;
    if (begin == 0)
        return Cp932::decode(body, end);
    if (body[begin - 1] != '\n')
        return {};
    return u'\n' + Cp932::decode(body + begin, end - begin);
}

QString relativeOf(const QString &relativeFolder, const QString &path)
{
    return folderName(relativeFolder) + u'\\' + QFileInfo(path).fileName();
}

std::optional<QString> keepIn(const QString &relativeFolder, const QString &subject, const QByteArray &bytes,
                              QString *error)
{
    const QString folder = AppPaths::resolve(relativeFolder);
    AttachmentWriter writer(folder);
    const auto path = writer.write(fileNameFor(subject), bytes);
    if (!path && error)
        *error = writer.errorText();
    return path;
}

} // namespace

bool survives(const HistoryRecord &record, bool keepDate)
{
    const QString body = FixedField::trimSpaces(record.Body);
    return fieldSurvives(FixedField::trimSpaces(record.Subject), HistoryRecord::kSubjectWidth)
        && fieldSurvives(keepDate ? record.MailDate : FixedField::trimSpaces(record.MailDate),
                         HistoryRecord::kDateWidth)
        && fieldSurvives(FixedField::trimSpaces(record.Correspondent), HistoryRecord::kCorrespondentWidth)
        && fieldSurvives(body, HistoryRecord::kBodyWidth) && find(body).isEmpty();
}

QString lineFor(const QString &relative)
{
    return kPrefix + relative + kSuffix;
}

QString find(const QString &body)
{
    const QString line = lastLine(FixedField::trimSpaces(body));
    if (line.size() <= kPrefix.size() + kSuffix.size() || !line.startsWith(kPrefix) || !line.endsWith(kSuffix))
        return {};
    return line.mid(kPrefix.size(), line.size() - kPrefix.size() - kSuffix.size());
}

QString appendTo(const QString &body, const QString &relative)
{
    const QString tail = QStringLiteral("\r\n") + lineFor(relative);
    const qsizetype room = HistoryRecord::kBodyWidth - Cp932::encode(tail).size();
    const QString trimmed = FixedField::trimSpaces(body);
    const QByteArray bytes = Cp932::encode(trimmed);
    if (bytes.size() <= room)
        return trimmed + tail;
    // Trailing spaces of the cut body would be kept: the link line follows them.
    return Cp932::decode(Cp932::cutAtCharBoundary(bytes, qMax<qsizetype>(room, 0))) + tail;
}

std::optional<QString> resolve(const QString &relative)
{
    const QStringList parts = relative.split(u'\\');
    if (parts.size() != 2 || relative.contains(u'/') || relative.contains(QChar(0)))
        return std::nullopt;
    const QString &folder = parts[0];
    const QString &name = parts[1];
    const bool knownFolder = folder.compare(folderName(AppPaths::kAttachmentFolder), Qt::CaseInsensitive) == 0
        || folder.compare(folderName(AppPaths::kSentMailFolder), Qt::CaseInsensitive) == 0;
    if (!knownFolder || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || !name.endsWith(QLatin1String(".eml"), Qt::CaseInsensitive))
        return std::nullopt;

    const QString path = AppPaths::resolve(u'\\' + relative);
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    // A link through a symbolic link may not lead out of the program's folder.
    const QString root = QFileInfo(AppPaths::appDir()).canonicalFilePath();
    const QString real = info.canonicalFilePath();
    if (root.isEmpty() || !real.startsWith(root + u'/'))
        return std::nullopt;
    return path;
}

bool keepReceived(HistoryRecord &record, const QByteArray &raw, const QString &subject, QString *error,
                  const std::function<bool(const QString &path)> &beforeWriting)
{
    AttachmentWriter writer(AppPaths::resolve(AppPaths::kAttachmentFolder));
    std::optional<QString> path;
    for (int tries = 0; !path && tries < 100; ++tries) {
        path = writer.plan(fileNameFor(subject));
        if (!path)
            break;
        if (beforeWriting && !beforeWriting(*path)) {
            if (error)
                *error = QStringLiteral("%1: 書き込みの記録に失敗しました").arg(*path);
            return false;
        }
        if (!writer.writeAt(*path, raw)) {
            // Taken meanwhile: the next free name, noted again.
            const bool taken = QFileInfo::exists(*path);
            path.reset();
            if (!taken)
                break;
        }
    }
    if (!path) {
        if (error)
            *error = writer.errorText();
        return false;
    }
    record.Body = appendTo(record.Body, relativeOf(AppPaths::kAttachmentFolder, *path));
    return true;
}

QString reserveSent(HistoryRecord &record)
{
    if (survives(record, true))
        return {};
    PrivateFolders::make(AppPaths::resolve(AppPaths::kSentMailFolder));
    const auto path = keepIn(AppPaths::kSentMailFolder, record.Subject, {}, nullptr);
    if (!path)
        return {};
    record.Body = appendTo(record.Body, relativeOf(AppPaths::kSentMailFolder, *path));
    return *path;
}

std::optional<QByteArray> buildSent(const OutgoingMail &mail, QString *error)
{
    const auto built = MailLibrary::buildMail(mail, error);
    return built ? std::optional<QByteArray>(built->data) : std::nullopt;
}

bool fillSent(const QString &path, const QByteArray &message)
{
    if (path.isEmpty())
        return false;
    if (!message.isEmpty() && SafeFile::replace(path, message, {}, mode_t(0600)))
        return true;
    // An empty file would only stand for nothing; the record then shows as stored.
    QFile::remove(path);
    return false;
}

bool fillSent(const QString &path, const OutgoingMail &mail)
{
    return fillSent(path, buildSent(mail).value_or(QByteArray()));
}

namespace {

// The sent copy keeps the To box as typed; the message's To is only needed
// when the box's text did not fit its field.
QString sentCorrespondent(const HistoryRecord &record, const QByteArray &rawHeader)
{
    const QString to = FixedField::trimSpaces(record.Correspondent);
    const bool typedFits = Cp932::encode(to).size() < HistoryRecord::kCorrespondentWidth && !to.contains(u'?');
    return typedFits ? to : Charsets::decodeHeader(MimeReader::headerValue(rawHeader, "To"));
}

} // namespace

std::optional<WholeHeader> readHeader(const HistoryRecord &record, HistoryFile::Kind kind)
{
    const auto path = resolve(find(FixedField::trimSpaces(record.Body)));
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxMailBytes)
        return std::nullopt;
    // Header blocks are a few kilobytes; one far larger is not worth reading for a row.
    constexpr qint64 kChunk = 64 * 1024;
    constexpr qint64 kMaxHeaderBytes = 1024 * 1024;
    QByteArray start;
    while (true) {
        const QByteArray chunk = file.read(kChunk);
        start += chunk;
        if (MimeReader::holdsHeader(start) || chunk.size() < kChunk || file.atEnd())
            break;
        if (start.size() >= kMaxHeaderBytes)
            return std::nullopt;
    }
    if (start.isEmpty())
        return std::nullopt;

    const MimeContent content = MimeReader::readHeader(start);
    WholeHeader header;
    header.subject = FixedField::cutAtNul(content.subject);
    header.correspondent = kind != HistoryFile::Kind::Sent ? FixedField::cutAtNul(content.from)
                                                           : sentCorrespondent(record, content.rawHeader);
    return header;
}

std::optional<WholeMail> read(const HistoryRecord &record, HistoryFile::Kind kind)
{
    const QString stored = FixedField::trimSpaces(record.Body);
    const auto path = resolve(find(stored));
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxMailBytes)
        return std::nullopt;
    const QByteArray raw = file.readAll();
    if (raw.isEmpty())
        return std::nullopt;

    const FetchedMail mail = MailLibrary::parse(raw);
    WholeMail whole;
    whole.subject = mail.subject;
    whole.body = LineEnds::toCrLf(mail.content ? mail.content->text : mail.body);
    // What the record held before its link line, without the line break the link added.
    QString rest = stored.left(qMax<qsizetype>(stored.lastIndexOf(u'\n') - 1, 0));
    // A message ends its text with a line break the user never typed.
    if (kind == HistoryFile::Kind::Sent && whole.body.endsWith(QStringLiteral("\r\n"))
        && !rest.endsWith(u'\n'))
        whole.body.chop(2);
    while (rest.endsWith(u'\n') || rest.endsWith(u'\r'))
        rest.chop(1);
    // A note the program added to the stored body (attachments unpacked) stays.
    const QString note = lastLine(rest);
    if (!note.isEmpty() && note.startsWith(QStringLiteral("♪♪♪")) && note.endsWith(QStringLiteral("♪♪♪"))
        && !whole.body.endsWith(note))
        whole.body += QStringLiteral("\r\n") + note;

    if (kind != HistoryFile::Kind::Sent) {
        whole.correspondent = mail.from;
        whole.date = mail.date;
    } else {
        whole.correspondent = mail.content ? sentCorrespondent(record, mail.content->rawHeader)
                                           : FixedField::trimSpaces(record.Correspondent);
        whole.date = FixedField::trimSpaces(record.MailDate);
    }
    return whole;
}

std::optional<QString> linkedFile(const HistoryRecord &record)
{
    return resolve(find(record.Body));
}

std::optional<HistoryRecord> readLinkPart(HistoryFile::Kind kind, int n)
{
    QFile file(HistoryFile(kind).path());
    if (n < 1 || !file.open(QIODevice::ReadOnly) || !file.seek(qint64(n - 1) * HistoryRecord::kSize))
        return std::nullopt;
    const QByteArray bytes = file.read(HistoryRecord::kSize);
    if (bytes.size() < HistoryRecord::kSize)
        return std::nullopt;
    HistoryRecord record = HistoryRecord::fromBytes(bytes.left(HistoryRecord::kHeadSize));
    record.Body = storedLastLine(bytes.constData() + HistoryRecord::kBodyOffset, HistoryRecord::kBodyWidth);
    return record;
}

QStringList linkedFiles(HistoryFile::Kind kind, int records)
{
    QStringList files;
    HistoryFile history(kind);
    QFile file(history.path());
    if (!file.open(QIODevice::ReadOnly))
        return files;
    for (int n = 0; records < 0 || n < records; ++n) {
        const QByteArray record = file.read(HistoryRecord::kSize);
        if (record.size() < HistoryRecord::kSize)
            break;
        const QString line = storedLastLine(record.constData() + HistoryRecord::kBodyOffset, HistoryRecord::kBodyWidth);
        if (const auto path = resolve(find(line)); path && !files.contains(*path))
            files << *path;
    }
    return files;
}

} // namespace WholeMailLink
