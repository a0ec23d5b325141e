// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of every table the program creates in the program, data and work folders:
// column names, declared types and widths, primary keys and named indexes. DDL and the
// upgrade steps are generated from these definitions, so each name is spelt once.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace k9 {

struct ColumnDef {
    QString name;
    QString type; // CHARACTER, VARCHAR, INTEGER, SMALLINT, MONEY, FLOAT, DATE, BOOLEAN
    int width = 0;
    QString declared() const { return width > 0 ? QStringLiteral("%1(%2)").arg(type).arg(width) : type; }
};

struct IndexDef {
    QString name;
    QStringList columns;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    QStringList primaryKey;
    std::vector<IndexDef> indexes;

    QStringList columnNames() const;
    // The same layout under another name (for the upgrade steps' "T$" tables).
    TableDef renamed(const QString& newName) const;
    // Changes one column's declared type and width.
    TableDef withColumn(const QString& column, const QString& type, int width) const;
};

// CREATE TABLE IF NOT EXISTS plus its CREATE INDEX IF NOT EXISTS statements. Index names are
// per database in SQLite, so each is stored as "<table>.<index>".
QString createTableSql(const TableDef& def);
QStringList createIndexSql(const TableDef& def);
QString indexStorageName(const QString& table, const QString& index);

// The thirteen classification flags FlgA … FlgL, FlgAN.
QStringList flagNames();

namespace tables {
// Program folder.
const TableDef& headM();
const TableDef& regist();
const TableDef& pathRec();
std::vector<TableDef> programFolder();

// Data folder.
const TableDef& dataHead();
const TableDef& denpyou1();
const TableDef& bumon();
const TableDef& kamoku();
const TableDef& kamoku2();
const TableDef& hojokamoku();
const TableDef& mkamoku();
const TableDef& mkamoku2();
const TableDef& mhojokamoku();
const TableDef& regist2();
const TableDef& kariire();
const TableDef& syohizei();
std::vector<TableDef> dataFolder();

// Work folder (the ones named like data tables are the work layouts).
const TableDef& workHead();
const TableDef& workKamoku();
const TableDef& workKamoku2();
const TableDef& workHojokamoku();
std::vector<TableDef> workFolder();
const TableDef* workTable(const QString& name);
const TableDef* dataTable(const QString& name);

// The fifteen consumption-tax classes seeded into an empty syohizei.
struct TaxClassSeed {
    int zeiID;
    const char* zeimei;
    double zeiritu;
    int kubun;
    double p1, p2, p3, p4;
};
const std::vector<TaxClassSeed>& syohizeiSeed();
} // namespace tables

} // namespace k9
