#include "core/junk/JunkMail.h"

#include "core/common/FixedField.h"
#include "core/common/ImportFile.h"
#include "core/common/Mbox.h"
#include "core/history/WholeMailLink.h"
#include "core/mail/MailLibrary.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"

#include <QFile>

namespace {

QString decodedHeader(const QByteArray &block, const char *name)
{
    const QByteArray raw = MimeReader::headerValue(block, name);
    return raw.isNull() ? QString() : Charsets::decodeHeader(raw).simplified();
}

JunkMail ofRaw(const QByteArray &raw)
{
    return JunkMail::of(MailLibrary::parse(raw));
}

} // namespace

JunkMail JunkMail::of(const FetchedMail &mail)
{
    JunkMail out;
    out.subject = mail.subject;
    out.from = mail.from;
    std::shared_ptr<const MimeContent> content = mail.content;
    if (!content && !mail.raw.isEmpty())
        content = std::make_shared<MimeContent>(MimeReader::read(mail.raw));
    if (!content) {
        out.body = mail.body;
        return out;
    }
    // The texts the user reads, not the MIME body a multipart mail shows until unpacked.
    out.body = content->text;
    out.header = content->rawHeader;
    const QString to = decodedHeader(content->rawHeader, "To");
    const QString cc = decodedHeader(content->rawHeader, "Cc");
    out.to = cc.isEmpty() ? to : to + QStringLiteral(", ") + cc;
    QStringList names;
    for (const auto &attachment : content->attachments)
        names << attachment.name;
    out.files = names.join(u'\n');
    return out;
}

JunkMail JunkMail::of(HistoryFile::Kind kind, const HistoryRecord &record)
{
    if (const auto path = WholeMailLink::linkedFile(record)) {
        QString error;
        const auto raw = ImportFile::readAll(*path, ImportFile::kMaxMailBytes, QString(), &error);
        if (raw && !raw->isEmpty()) {
            JunkMail out = ofRaw(*raw);
            if (kind == HistoryFile::Kind::Sent)
                std::swap(out.from, out.to);
            return out;
        }
    }
    JunkMail out;
    out.subject = FixedField::trimSpaces(record.Subject);
    const QString correspondent = FixedField::trimSpaces(record.Correspondent);
    (kind == HistoryFile::Kind::Sent ? out.to : out.from) = correspondent;
    out.body = FixedField::trimSpaces(record.Body);
    return out;
}

QList<JunkMail> JunkMail::ofFile(const QString &path, QString *error)
{
    QList<JunkMail> mails;
    if (!forEachInFile(path, [&mails](JunkMail &&mail) { mails << std::move(mail); return true; }, error))
        return {};
    return mails;
}

bool JunkMail::forEachInFile(const QString &path, const std::function<bool(JunkMail &&mail)> &visit, QString *error)
{
    QString why;
    const auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    QFile probe;
    if (!ImportFile::open(probe, path, &why))
        return fail(why);
    const QByteArray head = probe.peek(1024);
    probe.close();
    if (!Mbox::Reader::looksLikeMbox(head)) {
        const auto raw = ImportFile::readAll(path, ImportFile::kMaxMailBytes, ImportFile::mailTooLarge(path, 0), &why);
        if (!raw)
            return fail(why);
        if (raw->trimmed().isEmpty())
            return fail(QStringLiteral("%1 にはメールがありません。").arg(path));
        visit(ofRaw(*raw));
        return true;
    }
    Mbox::Reader reader(path);
    if (!reader.open())
        return fail(reader.error());
    while (const auto message = reader.next()) {
        if (!visit(ofRaw(*message)))
            return true;
    }
    return reader.error().isEmpty() || fail(reader.error());
}
