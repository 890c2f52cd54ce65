#include "core/junk/JunkTokens.h"

#include "core/common/NormalText.h"
#include "core/junk/AuthResults.h"
#include "core/junk/JunkMail.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace JunkTokens {

namespace {

// Longer words are seldom words (encoded blobs, hashes); their length is what tells.
constexpr int kMaxWordLength = 30;
// A huge body says all it has to say in its first part, and must not slow a check.
constexpr int kMaxTextLength = 64 * 1024;

bool isSpaceless(char32_t c)
{
    if (c == 0x30FC || c == 0x3005 || c == 0x3006)  // ー 々 〆
        return true;
    switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
    case QChar::Script_Tibetan:
        return true;
    default:
        return false;
    }
}

bool isWordChar(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

void addWord(QStringList &tokens, const QString &prefix, const QString &word, int length)
{
    if (length < 2)
        return;
    if (length > kMaxWordLength)
        tokens << prefix + QStringLiteral("long:%1").arg(length / 10 * 10);
    else
        tokens << prefix + word;
}

void addGrams(QStringList &tokens, const QString &prefix, const QList<char32_t> &run)
{
    if (run.size() == 1) {
        tokens << prefix + QString::fromUcs4(run.constData(), 1);
        return;
    }
    for (qsizetype i = 0; i + 1 < run.size(); ++i)
        tokens << prefix + QString::fromUcs4(run.constData() + i, 2);
}

QString addressDomain(const QString &address)
{
    const qsizetype at = address.lastIndexOf(u'@');
    return at < 0 ? QString() : address.mid(at + 1);
}

// The first address in a header value, lower case.
QString firstAddress(const QString &value)
{
    static const QRegularExpression address(QStringLiteral("[A-Za-z0-9._%+'=/-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,}"));
    const auto match = address.match(value);
    return match.hasMatch() ? match.captured().toLower() : QString();
}

QString header(const QByteArray &block, const char *name)
{
    const QByteArray raw = MimeReader::headerValue(block, name);
    return raw.isNull() ? QString() : NormalText::normalize(Charsets::decodeHeader(raw)).simplified();
}

void addDomain(QStringList &tokens, const QString &prefix, const QString &domain)
{
    if (domain.isEmpty())
        return;
    tokens << prefix + domain;
    const QString organisation = AuthResults::organisationalDomain(domain);
    if (organisation != domain)
        tokens << prefix + organisation;
}

void addHeaderTokens(QStringList &tokens, const JunkMail &mail)
{
    if (mail.header.isEmpty())
        return;
    const QString flag = header(mail.header, "X-Spam-Flag");
    if (flag.startsWith(QLatin1String("yes")))
        tokens << QStringLiteral("x-spam-flag:yes");
    const QString status = header(mail.header, "X-Spam-Status");
    if (!status.isEmpty())
        tokens << (status.startsWith(QLatin1String("yes")) ? QStringLiteral("x-spam-status:yes")
                                                           : QStringLiteral("x-spam-status:no"));
    if (const QString mailer = header(mail.header, "X-Mailer"); !mailer.isEmpty())
        tokens << QStringLiteral("x-mailer:") + mailer.section(u' ', 0, 0);
    addDomain(tokens, QStringLiteral("msgid-domain:"), addressDomain(firstAddress(header(mail.header, "Message-ID"))));
    const QString replyTo = firstAddress(header(mail.header, "Reply-To"));
    if (!replyTo.isEmpty() && replyTo != mail.senderAddress())
        addDomain(tokens, QStringLiteral("reply-to-domain:"), addressDomain(replyTo));
    const QString type = header(mail.header, "Content-Type").section(u';', 0, 0).trimmed();
    if (!type.isEmpty())
        tokens << QStringLiteral("content-type:") + type;
}

void addSubjectTags(QStringList &tokens, const QString &subject)
{
    // [meiwaku], [SPAM], 【迷惑メール】 and the like that servers put in front.
    static const QRegularExpression tag(QStringLiteral("[\\[【〔《]([^\\]】〕》]{1,30})[\\]】〕》]"));
    for (auto it = tag.globalMatch(subject); it.hasNext();)
        tokens << QStringLiteral("subject-tag:") + it.next().captured(1).trimmed();
}

} // namespace

void addText(QStringList &tokens, const QString &text, const QString &prefix)
{
    const qsizetype end = std::min<qsizetype>(text.size(), kMaxTextLength);
    QString word;
    int wordLength = 0;
    QList<char32_t> run;
    for (qsizetype i = 0; i < end;) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        const bool spaceless = isSpaceless(c);
        const bool wordChar = !spaceless && isWordChar(c);
        if (!wordChar && !word.isEmpty()) {
            addWord(tokens, prefix, word, wordLength);
            word.clear();
            wordLength = 0;
        }
        if (!spaceless && !run.isEmpty()) {
            addGrams(tokens, prefix, run);
            run.clear();
        }
        if (wordChar) {
            word.append(text.constData() + i, width);
            ++wordLength;
        } else if (spaceless) {
            run << c;
        }
        i += width;
    }
    if (!word.isEmpty())
        addWord(tokens, prefix, word, wordLength);
    if (!run.isEmpty())
        addGrams(tokens, prefix, run);
}

QStringList urlHosts(const QString &text)
{
    static const QRegularExpression link(QStringLiteral("(?:https?://(?:[^/@\\s]*@)?|\\bwww\\.)([a-z0-9][a-z0-9.-]*[a-z0-9])"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList hosts;
    for (auto it = link.globalMatch(text.left(kMaxTextLength)); it.hasNext();) {
        const auto match = it.next();
        QString host = match.captured(1).toLower();
        if (match.captured(0).startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            host.prepend(QStringLiteral("www."));
        hosts << host;
    }
    return hosts;
}

QStringList of(const JunkMail &mail)
{
    QStringList tokens;
    tokens.reserve(1024);
    const QString sender = mail.senderAddress();
    if (!sender.isEmpty()) {
        tokens << QStringLiteral("from-addr:") + sender;
        addDomain(tokens, QStringLiteral("from-domain:"), addressDomain(sender));
    }
    QString name = mail.from;
    name.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    addText(tokens, NormalText::normalize(name), QStringLiteral("from:"));

    const QString subject = NormalText::normalize(mail.subject);
    addText(tokens, subject, QStringLiteral("subject:"));
    addSubjectTags(tokens, subject);
    addHeaderTokens(tokens, mail);
    if (mail.spoofed)
        tokens << kSpoofed;

    const QString body = NormalText::normalize(mail.body.left(kMaxTextLength));
    addText(tokens, body);
    for (const QString &host : urlHosts(body))
        addDomain(tokens, QStringLiteral("url-host:"), host);

    for (const QString &file : mail.files.split(u'\n', Qt::SkipEmptyParts)) {
        const QString normal = NormalText::normalize(file);
        const qsizetype dot = normal.lastIndexOf(u'.');
        if (dot >= 0)
            tokens << QStringLiteral("file-ext:") + normal.mid(dot + 1);
        addText(tokens, normal, QStringLiteral("file:"));
    }

    QSet<QString> unique(tokens.cbegin(), tokens.cend());
    QStringList out(unique.cbegin(), unique.cend());
    std::sort(out.begin(), out.end());
    return out;
}

quint64 key(const QString &token)
{
    // FNV-1a over the UTF-16 units, then a finaliser that spreads the bits.
    quint64 h = 14695981039346656037ull;
    for (const QChar c : token) {
        h ^= c.unicode();
        h *= 1099511628211ull;
    }
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebull;
    h ^= h >> 31;
    return h;
}

} // namespace JunkTokens
