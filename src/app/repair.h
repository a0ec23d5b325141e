// SPDX-License-Identifier: GPL-3.0-or-later
// "破損ファイルの修復": after the main menu's confirmation, checks the data-folder and
// work-folder databases, rebuilds the indexes of the journal and chart tables and of the
// work tables, makes sure Mkamoku keeps its key (B_ID, code), renumbers WKTBL0 and
// compacts both databases. A failing step is noted and the next step still runs.
#pragma once

#include <QString>
#include <QStringList>

namespace k9 {

class Database;
class Prompter;
struct Session;

struct RepairResult {
    // What the user must know, one line each: damaged database files (by file name),
    // steps that failed, a key that was missing. Empty when everything went through.
    QStringList problems;
    // Database files whose integrity check failed before the repair.
    QStringList damagedFiles;
    // Of those, the ones that still fail after the repair.
    QStringList stillDamagedFiles;
};

// The data-folder tables whose indexes are rebuilt.
const QStringList& repairDataTables();
// The work tables whose indexes are rebuilt (tables that do not exist are skipped).
const QStringList& repairWorkTables();

// Runs every repair step on the two databases, which must be open. Never throws for a
// single step; each failure becomes a line of `problems`.
RepairResult repairDatabases(Database& aaa, Database& www);

// Renumbers WKTBL0.renNo 1, 2, 3, … in the order of the present numbers, in one
// transaction on `www`. Raises StoreError on failure (the table is then unchanged).
void renumberWorkTable0(Database& www);

// The whole menu action: repairs the session's data and work folders and shows the final
// message, followed by the problems when there were any.
RepairResult runRepair(Session& session, Prompter& prompter);

// "データ修復及びインデックスの再構築が終わりました。" with the problem lines appended.
QString repairFinishedMessage(const RepairResult& result);

} // namespace k9
