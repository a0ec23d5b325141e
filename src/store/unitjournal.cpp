// SPDX-License-Identifier: GPL-3.0-or-later
// The selected unit's view of the journal, with common lines apportioned.
#include "store/unitjournal.h"

#include "store/database.h"
#include "store/session.h"
#include "store/tabledefs.h"

#include <sqlite3.h>

namespace k9 {
namespace {

constexpr int kUnitSlots = 20;

int positionOf(const QStringList& names, const char* name) {
    const auto i = names.indexOf(QLatin1String(name));
    if (i < 0)
        throw StoreError(QStringLiteral("仕訳の列 %1 がありません。").arg(QLatin1String(name)));
    return static_cast<int>(i);
}

QString columnList(const QStringList& names) {
    QStringList quoted;
    for (const auto& n : names)
        quoted << quoteId(n);
    return quoted.join(',');
}

} // namespace

Money apportionShare(Money amount, const AllocationPercents& percents, int unit) {
    if (unit < 1 || unit > kUnitSlots)
        return Money::zero();
    const Money whole = Money::fromYen(amount.yen());
    Money handedOut = Money::zero();
    int largest = 0;
    int largestUnit = 0;
    for (int i = 1; i <= kUnitSlots; ++i) {
        handedOut += whole.sharePercent(percents[i]);
        if (percents[i] > largest) {
            largest = percents[i];
            largestUnit = i;
        }
    }
    Money share = whole.sharePercent(percents[unit]);
    if (unit == largestUnit)
        share += whole - handedOut;
    return share;
}

QHash<QString, AllocationPercents> loadAllocationAccounts(Database& aaa) {
    QStringList cols = {QStringLiteral("code")};
    for (int i = 1; i <= kUnitSlots; ++i)
        cols << QStringLiteral("A%1").arg(i, 2, 10, QLatin1Char('0'));
    QHash<QString, AllocationPercents> out;
    auto st = aaa.prepare(QStringLiteral("SELECT %1 FROM \"kamoku\" WHERE \"FlgB\"=2").arg(columnList(cols)));
    while (st.step()) {
        AllocationPercents p{};
        for (int i = 1; i <= kUnitSlots; ++i)
            p[i] = static_cast<int>(st.integer(i));
        out.insert(st.text(0).trimmed(), p);
    }
    return out;
}

int buildUnitJournal(Database& aaa, Database& www, int unit) {
    const QHash<QString, AllocationPercents> allocation = loadAllocationAccounts(aaa);
    const QStringList names = tables::denpyou1().columnNames();
    const int lcode = positionOf(names, "Lcode");
    const int rcode = positionOf(names, "Rcode");
    const int lamount = positionOf(names, "Lkingaku");
    const int ramount = positionOf(names, "Rkingaku");
    const int flgT = positionOf(names, "FlgT");
    const int count = static_cast<int>(names.size());

    // A line without FlgT is a common line, as empty flags count as 0.
    QString select = QStringLiteral("SELECT %1 FROM \"denpyou1\"").arg(columnList(names));
    if (unit != 0)
        select += QStringLiteral(" WHERE IFNULL(\"FlgT\",0)=0 OR \"FlgT\"=?1");
    select += QStringLiteral(" ORDER BY \"SNo\",\"Sub_No\"");
    QStringList marks;
    for (int i = 1; i <= count; ++i)
        marks << QStringLiteral("?%1").arg(i);

    Transaction tx(www);
    www.exec(QStringLiteral("DELETE FROM \"denpyou1\""));
    int written = 0;
    {
        auto read = aaa.prepare(select);
        if (unit != 0)
            read.bindInt(1, unit);
        auto write = www.prepare(QStringLiteral("INSERT INTO \"denpyou1\" (%1) VALUES (%2)")
                                     .arg(columnList(names), marks.join(',')));
        sqlite3_stmt* in = read.handle();
        sqlite3_stmt* out = write.handle();
        while (read.step()) {
            const bool common = read.integer(flgT) == 0; // NULL reads as 0
            Money left = read.money(lamount);
            Money right = read.money(ramount);
            bool apportioned = false;
            if (unit != 0 && common) {
                const auto debit = allocation.constFind(read.text(lcode).trimmed());
                if (debit != allocation.constEnd()) {
                    left = right = apportionShare(left, *debit, unit);
                    apportioned = true;
                }
                const auto credit = allocation.constFind(read.text(rcode).trimmed());
                if (credit != allocation.constEnd()) {
                    left = right = apportionShare(right, *credit, unit);
                    apportioned = true;
                }
            }
            if (common && left.raw() == 0 && right.raw() == 0)
                continue;
            for (int i = 0; i < count; ++i) {
                int rc = SQLITE_OK;
                if (i == flgT)
                    rc = sqlite3_bind_int(out, i + 1, unit);
                else if (apportioned && i == lamount)
                    write.bindMoney(i + 1, left);
                else if (apportioned && i == ramount)
                    write.bindMoney(i + 1, right);
                else
                    rc = sqlite3_bind_value(out, i + 1, sqlite3_column_value(in, i));
                if (rc != SQLITE_OK)
                    www.fail(rc);
            }
            write.run();
            ++written;
        }
    }
    tx.commit();
    return written;
}

int buildUnitJournal(Session& session) {
    if (session.currentUnit < 0)
        throw StoreError(QStringLiteral("会計が「選択」されていないか、会計の登録がされていません。"));
    return buildUnitJournal(session.aaa, session.www, session.currentUnit);
}

} // namespace k9
