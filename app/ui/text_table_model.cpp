#include "ui/text_table_model.h"

Text_Table_Model::Text_Table_Model(QStringList headers_, Row_Source source_, Alignment_Of alignment_,
                                   QObject* parent)
    : QAbstractTableModel(parent), headers(std::move(headers_)), source(std::move(source_)),
      alignment(std::move(alignment_))
{
    rows = source();
}

void Text_Table_Model::Refresh()
{
    beginResetModel();
    rows = source();
    endResetModel();
}

void Text_Table_Model::Set_Headers(const QStringList& headers_)
{
    if (headers_ == headers)
        return;
    headers = headers_;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int Text_Table_Model::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int Text_Table_Model::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(headers.size());
}

QVariant Text_Table_Model::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= headers.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        // The tool tip shows a text that its column is too narrow for.
        const QStringList& row = rows[index.row()];
        return index.column() < row.size() ? row[index.column()] : QString();
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment(index.row() + 1, index.column()) | Qt::AlignVCenter);
    return {};
}

QVariant Text_Table_Model::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= headers.size())
        return {};
    if (role == Qt::DisplayRole)
        return headers[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}
