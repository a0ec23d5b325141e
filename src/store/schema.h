// SPDX-License-Identifier: GPL-3.0-or-later
// Creation and upgrade of the tables of the three folders, run at start-up and whenever
// the data path changes. Every step tests for the old shape first, so a current folder
// passes through unchanged; each step that changes a table runs in one transaction.
#pragma once

#include "store/tabledefs.h"

#include <QString>

namespace k9 {

class Database;
class Prompter;

// Program folder: HeadM/Regist, the PathName3 column, the wider Regist texts, PathRec.
// Precondition: HeadM exists (start-up refuses to run otherwise). Failures propagate.
void programFolderSchema(Database& hm);

// Data folder: every table of the year's books, the Head/BUMON/Mkamoku/kamoku/kamoku2
// upgrades and the 15 syohizei seed rows. A failing step is rolled back and raised as
// StoreError naming the step, so the caller can report it; steps before it stay done.
void dataFolderSchema(Database& aaa);

// Work folder: every work table, the work kamoku in the money layout, TEKIYOU.BMNFlg and
// the wider work Head. Failures propagate.
void workFolderSchema(Database& www);

// Creates a table and its indexes when missing.
void createTable(Database& db, const TableDef& def);

// Copies every row of `oldTable` into a new table laid out as `newDef` (columns matched by
// name), then drops the old table and gives the new one the old name and its indexes. One
// transaction; the old table is dropped only when every row was copied, else StoreError.
void rebuildAndCopy(Database& db, const QString& oldTable, const TableDef& newDef);

// Appends one target row per source row, copying the columns whose names exist in both.
// Text is cut to the target's widths. Returns the number of rows copied.
int copyByName(Database& db, const QString& source, const QString& target);

// Renames a table; its indexes are dropped (they carry the old table's name).
void renameTable(Database& db, const QString& from, const QString& to);
void dropTableIfExists(Database& db, const QString& table);

} // namespace k9
