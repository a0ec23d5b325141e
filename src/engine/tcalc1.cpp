// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc1 on the work folder, and the year-end operations on the work copies and the journal.
#include "engine/tcalc1.h"

#include "engine/activitytotals.h"
#include "engine/engineerrors.h"
#include "engine/rollup.h"
#include "engine/workstore.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/session.h"
#include "store/tabledefs.h"
#include "store/unitchart.h"
#include "store/unitjournal.h"

#include <sqlite3.h>

namespace k9 {
namespace {

QString blanks(const QStringList& columns) {
    QStringList sets;
    for (const auto& c : columns)
        sets << quoteId(c) + QStringLiteral("=NULL");
    return sets.join(',');
}

// 期首繰越 … 比.
QStringList openingThroughRatio() {
    return {"期首繰越", "前残高", "借方", "貸方", "残高", "残高合計", "差異", "比"};
}

QStringList corrections() {
    return {"補正額１", "補正額２", "補正額３", "補正額４", "補正額５"};
}

} // namespace

void prepareWorkCopies(Session& session) {
    if (session.currentUnit <= 0)
        return;
    totals::WorkCacheScope cache(session.www);
    loadUnitChart(session);
    buildUnitJournal(session);
}

void TCalc1::calcA(const QDate& start, const QDate& from, const QDate& to) {
    using namespace totals;
    Database& www = m_session.www;
    WorkCacheScope cache(www);
    Transaction tx(www);
    prepareWorkCopies(m_session);
    const ChartRows chart = loadWorkChart(www);
    WorkJournalSource journal(www);
    ActivityTotals result =
        computeActivityTotals(chart, journal, Period::of(start, from, to),
                              {m_session.adjustingVoucherMode, m_session.unsettledVoucherMode});
    if (result.stopped())
        throw InvalidSubAccountError(result.faultyVouchers);
    storeAccountFigures(www, result.accounts);
    storeSubAccountFigures(www, result.subAccounts);
    storeDescriptionSummary(www, result.accounts, result.descriptions);
    tx.commit();
}

void TCalc1::calcC() {
    Database& www = m_session.www;
    Transaction tx(www);
    totals::storeAccountFigures(www, totals::finishLines(totals::loadAccounts(www)));
    tx.commit();
}

void TCalc1::calcB1() {
    Database& www = m_session.www;
    Transaction tx(www);
    // Balance sheet: the closing balance becomes next year's opening balance.
    www.exec(QStringLiteral("UPDATE \"kamoku\" SET \"期首繰越\"=\"残高合計\",%1 WHERE \"FlgB\"=1")
                 .arg(blanks(openingThroughRatio().mid(1))));
    www.exec(QStringLiteral("UPDATE \"kamoku\" SET \"期首繰越\"=NULL WHERE \"FlgB\"=1 AND \"FlgG\"=130"));
    www.exec(QStringLiteral("UPDATE \"hojokamoku\" SET \"期首繰越\"=\"残高合計\",\"予算\"=NULL,%1 WHERE "
                            "TRIM(\"kamoku_CD\") IN (SELECT TRIM(\"code\") FROM \"kamoku\" WHERE \"FlgB\"=1)")
                 .arg(blanks(openingThroughRatio().mid(1))));
    // Activity lines: this year's result becomes next year's budget.
    QStringList activityBlanks = QStringList{"注記２"} + corrections() +
                                 QStringList{"次年度予算", "前年度予算", "予算増減額", "予算増減額２"} +
                                 openingThroughRatio();
    www.exec(QStringLiteral(
                 "UPDATE \"kamoku\" SET \"当初予算\"=\"残高合計\",\"予算\"=\"残高合計\",\"注記\"=\"注記２\","
                 "%1 WHERE \"FlgB\"=2")
                 .arg(blanks(activityBlanks)));
    www.exec(QStringLiteral("UPDATE \"hojokamoku\" SET \"予算\"=NULL,%1 WHERE "
                            "TRIM(\"kamoku_CD\") IN (SELECT TRIM(\"code\") FROM \"kamoku\" WHERE \"FlgB\"=2)")
                 .arg(blanks(openingThroughRatio())));
    // Fund statement: the next-year budget becomes the budget.
    QStringList fundBlanks = QStringList{"注記２"} + corrections() +
                             QStringList{"次年度予算", "予算増減額", "予算増減額２"} + openingThroughRatio();
    www.exec(QStringLiteral("UPDATE \"kamoku2\" SET \"前年度予算\"=\"予算\",\"当初予算\"=\"次年度予算\","
                            "\"予算\"=\"次年度予算\",\"注記\"=\"注記２\",%1 WHERE \"FlgB\"=2")
                 .arg(blanks(fundBlanks)));
    tx.commit();
}

void TCalc1::calcB2(const QDate& cutoff) {
    Database& aaa = m_session.aaa;
    const TableDef& journal = tables::denpyou1();
    const QString work = QStringLiteral("W$$$");
    Transaction tx(aaa);
    aaa.run(QStringLiteral("DELETE FROM \"denpyou1\" WHERE \"hizuke\"<=?1"), {cutoff});
    try {
        dropTableIfExists(aaa, work);
    } catch (const StoreError&) {
        // A table left by an interrupted run that cannot be dropped is replaced below.
    }
    TableDef bare = journal.renamed(work);
    bare.indexes.clear();
    createTable(aaa, bare);

    const QStringList names = journal.columnNames();
    const int sNo = static_cast<int>(names.indexOf(QStringLiteral("SNo")));
    const int subNo = static_cast<int>(names.indexOf(QStringLiteral("Sub_No")));
    const int date = static_cast<int>(names.indexOf(QStringLiteral("hizuke")));
    QStringList quoted, marks;
    for (const auto& n : names) {
        quoted << quoteId(n);
        marks << QStringLiteral("?%1").arg(marks.size() + 1);
    }
    const bool perUnit = m_session.voucherNumbering == 1;
    QString select = QStringLiteral("SELECT %1 FROM \"denpyou1\"").arg(quoted.join(','));
    if (perUnit)
        select += QStringLiteral(" WHERE IFNULL(\"FlgT\",0)=?1");
    select += QStringLiteral(" ORDER BY \"hizuke\",\"SNo\",\"Sub_No\"");
    Statement write = aaa.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoteId(work), quoted.join(','), marks.join(',')));
    int copied = 0;
    const int lastUnit = perUnit ? m_session.maxUnitIndex : 0;
    for (int unit = 0; unit <= lastUnit; ++unit) {
        Statement read = aaa.prepare(select);
        if (perUnit)
            read.bindInt(1, unit);
        long long number = 0;
        long long sub = 0;
        bool first = true;
        long long lastSNo = 0;
        QString lastDate;
        while (read.step()) {
            const long long oldSNo = read.integer(sNo);
            const QString day = read.text(date);
            if (first || oldSNo != lastSNo || day != lastDate) {
                ++number;
                sub = 0;
            }
            first = false;
            lastSNo = oldSNo;
            lastDate = day;
            const long long newSNo = !perUnit    ? number
                                     : unit == 0 ? 990000 + number
                                                 : unit * 10000LL + number;
            for (int i = 0; i < names.size(); ++i) {
                if (i == sNo)
                    write.bindInt(i + 1, newSNo);
                else if (i == subNo)
                    write.bindInt(i + 1, ++sub);
                else if (const int rc = sqlite3_bind_value(write.handle(), i + 1,
                                                           sqlite3_column_value(read.handle(), i));
                         rc != SQLITE_OK)
                    aaa.fail(rc);
            }
            write.run();
            ++copied;
        }
    }
    if (copied != aaa.rowCount(QStringLiteral("denpyou1")))
        throw StoreError(
            QStringLiteral("仕訳の一部を写せませんでしたので、伝票番号の振り直しを中止しました。"));
    dropTableIfExists(aaa, QStringLiteral("denpyou1"));
    renameTable(aaa, work, QStringLiteral("denpyou1"));
    createTable(aaa, journal);
    aaa.invalidateSchemaCache();
    tx.commit();
}

} // namespace k9
