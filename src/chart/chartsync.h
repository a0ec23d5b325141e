// SPDX-License-Identifier: GPL-3.0-or-later
// Propagation of the common chart to the units when the chart editor closes: every named
// unit's master rows (Mkamoku, Mkamoku2, Mhojokamoku) follow kamoku, kamoku2 and
// hojokamoku, sub-accounts of accounts without sub-accounts disappear, and the work
// folder's copy of unit 1 is rebuilt.
#pragma once

#include <functional>

namespace k9 {

class Database;
struct Session;

// The choice "部門別の科目名称" of the chart editor.
enum class UnitSubAccountNames {
    PerUnit, // "する": a unit keeps its own name of a sub-account coded below "900"
    Common   // "しない": every unit takes the common name
};

// Called with each unit number 0..20 as it is done.
using SyncProgress = std::function<void(int unit)>;

// The highest unit number the masters are kept for.
inline constexpr int kLastMasterUnit = 20;

// Brings the masters of the data folder `aaa` in step with its chart, in one transaction:
//  1. sub-accounts (hojokamoku) of accounts whose FlgD is not 1 are deleted;
//  2. for every unit 0..20 whose BUMON row has a name (not NULL, not empty): one Mkamoku row per
//     kamoku code and one Mkamoku2 row per kamoku2 SNo, added or updated with the line's
//     code (SNo), 科目名 and FlgA … FlgH only (the unit's amounts are left alone); one
//     Mhojokamoku row per hojokamoku row, added when missing, otherwise given the common
//     name unless `names` is PerUnit, the unit's name is not empty and hojo_CD < "900";
//  3. master rows whose code, SNo or (kamoku_CD, hojo_CD) left the chart are deleted, for
//     every unit;
//  4. the work folder's kamoku, kamoku2 and hojokamoku are reloaded for unit 1.
// Raises StoreError (ViewOnlyError in view-only mode); the data folder is then unchanged.
void syncChartToUnits(Database& aaa, Database& www, UnitSubAccountNames names,
                      const SyncProgress& progress = {});

// The same on the session's folders, unless the chart editor works on a template folder
// (Session::templateDir not empty): then nothing is touched and false is returned. The
// session's selected unit is not changed.
bool syncChartToUnits(Session& session, UnitSubAccountNames names, const SyncProgress& progress = {});

} // namespace k9
