#pragma once

#include "core/history/HistoryFile.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QSet>

#include <optional>

class LinkedHeaderLoader;

// The mail list's rows. Listing a history reads only its length; the head bytes
// of a record are read and decoded when its row is drawn, so even a history of
// 32767 mails that is not in the page cache lists at once. A drawn row whose
// record links its whole mail shows that mail's subject and correspondent once
// their header is read, off the window thread; until then, and whenever the
// file cannot be read, it shows the record.
class HistoryListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit HistoryListModel(QObject *parent = nullptr);
    ~HistoryListModel() override;

    // Lists the history's file of that kind, which is created when missing.
    void list(HistoryFile::Kind kind);
    // Rows whose heads are already known: rows x recordHeadSize bytes.
    void reset(QByteArray heads);
    void clear();

    // A row whose whole mail was read shows its full subject and correspondent
    // from now on (row counted from 0).
    void showWhole(int row, const QString &subject, const QString &correspondent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Column 0 "Subject", 1 "From", 2 "Date": cut at NUL, padding kept.
    QString cell(int row, int column) const;

    // Drawn rows whose linked mails are still being read.
    int linksPending() const;

    // Whether the check noted that the sender of a received row (counted from 0)
    // failed authentication; such a row carries a mark and says so to assistive tools.
    bool isSpoofed(int row) const;

private:
    struct Whole {
        QString subject;
        QString correspondent;
    };

    // The head of a row, or an empty array when the file no longer holds it.
    QByteArray head(int row) const;
    // The whole mail's subject and correspondent for a row when known; asks for
    // them when they are not.
    const Whole *linked(int row, const QByteArray &head) const;
    void restartLinks();

    std::optional<HistoryFile::Kind> m_kind;
    QByteArray m_heads;                      // rows known in advance
    mutable QHash<int, QByteArray> m_blocks;  // heads read so far, by block of rows
    QHash<int, Whole> m_whole;               // rows shown whole by a click
    // Rows whose linked header was read: a null entry when the record's own text stands.
    mutable QCache<int, std::optional<Whole>> m_linked;
    mutable QSet<int> m_asked;
    mutable QHash<int, bool> m_spoofed;
    LinkedHeaderLoader *m_loader = nullptr;
    int m_rows = 0;
};
