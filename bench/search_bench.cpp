// Whole-history search on a full received history (32,767 mails, 1.06 GB) of
// generated Japanese and English mail, every mail its own text, and a sent
// history of 3,000: the first build (wall time, and the window thread's longest
// stall meanwhile), the index beside the decoded text, query latency per set
// of queries, and the catch-up after 1,000 new mails. Prints each figure with
// its target; nothing here is a test.
// Usage: bench_search [records]   (default 32767)
#include "core/common/AppPaths.h"
#include "core/common/Sqlite.h"
#include "core/history/HistoryFile.h"
#include "core/search/SearchService.h"

#include "BenchHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

// Words to build mails from: enough of them, in enough combinations, that no
// two mails are alike.
const QStringList &japaneseWords()
{
    static const QStringList words = QStringLiteral(
        "会議 東京 遠足 学校 予定 資料 確認 連絡 お願い 申し訳 ありません よろしく 来週 今週 明日 昨日 "
        "打ち合わせ 議事録 見積書 請求書 契約 担当者 部長 課長 社長 営業 開発 企画 報告 相談 返信 送付 "
        "添付 ファイル プロジェクト スケジュール ミーティング メール サーバー システム テスト リリース "
        "大阪 京都 名古屋 福岡 札幌 横浜 神戸 新幹線 出張 ホテル 予約 旅行 運動会 授業参観 保護者 先生 "
        "子ども 給食 宿題 天気 雨天 決行 中止 延期 変更 日程 時間 場所 会場 参加 欠席 出席 締め切り "
        "ありがとう ございます 失礼 いたします 存じます 承知 しました 拝見 検討 対応 準備 完了 開始 終了 "
        "ｶﾀｶﾅ ﾃｽﾄ ＡＢＣ 株式会社 有限会社 お疲れ様 です ます でした ください 思います と は が を に で の も")
                                         .split(u' ', Qt::SkipEmptyParts);
    return words;
}

const QStringList &englishWords()
{
    static const QStringList words = QStringLiteral(
        "meeting schedule report invoice project release server update review contract budget travel "
        "hotel booking thanks regards please attached document agenda minutes deadline launch customer "
        "support question answer weekly monthly quarterly status change request approval team office")
                                         .split(u' ', Qt::SkipEmptyParts);
    return words;
}

const QStringList &names()
{
    static const QStringList all = QStringLiteral(
        "yamada tanaka suzuki sato takahashi ito watanabe nakamura kobayashi kato yoshida yamamoto "
        "sasaki matsumoto inoue kimura hayashi shimizu yamazaki mori abe ikeda hashimoto ishikawa")
                                       .split(u' ', Qt::SkipEmptyParts);
    return all;
}

QString sentence(QRandomGenerator &random)
{
    const bool english = random.bounded(5) == 0;
    const QStringList &words = english ? englishWords() : japaneseWords();
    QString out;
    const int length = 5 + random.bounded(15);
    for (int i = 0; i < length; ++i) {
        out += words[random.bounded(int(words.size()))];
        if (english)
            out += u' ';
    }
    out += english ? QStringLiteral(".\r\n") : QStringLiteral("。\r\n");
    return out;
}

HistoryRecord mailOf(int n, QRandomGenerator &random, qint64 *textBytes)
{
    HistoryRecord record;
    const QString name = names()[random.bounded(int(names().size()))];
    record.Subject = japaneseWords()[random.bounded(int(japaneseWords().size()))]
        + japaneseWords()[random.bounded(int(japaneseWords().size()))] + QStringLiteral("の件 %1").arg(n);
    record.Correspondent = QStringLiteral("%1 <%1.%2@example.jp>").arg(name).arg(n % 97);
    const QDateTime date = QDateTime(QDate(2024, 1, 1), QTime(8, 0)).addSecs(qint64(n) * 1900);
    record.MailDate = date.toString(Qt::RFC2822Date);
    const int sentences = 3 + random.bounded(60);
    for (int i = 0; i < sentences; ++i)
        record.Body += sentence(random);
    *textBytes += (record.Subject + record.Correspondent + record.Body).toUtf8().size();
    return record;
}

struct Figures {
    double median = 0;
    double p95 = 0;
    double cpuMedian = 0;  // the same query's processor time, what a machine of its own would take
};

double cpuSeconds(int who = RUSAGE_SELF);

Figures latency(SearchIndex &index, const QStringList &queries)
{
    QList<double> ms;
    QList<double> cpu;
    for (const QString &text : queries) {
        const auto query = SearchQuery::parse(text);
        QElapsedTimer timer;
        const double cpuBefore = cpuSeconds(RUSAGE_THREAD);
        timer.start();
        index.search(*query);
        ms << timer.nsecsElapsed() / 1e6;
        cpu << (cpuSeconds(RUSAGE_THREAD) - cpuBefore) * 1000;
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms[ms.size() / 2], ms[std::min<qsizetype>(ms.size() - 1, ms.size() * 95 / 100)], cpu[cpu.size() / 2]};
}

QStringList querySet(QRandomGenerator &random, int kind)
{
    QStringList out;
    while (out.size() < 100) {
        const QString word = japaneseWords()[random.bounded(int(japaneseWords().size()))];
        switch (kind) {
        case 0: out << word.mid(random.bounded(int(word.size())), 1); break;
        case 1:
            if (word.size() >= 2)
                out << word.mid(random.bounded(int(word.size()) - 1), 2);
            break;
        case 2:
            if (word.size() >= 3)
                out << word;
            break;
        case 3: out << englishWords()[random.bounded(int(englishWords().size()))]; break;
        default: out << QStringLiteral("from:") + names()[random.bounded(int(names().size()))]; break;
        }
    }
    return out;
}

// The process's processor time so far, in seconds: on a machine shared with
// other work it tells the build's own cost apart from waiting.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void print(const char *what, double value, const char *unit, const char *target)
{
    std::printf("%-48s %10.1f %-3s (target %s)\n", what, value, unit, target);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 32767;
    QTemporaryDir dir;
    // PINTORA_BENCH_KEEP=1 leaves the installation behind, to look at the index.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("PINTORA_BENCH_KEEP"));
    AppPaths::setAppDir(dir.path());
    AppPaths::ensureInstallationFolders();

    QRandomGenerator random(36);
    qint64 textBytes = 0;
    BenchHistory::write(AppPaths::resolve(AppPaths::kReceivedHistory), records,
                        [&](int n) { return mailOf(n, random, &textBytes); });
    BenchHistory::write(AppPaths::resolve(AppPaths::kSentHistory), 3000,
                        [&](int n) { return mailOf(n, random, &textBytes); });
    BenchHistory::warm(AppPaths::resolve(AppPaths::kReceivedHistory));
    std::printf("history: %d received mails (%.2f GB) and 3000 sent, decoded text %.1f MB\n", records,
                QFileInfo(AppPaths::resolve(AppPaths::kReceivedHistory)).size() / 1e9, textBytes / 1e6);

    // The first build, with a window thread that ticks every 5 ms and notes its longest gap.
    SearchService &service = SearchService::instance();
    QElapsedTimer sinceTick;
    qint64 stall = 0;
    QTimer tick;
    tick.setInterval(5);
    QElapsedTimer build;
    qint64 stallAt = 0;
    QString status;
    QString stallStatus;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (sinceTick.elapsed() > stall) {
            stall = sinceTick.elapsed();
            stallAt = build.isValid() ? build.elapsed() : 0;
            stallStatus = status;
        }
        sinceTick.restart();
    });
    QObject::connect(&service, &SearchService::progress, &app, [&](int indexed, int total) {
        status = QStringLiteral("%1 / %2").arg(indexed).arg(total);
    }, Qt::QueuedConnection);
    // The same ticks with nothing of ours running first: what the machine itself costs the window thread.
    {
        tick.start();
        sinceTick.start();
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        tick.stop();
        std::printf("window thread's longest stall with nothing to do: %lld ms (the machine's own load)\n",
                    static_cast<long long>(stall));
        stall = 0;
    }
    const double cpuBefore = cpuSeconds();
    const double windowCpuBefore = cpuSeconds(RUSAGE_THREAD);
    build.start();
    sinceTick.start();
    tick.start();
    service.start(200);
    bool built = false;
    service.catchUpSoon(&app, [&] { built = true; });
    while (!built)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    tick.stop();
    print("first build", build.elapsed() / 1000.0, "s", "<= 300 s");
    std::printf("  (processor time of the build outside the window thread: %.1f s)\n",
                cpuSeconds() - cpuBefore - (cpuSeconds(RUSAGE_THREAD) - windowCpuBefore));
    print("window thread's longest stall during the build", double(stall), "ms", "<= 50 ms");
    std::printf("  (ending %.1f s into the build, at %s indexed)\n", stallAt / 1000.0, qPrintable(stallStatus));

    // The catch-up after a check of 1,000 mails.
    {
        HistoryFile received(HistoryFile::Kind::Received);
        if (received.count() + 1000 > RecordFile::kMaxRecords)
            received.removeAll(1000);
        // The room made for the new mails is taken in first, so only the new mails are timed.
        bool settled = false;
        service.catchUpSoon(&app, [&] { settled = true; });
        while (!settled)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        for (int n = 0; n < 1000; ++n)
            received.append(mailOf(records + n + 1, random, &textBytes));
        QElapsedTimer caughtUp;
        const double cpuBefore = cpuSeconds() - cpuSeconds(RUSAGE_THREAD);
        caughtUp.start();
        bool done = false;
        service.catchUpSoon(&app, [&] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        print("index caught up after a 1,000-mail check", caughtUp.elapsed() / 1000.0, "s", "<= 2 s");
        std::printf("  (processor time of the catch-up outside the window thread: %.1f s)\n",
                    cpuSeconds() - cpuSeconds(RUSAGE_THREAD) - cpuBefore);
    }

    SearchIndex &index = service.index();
    QRandomGenerator queries(3636);
    const char *sets[] = {"one-character Japanese", "two-character Japanese", "longer Japanese", "ASCII words",
                          "from: queries"};
    for (int set = 0; set < 5; ++set) {
        const Figures f = latency(index, querySet(queries, set));
        char label[96];
        std::snprintf(label, sizeof label, "query median, %s", sets[set]);
        print(label, f.median, "ms", "<= 50 ms");
        std::printf("  (processor time, median: %.1f ms)\n", f.cpuMedian);
        std::snprintf(label, sizeof label, "query 95th percentile, %s", sets[set]);
        print(label, f.p95, "ms", "<= 300 ms");
    }

    service.stop();
    const QString path = SearchIndex::defaultPath();
    const qint64 size = QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
    std::printf("index %.1f MB, decoded text %.1f MB\n", size / 1e6, textBytes / 1e6);
    {
        SqliteDb db;
        db.open(path, true);
        SqliteStatement parts(db, "SELECT name, sum(pgsize) FROM dbstat GROUP BY name ORDER BY 2 DESC LIMIT 8");
        while (parts.step())
            std::printf("  %-24s %8.1f MB\n", parts.text(0).toUtf8().constData(), parts.integer(1) / 1e6);
    }
    print("index size / decoded text", double(size) / double(textBytes), "x", "<= 1.5 x");
    if (!dir.autoRemove())
        std::printf("kept: %s\n", qPrintable(path));
    return 0;
}
