// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model of the chart editor over one chart table of a folder: kamoku (accounts,
// code order) or kamoku2 (fund-statement lines, SNo order). It behaves like a table
// cursor: at most one line is in edit (or newly inserted) at a time; post() checks the
// line and writes it, cancel() drops it. Blank cells are stored as NULL, an explicit 0
// is kept. Columns other than the ones shown (allocation, display marks) are left alone.
#pragma once

#include "chart/chartdata.h"
#include "chart/chartrules.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace k9 {

class Database;
class Prompter;
class Statement;

enum class ChartTable { Accounts, FundLines };

class ChartTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Columns of the accounts grid (kamoku).
    enum AccountColumn {
        AccCode,
        AccName,
        AccFlgA,
        AccFlgB,
        AccFlgC,
        AccSmall,
        AccSubAccounts,
        AccFlgG,
        AccFlgH,
        AccTax
    };
    // Columns of the fund-statement grid (kamoku2).
    enum FundColumn {
        FundSNo,
        FundCode,
        FundName,
        FundFlgA,
        FundFlgB,
        FundFlgC,
        FundSmall,
        FundFlgG,
        FundFlgH
    };

    // The width of a text column in CP932 bytes (0 for numbers), for editors that limit input.
    static constexpr int MaxBytesRole = Qt::UserRole + 1;
    // The smallest and largest number a number column takes.
    static constexpr int MinimumRole = Qt::UserRole + 2;
    static constexpr int MaximumRole = Qt::UserRole + 3;
    // The line's LineColour as an int; the screen draws the line's text in that colour.
    static constexpr int LineColourRole = Qt::UserRole + 4;

    // Reads the table at once. Messages (refusals, questions before a deletion) go through
    // `prompter`. Raises StoreError when the table cannot be read.
    ChartTableModel(Database& chart, Prompter& prompter, ChartTable table, QObject* parent = nullptr);

    ChartTable table() const { return m_table; }
    QString tableName() const;
    Database& database() { return m_db; }

    // Reads the lines again; an unposted edit is dropped.
    void reload();
    // A read-only model refuses every change (view-only login).
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    QString fieldOf(int column) const;
    int columnOf(const QString& field) const; // -1 when the grid has no such column
    // The FlgH column: Enter there moves to the first column of the next line.
    int enterWrapColumn() const;
    // The column off the Enter path (消費税), -1 on the fund-statement grid.
    int offEnterColumn() const;

    // A line's current values (those being edited for the line in edit).
    QVariant value(int row, const QString& field) const;
    Flag flag(int row, const QString& field) const;
    QString text(int row, const QString& field) const;
    QString code(int row) const { return text(row, QStringLiteral("code")); }
    // The codes of every line, in grid order.
    QStringList codes() const;
    LineColour colour(int row) const;
    // True when every cell of the line is blank (a new line nobody typed into).
    bool isBlank(int row) const;
    // The line whose stored key (code or SNo) equals `key`, or -1.
    int rowOfKey(const QVariant& key) const;

    // Edit state.
    int editRow() const { return m_editRow; }
    bool isEditing() const { return m_editRow >= 0; }
    bool isInserting() const { return m_editRow >= 0 && m_inserting; }
    // Puts a line in edit (the navigator's "edit"); posts another line in edit first.
    // False when that post is refused or the model is read-only.
    bool edit(int row);
    // Inserts a blank line before `row` (rowCount() appends) and puts it in edit; posts a
    // line in edit first. Returns the new line's row, or -1 when refused.
    int insertLine(int row);
    // Checks and writes the line in edit. Accounts need a five-character code; fund lines
    // an SNo; keys must be unique; changing a stored key asks or refuses as the line's uses
    // require (chart/accountuses.h). A refusal is shown, the line stays in edit and false
    // is returned. After writing, an input line named as a transfer account with a blank
    // FlgG takes FlgG 30, and the line moves to its place in key order. True also when no
    // line is in edit.
    bool post();
    // The row of the line posted last (after it moved to its place).
    int lastPostedRow() const { return m_lastPostedRow; }
    // Drops the edit: an inserted line disappears, an edited one shows its stored values.
    void cancel();
    // Deletes a line after the check of chart/accountuses.h: refused while journal lines
    // use the account, otherwise only after the user confirms. True when deleted.
    bool deleteLine(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Sets a cell of a line, putting it in edit (another line in edit is posted first).
    // Text is stored as typed (empty → NULL); numbers must be whole numbers within the
    // column's range (消費税 0 to 30), else the value is refused with a message.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The edit state changed (a line went into or out of edit).
    void editStateChanged();

private:
    struct Field {
        QString name;
        QString title;
        bool text = false;
        int width = 0; // CP932 bytes of a text
        int minimum = 0;
        int maximum = 0;
        bool shown = true;
    };
    struct Line {
        QVariant key; // the stored key; invalid for an inserted line
        std::vector<QVariant> values;
    };

    int fieldIndex(const QString& name) const;
    const QString& keyField() const;
    QVariant keyValue(const Line& line) const;
    bool keyLess(const Line& a, const Line& b) const;
    QString selectList() const;
    Line readLine(Statement& st) const;
    bool checkLine(const Line& line);
    bool writeLine(Line& line);
    void placeLine(int row);
    void beginEditOf(int row);
    void endEdit();
    QVariant display(const Line& line, int field) const;

    Database& m_db;
    Prompter& m_prompter;
    ChartTable m_table;
    std::vector<Field> m_fields; // every field read; the shown ones first, in column order
    int m_shownCount = 0;
    std::vector<Line> m_lines;
    int m_editRow = -1;
    bool m_inserting = false;
    Line m_saved; // the stored values of the line in edit
    int m_lastPostedRow = -1;
    bool m_readOnly = false;
};

} // namespace k9
