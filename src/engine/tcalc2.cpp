// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc2 on the work folder.
#include "engine/tcalc2.h"

#include "engine/fundtotals.h"
#include "engine/rollup.h"
#include "engine/workstore.h"
#include "store/database.h"
#include "store/session.h"

namespace k9 {

void TCalc2::calcA(const QDate& start, const QDate& from, const QDate& to) {
    using namespace totals;
    Database& www = m_session.www;
    Transaction tx(www);
    const ChartRows chart{loadAccounts(www), loadFundLines(www), {}};
    WorkJournalSource journal(www);
    const FundTotals result =
        computeFundTotals(chart, journal, Period::of(start, from, to),
                          {m_session.adjustingVoucherMode, m_session.unsettledVoucherMode});
    storeFundFigures(www, result.fundLines);
    tx.commit();
}

void TCalc2::calcC() {
    Database& www = m_session.www;
    Transaction tx(www);
    totals::storeFundFigures(www, totals::finishLines(totals::loadFundLines(www)));
    tx.commit();
}

} // namespace k9
