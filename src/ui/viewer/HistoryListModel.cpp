#include "ui/viewer/HistoryListModel.h"

#include "core/common/FixedField.h"
#include "core/history/HistoryRecord.h"
#include "core/history/ReceivedMailIds.h"
#include "core/history/RecordText.h"
#include "core/junk/JunkFilter.h"
#include "ui/viewer/LinkedHeaderLoader.h"

#include <QApplication>
#include <QStyle>

namespace {

// Rows read together: a screenful and then some, in one open of the file.
constexpr int kBlockRows = 32;
// Linked headers kept: many screens of rows, a small fraction of a full history.
constexpr int kLinkedRows = 2048;

} // namespace

HistoryListModel::HistoryListModel(QObject *parent)
    : QAbstractTableModel(parent), m_linked(kLinkedRows), m_loader(new LinkedHeaderLoader(this))
{
    connect(m_loader, &LinkedHeaderLoader::loaded, this, [this](const QList<LinkedHeaderLoader::Result> &results) {
        for (const auto &result : results) {
            m_asked.remove(result.row);
            if (result.row < 0 || result.row >= m_rows)
                continue;
            auto *entry = new std::optional<Whole>();
            if (result.header)
                *entry = Whole{result.header->subject, result.header->correspondent};
            m_linked.insert(result.row, entry);
            // Cell by cell: the view then redraws only those cells, none of a row
            // scrolled away by now; a row read to no avail looks as it did.
            if (result.header) {
                for (int column : {0, 1}) {
                    const QModelIndex cell = index(result.row, column);
                    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::ToolTipRole});
                }
            }
        }
    });
}

HistoryListModel::~HistoryListModel() = default;

void HistoryListModel::restartLinks()
{
    m_linked.clear();
    m_asked.clear();
    m_loader->restart(m_kind.value_or(HistoryFile::Kind::Received));
}

int HistoryListModel::linksPending() const
{
    return m_loader->pending();
}

void HistoryListModel::list(HistoryFile::Kind kind)
{
    beginResetModel();
    m_kind = kind;
    m_heads.clear();
    m_blocks.clear();
    m_whole.clear();
    m_spoofed.clear();
    restartLinks();
    m_rows = HistoryFile(kind).listCount();
    endResetModel();
}

void HistoryListModel::reset(QByteArray heads)
{
    beginResetModel();
    m_kind.reset();
    m_heads = std::move(heads);
    m_blocks.clear();
    m_whole.clear();
    m_spoofed.clear();
    restartLinks();
    m_rows = static_cast<int>(m_heads.size() / HistoryRecord::kHeadSize);
    endResetModel();
}

void HistoryListModel::clear()
{
    reset({});
}

void HistoryListModel::showWhole(int row, const QString &subject, const QString &correspondent)
{
    if (row < 0 || row >= m_rows)
        return;
    m_whole.insert(row, {subject, correspondent});
    emit dataChanged(index(row, 0), index(row, 1));
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int HistoryListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QByteArray HistoryListModel::head(int row) const
{
    constexpr int size = HistoryRecord::kHeadSize;
    if (!m_kind)
        return QByteArray::fromRawData(m_heads.constData() + qsizetype(row) * size, size);
    const int block = row / kBlockRows;
    auto found = m_blocks.constFind(block);
    if (found == m_blocks.constEnd())
        found = m_blocks.insert(block, HistoryFile(*m_kind).readHeads(block * kBlockRows + 1, kBlockRows));
    const qsizetype at = qsizetype(row % kBlockRows) * size;
    if (found->size() < at + size)
        return {};
    return QByteArray::fromRawData(found->constData() + at, size);
}

const HistoryListModel::Whole *HistoryListModel::linked(int row, const QByteArray &head) const
{
    // Heads given in advance have no file to follow links in.
    if (!m_kind || head.isEmpty())
        return nullptr;
    if (const std::optional<Whole> *known = m_linked.object(row))
        return known->has_value() ? &**known : nullptr;
    if (!m_asked.contains(row)) {
        m_asked.insert(row);
        if (const int dropped = m_loader->request(row, head); dropped >= 0)
            m_asked.remove(dropped);
    }
    return nullptr;
}

QString HistoryListModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows)
        return {};
    if (const auto whole = m_whole.constFind(row); whole != m_whole.constEnd() && column < 2)
        return FixedField::cutAtNul(column == 0 ? whole->subject : whole->correspondent);
    const QByteArray bytes = this->head(row);
    if (column < 2) {
        if (const Whole *whole = linked(row, bytes))
            return FixedField::cutAtNul(column == 0 ? whole->subject : whole->correspondent);
    }
    const HistoryRecord head = HistoryRecord::fromBytes(bytes);
    switch (column) {
    case 0: return RecordText::forScreen(head.subjectCell(), head.Correspondent);
    case 1: return RecordText::forScreen(head.correspondentCell(), head.Correspondent);
    case 2: return RecordText::forScreen(head.dateCell(), head.Correspondent);
    default: return {};
    }
}

bool HistoryListModel::isSpoofed(int row) const
{
    if (!m_kind || *m_kind == HistoryFile::Kind::Sent || row < 0 || row >= m_rows)
        return false;
    if (const auto known = m_spoofed.constFind(row); known != m_spoofed.constEnd())
        return *known;
    const QByteArray bytes = head(row);
    const bool spoofed = !bytes.isEmpty() && JunkFilter::instance().isSpoofed(ReceivedMailIds::headKey(bytes));
    m_spoofed.insert(row, spoofed);
    return spoofed;
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DecorationRole && index.column() == 0 && isSpoofed(index.row()))
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (role == Qt::AccessibleDescriptionRole && isSpoofed(index.row()))
        return QStringLiteral("なりすましの可能性があります");
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
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
