// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/sheetmodel.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace k9 {

void SheetTableModel::setSheet(QStringList headers, std::vector<SheetRow> rows,
                               std::vector<std::optional<QColor>> rowColours) {
    beginResetModel();
    m_headers = std::move(headers);
    m_rows = std::move(rows);
    m_colours = std::move(rowColours);
    endResetModel();
}

int SheetTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SheetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QString SheetTableModel::cellText(const SheetCell& cell) {
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return {};
    case SheetCell::Kind::Text:
        return cell.text;
    case SheetCell::Kind::Amount:
        return cell.amount.format();
    case SheetCell::Kind::Integer:
        return QString::number(cell.integer);
    case SheetCell::Kind::Date:
        return cell.date.toString(QStringLiteral("yyyy/MM/dd"));
    }
    return {};
}

QVariant SheetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const SheetRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const std::size_t c = static_cast<std::size_t>(index.column());
    const SheetCell cell = c < row.cells.size() ? row.cells[c] : SheetCell{};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(cell);
    case Qt::TextAlignmentRole:
        if (cell.kind == SheetCell::Kind::Amount || cell.kind == SheetCell::Kind::Integer ||
            (cell.kind == SheetCell::Kind::Text && !cell.text.isEmpty() && cell.text.front().isDigit() &&
             cell.text.contains(QLatin1Char('.'))))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (static_cast<std::size_t>(index.row()) < m_colours.size() &&
            m_colours[static_cast<std::size_t>(index.row())])
            return QBrush(*m_colours[static_cast<std::size_t>(index.row())]);
        return {};
    case Qt::FontRole:
        if (row.emphasis != SheetEmphasis::Item) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case kSheetCellRole:
        return QVariant::fromValue(cell);
    case kSheetEmphasisRole:
        return static_cast<int>(row.emphasis);
    default:
        return {};
    }
}

QVariant SheetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_headers.size() ? m_headers[section] : QVariant();
    return section + 1;
}

QTableView* makeSheetGrid(QWidget* parent, SheetTableModel* model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    return grid;
}

void addSheetTabs(QTabWidget* tabs, const QStringList& captions, SheetTableModel** models,
                  QTableView** grids) {
    for (int i = 0; i < captions.size(); ++i) {
        models[i] = new SheetTableModel(tabs);
        grids[i] = makeSheetGrid(tabs, models[i]);
        grids[i]->setObjectName(QStringLiteral("grid%1").arg(i));
        grids[i]->verticalHeader()->setDefaultSectionSize(22);
        tabs->addTab(grids[i], captions[i]);
    }
}

QLineEdit* makeTotalBox(QWidget* parent, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace k9
