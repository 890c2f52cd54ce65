#pragma once

#include "core/history/HistoryRecord.h"

// Record n of a history the viewer's tests fill: every field says its number.
inline HistoryRecord numberedMail(int n)
{
    return {QStringLiteral("subject %1").arg(n), QStringLiteral("date %1").arg(n),
            QStringLiteral("from%1@example.jp").arg(n), QStringLiteral("body %1").arg(n)};
}
