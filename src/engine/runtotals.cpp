// SPDX-License-Identifier: GPL-3.0-or-later
// The full totals run and the checks of a chosen period.
#include "engine/runtotals.h"

#include "engine/engineerrors.h"
#include "engine/enginemessages.h"
#include "engine/fundtotals.h"
#include "engine/rollup.h"
#include "engine/tcalc1.h"
#include "engine/workstore.h"
#include "store/session.h"

namespace k9 {
namespace {

// Both engines fed by one read of the journal, the inventory list from the unfinished
// balance sheet, then the finished figures written back.
void computeAndStoreAll(Database& www, const totals::Period& period, const totals::VoucherOptions& options) {
    using namespace totals;
    const ChartRows chart = loadWorkChart(www);
    ActivityPosting activity(chart, period, options);
    FundPosting fund(chart, period, options);
    WorkJournalSource journal(www);
    journal.forEach([&](const JournalLine& line) {
        activity.post(line);
        fund.post(line);
    });
    ActivityTotals totals = activity.finish();
    if (totals.stopped())
        throw InvalidSubAccountError(totals.faultyVouchers);
    FundTotals funds = fund.finish();
    const std::vector<InventoryRow> inventory = buildInventoryList(totals.accounts);
    storeAccountFigures(www, finishLines(totals.accounts));
    storeSubAccountFigures(www, totals.subAccounts);
    storeDescriptionSummary(www, totals.accounts, totals.descriptions);
    storeFundFigures(www, finishLines(std::move(funds.fundLines)));
    storeInventoryList(www, inventory);
}

} // namespace

QDate dateFromEntry(const DateEntry& entry, const QString& which) {
    const QDate d(entry.year, entry.month, entry.day);
    if (!d.isValid() || d.year() != entry.year || d.month() != entry.month || d.day() != entry.day)
        throw PeriodError(
            engine_text::impossibleDate().arg(which).arg(entry.year).arg(entry.month).arg(entry.day));
    return d;
}

void checkPeriodChoice(const PeriodChoice& choice) {
    if (!choice.from.isValid())
        throw PeriodError(engine_text::missingDate().arg(engine_text::fromLabel()));
    if (!choice.to.isValid())
        throw PeriodError(engine_text::missingDate().arg(engine_text::toLabel()));
    if (choice.from > choice.to)
        throw PeriodError(engine_text::fromAfterTo());
    if (choice.adjustingMode < 0 || choice.adjustingMode > 2 || choice.unsettledMode < 0 ||
        choice.unsettledMode > 1)
        throw PeriodError(engine_text::invalidOption());
}

void runTotals(Session& session, const PeriodChoice& choice) {
    checkPeriodChoice(choice);
    if (!session.fiscalYearStart.isValid())
        throw PeriodError(engine_text::noFiscalYearStart());
    if (session.currentUnit < 0)
        throw K9Error(engine_text::unitNotSelected());
    const int adjusting = session.adjustingVoucherMode;
    const int unsettled = session.unsettledVoucherMode;
    try {
        totals::WorkCacheScope cache(session.www);
        Transaction tx(session.www);
        totals::storePeriod(session.www, session.fiscalYearStart, choice.from, choice.to);
        session.adjustingVoucherMode = choice.adjustingMode;
        session.unsettledVoucherMode = choice.unsettledMode;
        prepareWorkCopies(session);
        computeAndStoreAll(session.www, totals::Period::of(session.fiscalYearStart, choice.from, choice.to),
                           {choice.adjustingMode, choice.unsettledMode});
        tx.commit();
    } catch (...) {
        session.adjustingVoucherMode = adjusting;
        session.unsettledVoucherMode = unsettled;
        throw;
    }
}

void storeMonthlyPeriod(Session& session, const PeriodChoice& choice) {
    PeriodChoice monthly = choice;
    monthly.from = session.fiscalYearStart;
    if (!monthly.from.isValid())
        throw PeriodError(engine_text::noFiscalYearStart());
    if (monthly.to.isValid() && monthly.to < monthly.from)
        throw PeriodError(engine_text::toBeforeFiscalStart());
    checkPeriodChoice(monthly);
    if (monthly.adjustingMode > 1)
        throw PeriodError(engine_text::invalidOption());
    Transaction tx(session.www);
    totals::storePeriod(session.www, session.fiscalYearStart, monthly.from, monthly.to);
    tx.commit();
    session.adjustingVoucherMode = monthly.adjustingMode;
    session.unsettledVoucherMode = monthly.unsettledMode;
}

PeriodChoice storedPeriodChoice(Session& session) {
    const totals::StoredPeriod stored = totals::loadStoredPeriod(session.www);
    PeriodChoice c;
    const QDate start = session.fiscalYearStart;
    c.from = stored.from.isValid() ? stored.from : start;
    c.to = stored.to.isValid() ? stored.to : (start.isValid() ? start.addYears(1).addDays(-1) : QDate());
    c.adjustingMode = session.adjustingVoucherMode;
    c.unsettledMode = session.unsettledVoucherMode;
    return c;
}

} // namespace k9
