// SPDX-License-Identifier: GPL-3.0-or-later
// Counting what depends on an account before it leaves the chart.
#include "chart/accountuses.h"

#include "chart/chartmessages.h"
#include "store/database.h"
#include "store/tabledefs.h"

#include <QStringList>

namespace k9 {
namespace {

int count(Database& db, const QString& table, const QString& sql, const std::vector<QVariant>& params) {
    if (!db.tableExists(table))
        return 0;
    return db.scalar(sql, params).toInt();
}

// "Some column of the money block holds a value": the master's columns after the key, the
// name and the thirteen flags (amounts, ratios and notes).
QString holdsAmount(Database& db, const QString& master, const QStringList& keyColumns) {
    QStringList skip = keyColumns;
    skip << QStringLiteral("B_ID") << QStringLiteral("科目名") << flagNames();
    QStringList terms;
    for (const auto& c : db.columns(master)) {
        bool skipped = false;
        for (const auto& s : skip)
            skipped = skipped || c.name.compare(s, Qt::CaseInsensitive) == 0;
        if (skipped)
            continue;
        const QString id = quoteId(c.name);
        terms << (c.isText() ? QStringLiteral("(%1 IS NOT NULL AND %1 <> '')").arg(id)
                             : QStringLiteral("(%1 IS NOT NULL AND %1 <> 0)").arg(id));
    }
    return terms.isEmpty() ? QStringLiteral("0") : terms.join(QStringLiteral(" OR "));
}

QString lossMessage(const QString& heading, int unitRows, int fundLines, int subAccounts,
                    const QString& question) {
    QStringList lines{heading, QString()};
    if (unitRows > 0)
        lines << chartmsg::lostUnitAmounts(unitRows);
    if (fundLines > 0)
        lines << chartmsg::lostFundLinks(fundLines);
    if (subAccounts > 0)
        lines << chartmsg::lostSubAccounts(subAccounts);
    lines << QString() << question;
    return lines.join('\n');
}

} // namespace

AccountUses countAccountUses(Database& chart, const QString& code) {
    AccountUses u;
    const QString denpyou1 = QStringLiteral("denpyou1");
    const QString mkamoku = QStringLiteral("Mkamoku");
    u.journalLines =
        count(chart, denpyou1,
              QStringLiteral("SELECT COUNT(*) FROM denpyou1 WHERE \"Lcode\" = ?1 OR \"Rcode\" = ?1"), {code});
    if (chart.tableExists(mkamoku))
        u.unitAmountRows =
            chart
                .scalar(QStringLiteral(
                            "SELECT COUNT(DISTINCT \"B_ID\") FROM \"Mkamoku\" WHERE \"code\" = ?1 AND (%1)")
                            .arg(holdsAmount(chart, mkamoku, {QStringLiteral("code")})),
                        {code})
                .toInt();
    u.fundLines = count(chart, QStringLiteral("kamoku2"),
                        QStringLiteral("SELECT COUNT(*) FROM kamoku2 WHERE \"code\" = ?1"), {code});
    u.subAccounts = count(chart, QStringLiteral("hojokamoku"),
                          QStringLiteral("SELECT COUNT(*) FROM hojokamoku WHERE \"kamoku_CD\" = ?1"), {code});
    return u;
}

FundLineUses countFundLineUses(Database& chart, long long sNo) {
    FundLineUses u;
    const QString mkamoku2 = QStringLiteral("Mkamoku2");
    if (chart.tableExists(mkamoku2))
        u.unitAmountRows =
            chart
                .scalar(
                    QStringLiteral(
                        "SELECT COUNT(DISTINCT \"B_ID\") FROM \"Mkamoku2\" WHERE \"SNo\" = ?1 AND (%1)")
                        .arg(holdsAmount(chart, mkamoku2, {QStringLiteral("SNo"), QStringLiteral("code")})),
                    {sNo})
                .toInt();
    return u;
}

RemovalCheck accountDeletionCheck(const AccountUses& uses, const QString& code, const QString& name) {
    const QString label = chartmsg::accountLabel(code, name);
    if (uses.journalLines > 0)
        return {RemovalVerdict::Refuse, chartmsg::accountInJournal(label, uses.journalLines)};
    if (!uses.any())
        return {RemovalVerdict::Confirm, chartmsg::deleteLine(label)};
    return {RemovalVerdict::Confirm,
            lossMessage(chartmsg::lossHeading(label), uses.unitAmountRows, uses.fundLines, uses.subAccounts,
                        chartmsg::deleteQuestion())};
}

RemovalCheck accountCodeChangeCheck(const AccountUses& uses, const QString& code, const QString& name,
                                    const QString& newCode) {
    const QString label = chartmsg::accountLabel(code, name);
    if (uses.journalLines > 0)
        return {RemovalVerdict::Refuse, chartmsg::accountCodeInJournal(label, uses.journalLines)};
    if (!uses.any())
        return {};
    return {RemovalVerdict::Confirm,
            lossMessage(chartmsg::codeChangeLossHeading(label, newCode), uses.unitAmountRows, uses.fundLines,
                        uses.subAccounts, chartmsg::changeQuestion())};
}

RemovalCheck fundLineDeletionCheck(const FundLineUses& uses, long long sNo, const QString& name) {
    const QString label = chartmsg::fundLineLabel(sNo, name);
    if (!uses.any())
        return {RemovalVerdict::Confirm, chartmsg::deleteLine(label)};
    return {RemovalVerdict::Confirm,
            lossMessage(chartmsg::lossHeading(label), uses.unitAmountRows, 0, 0, chartmsg::deleteQuestion())};
}

RemovalCheck fundLineSerialChangeCheck(const FundLineUses& uses, long long sNo, const QString& name,
                                       long long newSNo) {
    if (!uses.any())
        return {};
    const QString label = chartmsg::fundLineLabel(sNo, name);
    return {RemovalVerdict::Confirm, lossMessage(chartmsg::serialChangeLossHeading(label, newSNo),
                                                 uses.unitAmountRows, 0, 0, chartmsg::changeQuestion())};
}

} // namespace k9
