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

QString matchOf(const QList<SearchQuery::Term> &terms)
{
    static const QStringList columns = {QStringLiteral("subject"), QStringLiteral("sender"),
                                        QStringLiteral("recipients"), QStringLiteral("body"),
                                        QStringLiteral("files")};
    QStringList parts;
    for (const auto &term : terms) {
        const int column = columnOf(term.field);
        for (const QByteArray &gram : SearchText::gramsOf(term.text).grams)
            parts << (column < 0 ? quoted(gram) : columns[column] + QStringLiteral(" : ") + quoted(gram));
    }
    return parts.join(QStringLiteral(" AND "));
}

// A term to confirm, in the bytes the index keeps: UTF-8 finds a character
// string exactly where its bytes are, so the text need not be decoded.
struct Confirm {
    int column;
    QByteArray bytes;
};

bool contains(const QByteArray &text, const Confirm &term)
{
    if (term.column < 0)
        return text.contains(term.bytes);
    // Fields are parted by a unit separator that no field holds.
    qsizetype start = 0;
    for (int i = 0; i < term.column && start >= 0; ++i) {
        start = text.indexOf('\x1f', start);
        start = start < 0 ? -1 : start + 1;
    }
    if (start < 0)
        return false;
    const qsizetype end = text.indexOf('\x1f', start);
    return QByteArrayView(text).sliced(start, (end < 0 ? text.size() : end) - start).contains(term.bytes);
}

} // namespace

bool SearchIndex::catchUp(const Progress &progress, const std::atomic_bool *cancel, int batch)
{
    int fruitless = 0;
    while (!(cancel && cancel->load())) {
        struct Waiting {
            qint64 id;
            HistoryFile::Kind kind;
            int number;
            qint64 fingerprint;
        };
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
        QList<std::pair<qint64, MailDocument>> docs;
        bool moved = false;
        for (const Waiting &w : waiting) {
            const auto raw = recordsOf(w.kind).read(w.number);
            if (!raw || MailDocument::fingerprint(raw->left(HistoryRecord::kHeadSize)) != w.fingerprint) {
                moved = true;
                continue;
            }
            docs.append({w.id, MailDocument::of(w.kind, HistoryRecord::fromBytes(*raw))});
        }
        {
            std::lock_guard lock(m_mutex);
            if (moved)
                m_seen.clear();
            if (!m_db.exec("BEGIN IMMEDIATE"))
                return mendIfDamaged(), false;
            bool ok = true;
            SqliteStatement still(m_db, "SELECT 1 FROM mails WHERE id = ? AND indexed = 0");
            for (const auto &[id, doc] : docs) {
                const bool waits = still.bind(1, id).step();
                still.reset();
                ok = ok && (!waits || IndexText::write(m_db, id, doc));
            }
            if (!ok || !m_db.exec("COMMIT")) {
                m_db.exec("ROLLBACK");
                mendIfDamaged();
                return false;
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

    QList<Confirm> toConfirm;
    for (const auto &term : query.terms) {
        if (!SearchText::gramsOf(term.text).exact)
            toConfirm.append({columnOf(term.field), term.text.toUtf8()});
    }
    QString sql = query.terms.isEmpty()
        ? QStringLiteral("SELECT m.kind, m.number, m.time, m.date, m.correspondent, m.subject%1 FROM mails m"
                         " WHERE m.indexed = 1")
        : QStringLiteral("SELECT m.kind, m.number, m.time, m.date, m.correspondent, m.subject%1 FROM grams"
                         " CROSS JOIN mails m ON m.id = grams.rowid WHERE grams MATCH :match AND m.indexed = 1");
    sql = sql.arg(toConfirm.isEmpty() ? QString() : QStringLiteral(", m.text"));
    if (kinds.size() == 1)
        sql += QStringLiteral(" AND m.kind = :kind");
    if (query.since)
        sql += QStringLiteral(" AND m.time >= :since");
    if (query.until)
        sql += QStringLiteral(" AND m.time < :until");
    const QByteArray statement = sql.toUtf8();
    SqliteStatement select(m_db, statement.constData());
    int slot = 1;
    if (!query.terms.isEmpty())
        select.bind(slot++, matchOf(query.terms));
    if (kinds.size() == 1)
        select.bind(slot++, kindCode(kinds.first()));
    if (query.since)
        select.bind(slot++, QDateTime(*query.since, QTime(0, 0)).toSecsSinceEpoch());
    if (query.until)
        select.bind(slot++, QDateTime(query.until->addDays(1), QTime(0, 0)).toSecsSinceEpoch());
    while (select.step()) {
        if (!toConfirm.isEmpty()) {
            const QByteArray text = IndexText::unpackBytes(select.blob(6));
            if (!std::all_of(toConfirm.begin(), toConfirm.end(), [&](const auto &t) { return contains(text, t); }))
                continue;
        }
        answer.hits.append({kindOf(select.integer(0)), int(select.integer(1)), select.integer(2), select.text(3),
                            select.text(4), select.text(5)});
    }
    if (select.failed()) {
        answer.error = QStringLiteral("検索用の索引を読めませんでした: %1").arg(m_db.error());
        mendIfDamaged();
        return answer;
    }
    std::sort(answer.hits.begin(), answer.hits.end(), [](const Hit &a, const Hit &b) {
        if (a.time != b.time)
            return a.time > b.time;
        if (a.kind != b.kind)
            return a.kind == HistoryFile::Kind::Received;
        return a.number > b.number;
    });
    SqliteStatement waiting(m_db, kinds.size() == 1 ? "SELECT count(*) FROM mails WHERE indexed = 0 AND kind = ?"
                                                    : "SELECT count(*) FROM mails WHERE indexed = 0");
    if (kinds.size() == 1)
        waiting.bind(1, kindCode(kinds.first()));
    answer.complete = waiting.step() && waiting.integer(0) == 0;
    return answer;
}

SearchIndex::Excerpt SearchIndex::excerpt(const Hit &hit, const SearchQuery &query)
{
    std::lock_guard lock(m_mutex);
    SqliteStatement read(m_db, "SELECT text FROM mails WHERE kind = ? AND number = ? AND indexed = 1");
    read.bind(1, kindCode(hit.kind)).bind(2, hit.number);
    if (!read.step())
        return {};
    const QStringList fields = IndexText::unpack(read.blob(0));
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
