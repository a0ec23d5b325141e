// SPDX-License-Identifier: GPL-3.0-or-later
// The pickers' read-only model.
#include "chart/ui/pickertablemodel.h"

#include <QBrush>
#include <algorithm>

namespace k9 {

PickerTableModel::PickerTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)) {}

void PickerTableModel::setRows(std::vector<Row> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int PickerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PickerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant PickerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < row.cells.size() ? row.cells.at(index.column()) : QString();
    case Qt::ForegroundRole:
        if (row.colour == PickerLineColour::Red)
            return QBrush(Qt::red);
        if (row.colour == PickerLineColour::Blue)
            return QBrush(Qt::blue);
        return {};
    case Qt::TextAlignmentRole:
        if (std::find(m_rightAligned.begin(), m_rightAligned.end(), index.column()) != m_rightAligned.end())
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PickerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size())
        return m_headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace k9
