#include "viewer/HistoryState.h"

HistoryState &historyState()
{
    static HistoryState state;
    return state;
}
