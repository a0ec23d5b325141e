// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's grid: the rows of the last build in the grid's nine columns, amounts
// right-aligned, month subtotal rows shaded; typed cells for the spreadsheet export.
#pragma once

#include "ledgers/ledger.h"

#include <QAbstractTableModel>

namespace k9 {

class LedgerGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LedgerGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setRows(std::vector<ledger::LedgerRow> rows);
    const std::vector<ledger::LedgerRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<ledger::LedgerRow> m_rows;
};

} // namespace k9
