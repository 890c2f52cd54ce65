#include "core/search/SearchCommand.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryRecovery.h"
#include "core/instance/InstallationLock.h"
#include "core/instance/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace SearchCommand {

namespace {

struct Outcome {
    int status = kNone;
    QByteArray out;
    QString error;
};

QString cell(QString text)
{
    // A tab or a line break inside a field would split the line.
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text.trimmed();
}

Outcome answered(SearchIndex &index, const SearchQuery &query)
{
    const SearchIndex::Answer answer = index.search(query);
    if (!answer.error.isEmpty())
        return {kNone, {}, answer.error};
    return {answer.hits.isEmpty() ? kNone : kFound, linesOf(answer), {}};
}

Outcome searchHere(const SearchQuery &query)
{
    if (const QString unsettled = HistoryRecovery::atStart(); !unsettled.isEmpty())
        return {kNone, {}, unsettled.simplified()};
    SearchIndex index;
    QString error;
    if (!index.open(nullptr, &error))
        return {kNone, {}, error};
    if (!index.catchUp())
        return {kNone, {}, QStringLiteral("検索用の索引を作成できませんでした。")};
    return answered(index, query);
}

Outcome run(const QStringList &arguments)
{
    if (arguments.size() != 2 || arguments.first() != QLatin1String("--search"))
        return {kBadQuery, {}, QStringLiteral("使い方: pintora --search \"検索する文字\"")};
    QString why;
    const auto query = SearchQuery::parse(arguments[1], &why);
    if (!query)
        return {kBadQuery, {}, why};

    QDir().mkpath(AppPaths::resolve(AppPaths::kDataFolder));
    QString lockError;
    if (!InstallationLock::installationInUse(&lockError)) {
        const Outcome outcome = searchHere(*query);
        InstallationLock::release();
        return outcome;
    }
    if (!lockError.isEmpty())
        return {kNone, {}, lockError.simplified()};
    // The running program owns the index: it brings it up to date, then this reads it.
    SingleInstance instance;
    switch (instance.claim(arguments)) {
    case SingleInstance::Claim::HandedOver:
        if (instance.answerStatus() != 0)
            return {kNone, {}, instance.answerText()};
        break;
    case SingleInstance::Claim::Failed:
        return {kNone, {}, instance.errorString().simplified()};
    case SingleInstance::Claim::First:
        return searchHere(*query);  // it ended meanwhile
    }
    SearchIndex index;
    QString error;
    if (!index.openForReading(&error))
        return {kNone, {}, error};
    return answered(index, *query);
}

} // namespace

bool wanted(int argc, char **argv)
{
    return argc > 1 && QByteArray(argv[1]) == "--search";
}

QByteArray linesOf(const SearchIndex::Answer &answer)
{
    QByteArray out;
    for (const auto &hit : answer.hits) {
        const QStringList cells = {hit.kind == HistoryFile::Kind::Received ? QStringLiteral("received")
                                                                           : QStringLiteral("sent"),
                                   QString::number(hit.number), cell(hit.date), cell(hit.correspondent),
                                   cell(hit.subject)};
        out += cells.join(u'\t').toUtf8() + '\n';
    }
    return out;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Outcome outcome = run(QCoreApplication::arguments().mid(1));
    std::fwrite(outcome.out.constData(), 1, size_t(outcome.out.size()), stdout);
    if (!outcome.error.isEmpty())
        std::fprintf(stderr, "%s\n", outcome.error.toUtf8().constData());
    return outcome.status;
}

} // namespace SearchCommand
