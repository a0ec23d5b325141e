// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc1, the activity and balance-sheet engine on the work folder (消費収支関係の計算):
// the totals of kamoku and hojokamoku with the description summary WTBL7, the finishing of
// kamoku, and the two year-end operations.
#pragma once

#include <QDate>

namespace k9 {

struct Session;

// For a unit 1..19, rebuilds the work kamoku, kamoku2 and hojokamoku from the unit's
// masters and the work denpyou1 from the data folder's journal with the common lines
// apportioned. Unit 0 keeps the work copies as they stand. Runs under WorkCacheScope.
void prepareWorkCopies(Session& session);

class TCalc1 {
public:
    explicit TCalc1(Session& session) : m_session(session) {}

    // Activity and balance-sheet totals from the fiscal-year start `start` for the period
    // from..to, with the session's voucher options. Rebuilds the work copies first
    // (prepareWorkCopies), then fills the sixteen amounts and 比 of kamoku, the balances of
    // hojokamoku and the table WTBL7, in one transaction on the work folder. Raises
    // InvalidSubAccountError, storing nothing, when a counting line carries an invalid
    // sub-account code on a FlgG 11 or 920 account.
    void calcA(const QDate& start, const QDate& from, const QDate& to);

    // Finishing of kamoku: blank amounts become 0, heading lines (FlgA blank or 9) blank.
    void calcC();

    // Turns a completed year's totals in the work copies into next year's opening figures
    // and budgets (balance-sheet lines carry 残高合計 into 期首繰越; activity lines keep it as
    // next year's budget; kamoku2 takes its next-year budget). One transaction.
    void calcB1();

    // Deletes the data folder's journal lines dated up to `cutoff` and renumbers the rest by
    // date under the year's voucher numbering. One transaction on the data folder; the old
    // journal is replaced only when every remaining line was copied (StoreError otherwise).
    void calcB2(const QDate& cutoff);

private:
    Session& m_session;
};

} // namespace k9
