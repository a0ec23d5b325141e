// SPDX-License-Identifier: GPL-3.0-or-later
// The description picker's model.
#include "chart/ui/descriptionmodel.h"

#include "chart/descriptions.h"
#include "chart/pickertexts.h"

namespace k9 {

DescriptionModel::DescriptionModel(DescriptionPicker& picker, QObject* parent)
    : QAbstractTableModel(parent), m_picker(picker) {}

void DescriptionModel::refresh() {
    beginResetModel();
    endResetModel();
}

void DescriptionModel::refreshRow(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, 0), {Qt::DisplayRole, Qt::EditRole});
}

int DescriptionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_picker.rowCount();
}

int DescriptionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant DescriptionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() != 0)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_picker.text(index.row());
    return {};
}

QVariant DescriptionModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 0)
        return pickertext::kDescriptionHeader;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DescriptionModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool DescriptionModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() != 0)
        return false;
    m_picker.setText(index.row(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

} // namespace k9
