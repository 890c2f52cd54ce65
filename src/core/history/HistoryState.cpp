#include "core/history/HistoryState.h"

HistoryState &historyState()
{
    static HistoryState state;
    return state;
}
