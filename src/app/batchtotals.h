// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch verbs that work on an existing data folder share: opening the session on
// the program folder and the data folder as start-up opens them, choosing the unit as the
// main menu's unit list chooses it, and the totals run behind "実    行" with the work
// tables written out as CSV.
#pragma once

#include "engine/runtotals.h"

#include <QDate>
#include <QString>

namespace k9 {

class Prompter;
struct Session;

// Opens `session` on the program folder `appDir` and the data folder `dataPath` (as typed,
// relative to appDir when not absolute) and runs Init for it, as start-up does after the
// login. The data path stored in the program folder is not changed. Raises K9Error when
// appDir is not a program folder, the data folder does not exist or belongs to another
// program, or Init failed.
void openBatchSession(Session& session, const QString& appDir, const QString& dataPath, const QDate& today);

// Selects unit 1..19 as a click on the main menu's unit list followed by leaving the list
// does (the unit's name, the report header in the work Head, the fiscal-year values).
// Batch mode has no login, so the per-unit access codes of the rights mode do not apply.
// Raises K9Error for a unit outside 1..19, an unnamed unit or a subtotal column.
void selectBatchUnit(Session& session, int unit);

// The work tables the totals verb writes, in order: kamoku, kamoku2, hojokamoku.
const QStringList& totalsTables();

// Runs the totals for the selected unit exactly as the period dialog's "実    行" does and
// writes every column of the work kamoku, kamoku2 and hojokamoku to outDir/<table>.csv
// (outDir is created when missing). Raises PeriodError, InvalidSubAccountError (nothing
// written), StoreError or K9Error.
void runTotalsToCsv(Session& session, const PeriodChoice& choice, const QString& outDir, Prompter& prompter);

} // namespace k9
