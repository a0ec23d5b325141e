// SPDX-License-Identifier: GPL-3.0-or-later
// The totals run behind the period dialogs' "実    行" and the batch mode: checks the
// period, stores it in the work Head and the two voucher options in the session, rebuilds
// the unit's work copies, runs the activity and fund engines, builds the inventory list,
// finishes the figures and writes everything back in one transaction.
#pragma once

#include <QDate>
#include <QString>

namespace k9 {

struct Session;

// A date as the dialogs' spin boxes hold it.
struct DateEntry {
    int year = 0;
    int month = 0;
    int day = 0;
};

// What a period dialog hands over.
struct PeriodChoice {
    QDate from;
    QDate to;
    int adjustingMode = 0; // 0 含める, 1 整理伝票は除く, 2 整理伝票のみ
    int unsettledMode = 0; // 0 含める, 1 未決済伝票は除く
};

// The date of a spin-box entry. An impossible date (30 February) raises PeriodError naming
// `which` ("開始日" or "終了日") and the date; it is never rolled over.
QDate dateFromEntry(const DateEntry& entry, const QString& which);

// Refuses (PeriodError) an invalid date, a start after the end and options out of range.
void checkPeriodChoice(const PeriodChoice& choice);

// The full run for the selected unit. Preconditions: a unit is selected (CurrentUnit ≥ 0)
// and FiscalYearStart is set. Unit 1..19: the work chart and journal are first rebuilt from
// the data folder; unit 0 works on the work copies as they stand.
// Failures, after which the work folder and the session options are as before the call:
// - PeriodError for a refused period or option, or a missing fiscal-year start;
// - K9Error when no unit is selected;
// - InvalidSubAccountError when a counting line carries an invalid sub-account code on a
//   FlgG 11 or 920 account (no figure is stored);
// - StoreError when a table cannot be read or written.
void runTotals(Session& session, const PeriodChoice& choice);

// The monthly-totals dialog: stores the period from FiscalYearStart to choice.to and the
// options, without running the engines. PeriodError when the end precedes the
// fiscal-year start.
void storeMonthlyPeriod(Session& session, const PeriodChoice& choice);

// The period the dialogs show on opening: the work Head's 自期日 and 至期日, or, where blank,
// the fiscal year from FiscalYearStart.
PeriodChoice storedPeriodChoice(Session& session);

} // namespace k9
