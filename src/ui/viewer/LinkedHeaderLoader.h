#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class QThread;

// Reads, away from the window thread, the subject and correspondent of the whole
// mails that listed records link to. Rows are asked for as they are drawn; the
// last asked are read first, and when more wait than a few screens hold, the
// oldest is given up, to be asked for again when it is drawn again.
class LinkedHeaderLoader : public QObject {
    Q_OBJECT

public:
    struct Result {
        int row = 0;  // counted from 0
        std::optional<WholeMailLink::WholeHeader> header;  // nothing: the record's own text stands
    };

    explicit LinkedHeaderLoader(QObject *parent = nullptr);
    ~LinkedHeaderLoader() override;

    // Forgets every waiting row; answers for rows asked before never arrive.
    void restart(HistoryFile::Kind kind);
    // head: the row's 280 head bytes as listed. A record that no longer starts
    // with them (the file changed behind the list) is answered with nothing.
    // Returns the row given up to make room, or -1.
    int request(int row, const QByteArray &head);
    // Rows asked for and not yet answered.
    int pending() const { return m_pending; }

signals:
    void loaded(const QList<LinkedHeaderLoader::Result> &results);

private:
    struct Shared;
    void deliver(quint64 generation, const QList<Result> &results);

    std::shared_ptr<Shared> m_shared;
    QPointer<QThread> m_thread;
    quint64 m_generation = 0;
    int m_pending = 0;
};
