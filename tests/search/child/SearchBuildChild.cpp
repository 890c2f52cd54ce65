// A build of the search index in a process of its own, for the tests that kill
// one: builds in small batches and tells each step on standard output.
#include "core/common/AppPaths.h"
#include "core/search/SearchIndex.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    AppPaths::setAppDir(QString::fromLocal8Bit(argv[1]));
    SearchIndex index;
    QString notice;
    if (!index.open(&notice))
        return 1;
    std::printf("open %s\n", notice.toUtf8().constData());
    std::fflush(stdout);
    index.catchUp([](int indexed, int total) {
        std::printf("%d %d\n", indexed, total);
        std::fflush(stdout);
    }, nullptr, 20);
    return 0;
}
