#include "viewer/HistoryListModel.h"

#include "history/HistoryRecord.h"

void HistoryListModel::reset(QByteArray heads)
{
    beginResetModel();
    m_heads = std::move(heads);
    m_rows = static_cast<int>(m_heads.size() / HistoryRecord::kHeadSize);
    endResetModel();
}

void HistoryListModel::clear()
{
    reset({});
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int HistoryListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QString HistoryListModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows)
        return {};
    const HistoryRecord head = HistoryRecord::fromBytes(QByteArray::fromRawData(
        m_heads.constData() + qsizetype(row) * HistoryRecord::kHeadSize, HistoryRecord::kHeadSize));
    switch (column) {
    case 0: return head.subjectCell();
    case 1: return head.correspondentCell();
    case 2: return head.dateCell();
    default: return {};
    }
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return cell(index.row(), index.column());
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = {"Subject", "From", "Date"};
    return section >= 0 && section < 3 ? QString::fromLatin1(titles[section]) : QVariant();
}
