#pragma once

#include <QAbstractTableModel>
#include <QByteArray>

// The mail list's rows: the head bytes of every record, decoded only when a row
// is drawn, so a history of 32767 mails lists at once.
class HistoryListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // heads holds rows x recordHeadSize bytes, one record head after another.
    void reset(QByteArray heads);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Column 0 "Subject", 1 "From", 2 "Date": cut at NUL, padding kept.
    QString cell(int row, int column) const;

private:
    QByteArray m_heads;
    int m_rows = 0;
};
