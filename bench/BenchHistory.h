#pragma once

#include "core/history/HistoryRecord.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

// Histories of any size for the benchmarks, written in large chunks.
namespace BenchHistory {

// The usual record n: a Japanese subject, a sender and a body of a few lines.
inline HistoryRecord usualRecord(int n)
{
    return {QStringLiteral("件名 %1 のお知らせ").arg(n),
            QStringLiteral("Mon, 7 Dec 2026 08:%1:00 +0900").arg(n % 60, 2, 10, QChar(u'0')),
            QStringLiteral("sender%1@example.jp").arg(n), QStringLiteral("本文です。\r\n").repeated(40 + n % 50)};
}

inline void write(const QString &path, int records, const std::function<HistoryRecord(int n)> &recordOf = usualRecord)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    for (int n = 1; n <= records; ++n) {
        chunk += recordOf(n).toBytes();
        if (chunk.size() > (8 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
}

// Reads the file once, so its pages are in the page cache.
inline void warm(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    while (!file.read(8 << 20).isEmpty()) {
    }
}

} // namespace BenchHistory
