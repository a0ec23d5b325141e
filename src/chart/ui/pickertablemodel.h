// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only table model for the pickers: rows of texts with the line colour the chart
// rules give them (blue for lines that cannot be chosen, red for accounts with
// sub-accounts).
#pragma once

#include "chart/postable.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace k9 {

class PickerTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QStringList cells;
        PickerLineColour colour = PickerLineColour::Normal;
    };

    explicit PickerTableModel(QStringList headers, QObject* parent = nullptr);
    void setRows(std::vector<Row> rows);
    // Columns whose texts are right-aligned (numbers).
    void setRightAligned(int column) { m_rightAligned.push_back(column); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    std::vector<Row> m_rows;
    std::vector<int> m_rightAligned;
};

} // namespace k9
