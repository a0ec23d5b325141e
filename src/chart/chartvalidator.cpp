// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every structural check of a chart of accounts and gathers the faults found.
#include "chart/chartvalidator.h"

#include "chart/chartchecks.h"
#include "chart/chartdata.h"
#include "store/database.h"

namespace k9 {

QStringList validateChart(const ChartData& chart) {
    using Check = void (*)(const ChartData&, QStringList&);
    static const Check checks[] = {
        chartcheck::accountCodes,      chartcheck::fundLineNumbers,    chartcheck::names,
        chartcheck::flagValues,        chartcheck::levelPlacement,     chartcheck::statementOrder,
        chartcheck::smallAccountRuns,  chartcheck::totalMembers,       chartcheck::subAccounts,
        chartcheck::allocation,        chartcheck::netAssetRoles,      chartcheck::restrictedNetAssets,
        chartcheck::endowmentRouting,  chartcheck::balanceSheetTotals, chartcheck::fundAccounts,
        chartcheck::fundLineCodes,     chartcheck::fundBalanceLines,   chartcheck::fundRedirects,
        chartcheck::interUnitAccounts, chartcheck::unusedRoles,
    };
    QStringList problems;
    for (Check check : checks)
        check(chart, problems);
    return problems;
}

QStringList validateChart(Database& db) {
    QStringList missing;
    for (const char* table : {"kamoku", "kamoku2", "hojokamoku"})
        if (!db.tableExists(QString::fromLatin1(table)))
            missing << QStringLiteral("表 %1 がありません。").arg(QString::fromLatin1(table));
    if (!missing.isEmpty())
        return missing;
    return validateChart(loadChart(db));
}

} // namespace k9
