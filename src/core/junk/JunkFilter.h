#pragma once

#include "core/junk/JunkMail.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

enum class JunkVerdict { Untrained, Good, Unsure, Junk };

struct JunkScore {
    JunkVerdict verdict = JunkVerdict::Untrained;
    double score = 0.5;  // 0 good … 1 junk
};

// The learning filter (Robinson–Fisher) and its word counts in
// ★MAilData/junk-words.sqlite, the file's one owner in the process. Safe to
// call from any thread; calls take turns. Other processes meet it through
// SQLite's own locking.
class JunkFilter {
public:
    // Mails of each kind learnt before any verdict is given.
    static constexpr int kTrainedAfter = 10;
    // Scores from kJunkFrom on are junk, up to kGoodUpTo good, between them unsure.
    // Until kConfidentAfter mails of each kind were learnt the filter is careful:
    // junk only from kCarefulJunkFrom, on clearer tokens only. Set by the accuracy
    // runs (bench/junk_accuracy.py) to keep good mail judged junk under 0.5 %.
    static constexpr double kJunkFrom = 0.9;
    static constexpr double kCarefulJunkFrom = 0.99;
    static constexpr double kGoodUpTo = 0.2;
    static constexpr int kConfidentAfter = 500;

    static JunkFilter &instance();
    // ★MAilData/junk-words.sqlite of the current installation.
    static QString storePath();

    // The score by the counts; Untrained until kTrainedAfter junk and good mails were learnt.
    JunkScore score(const JunkMail &mail);
    // What a check does with a stored mail: never Junk for a sender in trusted.
    JunkScore judge(const JunkMail &mail, const QSet<QString> &trusted);
    // Senders never judged junk, read once per check: the address book's,
    // those the user sent mail to, those whose mail was moved back.
    QSet<QString> trustedSenders();

    // Learns a mail as junk or good; one learnt the other way before is unlearnt first.
    bool learn(const JunkMail &mail, bool junk);
    // The same for many mails in one transaction; how many were newly learnt, -1 on failure.
    int learnAll(const QList<JunkMail> &mails, bool junk);
    // Addresses the user sent mail to, or moved back from junk.
    bool trust(const QStringList &addresses);

    // Records (by ReceivedMailIds::headKey) whose sender failed authentication,
    // noted at the check, since the record itself cannot say so.
    bool noteSpoofed(const QByteArray &headKey);
    bool isSpoofed(const QByteArray &headKey);

    int learnedJunk();
    int learnedGood();
    // The last failure (or a store set aside and begun anew), once, in Japanese.
    QString errorText();

    // Closes the store, so the next call opens the data folder's afresh (tests, a new folder).
    void reset();

private:
    JunkFilter() = default;
};
