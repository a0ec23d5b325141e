// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the accounting unit on the main menu: which list entries may be selected, which
// menu buttons each choice shows, the cash-entry button setting, what leaving the unit list
// fixes in the session (the unit and the selected unit's report header), and the check that
// every unit-bound menu action makes first.
#pragma once

#include <QString>

namespace k9 {

class Database;
class Prompter;
struct Session;

// Which of the main menu's unit-dependent controls are shown. The window applies it.
struct MainMenuState {
    bool transferEntryVisible = true;  // 振替仕訳入力
    bool cashEntryVisible = true;      // 現金・預金入力
    bool consolidationVisible = false; // 合計処理
    bool summaryVisible = false;       // 総　括　表
    bool reportPanelVisible = true;    // the report buttons
    bool unitDataPanelVisible = false; // 部門データの入力・出力
    int transferEntryHeight = 40;      // 50 when the cash-entry button is hidden

    bool operator==(const MainMenuState&) const = default;
};

// The outcome of a click on entry `entry` of the unit list.
struct UnitClick {
    bool selected = false; // false: the list's selection is cleared
    QString message;       // the refusal to show, empty when none
    MainMenuState menu;    // the menu after the click (unchanged when not selected)
};

// The cash-entry setting (Regist row 400, P1 = 1 hides the cash-entry button).
bool cashEntryButtonHidden(Database& hm);

// The unit rules of a click: an empty name selects nothing; a subtotal unit (UnitKind ≥ 2)
// is refused; with RightsMode 1 the unit's access code, written with four digits, must equal
// the login text. A selected unit 1..19 shows the entry buttons and the report panel; the
// consolidated total (entry 0) offers 合計処理 instead.
UnitClick clickUnitEntry(const Session& session, const MainMenuState& menu, int entry,
                         const QString& entryText, bool cashEntryHidden);

// Applies the cash-entry setting; the cash-entry button stays hidden while entry 0 is selected.
void applyCashEntrySetting(MainMenuState& menu, bool cashEntryHidden, bool totalSelected);

// The menu when the main-menu tab is shown with `selectedEntry` selected (−1 = none).
MainMenuState mainTabShown(const Session& session, const MainMenuState& menu, int selectedEntry,
                           bool cashEntryHidden);

// Leaving the unit list: CurrentUnit, CurrentUnitText and CurrentUnitName follow the list's
// selection (−1 and empty when none); the selected unit's report header (the work Head) is
// refreshed from the data folder's Head; VoucherNumbering, DatePrintStyle and
// FiscalYearStart are read from the data folder's Head.
void leaveUnitList(Session& session, int selectedEntry, const QString& entryText);

// The report header of the selected unit: every empty column takes the data folder's value,
// the seals 職印１..職印５ and 会計期首 always do; 法人名 = CorporationName and 施設名 =
// CurrentUnitName. Adds the row when the work Head has none.
void refreshWorkHead(Session& session);

// Sets the work Head's period to the whole fiscal year: 自期日 = the data folder's 会計期首,
// 至期日 = the same day one year later minus one day.
void resetWorkHeadPeriod(Session& session);

// Menu actions that work on a unit call this first: with no unit selected it shows
// "会計が「選択」されていないか、会計の登録がされていません。" and returns false.
bool requireUnit(const Session& session, Prompter& prompter);

} // namespace k9
