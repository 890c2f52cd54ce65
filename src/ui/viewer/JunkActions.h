#pragma once

#include "core/history/HistoryFile.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class TyakuForm;

// The history window's actions between 着信履歴 and 迷惑メール: they move the
// shown mail, or the selected rows when several are selected, and tell the
// junk filter what the user said about them.
class JunkActions {
public:
    explicit JunkActions(TyakuForm *form);

    void markJunk();     // "迷惑メール(&J)"
    void markNotJunk();  // "迷惑メールではない(&N)"

    struct Outcome {
        bool ok = false;
        int moved = 0;
        QString error;  // for a box; also when the mails moved but the filter could not learn
    };
    // Moves the records (by number) and has the filter learn them as junk when
    // they go to the junk history, as good otherwise (their senders trusted from
    // then on). Reads mails and rewrites histories: not for the window thread.
    static Outcome moveAndLearn(HistoryFile::Kind from, HistoryFile::Kind to, const QList<int> &numbers,
                                const std::function<void(int, int)> &progress = {},
                                const std::atomic_bool *cancel = nullptr);

private:
    void move(HistoryFile::Kind from, HistoryFile::Kind to);

    TyakuForm *m_form;
};
