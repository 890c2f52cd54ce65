// The index's reading side: the catch-up that fills it and the search.
#include "core/search/SearchIndex.h"

#include "core/common/AppPaths.h"
#include "core/common/RecordFile.h"
#include "core/search/IndexText.h"
#include "core/search/SearchText.h"

#include <algorithm>

namespace {

int kindCode(HistoryFile::Kind kind)
{
    return kind == HistoryFile::Kind::Received ? 0 : 1;
}

HistoryFile::Kind kindOf(qint64 code)
{
    return code == 0 ? HistoryFile::Kind::Received : HistoryFile::Kind::Sent;
}

RecordFile recordsOf(HistoryFile::Kind kind)
{
    return RecordFile(AppPaths::resolve(kind == HistoryFile::Kind::Received ? AppPaths::kReceivedHistory
                                                                            : AppPaths::kSentHistory),
                      HistoryRecord::kSize, HistoryRecord::kLiveFlagOffset);
}

// The column of the grams table a field's text is in; -1 for every column.
int columnOf(SearchQuery::Field field)
{
    switch (field) {
    case SearchQuery::Field::Subject: return 0;
    case SearchQuery::Field::From: return 1;
    case SearchQuery::Field::To: return 2;
    case SearchQuery::Field::Body: return 3;
    case SearchQuery::Field::File: return 4;
    case SearchQuery::Field::Any: break;
    }
    return -1;
}

QString quoted(const QByteArray &gram)
{
    QString text = QString::fromUtf8(gram);
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// The terms of one character (chars) or of more (pairs) as a query of that
// table: each term the phrase of its tokens, so every candidate is a match.
QString matchOf(const QList<SearchQuery::Term> &terms, bool chars)
{
    static const QStringList columns = {QStringLiteral("subject"), QStringLiteral("sender"),
                                        QStringLiteral("recipients"), QStringLiteral("body"),
                                        QStringLiteral("files")};
    QStringList parts;
    for (const auto &term : terms) {
        const QList<QByteArray> phrase = SearchText::phraseOf(term.text);
        if ((term.text.toUcs4().size() == 1) != chars || phrase.isEmpty())
            continue;
        QStringList tokens;
        for (const QByteArray &token : phrase)
            tokens << quoted(token);
        const QString joined = tokens.join(QStringLiteral(" + "));
        const int column = columnOf(term.field);
        parts << (column < 0 ? joined : columns[column] + QStringLiteral(" : (") + joined + u')');
    }
    return parts.join(QStringLiteral(" AND "));
}

struct Waiting {
    qint64 id;
    HistoryFile::Kind kind;
    int number;
    qint64 fingerprint;
};

struct Prepared {
    qint64 id;
    HistoryFile::Kind kind;
    int number;
    MailDocument doc;
    QStringList fields;
};

// Reads the waiting mails' records in runs of neighbours, each run in one read,
// and makes their documents. A record whose head is not the one listed has
// moved since: moved says so, and it waits for the next alignment.
QList<Prepared> prepare(QList<Waiting> waiting, bool *moved)
{
    std::sort(waiting.begin(), waiting.end(), [](const Waiting &a, const Waiting &b) {
        return std::pair(a.kind, a.number) < std::pair(b.kind, b.number);
    });
    // Records between two waiting ones are read too when few, as one read is cheaper than two.
    constexpr int kGap = 8;
    QList<Prepared> out;
    for (qsizetype i = 0; i < waiting.size();) {
        qsizetype j = i + 1;
        while (j < waiting.size() && waiting[j].kind == waiting[i].kind
               && waiting[j].number - waiting[j - 1].number <= kGap)
            ++j;
        const int first = waiting[i].number;
        const QByteArray run = recordsOf(waiting[i].kind).readHeads(HistoryRecord::kSize, first,
                                                                    waiting[j - 1].number - first + 1);
        for (qsizetype k = i; k < j; ++k) {
            const Waiting &w = waiting[k];
            const qsizetype at = qsizetype(w.number - first) * HistoryRecord::kSize;
            if (at + HistoryRecord::kSize > run.size()
                || MailDocument::fingerprint(run.mid(at, HistoryRecord::kHeadSize)) != w.fingerprint) {
                *moved = true;
                continue;
            }
            Prepared p{w.id, w.kind, w.number,
                       MailDocument::of(w.kind, HistoryRecord::fromBytes(run.mid(at, HistoryRecord::kSize))), {}};
            p.fields = IndexText::fieldsOf(p.doc);
            out.append(std::move(p));
        }
        i = j;
    }
    return out;
}

} // namespace

bool SearchIndex::catchUp(const Progress &progress, const std::atomic_bool *cancel, int batch,
                          const std::function<bool()> &yield)
{
    int fruitless = 0;
    while (!(cancel && cancel->load())) {
        if (yield && yield())
            return true;
        QList<Waiting> waiting;
        {
            std::lock_guard lock(m_mutex);
            if (!m_db.isOpen() && !openLocked(nullptr))
                return false;
            alignLocked(HistoryFile::Kind::Received, false);
            alignLocked(HistoryFile::Kind::Sent, false);
            SqliteStatement next(m_db, "SELECT id, kind, number, fingerprint FROM mails WHERE indexed = 0"
                                       " ORDER BY time DESC, number DESC LIMIT ?");
            next.bind(1, batch);
            while (next.step())
                waiting.append({next.integer(0), kindOf(next.integer(1)), int(next.integer(2)), next.integer(3)});
            if (next.failed()) {
                mendIfDamaged();
                return false;
            }
        }
        if (waiting.isEmpty())
            break;

        // Reading the records and their kept mails is the slow part; searches go on meanwhile.
        bool moved = false;
        const QList<Prepared> docs = prepare(waiting, &moved);
        {
            std::lock_guard lock(m_mutex);
            if (moved) {
                m_seen.clear();
                m_tails.clear();
            }
            if (!m_db.exec("BEGIN IMMEDIATE"))
                return mendIfDamaged(), false;
            bool ok = true;
            SqliteStatement still(m_db, "SELECT 1 FROM mails WHERE id = ? AND indexed = 0");
            IndexText::Writer writer(m_db);
            QList<Hit> written;
            for (const Prepared &p : docs) {
                const bool waits = still.bind(1, p.id).step();
                still.reset();
                ok = ok && (!waits || writer.write(p.id, p.doc, p.fields));
                if (waits)
                    written.append({p.kind, p.number, p.doc.time, p.doc.dateText, p.doc.correspondent, p.doc.subject, p.id});
            }
            if (!ok || !m_db.exec("COMMIT")) {
                m_db.exec("ROLLBACK");
                m_listedStale = true;
                mendIfDamaged();
                return false;
            }
            m_untidy = m_untidy || !docs.isEmpty();
            if (!written.isEmpty()) {
                m_listed.append(written);
                m_listedSorted = false;
            }
        }
        fruitless = docs.isEmpty() ? fruitless + 1 : 0;
        if (fruitless > 3)
            return false;
        if (progress) {
            const Counts now = counts();
            progress(now.indexed, now.total);
        }
    }
    return !(cancel && cancel->load());
}

SearchIndex::Answer SearchIndex::search(const SearchQuery &query)
{
    std::lock_guard lock(m_mutex);
    Answer answer;
    if (!m_db.isOpen() && !openLocked(&answer.error))
        return answer;
    QList<HistoryFile::Kind> kinds;
    if (query.in != SearchQuery::In::Sent)
        kinds << HistoryFile::Kind::Received;
    if (query.in != SearchQuery::In::Received)
        kinds << HistoryFile::Kind::Sent;
    // A deletion since the last look has moved numbers: they are put right first.
    for (const auto kind : kinds)
        alignLocked(kind, false);

    const QList<Hit> &listed = listedLocked();
    const qint64 since = query.since ? QDateTime(*query.since, QTime(0, 0)).toSecsSinceEpoch() : 0;
    const qint64 until = query.until ? QDateTime(query.until->addDays(1), QTime(0, 0)).toSecsSinceEpoch() : 0;
    const auto wanted = [&](const Hit &hit) {
        return kinds.contains(hit.kind) && (!query.since || hit.time >= since) && (!query.until || hit.time < until);
    };
    const QString pairs = matchOf(query.terms, false);
    const QString chars = matchOf(query.terms, true);
    // The grams say which rows match; the list, newest first, gives them in order.
    std::vector<bool> matched;
    if (!pairs.isEmpty() || !chars.isEmpty()) {
        const QByteArray sql = pairs.isEmpty()   ? QByteArray("SELECT rowid FROM chars WHERE chars MATCH ?")
            : chars.isEmpty() ? QByteArray("SELECT rowid FROM pairs WHERE pairs MATCH ?")
                              : QByteArray("SELECT rowid FROM pairs WHERE pairs MATCH ?"
                                           " AND rowid IN (SELECT rowid FROM chars WHERE chars MATCH ?)");
        SqliteStatement select(m_db, sql.constData());
        int slot = 1;
        for (const QString &match : {pairs, chars}) {
            if (!match.isEmpty())
                select.bind(slot++, match);
        }
        matched.assign(size_t(m_listedTop) + 1, false);
        while (select.step()) {
            const qint64 id = select.integer(0);
            if (id > 0 && id <= m_listedTop)
                matched[size_t(id)] = true;
        }
        if (select.failed()) {
            answer.error = QStringLiteral("検索用の索引を読めませんでした: %1").arg(m_db.error());
            mendIfDamaged();
            return answer;
        }
    }
    for (const Hit &hit : listed) {
        if ((matched.empty() || matched[size_t(hit.id)]) && wanted(hit))
            answer.hits.append(hit);
    }
    SqliteStatement waiting(m_db, kinds.size() == 1 ? "SELECT count(*) FROM mails WHERE indexed = 0 AND kind = ?"
                                                    : "SELECT count(*) FROM mails WHERE indexed = 0");
    if (kinds.size() == 1)
        waiting.bind(1, kindCode(kinds.first()));
    answer.complete = waiting.step() && waiting.integer(0) == 0;
    return answer;
}

SearchIndex::Excerpt SearchIndex::excerpt(const Hit &hit, const SearchQuery &query)
{
    // The index keeps no text: the mail is read again from its history.
    qint64 print = 0;
    const int number = numberNow(hit, &print);
    if (number <= 0)
        return {};
    const auto raw = recordsOf(hit.kind).read(number);
    if (!raw || MailDocument::fingerprint(raw->left(HistoryRecord::kHeadSize)) != print)
        return {};
    const QStringList fields = IndexText::fieldsOf(MailDocument::of(hit.kind, HistoryRecord::fromBytes(*raw)));
    // The body first: that is where the reader looks for the words.
    for (const int column : {3, 0, 1, 2, 4}) {
        for (const auto &term : query.terms) {
            const int only = columnOf(term.field);
            if (only >= 0 && only != column)
                continue;
            const qsizetype at = fields[column].indexOf(term.text);
            if (at < 0)
                continue;
            constexpr qsizetype kBefore = 20;
            constexpr qsizetype kAfter = 40;
            const qsizetype from = qMax<qsizetype>(0, at - kBefore);
            QString text = fields[column].mid(from, at - from + term.text.size() + kAfter);
            for (QChar &c : text) {
                if (c == u'\r' || c == u'\n' || c == u'\t')
                    c = u' ';
            }
            return {text, int(at - from), int(term.text.size())};
        }
    }
    return {};
}

int SearchIndex::numberNow(const Hit &hit, qint64 *fingerprint)
{
    std::lock_guard lock(m_mutex);
    if (!m_db.isOpen())
        return 0;
    alignLocked(hit.kind, false);
    SqliteStatement row(m_db, "SELECT number, fingerprint FROM mails WHERE id = ?");
    row.bind(1, hit.id);
    if (!row.step())
        return 0;
    if (fingerprint)
        *fingerprint = row.integer(1);
    return int(row.integer(0));
}

const QList<SearchIndex::Hit> &SearchIndex::listedLocked()
{
    // Another process owns a reader's index: what it lists may have changed since.
    if (m_listedStale || m_readOnly) {
        m_listed.clear();
        SqliteStatement rows(m_db, "SELECT kind, number, time, date, correspondent, subject, id FROM mails"
                                   " WHERE indexed = 1");
        while (rows.step()) {
            m_listed.append({kindOf(rows.integer(0)), int(rows.integer(1)), rows.integer(2), rows.text(3),
                             rows.text(4), rows.text(5), rows.integer(6)});
        }
        m_listedStale = rows.failed();
        m_listedSorted = false;
    }
    if (!m_listedSorted) {
        std::sort(m_listed.begin(), m_listed.end(), [](const Hit &a, const Hit &b) {
            if (a.time != b.time)
                return a.time > b.time;
            if (a.kind != b.kind)
                return a.kind == HistoryFile::Kind::Received;
            return a.number > b.number;
        });
        m_listedTop = 0;
        for (const Hit &hit : std::as_const(m_listed))
            m_listedTop = std::max(m_listedTop, hit.id);
        m_listedSorted = true;
    }
    return m_listed;
}
