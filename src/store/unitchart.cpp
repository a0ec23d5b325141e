// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a unit's chart between the data and work folders.
#include "store/unitchart.h"

#include "store/database.h"
#include "store/session.h"
#include "store/tabledefs.h"

#include <sqlite3.h>

namespace k9 {
namespace {

const QString kUnitColumn = QStringLiteral("B_ID");

// A master table of the data folder and its work copy.
struct ChartPair {
    const char* master;
    const char* work;
    QStringList key; // key of the work table; the master's key is B_ID plus these
};

const std::vector<ChartPair>& chartPairs() {
    static const std::vector<ChartPair> pairs = {
        {"Mkamoku", "kamoku", {QStringLiteral("code")}},
        {"Mkamoku2", "kamoku2", {QStringLiteral("SNo")}},
        {"Mhojokamoku", "hojokamoku", {QStringLiteral("kamoku_CD"), QStringLiteral("hojo_CD")}},
    };
    return pairs;
}

QString columnList(const QStringList& names) {
    QStringList quoted;
    for (const auto& n : names)
        quoted << quoteId(n);
    return quoted.join(',');
}

QString placeholders(int from, int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?%1").arg(from + i);
    return marks.join(',');
}

// The work table's columns in order, after checking that the master has B_ID first and
// then the same columns in the same order.
QStringList pairedColumns(Database& aaa, const QString& master, Database& www, const QString& work) {
    const auto& m = aaa.columns(master);
    const auto& w = www.columns(work);
    if (m.empty())
        throw StoreError(QStringLiteral("データフォルダに表 %1 がありません。").arg(master));
    if (w.empty())
        throw StoreError(QStringLiteral("作業フォルダに表 %1 がありません。").arg(work));
    if (m.front().name.compare(kUnitColumn, Qt::CaseInsensitive) != 0 || m.size() != w.size() + 1)
        throw StoreError(
            QStringLiteral("表 %1 と作業用の表 %2 の列の並びが一致しません。").arg(master, work));
    QStringList names;
    for (size_t i = 0; i < w.size(); ++i) {
        if (m[i + 1].name.compare(w[i].name, Qt::CaseInsensitive) != 0)
            throw StoreError(QStringLiteral("表 %1 の %2 列目「%3」と作業用の表 %4 の「%5」が一致しません。")
                                 .arg(master)
                                 .arg(i + 2)
                                 .arg(m[i + 1].name, work, w[i].name));
        names << w[i].name;
    }
    return names;
}

// Runs `select` on `from` and inserts each result row into `table` of `to` as it stands
// (same number of columns, in order). Values keep their stored type.
int copyRows(Database& from, const QString& select, int unit, Database& to, const QString& table,
             const QStringList& columns) {
    auto read = from.prepare(select);
    if (unit >= 0)
        read.bindInt(1, unit);
    const int count = static_cast<int>(columns.size());
    auto write = to.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoteId(table), columnList(columns), placeholders(1, count)));
    int copied = 0;
    while (read.step()) {
        for (int i = 0; i < count; ++i) {
            int rc = sqlite3_bind_value(write.handle(), i + 1, sqlite3_column_value(read.handle(), i));
            if (rc != SQLITE_OK)
                to.fail(rc);
        }
        write.run();
        ++copied;
    }
    return copied;
}

QStringList flagsThrough(const QString& last) {
    QStringList out;
    for (const auto& f : flagNames()) {
        out << f;
        if (f == last)
            break;
    }
    return out;
}

// Copies the given columns of the unit's master rows (or, with unit -1, of every row) into
// a freshly emptied work table.
void refill(Database& aaa, const QString& source, int unit, Database& www, const QString& target,
            const QStringList& columns, const QString& order) {
    www.exec(QStringLiteral("DELETE FROM ") + quoteId(target));
    QString select = QStringLiteral("SELECT %1 FROM %2").arg(columnList(columns), quoteId(source));
    if (unit >= 0)
        select += QStringLiteral(" WHERE %1=?1").arg(quoteId(kUnitColumn));
    select += QStringLiteral(" ORDER BY ") + quoteId(order);
    copyRows(aaa, select, unit, www, target, columns);
}

} // namespace

void loadUnitChart(Database& aaa, Database& www, int unit) {
    Transaction tx(www);
    for (const auto& p : chartPairs()) {
        const QString master = QString::fromLatin1(p.master);
        const QString work = QString::fromLatin1(p.work);
        const QStringList columns = pairedColumns(aaa, master, www, work);
        www.exec(QStringLiteral("DELETE FROM ") + quoteId(work));
        const QString select =
            QStringLiteral("SELECT %1 FROM %2 WHERE %3=?1 ORDER BY %4")
                .arg(columnList(columns), quoteId(master), quoteId(kUnitColumn), columnList(p.key));
        copyRows(aaa, select, unit, www, work, columns);
    }
    tx.commit();
}

void loadUnitChart(Session& session) {
    loadUnitChart(session.aaa, session.www, session.currentUnit);
}

void refreshSubAccountNames(Database& aaa, Database& www, int unit) {
    Transaction tx(www);
    {
        auto read = aaa.prepare(QStringLiteral("SELECT \"補助科目名\",\"kamoku_CD\",\"hojo_CD\" FROM "
                                               "\"Mhojokamoku\" WHERE \"B_ID\"=?1"));
        read.bindInt(1, unit);
        auto write = www.prepare(QStringLiteral("UPDATE \"hojokamoku\" SET \"補助科目名\"=?1 "
                                                "WHERE \"kamoku_CD\"=?2 AND \"hojo_CD\"=?3"));
        while (read.step()) {
            for (int i = 0; i < 3; ++i) {
                int rc = sqlite3_bind_value(write.handle(), i + 1, sqlite3_column_value(read.handle(), i));
                if (rc != SQLITE_OK)
                    www.fail(rc);
            }
            write.run();
        }
    }
    tx.commit();
}

void refreshSubAccountNames(Session& session) {
    refreshSubAccountNames(session.aaa, session.www, session.currentUnit);
}

int saveUnitChart(Database& aaa, Database& www, int unit) {
    Transaction tx(aaa);
    int saved = 0;
    for (const auto& p : chartPairs()) {
        const QString master = QString::fromLatin1(p.master);
        const QString work = QString::fromLatin1(p.work);
        const QStringList columns = pairedColumns(aaa, master, www, work);
        QStringList values = columns;
        for (const auto& k : p.key)
            values.removeAll(k);
        // Work columns: the values to copy, then the key. Statement: SET values, WHERE
        // B_ID and the key.
        QStringList sets;
        for (int i = 0; i < values.size(); ++i)
            sets << QStringLiteral("%1=?%2").arg(quoteId(values[i])).arg(i + 1);
        QStringList where = {QStringLiteral("%1=?%2").arg(quoteId(kUnitColumn)).arg(values.size() + 1)};
        for (int i = 0; i < p.key.size(); ++i)
            where << QStringLiteral("%1=?%2").arg(quoteId(p.key[i])).arg(values.size() + 2 + i);
        auto read =
            www.prepare(QStringLiteral("SELECT %1 FROM %2").arg(columnList(values + p.key), quoteId(work)));
        auto write =
            aaa.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(quoteId(master), sets.join(','), where.join(QStringLiteral(" AND "))));
        const int valueCount = static_cast<int>(values.size());
        const int keyCount = static_cast<int>(p.key.size());
        while (read.step()) {
            for (int i = 0; i < valueCount; ++i) {
                int rc = sqlite3_bind_value(write.handle(), i + 1, sqlite3_column_value(read.handle(), i));
                if (rc != SQLITE_OK)
                    aaa.fail(rc);
            }
            write.bindInt(valueCount + 1, unit);
            for (int i = 0; i < keyCount; ++i) {
                int rc = sqlite3_bind_value(write.handle(), valueCount + 2 + i,
                                            sqlite3_column_value(read.handle(), valueCount + i));
                if (rc != SQLITE_OK)
                    aaa.fail(rc);
            }
            write.run();
            saved += sqlite3_changes(aaa.handle());
        }
    }
    tx.commit();
    return saved;
}

int saveUnitChart(Session& session) {
    return saveUnitChart(session.aaa, session.www, session.currentUnit);
}

void buildMonthlyTables(Database& aaa, Database& www, int unit) {
    const QStringList flags = flagsThrough(QStringLiteral("FlgL"));
    Transaction tx(www);
    refill(aaa, QStringLiteral("Mkamoku"), unit, www, QStringLiteral("tukibetu"),
           QStringList{QStringLiteral("code"), QStringLiteral("科目名")} + flags, QStringLiteral("code"));
    refill(aaa, QStringLiteral("Mkamoku2"), unit, www, QStringLiteral("tukibetu2"),
           QStringList{QStringLiteral("SNo"), QStringLiteral("科目名")} + flags +
               QStringList{QStringLiteral("code")},
           QStringLiteral("SNo"));
    tx.commit();
}

void buildMonthlyTables(Session& session) {
    buildMonthlyTables(session.aaa, session.www, session.currentUnit);
}

void buildUnitBreakdownTables(Database& aaa, Database& www) {
    const QStringList flags = flagsThrough(QStringLiteral("FlgI"));
    Transaction tx(www);
    refill(aaa, QStringLiteral("kamoku"), -1, www, QStringLiteral("Bumonbetu"),
           QStringList{QStringLiteral("code"), QStringLiteral("科目名")} + flags, QStringLiteral("code"));
    refill(aaa, QStringLiteral("kamoku2"), -1, www, QStringLiteral("Bumonbetu2"),
           QStringList{QStringLiteral("SNo"), QStringLiteral("科目名")} + flags +
               QStringList{QStringLiteral("code")},
           QStringLiteral("SNo"));
    tx.commit();
}

void buildUnitBreakdownTables(Session& session) {
    buildUnitBreakdownTables(session.aaa, session.www);
}

} // namespace k9
