// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's thin layer over the work folder: reads the selected unit's chart into
// memory, streams the work journal, and writes the computed figures, the description
// summary WTBL7 and the property-inventory list WTBL back. Callers scope the writes in one
// transaction.
#pragma once

#include "engine/activitytotals.h"
#include "engine/inventorylist.h"
#include "engine/journalsource.h"
#include "engine/totalsmodel.h"
#include "store/tabledefs.h"

#include <QDate>
#include <vector>

namespace k9 {
class Database;
}

namespace k9::totals {

// The layouts of the work tables the engine creates on every run.
const TableDef& descriptionSummaryTable(); // WTBL7
const TableDef& inventoryListTable();      // WTBL

// The work kamoku in code order, kamoku2 in SNo order and hojokamoku. Raises StoreError
// when a table is missing.
std::vector<ChartLine> loadAccounts(Database& www);
std::vector<ChartLine> loadFundLines(Database& www);
std::vector<SubAccountLine> loadSubAccounts(Database& www);
ChartRows loadWorkChart(Database& www);

// The work denpyou1, read once per forEach with one prepared statement.
class WorkJournalSource : public JournalSource {
public:
    explicit WorkJournalSource(Database& www) : m_www(www) {}
    void forEach(const JournalVisitor& visit) override;

private:
    Database& m_www;
};

// Writes the sixteen amounts and 比 of every line back to the row it was read from.
void storeAccountFigures(Database& www, const std::vector<ChartLine>& accounts);
void storeFundFigures(Database& www, const std::vector<ChartLine>& fundLines);
// Writes 前残高, 借方, 貸方, 残高 and 残高合計 of every sub-account.
void storeSubAccountFigures(Database& www, const std::vector<SubAccountLine>& subAccounts);
// Drops and recreates WTBL7 and fills it.
void storeDescriptionSummary(Database& www, const std::vector<ChartLine>& accounts,
                             const std::vector<DescriptionRow>& rows);
// Drops and recreates WTBL and fills it in list order.
void storeInventoryList(Database& www, const std::vector<InventoryRow>& rows);

// A larger page cache on the work connection for as long as the object lives, so that the
// rewritten work journal of a million lines and its indexes stay in memory until the run
// commits. The connection's own setting comes back afterwards; scopes may nest.
class WorkCacheScope {
public:
    explicit WorkCacheScope(Database& www);
    ~WorkCacheScope();
    WorkCacheScope(const WorkCacheScope&) = delete;
    WorkCacheScope& operator=(const WorkCacheScope&) = delete;

private:
    Database& m_www;
    long long m_previous = 0;
};

// The period stored in the work Head (自期日, 至期日); invalid dates when blank.
struct StoredPeriod {
    QDate from;
    QDate to;
};
StoredPeriod loadStoredPeriod(Database& www);
// Writes 自期日 and 至期日 into the work Head row, adding the row (with 会計期首) when the
// table has none.
void storePeriod(Database& www, const QDate& fiscalYearStart, const QDate& from, const QDate& to);

} // namespace k9::totals
