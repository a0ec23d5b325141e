// SPDX-License-Identifier: GPL-3.0-or-later
// Moves a unit's chart between the data folder's per-unit masters (Mkamoku, Mkamoku2,
// Mhojokamoku, keyed by B_ID) and the work folder's copies (kamoku, kamoku2, hojokamoku),
// and prepares the work tables of the monthly totals and the per-unit breakdowns.
//
// A work table's columns are its master's columns without B_ID, in the same order. The
// copies pair master column i+1 with work column i and name both, after checking that
// each pair carries the same name; a folder whose layouts disagree raises StoreError
// instead of copying values into the wrong columns.
#pragma once

namespace k9 {

class Database;
struct Session;

// Empties the work kamoku, kamoku2 and hojokamoku and fills them with the unit's rows of
// Mkamoku, Mkamoku2 and Mhojokamoku (every column after B_ID). One transaction on the work
// folder. Raises StoreError when a table cannot be read or written.
void loadUnitChart(Database& aaa, Database& www, int unit);
void loadUnitChart(Session& session);

// Sets the name of every work hojokamoku row from the unit's Mhojokamoku row with the same
// (kamoku_CD, hojo_CD); work rows without a master row keep their name.
void refreshSubAccountNames(Database& aaa, Database& www, int unit);
void refreshSubAccountNames(Session& session);

// Writes the work kamoku, kamoku2 and hojokamoku back into the unit's master rows with the
// same key (code; SNo; kamoku_CD and hojo_CD): every column after the key is copied. Work
// rows without a master row are not added. One transaction on the data folder; refused
// with ViewOnlyError in view-only mode. Returns the number of master rows written.
int saveUnitChart(Database& aaa, Database& www, int unit);
int saveUnitChart(Session& session);

// Empties the work tukibetu and tukibetu2 and gives them one row per Mkamoku and Mkamoku2
// row of the unit: code (or SNo), 科目名, FlgA … FlgL and, for tukibetu2, code. The money
// columns stay empty for the monthly totals to fill.
void buildMonthlyTables(Database& aaa, Database& www, int unit);
void buildMonthlyTables(Session& session);

// Empties the work Bumonbetu and Bumonbetu2 and gives them one row per account of the data
// folder's kamoku (code, 科目名, FlgA … FlgI) and per statement line of kamoku2 (SNo,
// 科目名, FlgA … FlgI, code).
void buildUnitBreakdownTables(Database& aaa, Database& www);
void buildUnitBreakdownTables(Session& session);

} // namespace k9
