// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the per-unit masters in step with the common chart.
#include "chart/chartsync.h"

#include "store/database.h"
#include "store/session.h"
#include "store/unitchart.h"

#include <QStringList>
#include <vector>

namespace k9 {
namespace {

// The columns a master takes from its chart line, besides the key.
const QStringList& copiedFlags() {
    static const QStringList flags = {"FlgA", "FlgB", "FlgC", "FlgD", "FlgE", "FlgF", "FlgG", "FlgH"};
    return flags;
}

QString quotedList(const QStringList& names) {
    QStringList q;
    for (const auto& n : names)
        q << quoteId(n);
    return q.join(QStringLiteral(", "));
}

QString updateList(const QStringList& names) {
    QStringList q;
    for (const auto& n : names)
        q << QStringLiteral("%1 = excluded.%1").arg(quoteId(n));
    return q.join(QStringLiteral(", "));
}

// Units 0..20 whose BUMON row has a name (the seeding of per-unit names uses the same rule).
std::vector<int> namedUnits(Database& aaa) {
    std::vector<int> units;
    auto st = aaa.prepare(QStringLiteral("SELECT \"code\" FROM \"BUMON\" WHERE \"code\" BETWEEN 0 AND ?1 "
                                         "AND COALESCE(\"Bumonmei\", '') <> '' ORDER BY \"code\""));
    st.bindInt(1, kLastMasterUnit);
    while (st.step())
        units.push_back(static_cast<int>(st.integer(0)));
    return units;
}

// Adds or updates the master rows of one unit from one chart table: `key` is the chart
// table's key, `copied` the other columns taken over.
void upsertMasters(Database& aaa, const QString& master, const QString& chart, const QString& key,
                   const QStringList& copied, int unit) {
    const QStringList columns = QStringList{key} + copied;
    aaa.run(QStringLiteral("INSERT INTO %1 (\"B_ID\", %2) SELECT ?1, %2 FROM %3 WHERE %4 IS NOT NULL "
                           "ON CONFLICT (\"B_ID\", %4) DO UPDATE SET %5")
                .arg(quoteId(master), quotedList(columns), quoteId(chart), quoteId(key), updateList(copied)),
            {unit});
}

void upsertSubAccounts(Database& aaa, int unit, UnitSubAccountNames names) {
    // A unit's own name survives under "する" when it is not empty and the code is below
    // "900" (codes from "900" up share the common name). A single blank is a name.
    aaa.run(
        QStringLiteral("INSERT INTO \"Mhojokamoku\" (\"B_ID\", \"kamoku_CD\", \"hojo_CD\", \"補助科目名\") "
                       "SELECT ?1, \"kamoku_CD\", \"hojo_CD\", \"補助科目名\" FROM \"hojokamoku\" "
                       "WHERE \"kamoku_CD\" IS NOT NULL AND \"hojo_CD\" IS NOT NULL "
                       "ON CONFLICT (\"B_ID\", \"kamoku_CD\", \"hojo_CD\") DO UPDATE "
                       "SET \"補助科目名\" = excluded.\"補助科目名\" "
                       "WHERE ?2 = 0 OR \"Mhojokamoku\".\"補助科目名\" IS NULL "
                       "OR \"Mhojokamoku\".\"補助科目名\" = '' OR \"Mhojokamoku\".\"hojo_CD\" >= '900'"),
        {unit, names == UnitSubAccountNames::PerUnit ? 1 : 0});
}

} // namespace

void syncChartToUnits(Database& aaa, Database& www, UnitSubAccountNames names, const SyncProgress& progress) {
    Transaction tx(aaa);

    // Sub-accounts only belong to accounts with FlgD 1. Removing the others first lets
    // their unit rows go in this same close, so the masters never lag behind.
    aaa.run(QStringLiteral("DELETE FROM \"hojokamoku\" WHERE \"kamoku_CD\" IS NULL OR \"kamoku_CD\" NOT IN "
                           "(SELECT \"code\" FROM \"kamoku\" WHERE \"FlgD\" = 1 AND \"code\" IS NOT NULL)"));

    const QStringList accountColumns = QStringList{QStringLiteral("科目名")} + copiedFlags();
    const QStringList fundColumns =
        QStringList{QStringLiteral("code"), QStringLiteral("科目名")} + copiedFlags();
    const std::vector<int> units = namedUnits(aaa);
    size_t next = 0;
    for (int unit = 0; unit <= kLastMasterUnit; ++unit) {
        if (next < units.size() && units[next] == unit) {
            ++next;
            upsertMasters(aaa, QStringLiteral("Mkamoku"), QStringLiteral("kamoku"), QStringLiteral("code"),
                          accountColumns, unit);
            upsertMasters(aaa, QStringLiteral("Mkamoku2"), QStringLiteral("kamoku2"), QStringLiteral("SNo"),
                          fundColumns, unit);
            upsertSubAccounts(aaa, unit, names);
        }
        if (progress)
            progress(unit);
    }

    aaa.run(QStringLiteral("DELETE FROM \"Mkamoku\" WHERE \"code\" IS NULL OR \"code\" NOT IN "
                           "(SELECT \"code\" FROM \"kamoku\" WHERE \"code\" IS NOT NULL)"));
    aaa.run(QStringLiteral("DELETE FROM \"Mkamoku2\" WHERE \"SNo\" IS NULL OR \"SNo\" NOT IN "
                           "(SELECT \"SNo\" FROM \"kamoku2\" WHERE \"SNo\" IS NOT NULL)"));
    aaa.run(QStringLiteral("DELETE FROM \"Mhojokamoku\" WHERE NOT EXISTS (SELECT 1 FROM \"hojokamoku\" h "
                           "WHERE h.\"kamoku_CD\" = \"Mhojokamoku\".\"kamoku_CD\" "
                           "AND h.\"hojo_CD\" = \"Mhojokamoku\".\"hojo_CD\")"));

    // The work folder's copy follows unit 1, read through this transaction so it already
    // sees the new masters. A failure here leaves the data folder as it was.
    loadUnitChart(aaa, www, 1);
    tx.commit();
}

bool syncChartToUnits(Session& session, UnitSubAccountNames names, const SyncProgress& progress) {
    if (!session.templateDir.isEmpty())
        return false;
    syncChartToUnits(session.aaa, session.www, names, progress);
    return true;
}

} // namespace k9
