// SPDX-License-Identifier: GPL-3.0-or-later
// Propagation of the chart to the units when the chart editor closes: master rows of every
// named unit follow kamoku, kamoku2 and hojokamoku; the per-unit sub-account naming rule;
// deleted accounts and sub-accounts leave the masters at the same close; a template
// folder is never propagated; the whole close is one transaction.
#include "chart/chartfixture.h"
#include "chart/chartsync.h"
#include "store/session.h"

#include <gtest/gtest.h>

using namespace k9;
using k9::test::ChartFolders;

namespace {

std::string s(const QVariant& v) {
    return v.toString().toStdString();
}

// A small chart: a deposit account with sub-accounts 001, 002 and 905, a cash account and
// their fund-statement lines.
void smallChart(ChartFolders& f) {
    test::addAccount(f.aaa(), "10100", QStringLiteral("現金"),
                     {{"FlgA", 0}, {"FlgB", 1}, {"FlgC", 0}, {"FlgG", 1}});
    test::addAccount(f.aaa(), "10200", QStringLiteral("普通預金"),
                     {{"FlgA", 0}, {"FlgB", 1}, {"FlgC", 0}, {"FlgD", 1}, {"FlgG", 1}, {"FlgH", 21}});
    test::addFundLine(f.aaa(), 100, "*****", QStringLiteral("収入の部"),
                      {{"FlgA", 9}, {"FlgB", 2}, {"FlgC", 1}});
    test::addFundLine(f.aaa(), 200, "10200", QStringLiteral("預金収入"),
                      {{"FlgA", 0}, {"FlgB", 2}, {"FlgC", 1}});
    test::addSubAccount(f.aaa(), "10200", "001", QStringLiteral("第一銀行"));
    test::addSubAccount(f.aaa(), "10200", "002", QStringLiteral("第二銀行"));
    test::addSubAccount(f.aaa(), "10200", "905", QStringLiteral("共通口座"));
}

QString unitName(ChartFolders& f, int unit, const QString& hojo) {
    return f
        .cell("SELECT \"補助科目名\" FROM Mhojokamoku WHERE B_ID=?1 AND kamoku_CD='10200' AND hojo_CD=?2",
              {unit, hojo})
        .toString();
}

} // namespace

TEST(ChartSync, AccountsAndSubAccountsReachEveryNamedUnitKeepingUnitNames) {
    ChartFolders f;
    smallChart(f);
    test::addUnitSubAccount(f.aaa(), 2, "10200", "001", QStringLiteral("事業用口座"));

    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);

    for (int unit : {0, 1, 2}) {
        EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku WHERE B_ID=?1", {unit}), 2) << unit;
        EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku2 WHERE B_ID=?1", {unit}), 2) << unit;
        EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku WHERE B_ID=?1", {unit}), 3) << unit;
    }
    // Units without a name get nothing.
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku WHERE B_ID NOT IN (0,1,2)"), 0);
    EXPECT_EQ(s(unitName(f, 2, "001")), "事業用口座");
    EXPECT_EQ(s(unitName(f, 1, "001")), "第一銀行");
    EXPECT_EQ(s(unitName(f, 2, "905")), "共通口座");
    // Master rows carry the line's code, name and flags, and blank amounts.
    EXPECT_EQ(s(f.cell("SELECT \"科目名\" FROM Mkamoku WHERE B_ID=1 AND code='10200'")), "普通預金");
    EXPECT_EQ(f.cell("SELECT FlgH FROM Mkamoku WHERE B_ID=1 AND code='10200'").toInt(), 21);
    EXPECT_TRUE(f.cell("SELECT \"当初予算\" FROM Mkamoku WHERE B_ID=1 AND code='10200'").isNull());
    EXPECT_EQ(s(f.cell("SELECT code FROM Mkamoku2 WHERE B_ID=2 AND SNo=200")), "10200");
}

TEST(ChartSync, UnitNameOfAnExistingSubAccountKeptOrReplaced) {
    struct Case {
        UnitSubAccountNames names;
        const char* code;
        QVariant unitName;
        const char* expected;
    };
    const auto perUnit = UnitSubAccountNames::PerUnit;
    const auto common = UnitSubAccountNames::Common;
    const QString own = QStringLiteral("会計の名");
    const Case cases[] = {
        {perUnit, "001", own, "会計の名"},
        {perUnit, "010", own, "会計の名"},
        {perUnit, "899", own, "会計の名"},
        {perUnit, "001", QVariant(), "共通名"},
        {perUnit, "001", QStringLiteral(" "), " "},
        {perUnit, "900", own, "共通名"},
        {perUnit, "905", own, "共通名"},
        {common, "001", own, "共通名"},
        {common, "001", QStringLiteral(" "), "共通名"},
        {common, "905", own, "共通名"},
    };
    for (const auto& c : cases) {
        ChartFolders f;
        test::addAccount(f.aaa(), "10200", QStringLiteral("普通預金"), {{"FlgA", 0}, {"FlgD", 1}});
        test::addSubAccount(f.aaa(), "10200", c.code, QStringLiteral("共通名"));
        test::addUnitSubAccount(f.aaa(), 2, "10200", c.code, c.unitName);
        syncChartToUnits(f.aaa(), f.www(), c.names);
        const std::string what = std::string(c.names == perUnit ? "する " : "しない ") + c.code + " \"" +
                                 c.unitName.toString().toStdString() + "\"";
        EXPECT_EQ(s(unitName(f, 2, c.code)), c.expected) << what;
        EXPECT_EQ(s(unitName(f, 1, c.code)), "共通名") << what;
    }
}

TEST(ChartSync, OnlyCodeNameAndFlagsAToHAreCopied) {
    ChartFolders f;
    test::addAccount(f.aaa(), "50100", QStringLiteral("給料手当"),
                     {{"FlgA", 0}, {"FlgB", 2}, {"FlgC", 0}, {"FlgF", 1}, {"FlgI", 7}, {"FlgJ", 1}});
    f.aaa().insertRow("Mkamoku", {{"B_ID", 1},
                                  {"code", "50100"},
                                  {"科目名", QStringLiteral("旧名")},
                                  {"FlgA", 9},
                                  {"FlgI", 3},
                                  {"当初予算", 500000},
                                  {"期首繰越", 1200},
                                  {"注記", QStringLiteral("注")}});
    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);
    auto st = f.aaa().prepare(
        "SELECT \"科目名\", FlgA, FlgB, FlgF, FlgI, FlgJ, \"当初予算\", \"期首繰越\", \"注記\" "
        "FROM Mkamoku WHERE B_ID=1 AND code='50100'");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.text(0).toStdString(), "給料手当");
    EXPECT_EQ(st.integer(1), 0);
    EXPECT_EQ(st.integer(2), 2);
    EXPECT_EQ(st.integer(3), 1);
    EXPECT_EQ(st.integer(4), 3); // FlgI is the unit's own
    EXPECT_TRUE(st.isNull(5));   // FlgJ is not copied
    EXPECT_EQ(st.money(6), Money::fromYen(500000));
    EXPECT_EQ(st.money(7), Money::fromYen(1200));
    EXPECT_EQ(st.text(8).toStdString(), "注");
}

TEST(ChartSync, DeletedAccountsAndLinesLeaveEveryUnitsMasters) {
    ChartFolders f;
    smallChart(f);
    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);
    // A master row of an unnamed unit goes too when its code leaves the chart.
    f.aaa().insertRow("Mkamoku", {{"B_ID", 7}, {"code", "10100"}});
    f.aaa().insertRow("Mkamoku", {{"B_ID", 7}, {"code", "10200"}});
    f.aaa().run("DELETE FROM kamoku WHERE code='10100'");
    f.aaa().run("DELETE FROM kamoku2 WHERE SNo=100");
    f.aaa().run("DELETE FROM hojokamoku WHERE hojo_CD='002'");

    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);

    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku WHERE code='10100'"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku WHERE code='10200'"), 4); // units 0, 1, 2 and 7
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku2 WHERE SNo=100"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku2 WHERE SNo=200"), 3);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku WHERE hojo_CD='002'"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku WHERE hojo_CD='001'"), 3);
}

TEST(ChartSync, ClearingFlgDRemovesSubAccountsAndTheirUnitRowsAtTheSameClose) {
    ChartFolders f;
    smallChart(f);
    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);
    ASSERT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku"), 9);
    f.aaa().updateRows("kamoku", {{"FlgD", QVariant()}}, "code='10200'");

    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);

    EXPECT_EQ(f.count("SELECT COUNT(*) FROM hojokamoku"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku"), 0);
}

TEST(ChartSync, SubAccountsOfAccountsWithoutFlgDOneNeverReachTheUnits) {
    ChartFolders f;
    test::addAccount(f.aaa(), "10100", QStringLiteral("現金"), {{"FlgA", 0}, {"FlgD", 0}});
    test::addSubAccount(f.aaa(), "10100", "001", QStringLiteral("小口"));
    test::addSubAccount(f.aaa(), "99999", "001", QStringLiteral("科目なし"));
    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM hojokamoku"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku"), 0);
}

TEST(ChartSync, TemplateFolderIsNeverPropagated) {
    ChartFolders f;
    smallChart(f);
    f.session.templateDir = f.folders.path("Data1/");
    EXPECT_FALSE(syncChartToUnits(f.session, UnitSubAccountNames::Common));
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku2"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mhojokamoku"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM hojokamoku"), 3);

    f.session.templateDir.clear();
    EXPECT_TRUE(syncChartToUnits(f.session, UnitSubAccountNames::Common));
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku"), 6);
}

TEST(ChartSync, ProgressCoversUnitsZeroToTwenty) {
    ChartFolders f;
    smallChart(f);
    std::vector<int> seen;
    syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit, [&](int unit) { seen.push_back(unit); });
    std::vector<int> expected;
    for (int u = 0; u <= 20; ++u)
        expected.push_back(u);
    EXPECT_EQ(seen, expected);
}

TEST(ChartSync, WorkCopyIsUnitOneAndTheSelectedUnitStays) {
    ChartFolders f;
    smallChart(f);
    test::addUnitSubAccount(f.aaa(), 1, "10200", "001", QStringLiteral("一般の口座"));
    f.session.setCurrentUnit(2, QStringLiteral("事業会計"));
    ASSERT_TRUE(syncChartToUnits(f.session, UnitSubAccountNames::PerUnit));
    EXPECT_EQ(f.session.currentUnit, 2);
    EXPECT_EQ(f.session.currentUnitText.toStdString(), "2");
    EXPECT_EQ(f.www().rowCount("kamoku"), 2);
    EXPECT_EQ(f.www().rowCount("kamoku2"), 2);
    EXPECT_EQ(s(f.www().scalar("SELECT \"補助科目名\" FROM hojokamoku WHERE hojo_CD='001'")), "一般の口座");
}

TEST(ChartSync, FailureLeavesTheDataFolderUnchanged) {
    ChartFolders f;
    smallChart(f);
    f.aaa().updateRows("kamoku", {{"FlgD", QVariant()}}, "code='10200'");
    // The work copy cannot be rebuilt: the last step fails after every other one ran.
    f.www().exec("DROP TABLE kamoku");
    EXPECT_THROW(syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit), StoreError);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku"), 0);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM hojokamoku"), 3);
    EXPECT_FALSE(f.aaa().inTransaction());
}

TEST(ChartSync, ViewOnlyLoginRefusesThePropagation) {
    ChartFolders f;
    smallChart(f);
    f.session.setViewOnly(true);
    EXPECT_THROW(syncChartToUnits(f.aaa(), f.www(), UnitSubAccountNames::PerUnit), ViewOnlyError);
    f.session.setViewOnly(false);
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM Mkamoku"), 0);
}
