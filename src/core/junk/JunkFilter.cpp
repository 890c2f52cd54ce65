#include "core/junk/JunkFilter.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/AppPaths.h"
#include "core/common/Sqlite.h"
#include "core/junk/JunkCombine.h"
#include "core/junk/JunkTokens.h"
#include "core/junk/JunkWordStore.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>
#include <mutex>

namespace {

struct State {
    std::mutex mutex;
    JunkWordStore store;
    QString error;
};

State &state()
{
    static State s;
    return s;
}

// The marks of records whose sender failed authentication, through a connection
// of their own: the history list asks for them on the window thread, which must
// not wait while a check holds the filter (or first loads its counts).
struct Marks {
    std::mutex mutex;
    SqliteDb db;
};

Marks &marks()
{
    static Marks m;
    return m;
}

// Under marks().mutex; false while the store file does not exist.
bool marksOpen()
{
    Marks &m = marks();
    if (m.db.isOpen())
        return true;
    return QFileInfo::exists(JunkFilter::storePath()) && m.db.open(JunkFilter::storePath());
}

void closeMarks()
{
    std::lock_guard lock(marks().mutex);
    marks().db.close();
}

// The store, opened on first use; nothing when it cannot be opened.
JunkWordStore *storeLocked()
{
    State &s = state();
    if (!s.store.isOpen() && !s.store.open(JunkFilter::storePath())) {
        s.error = s.store.takeError();
        return nullptr;
    }
    if (const QString notice = s.store.takeNotice(); !notice.isEmpty()) {
        // The store was set aside and begun anew: the marks' connection still names the old file.
        closeMarks();
        s.error = notice;
    }
    return &s.store;
}

void noteStoreError()
{
    State &s = state();
    if (const QString error = s.store.takeError(); !error.isEmpty())
        s.error = error;
}

JunkWordStore::Mail learntForm(const JunkMail &mail)
{
    JunkWordStore::Mail learnt;
    learnt.keys = JunkTokens::keysOf(mail);
    learnt.fingerprint = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(learnt.keys.constData()), learnt.keys.size() * qsizetype(sizeof(qint64))),
        QCryptographicHash::Sha1);
    return learnt;
}

JunkVerdict verdictOf(double score, bool careful)
{
    if (score >= (careful ? JunkFilter::kCarefulJunkFrom : JunkFilter::kJunkFrom))
        return JunkVerdict::Junk;
    return score <= JunkFilter::kGoodUpTo ? JunkVerdict::Good : JunkVerdict::Unsure;
}

} // namespace

JunkFilter &JunkFilter::instance()
{
    static JunkFilter filter;
    return filter;
}

QString JunkFilter::storePath()
{
    return AppPaths::resolve(AppPaths::kDataFolder) + QStringLiteral("/junk-words.sqlite");
}

JunkScore JunkFilter::score(const JunkMail &mail)
{
    const QList<qint64> keys = JunkTokens::keysOf(mail);
    static const qint64 spoofed = JunkTokens::key(JunkTokens::kSpoofed);
    std::lock_guard lock(state().mutex);
    JunkWordStore *store = storeLocked();
    if (!store)
        return {};
    const JunkCombine::Counts totals = store->totals();
    if (totals.good < kTrainedAfter || totals.junk < kTrainedAfter) {
        noteStoreError();
        return {};
    }
    const QHash<qint64, JunkCombine::Counts> counts = store->counts(keys);
    noteStoreError();
    QList<double> probabilities;
    probabilities.reserve(counts.size() + 1);
    for (const qint64 key : keys) {
        if (key == spoofed)
            probabilities << JunkCombine::kSpoofedProbability;
        else if (const auto found = counts.constFind(key); found != counts.cend())
            probabilities << JunkCombine::wordProbability(*found, totals);
    }
    const bool careful = std::min(totals.good, totals.junk) < kConfidentAfter;
    const double score = JunkCombine::combine(probabilities, careful ? JunkCombine::kCarefulMinDeviation
                                                                     : JunkCombine::kMinDeviation);
    return {verdictOf(score, careful), score};
}

JunkScore JunkFilter::judge(const JunkMail &mail, const QSet<QString> &trusted)
{
    JunkScore result = score(mail);
    if (result.verdict == JunkVerdict::Junk && trusted.contains(mail.senderAddress()))
        result.verdict = JunkVerdict::Unsure;
    return result;
}

QSet<QString> JunkFilter::trustedSenders()
{
    QSet<QString> senders;
    const auto addAddresses = [&senders](const AddressRecords &records) {
        if (!QFileInfo::exists(records.path()))
            return;
        records.forEach([&senders](int, const AddressBookRecord &record) {
            JunkMail named;
            named.from = record.MailAddress;
            if (const QString address = named.senderAddress(); !address.isEmpty())
                senders.insert(address);
            return true;
        });
    };
    addAddresses(AddressBook());
    addAddresses(AddressList());
    // Those the user wrote to: the To boxes of the sent history, its heads only.
    if (const HistoryFile sent(HistoryFile::Kind::Sent); QFileInfo::exists(sent.path())) {
        const QByteArray heads = sent.readHeads();
        for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= heads.size(); at += HistoryRecord::kHeadSize)
            for (const QString &address :
                 JunkMail::addressesIn(HistoryRecord::fromBytes(heads.mid(at, HistoryRecord::kHeadSize)).Correspondent))
                senders.insert(address);
    }
    std::lock_guard lock(state().mutex);
    if (JunkWordStore *store = storeLocked()) {
        senders.unite(store->trusted());
        noteStoreError();
    }
    return senders;
}

bool JunkFilter::learn(const JunkMail &mail, bool junk)
{
    return learnAll({mail}, junk) >= 0;
}

int JunkFilter::learnAll(const QList<JunkMail> &mails, bool junk)
{
    QList<JunkWordStore::Mail> forms;
    forms.reserve(mails.size());
    for (const JunkMail &mail : mails)
        forms << learntForm(mail);
    std::lock_guard lock(state().mutex);
    JunkWordStore *store = storeLocked();
    if (!store)
        return -1;
    const int learnt = store->learn(forms, junk);
    noteStoreError();
    return learnt;
}

bool JunkFilter::trust(const QStringList &addresses)
{
    std::lock_guard lock(state().mutex);
    JunkWordStore *store = storeLocked();
    const bool ok = store && store->addTrusted(addresses);
    noteStoreError();
    return ok;
}

bool JunkFilter::noteSpoofed(const QByteArray &headKey)
{
    {
        // The store made with its tables first.
        std::lock_guard lock(state().mutex);
        if (!storeLocked())
            return false;
    }
    std::lock_guard lock(marks().mutex);
    if (!marksOpen())
        return false;
    SqliteStatement insert(marks().db, "INSERT OR IGNORE INTO spoofed(head) VALUES(?1)");
    return insert.bind(1, headKey).run();
}

bool JunkFilter::isSpoofed(const QByteArray &headKey)
{
    std::lock_guard lock(marks().mutex);
    if (!marksOpen())
        return false;
    SqliteStatement select(marks().db, "SELECT 1 FROM spoofed WHERE head = ?1");
    return select.bind(1, headKey).step();
}

int JunkFilter::learnedJunk()
{
    std::lock_guard lock(state().mutex);
    JunkWordStore *store = storeLocked();
    return store ? int(store->totals().junk) : 0;
}

int JunkFilter::learnedGood()
{
    std::lock_guard lock(state().mutex);
    JunkWordStore *store = storeLocked();
    return store ? int(store->totals().good) : 0;
}

QString JunkFilter::errorText()
{
    std::lock_guard lock(state().mutex);
    return std::exchange(state().error, QString());
}

void JunkFilter::reset()
{
    std::lock_guard lock(state().mutex);
    state().store.close();
    state().error.clear();
    closeMarks();
}
