// SPDX-License-Identifier: GPL-3.0-or-later
// The accounting-unit register (部門登録): unit names in BUMON rows 1..19, the first chart of
// a new data folder copied from a shipped template, the move of one unit's data to another
// unit number (a swap of the two units) and the deletion of a range of units' data. Each
// action that changes the data folder runs in one transaction: all of it happens, or
// nothing does and the user is told why.
#pragma once

#include "app/gridmodel.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace k9 {

class Database;
class Prompter;
struct Session;

// Unit numbers the register may move or delete (unit 0, the consolidated total, is not).
inline constexpr int kFirstUnit = 1;
inline constexpr int kLastUnit = 19;

// What the register asks the main menu to do after it closes.
enum class RegisterOutcome {
    None,          // nothing; the register was closed or cancelled
    ChartPrepared, // "実　行" ran: run Init, then open the chart of accounts
    EditTemplate,  // "科目編集": open the chart editor on Session::templateDir
};

// The grid's columns over BUMON rows 1..19: code (read-only) and 会計の名称.
std::vector<GridColumn> unitRegisterColumns();
// The grid's row condition: codes kFirstUnit..kLastUnit.
QString unitRegisterRowFilter();

// Opening the register: names the consolidated total (row 0) "合　計" when its name is empty.
void prepareUnitRegister(Session& session);

// True while the data folder's chart (kamoku) has no rows: only then may a template be
// chosen and copied.
bool dataChartIsEmpty(Session& session);

// The folder of template `choice` (0..2, the order of chartTemplates()) under the program
// folder, ending with '/'.
QString templateFolder(const Session& session, int choice);

// Copies the template database's kamoku, kamoku2 and hojokamoku into the data folder, by
// column name, in one transaction. Raises K9Error (the template is missing or lacks a table,
// or a row does not fit); nothing is copied then.
void copyTemplateChart(Session& session, int choice);

// "実　行": on an empty data folder asks "雛形科目の選択は間違いないですか。" and copies the chosen
// template; then shows the way on to the chart screen. Returns ChartPrepared when the
// register closes, None when the user said No or the copy failed (shown as "[エラー] …").
RegisterOutcome runPrepareChart(Session& session, Prompter& prompter, int choice);

// "科目編集": points Session::templateDir at the chosen template and returns EditTemplate.
RegisterOutcome requestTemplateEdit(Session& session, int choice);

// A unit number field: its text read as an integer, 0 when it is not one.
int unitNumberFromText(const QString& text);
bool isMovableUnit(int unit);

// The voucher numbering of the data folder (Head.PM1): 1 = a serial per unit.
int storedVoucherNumbering(Session& session);

// Swaps units x and y in the data folder, in one transaction: the per-unit masters
// (Mkamoku, Mkamoku2, Mhojokamoku by B_ID), the journal lines (denpyou1 by FlgT), the
// allocation percentages A(x)/A(y) and display marks B(x)/B(y) of the chart (kamoku), and
// the BUMON columns Bumonmei, Path, F1, F2, F3. With per-unit voucher serials every unit
// line is renumbered to unit × 10000 + (number mod 10000); common lines keep theirs.
// Raises K9Error with nothing changed when any step fails. Precondition: both 1..19.
void swapUnits(Session& session, int x, int y);

// Swaps the footnote files "cyuki" + x + ".txt" and "cyuki" + y + ".txt" of the data folder
// (either may be missing). Returns the messages of the renames that failed.
QStringList swapFootnoteFiles(const QString& dataDir, int x, int y);

// "部門移動の実行" with the two fields as typed: asks, checks the numbers ("設定に間違いが
// ありますので、処理を中断します。"), swaps the units, then the footnote files. A failure is shown
// as "[エラー] " + the reason. True when the units were swapped.
bool runUnitMove(Session& session, Prompter& prompter, const QString& fromText, const QString& toText);

// Units among from..to whose allocation percentage is non-zero on some account of kamoku.
std::vector<int> unitsWithAllocation(Session& session, int from, int to);

// Deletes the data of units from..to in one transaction: their names and F1 in BUMON are
// cleared (the rows stay), their masters and journal lines are deleted. Raises K9Error with
// nothing changed on failure. Precondition: 1 ≤ from ≤ to ≤ 19.
void deleteUnits(Session& session, int from, int to);

// "部門削除" with the two fields as typed: asks, checks the numbers, does nothing when from
// > to, warns (Yes/No) when a unit still carries allocation percentages, deletes. True when
// units were deleted.
bool runUnitDelete(Session& session, Prompter& prompter, const QString& fromText, const QString& toText);

} // namespace k9
