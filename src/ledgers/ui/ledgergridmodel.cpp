// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's grid model.
#include "ledgers/ui/ledgergridmodel.h"

#include "ledgers/ledgerexport.h"
#include "reports/spreadsheet.h"

#include <QBrush>
#include <QColor>

namespace k9 {

using ledger::GridColumn;

void LedgerGridModel::setRows(std::vector<ledger::LedgerRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int LedgerGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LedgerGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ledger::kGridColumnCount;
}

QVariant LedgerGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ledger::kGridColumnCount)
        return {};
    const ledger::LedgerRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<GridColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return ledger::gridText(row, column);
    case Qt::TextAlignmentRole:
        return ledger::isAmountColumn(column) || column == GridColumn::Voucher
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        return row.isMonthTotal() ? QVariant(QBrush(QColor(0xe8, 0xe8, 0xe8))) : QVariant();
    case kSheetCellRole: {
        SheetCell cell;
        if (column == GridColumn::Debit)
            cell = SheetCell::ofAmount(row.debit);
        else if (column == GridColumn::Credit)
            cell = SheetCell::ofAmount(row.credit);
        else if (column == GridColumn::Balance)
            cell = SheetCell::ofAmount(row.balance);
        else if (column == GridColumn::Date)
            cell = SheetCell::ofDate(row.date);
        else if (column == GridColumn::Voucher)
            cell = row.voucher ? SheetCell::ofInteger(*row.voucher) : SheetCell::empty();
        else
            cell = SheetCell::ofText(ledger::gridText(row, column));
        return QVariant::fromValue(cell);
    }
    case kSheetEmphasisRole:
        if (index.column() != 0)
            return {};
        return static_cast<int>(row.kind == ledger::RowKind::MonthTotal ? SheetEmphasis::Subtotal
                                : row.kind == ledger::RowKind::Total    ? SheetEmphasis::Total
                                                                        : SheetEmphasis::Item);
    default:
        return {};
    }
}

QVariant LedgerGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ledger::kGridColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ledger::gridCaptions().at(section);
}

} // namespace k9
