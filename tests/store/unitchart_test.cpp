// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a unit's chart into the work folder, saving it back, and the work tables of the
// monthly totals and the per-unit breakdowns.
#include "store/schema.h"
#include "store/unitchart.h"
#include "support/fixture.h"

#include <gtest/gtest.h>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
[[maybe_unused]] static void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? "|" : "") << l[i].toStdString();
    *os << ']';
}

namespace k9 {
namespace {

std::vector<QStringList> rows(Database& db, const QString& sql) {
    std::vector<QStringList> out;
    auto st = db.prepare(sql);
    while (st.step()) {
        QStringList r;
        for (int i = 0; i < st.columnCount(); ++i)
            r << (st.isNull(i) ? QStringLiteral("<NULL>") : st.value(i).toString());
        out.push_back(r);
    }
    return out;
}

// The master's columns after B_ID, as a select list.
QString workColumnsOf(Database& db, const QString& master) {
    QStringList names;
    const auto& cols = db.columns(master);
    for (size_t i = 1; i < cols.size(); ++i)
        names << quoteId(cols[i].name);
    return names.join(',');
}

class UnitChart : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
    Database& www = fx.session.www;

    void SetUp() override {
        for (int unit : {1, 2}) {
            aaa.insertRow("Mkamoku", {{"B_ID", unit},
                                      {"code", "11101"},
                                      {"科目名", QStringLiteral("現金")},
                                      {"FlgA", 0},
                                      {"FlgC", 0},
                                      {"FlgL", 3},
                                      {"FlgAN", 9},
                                      {"当初予算", 1000 * unit},
                                      {"補正額３", -250},
                                      {"期首繰越", 1234.5},
                                      {"比", 0.125},
                                      {"注記", QStringLiteral("注記①")},
                                      {"実績比", 1.5}});
            aaa.insertRow("Mkamoku", {{"B_ID", unit},
                                      {"code", "50101"},
                                      {"科目名", QStringLiteral("　給料手当")},
                                      {"FlgB", 2},
                                      {"予算", 500000 + unit}});
            aaa.insertRow("Mkamoku2", {{"B_ID", unit},
                                       {"SNo", 10},
                                       {"科目名", QStringLiteral("経常収益")},
                                       {"FlgH", 1},
                                       {"予算", 77 * unit},
                                       {"注記２", QStringLiteral("二")},
                                       {"code", "70000"}});
            aaa.insertRow("Mhojokamoku", {{"B_ID", unit},
                                          {"kamoku_CD", "11201"},
                                          {"hojo_CD", "001"},
                                          {"補助科目名", QStringLiteral("普通預金%1").arg(unit)},
                                          {"期首繰越", 9000 + unit},
                                          {"比", 2.25}});
        }
    }

    // The master rows of a unit without B_ID, and the work rows, in key order.
    std::vector<QStringList> masterRows(const QString& master, int unit, const QString& order) {
        return rows(aaa, QStringLiteral("SELECT %1 FROM %2 WHERE B_ID=%3 ORDER BY %4")
                             .arg(workColumnsOf(aaa, master), master)
                             .arg(unit)
                             .arg(order));
    }
    std::vector<QStringList> workRows(const QString& work, const QString& order) {
        return rows(www, QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(work, order));
    }
};

TEST_F(UnitChart, LoadCopiesEveryColumnOfTheUnitsMasterRows) {
    www.insertRow("kamoku", {{"code", "99999"}});
    www.insertRow("hojokamoku", {{"kamoku_CD", "99999"}, {"hojo_CD", "999"}});
    loadUnitChart(aaa, www, 2);
    EXPECT_EQ(workRows("kamoku", "code"), masterRows("Mkamoku", 2, "code"));
    EXPECT_EQ(workRows("kamoku2", "SNo"), masterRows("Mkamoku2", 2, "SNo"));
    EXPECT_EQ(workRows("hojokamoku", "kamoku_CD, hojo_CD"),
              masterRows("Mhojokamoku", 2, "kamoku_CD, hojo_CD"));
    EXPECT_EQ(
        rows(www,
             "SELECT 当初予算, 補正額３, 期首繰越, 比, 注記, 実績比, FlgAN FROM kamoku WHERE code='11101'"),
        (std::vector<QStringList>{{"2000", "-250", "1234.5", "0.125", "注記①", "1.5", "9"}}));
}

TEST_F(UnitChart, SaveWritesEditedWorkRowsBackIntoTheUnitsMasterOnly) {
    fx.session.setCurrentUnit(1, QStringLiteral("本部"));
    loadUnitChart(fx.session);
    www.exec("UPDATE kamoku SET 前残高=4321, 借方=1000.25, 注記='新しい注記', 比=0.5 WHERE code='11101'");
    www.exec("UPDATE kamoku2 SET 残高=-88 WHERE SNo=10");
    www.exec("UPDATE hojokamoku SET 残高合計=31, 補助科目名='改名' WHERE hojo_CD='001'");
    www.insertRow("kamoku", {{"code", "59999"}, {"科目名", QStringLiteral("作業だけの科目")}, {"予算", 5}});
    www.insertRow("hojokamoku", {{"kamoku_CD", "11201"}, {"hojo_CD", "009"}, {"予算", 5}});
    const auto unitTwoBefore = rows(aaa, "SELECT * FROM Mkamoku WHERE B_ID=2 ORDER BY code");

    EXPECT_EQ(saveUnitChart(fx.session), 4);

    EXPECT_EQ(masterRows("Mkamoku", 1, "code"),
              rows(www, "SELECT * FROM kamoku WHERE code<>'59999' ORDER BY code"));
    EXPECT_EQ(rows(aaa, "SELECT 前残高, 借方, 注記, 比 FROM Mkamoku WHERE B_ID=1 AND code='11101'"),
              (std::vector<QStringList>{{"4321", "1000.25", "新しい注記", "0.5"}}));
    EXPECT_EQ(rows(aaa, "SELECT 残高 FROM Mkamoku2 WHERE B_ID=1"), (std::vector<QStringList>{{"-88"}}));
    EXPECT_EQ(rows(aaa, "SELECT 補助科目名, 残高合計 FROM Mhojokamoku WHERE B_ID=1"),
              (std::vector<QStringList>{{"改名", "31"}}));
    EXPECT_EQ(aaa.scalar("SELECT COUNT(*) FROM Mkamoku WHERE code='59999'").toInt(), 0);
    EXPECT_EQ(aaa.scalar("SELECT COUNT(*) FROM Mhojokamoku WHERE hojo_CD='009'").toInt(), 0);
    EXPECT_EQ(rows(aaa, "SELECT * FROM Mkamoku WHERE B_ID=2 ORDER BY code"), unitTwoBefore);
}

TEST_F(UnitChart, LoadThenSaveLeavesTheMastersAsTheyWere) {
    const QString all = "SELECT * FROM %1 ORDER BY rowid";
    const auto before = std::vector{rows(aaa, all.arg("Mkamoku")), rows(aaa, all.arg("Mkamoku2")),
                                    rows(aaa, all.arg("Mhojokamoku"))};
    loadUnitChart(aaa, www, 1);
    EXPECT_EQ(saveUnitChart(aaa, www, 1), 4);
    const auto after = std::vector{rows(aaa, all.arg("Mkamoku")), rows(aaa, all.arg("Mkamoku2")),
                                   rows(aaa, all.arg("Mhojokamoku"))};
    EXPECT_EQ(after, before);
}

TEST_F(UnitChart, SaveIsRefusedInViewOnlyMode) {
    loadUnitChart(aaa, www, 1);
    www.exec("UPDATE kamoku SET 予算=1");
    fx.session.setViewOnly(true);
    EXPECT_THROW(saveUnitChart(aaa, www, 1), ViewOnlyError);
    EXPECT_EQ(aaa.scalar("SELECT 予算 FROM Mkamoku WHERE B_ID=1 AND code='50101'").toInt(), 500001);
}

TEST_F(UnitChart, RefusesAWorkTableWhoseColumnsDoNotLineUpAndKeepsTheOldWorkRows) {
    www.insertRow("hojokamoku", {{"kamoku_CD", "11201"}, {"hojo_CD", "005"}});
    TableDef twisted = tables::workKamoku();
    std::swap(twisted.columns[3], twisted.columns[4]);
    dropTableIfExists(www, "kamoku");
    createTable(www, twisted);
    EXPECT_THROW(loadUnitChart(aaa, www, 1), StoreError);
    EXPECT_EQ(www.rowCount("hojokamoku"), 1);
    EXPECT_THROW(saveUnitChart(aaa, www, 1), StoreError);
}

TEST_F(UnitChart, RefreshSubAccountNamesTakesTheMastersNamesOnly) {
    loadUnitChart(aaa, www, 1);
    www.exec("UPDATE hojokamoku SET 補助科目名='古い', 残高=5");
    www.insertRow("hojokamoku",
                  {{"kamoku_CD", "11201"}, {"hojo_CD", "002"}, {"補助科目名", QStringLiteral("作業")}});
    refreshSubAccountNames(aaa, www, 2);
    EXPECT_EQ(rows(www, "SELECT hojo_CD, 補助科目名, 残高 FROM hojokamoku ORDER BY hojo_CD"),
              (std::vector<QStringList>{{"001", "普通預金2", "5"}, {"002", "作業", "<NULL>"}}));
}

TEST_F(UnitChart, MonthlyTablesGetTheUnitsAccountsWithFlagsAToL) {
    www.insertRow("tukibetu", {{"code", "99999"}, {"M1", 5}});
    buildMonthlyTables(aaa, www, 1);
    EXPECT_EQ(
        rows(www, "SELECT code, 科目名, FlgB, FlgL, FlgAN, 予算, M1 FROM tukibetu ORDER BY code"),
        (std::vector<QStringList>{{"11101", "現金", "<NULL>", "3", "<NULL>", "<NULL>", "<NULL>"},
                                  {"50101", "　給料手当", "2", "<NULL>", "<NULL>", "<NULL>", "<NULL>"}}));
    EXPECT_EQ(rows(www, "SELECT SNo, 科目名, FlgH, code, 予算 FROM tukibetu2"),
              (std::vector<QStringList>{{"10", "経常収益", "1", "70000", "<NULL>"}}));
}

TEST_F(UnitChart, BreakdownTablesGetTheWholeChartWithFlagsAToI) {
    aaa.insertRow("kamoku",
                  {{"code", "11101"}, {"科目名", QStringLiteral("現金")}, {"FlgI", 4}, {"FlgJ", 5}});
    aaa.insertRow("kamoku2",
                  {{"SNo", 5}, {"科目名", QStringLiteral("資産")}, {"FlgA", 1}, {"code", "10000"}});
    www.insertRow("Bumonbetu", {{"code", "99999"}});
    buildUnitBreakdownTables(aaa, www);
    EXPECT_EQ(rows(www, "SELECT code, 科目名, FlgI, FlgJ FROM Bumonbetu"),
              (std::vector<QStringList>{{"11101", "現金", "4", "<NULL>"}}));
    EXPECT_EQ(rows(www, "SELECT SNo, 科目名, FlgA, code FROM Bumonbetu2"),
              (std::vector<QStringList>{{"5", "資産", "1", "10000"}}));
}

} // namespace
} // namespace k9
