#include "core/mail/MailLibrary.h"

#include "core/common/FixedField.h"
#include "core/mail/mime/AttachmentWriter.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"
#include "core/mail/net/Pop3Session.h"

#include <QSslSocket>

namespace {

thread_local QString t_lastError;
thread_local bool t_smtpEncrypted = false;

} // namespace

QString MailLibrary::lastError() const
{
    return t_lastError;
}

void MailLibrary::setLastError(const QString &text)
{
    t_lastError = text;
}

bool MailLibrary::smtpWasEncrypted() const
{
    return t_smtpEncrypted;
}

void MailLibrary::noteSmtpEncrypted(bool encrypted)
{
    t_smtpEncrypted = encrypted;
}

MailLibrary &MailLibrary::instance()
{
    static MailLibrary library;
    return library;
}

void MailLibrary::initialize()
{
    m_initialized = true;
    // Loading the TLS backend early keeps the first mail check from paying for it.
    m_tlsAvailable = QSslSocket::supportsSsl();
    setLastError({});
}

void MailLibrary::setOption(int option, int value)
{
    if (option == 1 && value > 0)
        m_bufferSize = value;
}

void MailLibrary::end()
{
    QMutexLocker lock(&m_mutex);
    m_sessions.clear();
    m_initialized = false;
}

MailLibrary::MailLibrary() = default;
MailLibrary::~MailLibrary() = default;

std::shared_ptr<Pop3Session> MailLibrary::session(int handle)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_sessions.constFind(handle);
    if (it == m_sessions.constEnd()) {
        lock.unlock();
        setLastError(QStringLiteral("POP3サーバーに接続していません。"));
        return nullptr;
    }
    return *it;
}

int MailLibrary::pop3Connect(const QString &server, const SessionHooks *hooks)
{
    auto session = std::make_shared<Pop3Session>();
    session->setHooks(hooks);
    if (!session->open(server)) {
        setLastError(session->errorText());
        return -1;
    }
    QMutexLocker lock(&m_mutex);
    const int handle = m_nextHandle++;
    m_sessions.insert(handle, std::move(session));
    return handle;
}

bool MailLibrary::pop3IsOpen(int handle)
{
    const auto pop3 = session(handle);
    return pop3 && pop3->isOpen();
}

bool MailLibrary::pop3Pipelines(int handle)
{
    const auto pop3 = session(handle);
    return pop3 && pop3->pipelines();
}

bool MailLibrary::pop3IsEncrypted(int handle)
{
    const auto pop3 = session(handle);
    return pop3 && pop3->isEncrypted();
}

int MailLibrary::pop3Authenticate(int handle, const QString &id, const QString &password, bool apop)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return -1;
    const auto count = pop3->login(id, password, apop);
    if (!count) {
        setLastError(pop3->errorText());
        return -1;
    }
    return *count;
}

std::optional<MailStatus> MailLibrary::pop3GetMailStatus(int handle, int n)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return std::nullopt;
    const auto header = pop3->header(n);
    if (!header) {
        setLastError(pop3->errorText());
        return std::nullopt;
    }
    const MimeContent content = MimeReader::read(*header);
    return MailStatus{content.subject, content.date, content.from, content.headerText};
}

qint64 MailLibrary::pop3GetMailSize(int handle, int n)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return -1;
    const auto size = pop3->size(n);
    if (!size) {
        setLastError(pop3->errorText());
        return -1;
    }
    return *size;
}

namespace {

// Texts leave the library cut at their first NUL; a cut that loses text is noted.
QString cutAtNul(const QString &text, bool *cut)
{
    const QString kept = FixedField::cutAtNul(text);
    if (kept.size() != text.size())
        *cut = true;
    return kept;
}

} // namespace

namespace {

constexpr qsizetype kStandInBytes = 64 * 1024;

} // namespace

FetchedMail MailLibrary::parse(const QByteArray &raw)
{
    auto content = std::make_shared<MimeContent>(MimeReader::read(raw));
    FetchedMail mail;
    bool cut = false;
    mail.subject = cutAtNul(content->subject, &cut);
    mail.date = cutAtNul(content->date, &cut);
    mail.from = cutAtNul(content->from, &cut);
    mail.header = cutAtNul(content->headerText, &cut);
    mail.raw = raw;
    // Only a single text part is its own readable text; anything else shows its
    // MIME body until the attachments are unpacked.
    if (content->multipart || !content->attachments.isEmpty() || content->incompletePartial) {
        // Only a stand-in until the attachments are unpacked; no record keeps more than its start.
        mail.body = FixedField::cutAtNul(Charsets::decodeUnlabelled(content->rawBody.left(kStandInBytes)));
    } else {
        mail.body = cutAtNul(content->text, &cut);
        cut = cut || content->lossy;
    }
    mail.needsWholeCopy = cut;
    mail.content = std::move(content);
    return mail;
}

QString MailLibrary::unpackedText(const FetchedMail &mail)
{
    return mail.content ? FixedField::cutAtNul(mail.content->text) : mail.body;
}

std::optional<QByteArray> MailLibrary::pop3GetRawMail(int handle, int n)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return std::nullopt;
    auto raw = pop3->retrieve(n);
    if (!raw)
        setLastError(pop3->errorText());
    return raw;
}

std::optional<FetchedMail> MailLibrary::pop3GetMail(int handle, int n)
{
    const auto raw = pop3GetRawMail(handle, n);
    if (!raw)
        return std::nullopt;
    return parse(*raw);
}

bool MailLibrary::pop3DeleteMail(int handle, int n)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return false;
    if (!pop3->remove(n)) {
        setLastError(pop3->errorText());
        return false;
    }
    return true;
}

bool MailLibrary::pop3Close(int handle)
{
    std::shared_ptr<Pop3Session> pop3;
    {
        QMutexLocker lock(&m_mutex);
        pop3 = m_sessions.take(handle);
    }
    if (!pop3)
        return false;
    if (pop3->quit())
        return true;
    if (!pop3->errorText().isEmpty())
        setLastError(pop3->errorText());
    return false;
}

std::optional<QMap<int, QByteArray>> MailLibrary::pop3UniqueIds(int handle, bool *failed)
{
    if (failed)
        *failed = false;
    const auto pop3 = session(handle);
    if (!pop3) {
        if (failed)
            *failed = true;
        return std::nullopt;
    }
    auto ids = pop3->uniqueIds();
    if (!ids && !pop3->errorText().isEmpty()) {
        setLastError(pop3->errorText());
        if (failed)
            *failed = true;
    }
    return ids;
}

bool MailLibrary::pop3PlanFetches(int handle, const QList<int> &numbers)
{
    const auto pop3 = session(handle);
    if (!pop3)
        return false;
    if (pop3->planRetrievals(numbers))
        return true;
    setLastError(pop3->errorText());
    return false;
}

void MailLibrary::pop3Abort(int handle)
{
    std::shared_ptr<Pop3Session> pop3;
    {
        QMutexLocker lock(&m_mutex);
        pop3 = m_sessions.take(handle);
    }
    if (pop3)
        pop3->abort();
}

int MailLibrary::unpackAttachments(FetchedMail &mail, const QString &folder, QStringList *written,
                                   const BeforeWriting &beforeWriting)
{
    if (!mail.content)
        mail = parse(mail.raw);
    const MimeContent &content = *mail.content;
    const QString body = unpackedText(mail);
    mail.needsWholeCopy = mail.needsWholeCopy || content.lossy || body.size() != content.text.size();
    mail.body = body;

    // Every name is chosen before any file exists, so whoever must be able to
    // find the files after a crash can note them first.
    AttachmentWriter writer(folder);
    int result = kNothingToUnpack;
    QStringList planned;
    QList<const MimeContent::Attachment *> plannedParts;
    for (const MimeContent::Attachment &attachment : content.attachments) {
        const auto path = writer.plan(attachment.name);
        if (!path) {
            setLastError(writer.errorText());
            result = kCannotWrite;
            continue;
        }
        planned << *path;
        plannedParts << &attachment;
    }
    const bool keepPiece = content.incompletePartial;
    QString piecePath;
    if (keepPiece) {
        QString name = mail.subject.left(40).trimmed();
        if (name.isEmpty())
            name = QStringLiteral("mail");
        const auto path = writer.plan(AttachmentWriter::safeName(name) + QStringLiteral(".eml"));
        if (!path) {
            setLastError(writer.errorText());
            return kCannotWrite;
        }
        piecePath = *path;
    }
    if (beforeWriting && !planned.isEmpty() + !piecePath.isEmpty()
        && !beforeWriting(piecePath.isEmpty() ? planned : planned + QStringList{piecePath})) {
        setLastError(QStringLiteral("%1: 書き込みの記録に失敗しました").arg(folder));
        return kCannotWrite;
    }

    for (qsizetype i = 0; i < planned.size(); ++i) {
        if (!writer.writeAt(planned[i], plannedParts[i]->content)) {
            setLastError(writer.errorText());
            result = kCannotWrite;
            continue;
        }
        if (written)
            written->append(planned[i]);
        if (result == kNothingToUnpack)
            result = kUnpacked;
    }
    // The files must be on disk before the mail may leave the server.
    if (result == kUnpacked && !writer.sync()) {
        setLastError(writer.errorText());
        result = kCannotWrite;
    }
    if (keepPiece && result != kCannotWrite) {
        // The piece is kept whole so the mail can be put together once all pieces are in.
        if (!writer.writeAt(piecePath, mail.raw) || !writer.sync()) {
            setLastError(writer.errorText());
            return kCannotWrite;
        }
        if (written)
            written->append(piecePath);
        mail.needsWholeCopy = false;
        return kPartsMissing;
    }
    return result;
}

std::optional<QString> MailLibrary::keepWholeMail(const FetchedMail &mail, const QString &folder)
{
    QString name = mail.subject.left(40).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("mail");
    AttachmentWriter writer(folder);
    const auto path = writer.write(AttachmentWriter::safeName(name) + QStringLiteral(".eml"), mail.raw);
    if (!path || !writer.sync()) {
        setLastError(writer.errorText());
        return std::nullopt;
    }
    return path;
}
