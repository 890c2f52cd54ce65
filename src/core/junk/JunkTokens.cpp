#include "core/junk/JunkTokens.h"

#include "core/common/NormalText.h"
#include "core/junk/AuthResults.h"
#include "core/junk/JunkMail.h"
#include "core/mail/mime/Charsets.h"
#include "core/mail/mime/MimeReader.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

namespace JunkTokens {

namespace {

// Longer words are seldom words (encoded blobs, hashes); their length is what tells.
constexpr int kMaxWordLength = 30;
// A huge body says all it has to say in its first part, and must not slow a check.
constexpr int kMaxTextLength = 64 * 1024;

bool isSpaceless(char32_t c)
{
    if (c < 0x0E00)  // Latin, Greek, Cyrillic, Arabic...: all spaced
        return false;
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
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

QString addressDomain(const QString &address)
{
    const qsizetype at = address.lastIndexOf(u'@');
    return at < 0 ? QString() : address.mid(at + 1);
}

// The first address in a header value, lower case.
QString firstAddress(const QString &value)
{
    return JunkMail::addressesIn(value).value(0);
}

QString header(const QByteArray &block, const char *name)
{
    const QByteArray raw = MimeReader::headerValue(block, name);
    return raw.isNull() ? QString() : NormalText::normalize(Charsets::decodeHeader(raw)).simplified();
}

void outDomain(const Emit &out, QStringView prefix, const QString &domain)
{
    if (domain.isEmpty())
        return;
    out(prefix, domain);
    const QString organisation = AuthResults::organisationalDomain(domain);
    if (organisation != domain)
        out(prefix, organisation);
}

void outHeaderTokens(const Emit &out, const JunkMail &mail)
{
    if (mail.header.isEmpty())
        return;
    if (header(mail.header, "X-Spam-Flag").startsWith(QLatin1String("yes")))
        out(u"x-spam-flag:", u"yes");
    const QString status = header(mail.header, "X-Spam-Status");
    if (!status.isEmpty())
        out(u"x-spam-status:", status.startsWith(QLatin1String("yes")) ? u"yes" : u"no");
    if (const QString mailer = header(mail.header, "X-Mailer"); !mailer.isEmpty())
        out(u"x-mailer:", mailer.section(u' ', 0, 0));
    outDomain(out, u"msgid-domain:", addressDomain(firstAddress(header(mail.header, "Message-ID"))));
    const QString replyTo = firstAddress(header(mail.header, "Reply-To"));
    if (!replyTo.isEmpty() && replyTo != mail.senderAddress())
        outDomain(out, u"reply-to-domain:", addressDomain(replyTo));
    const QString type = header(mail.header, "Content-Type").section(u';', 0, 0).trimmed();
    if (!type.isEmpty())
        out(u"content-type:", type);
}

void outSubjectTags(const Emit &out, const QString &subject)
{
    // [meiwaku], [SPAM], 【迷惑メール】 and the like that servers put in front.
    static const QRegularExpression tag(QStringLiteral("[\\[【〔《]([^\\]】〕》]{1,30})[\\]】〕》]"));
    for (auto it = tag.globalMatch(subject); it.hasNext();)
        out(u"subject-tag:", it.next().captured(1).trimmed());
}

} // namespace

void forEachInText(const QString &text, QStringView prefix, const Emit &out)
{
    const qsizetype end = std::min<qsizetype>(text.size(), kMaxTextLength);
    const QStringView all(text);
    qsizetype wordStart = -1;
    int wordLength = 0;
    // The run without spaces: where its last two characters start.
    qsizetype runStart = -1, before = -1, last = -1;
    const auto endWord = [&](qsizetype at) {
        if (wordStart < 0)
            return;
        if (wordLength > kMaxWordLength)
            out(prefix, QStringLiteral("long:%1").arg(wordLength / 10 * 10));
        else if (wordLength >= 2)
            out(prefix, all.mid(wordStart, at - wordStart));
        wordStart = -1;
        wordLength = 0;
    };
    const auto endRun = [&](qsizetype at) {
        if (runStart >= 0 && before < 0)  // a lone character is its own token
            out(prefix, all.mid(runStart, at - runStart));
        runStart = before = last = -1;
    };
    for (qsizetype i = 0; i < end;) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        const bool spaceless = isSpaceless(c);
        const bool wordChar = !spaceless && isWordChar(c);
        if (!wordChar)
            endWord(i);
        if (!spaceless)
            endRun(i);
        if (wordChar) {
            if (wordStart < 0)
                wordStart = i;
            ++wordLength;
        } else if (spaceless) {
            if (runStart < 0)
                runStart = i;
            before = last;
            last = i;
            if (before >= 0)
                out(prefix, all.mid(before, i + width - before));
        }
        i += width;
    }
    endWord(end);
    endRun(end);
}

void addText(QStringList &tokens, const QString &text, const QString &prefix)
{
    forEachInText(text, prefix, [&tokens](QStringView p, QStringView t) { tokens << p.toString().append(t); });
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

void forEach(const JunkMail &mail, const Emit &out)
{
    const QString sender = mail.senderAddress();
    if (!sender.isEmpty()) {
        out(u"from-addr:", sender);
        outDomain(out, u"from-domain:", addressDomain(sender));
    }
    QString name = mail.from;
    if (const qsizetype open = name.indexOf(u'<'); open >= 0)
        name.truncate(open);
    forEachInText(NormalText::normalize(name), u"from:", out);

    const QString subject = NormalText::normalize(mail.subject);
    forEachInText(subject, u"subject:", out);
    outSubjectTags(out, subject);
    outHeaderTokens(out, mail);
    if (mail.spoofed)
        out({}, kSpoofed);

    const QString body = NormalText::normalize(mail.body.left(kMaxTextLength));
    forEachInText(body, {}, out);
    if (body.contains(QLatin1String("http")) || body.contains(QLatin1String("www.")))
        for (const QString &host : urlHosts(body))
            outDomain(out, u"url-host:", host);

    for (const QString &file : mail.files.split(u'\n', Qt::SkipEmptyParts)) {
        const QString normal = NormalText::normalize(file);
        const qsizetype dot = normal.lastIndexOf(u'.');
        if (dot >= 0)
            out(u"file-ext:", QStringView(normal).mid(dot + 1));
        forEachInText(normal, u"file:", out);
    }
}

QStringList of(const JunkMail &mail)
{
    QSet<QString> unique;
    forEach(mail, [&unique](QStringView prefix, QStringView text) { unique.insert(prefix.toString().append(text)); });
    QStringList out(unique.cbegin(), unique.cend());
    std::sort(out.begin(), out.end());
    return out;
}

QList<qint64> keysOf(const JunkMail &mail)
{
    QList<qint64> keys;
    keys.reserve(2048);
    // Keys are well-spread hashes: a flat table twice their number drops the
    // repeats in one pass, so only the distinct ones are sorted.
    std::vector<qint64> seen(4096, 0);
    size_t mask = seen.size() - 1;
    size_t filled = 0;
    bool zero = false;
    const auto grow = [&] {
        std::vector<qint64> bigger(seen.size() * 2, 0);
        mask = bigger.size() - 1;
        for (const qint64 k : seen)
            if (k != 0) {
                size_t at = size_t(k) & mask;
                while (bigger[at] != 0)
                    at = (at + 1) & mask;
                bigger[at] = k;
            }
        seen.swap(bigger);
    };
    forEach(mail, [&](QStringView prefix, QStringView text) {
        const qint64 k = key(prefix, text);
        if (k == 0) {
            if (!zero)
                keys << k;
            zero = true;
            return;
        }
        size_t at = size_t(k) & mask;
        while (seen[at] != 0 && seen[at] != k)
            at = (at + 1) & mask;
        if (seen[at] == k)
            return;
        seen[at] = k;
        keys << k;
        if (++filled * 2 > seen.size())
            grow();
    });
    std::sort(keys.begin(), keys.end());
    return keys;
}

qint64 key(QStringView prefix, QStringView text)
{
    // FNV-1a over the UTF-16 units, then a finaliser that spreads the bits.
    quint64 h = 14695981039346656037ull;
    for (const QStringView part : {prefix, text}) {
        for (const QChar c : part) {
            h ^= c.unicode();
            h *= 1099511628211ull;
        }
    }
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebull;
    h ^= h >> 31;
    return qint64(h);
}

qint64 key(const QString &token)
{
    return key(QStringView(), token);
}

} // namespace JunkTokens
