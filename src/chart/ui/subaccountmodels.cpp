// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account editors' models.
#include "chart/ui/subaccountmodels.h"

#include "chart/pickertexts.h"
#include "store/errors.h"
#include "store/prompter.h"

namespace k9 {

using namespace pickertext;

// ---------------------------------------------------------------- SubAccountEditModel

SubAccountEditModel::SubAccountEditModel(SubAccountEditor& editor, Prompter& prompter, QObject* parent)
    : QAbstractTableModel(parent), m_editor(editor), m_prompter(prompter) {}

void SubAccountEditModel::refresh() {
    beginResetModel();
    endResetModel();
}

bool SubAccountEditModel::appendRow() {
    if (!m_editor.canAppendRow())
        return false;
    beginInsertRows(QModelIndex(), rowCount(), rowCount());
    m_editor.appendRow();
    endInsertRows();
    return true;
}

void SubAccountEditModel::removeRowAsked(int row) {
    if (row < 0 || row >= rowCount())
        return;
    try {
        const auto& r = m_editor.row(row);
        if (r.isStored()) {
            const auto check = subAccountDeletionCheck(r.storedCode, r.name, m_editor.uses(row));
            if (check.refused) {
                m_prompter.warning(check.text);
                return;
            }
            if (!m_prompter.confirm(check.text))
                return;
        }
        beginRemoveRows(QModelIndex(), row, row);
        m_editor.removeRow(row);
        endRemoveRows();
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
        m_editor.reload();
        refresh();
    }
}

int SubAccountEditModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_editor.rowCount();
}

int SubAccountEditModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SubAccountEditModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto& r = m_editor.row(index.row());
    return index.column() == CodeColumn ? r.code : r.name;
}

QVariant SubAccountEditModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == CodeColumn ? kSubAccountCodeHeader : kSubAccountNameHeader;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SubAccountEditModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void SubAccountEditModel::setCode(int row, const QString& typed) {
    const auto& r = m_editor.row(row);
    if (r.isStored() && isValidSubAccountCode(typed) && typed != r.storedCode) {
        const auto check = subAccountRecodeCheck(r.storedCode, r.name, m_editor.uses(row));
        if (check.refused) {
            m_prompter.warning(check.text);
            return;
        }
        if (!check.text.isEmpty() && !m_prompter.confirm(check.text))
            return;
    }
    if (m_editor.setCode(row, typed) == SubAccountEditor::CodeResult::Duplicate)
        m_prompter.warning(subAccountDuplicate(typed));
}

bool SubAccountEditModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    try {
        if (index.column() == CodeColumn)
            setCode(index.row(), value.toString());
        else
            m_editor.setName(index.row(), value.toString());
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), 1),
                     {Qt::DisplayRole, Qt::EditRole});
    return true;
}

// ---------------------------------------------------------------- UnitNameModel

UnitNameModel::UnitNameModel(Database& aaa, Prompter& prompter, QString accountCode, QObject* parent)
    : QAbstractTableModel(parent), m_aaa(aaa), m_prompter(prompter), m_accountCode(std::move(accountCode)) {}

void UnitNameModel::setUnit(int unit) {
    beginResetModel();
    m_unit = unit;
    try {
        m_rows = loadUnitSubAccountNames(m_aaa, unit, m_accountCode);
    } catch (const K9Error& e) {
        m_rows.clear();
        m_prompter.error(e.message());
    }
    endResetModel();
}

int UnitNameModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int UnitNameModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant UnitNameModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto& r = m_rows[static_cast<size_t>(index.row())];
    return index.column() == CodeColumn ? r.code : r.name;
}

QVariant UnitNameModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == CodeColumn ? kUnitNamesCodeHeader : kUnitNamesNameHeader;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags UnitNameModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == NameColumn ? f | Qt::ItemIsEditable : f;
}

bool UnitNameModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() != NameColumn)
        return false;
    auto& r = m_rows[static_cast<size_t>(index.row())];
    try {
        storeUnitSubAccountName(m_aaa, m_unit, m_accountCode, r.code, value.toString());
        for (const auto& stored : loadUnitSubAccountNames(m_aaa, m_unit, m_accountCode))
            if (stored.code == r.code)
                r.name = stored.name;
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

} // namespace k9
