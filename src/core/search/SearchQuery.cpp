#include "core/search/SearchQuery.h"

#include "core/common/NormalText.h"
#include "core/search/SearchText.h"

namespace {

struct Word {
    QString prefix;  // before the first colon of an unquoted start, or empty
    QString value;
};

// Splits at whitespace outside quotes; a prefix stays with what follows it.
std::optional<QList<Word>> words(const QString &text, QString *why)
{
    QList<Word> out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (NormalText::isSpace(text[i].unicode())) {
            ++i;
            continue;
        }
        Word word;
        const qsizetype start = i;
        while (i < text.size() && text[i] != u'"' && text[i] != u':' && !NormalText::isSpace(text[i].unicode()))
            ++i;
        if (i < text.size() && text[i] == u':' && i > start) {
            word.prefix = text.mid(start, i - start);
            ++i;
        } else {
            i = start;
        }
        if (i < text.size() && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            if (close < 0) {
                if (why)
                    *why = QStringLiteral("引用符 \" が閉じていません。");
                return std::nullopt;
            }
            word.value = text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const qsizetype valueStart = i;
            while (i < text.size() && !NormalText::isSpace(text[i].unicode()))
                ++i;
            word.value = text.mid(valueStart, i - valueStart);
        }
        out.append(word);
    }
    return out;
}

std::optional<QDate> dateOf(const QString &value)
{
    const QDate date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? std::optional(date) : std::nullopt;
}

} // namespace

std::optional<SearchQuery> SearchQuery::parse(const QString &text, QString *why)
{
    auto fail = [why](const QString &reason) -> std::optional<SearchQuery> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const auto split = words(NormalText::normalize(text), why);
    if (!split)
        return std::nullopt;

    static const QList<std::pair<QString, Field>> fields = {
        {QStringLiteral("from"), Field::From}, {QStringLiteral("to"), Field::To},
        {QStringLiteral("subject"), Field::Subject}, {QStringLiteral("body"), Field::Body},
        {QStringLiteral("file"), Field::File}};
    SearchQuery query;
    for (const Word &word : *split) {
        if (word.prefix == u"in") {
            if (word.value == u"received")
                query.in = In::Received;
            else if (word.value == u"sent")
                query.in = In::Sent;
            else
                return fail(QStringLiteral("in: には received か sent を書いてください: %1").arg(word.value));
            continue;
        }
        if (word.prefix == u"since" || word.prefix == u"until") {
            const auto date = dateOf(word.value);
            if (!date)
                return fail(QStringLiteral("%1: の日付は YYYY-MM-DD の形で書いてください: %2").arg(word.prefix, word.value));
            (word.prefix == u"since" ? query.since : query.until) = date;
            continue;
        }
        Term term;
        term.text = word.value;
        bool known = word.prefix.isEmpty();
        for (const auto &[name, field] : fields) {
            if (word.prefix == name) {
                term.field = field;
                known = true;
            }
        }
        // A colon of the text itself (a time, a link) is no prefix.
        if (!known)
            term.text = word.prefix + u':' + word.value;
        if (SearchText::phraseOf(term.text).isEmpty()) {
            if (!word.prefix.isEmpty() && known)
                return fail(QStringLiteral("%1: の後に探す文字を書いてください。").arg(word.prefix));
            continue;
        }
        query.terms.append(term);
    }
    if (query.terms.isEmpty() && !query.since && !query.until && query.in == In::Both)
        return fail(QStringLiteral("探す文字を入力してください。"));
    if (query.since && query.until && *query.since > *query.until)
        return fail(QStringLiteral("since: の日付が until: の日付より後です。"));
    return query;
}
