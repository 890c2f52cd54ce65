// A move between the received histories in a process of its own, so a test
// can kill it at a chosen moment:
//   history_move_child APP_DIR FROM TO KILL_AT NUMBER...
// FROM and TO are "received" or "junk"; the process kills itself (SIGKILL) at
// the KILL_AT-th word of the move's progress, 0 never. Ends with 0 when the
// move ran through.
#include "core/common/AppPaths.h"
#include "core/history/HistoryMove.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

HistoryFile::Kind kindOf(const QString &name)
{
    return name == QLatin1String("junk") ? HistoryFile::Kind::Junk : HistoryFile::Kind::Received;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return 2;
    AppPaths::setAppDir(args[1]);
    const int killAt = args[4].toInt();
    QList<int> numbers;
    for (qsizetype i = 5; i < args.size(); ++i)
        numbers << args[i].toInt();
    int told = 0;
    const HistoryMove::Result result =
        HistoryMove::run(kindOf(args[2]), kindOf(args[3]), numbers, [&](int, int) {
            if (++told == killAt)
                std::raise(SIGKILL);
        });
    if (!result.ok)
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
    return result.ok ? 0 : 1;
}
