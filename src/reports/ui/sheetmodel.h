// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only grid model over rows of typed cells (the same SheetCell the spreadsheet export
// writes): texts left, amounts right with thousands separators, whole numbers right, dates
// as yyyy/MM/dd. Report screens fill it from their computed rows; the "エクセル出力" button
// reads the typed cells back through kSheetCellRole, so amounts stay numbers.
#pragma once

#include "reports/spreadsheet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <optional>

class QLineEdit;
class QTabWidget;
class QTableView;
class QWidget;

namespace k9 {

class SheetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Replaces headers and rows. `rowColours` gives an optional text colour per row (rows
    // beyond its end are black).
    void setSheet(QStringList headers, std::vector<SheetRow> rows,
                  std::vector<std::optional<QColor>> rowColours = {});
    const std::vector<SheetRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The grid text of a cell.
    static QString cellText(const SheetCell& cell);

private:
    QStringList m_headers;
    std::vector<SheetRow> m_rows;
    std::vector<std::optional<QColor>> m_colours;
};

// The report screens' read-only grid on `model`: whole rows selected one at a time, no row
// headers, named "grid" for the screen tests.
QTableView* makeSheetGrid(QWidget* parent, SheetTableModel* model);

// Adds one tab per caption to `tabs`, each a read-only grid (makeSheetGrid) on a model of its
// own: models[i] and grids[i] receive them, and grid i is named "grid" + i.
void addSheetTabs(QTabWidget* tabs, const QStringList& captions, SheetTableModel** models,
                  QTableView** grids);

// A read-only total box under a report grid, right-aligned as amounts are.
QLineEdit* makeTotalBox(QWidget* parent, const QString& text = QString());

} // namespace k9
