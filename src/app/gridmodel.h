// SPDX-License-Identifier: GPL-3.0-or-later
// An editable table model over the rows of one stored table, for the register grids (unit
// names, access codes, fiscal-year folders). Each edited cell is written at once through
// the store, which cuts the text to the column's width and refuses text CP932 cannot
// carry; a refused edit is reported through the Prompter and leaves the row as stored.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVariant>
#include <vector>

namespace k9 {

class Database;
class Prompter;

// One grid column: the stored column, its heading and whether the user may edit it.
struct GridColumn {
    QString column;
    QString title;
    bool editable = true;
    Qt::InputMethodHints inputHints = Qt::ImhNone;
};

class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The column's width in CP932 bytes (0 for numbers), for editors that limit input.
    static constexpr int MaxBytesRole = Qt::UserRole + 1;
    // Qt::InputMethodHints for the column's editor.
    static constexpr int InputHintsRole = Qt::UserRole + 2;

    // Rows of `table` ordered by `keyColumn` (a unique column); `filter` is a fixed SQL
    // condition with ?N parameters bound from `filterParams`, empty for every row. The
    // model starts empty; reload() reads the rows.
    TableGridModel(Database& db, Prompter& prompter, QString table, QString keyColumn,
                   std::vector<GridColumn> columns, QString filter = {},
                   std::vector<QVariant> filterParams = {}, QObject* parent = nullptr);

    // Reads the rows again. Raises StoreError when the table cannot be read.
    void reload();
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    QVariant keyAt(int row) const;
    // The row holding `key`, or -1.
    int rowOfKey(const QVariant& key) const;
    // The stored value of a cell (NULL as an invalid QVariant).
    QVariant valueAt(int row, const QString& column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes the edited text to the stored row. False, with the reason shown through the
    // Prompter, when the store refuses it (text CP932 cannot carry, a number that is not
    // one, a duplicate key, view-only mode); the row then keeps its stored values.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Row {
        QVariant key;
        std::vector<QVariant> values;
    };
    bool readRow(const QVariant& key, Row& row);
    QString selectList() const;

    Database& m_db;
    Prompter& m_prompter;
    QString m_table;
    QString m_keyColumn;
    std::vector<GridColumn> m_columns;
    QString m_filter;
    std::vector<QVariant> m_filterParams;
    std::vector<Row> m_rows;
    bool m_readOnly = false;
};

struct Session;

// The register screens' grid over the unit table BUMON: read-only in view-only mode and
// loaded at once; a load the store refuses is reported and leaves the grid empty.
TableGridModel* openUnitTableModel(Session& session, Prompter& prompter, std::vector<GridColumn> columns,
                                   const QString& filter, QObject* parent);

} // namespace k9
