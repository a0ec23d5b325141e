// SPDX-License-Identifier: GPL-3.0-or-later
// Apportionment of common journal lines and the unit's view of the journal.
#include "store/unitjournal.h"
#include "support/fixture.h"

#include <gtest/gtest.h>
#include <numeric>
#include <ostream>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace k9 {
namespace {

AllocationPercents percents(std::initializer_list<std::pair<int, int>> unitPercent) {
    AllocationPercents p{};
    for (auto [unit, percent] : unitPercent)
        p[unit] = percent;
    return p;
}

// ---------------------------------------------------------------- apportionShare

struct ShareCase {
    const char* what;
    std::int64_t amount;
    AllocationPercents percents;
    int unit;
    std::int64_t share;
};

void PrintTo(const ShareCase& c, std::ostream* os) {
    *os << c.what;
}

class ApportionShare : public ::testing::TestWithParam<ShareCase> {};

TEST_P(ApportionShare, GivesTheUnitItsTruncatedShareAndTheRemainderToTheLargest) {
    const ShareCase& c = GetParam();
    EXPECT_EQ(apportionShare(Money::fromYen(c.amount), c.percents, c.unit), Money::fromYen(c.share))
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApportionShare,
    ::testing::Values(
        ShareCase{"60/40 of 1,001: unit 1 takes the remainder", 1001, percents({{1, 60}, {2, 40}}), 1, 601},
        ShareCase{"60/40 of 1,001: unit 2 keeps its truncated share", 1001, percents({{1, 60}, {2, 40}}), 2,
                  400},
        ShareCase{"60/40 of 1,001: a unit without percentage gets nothing", 1001,
                  percents({{1, 60}, {2, 40}}), 3, 0},
        ShareCase{"30/30 of 10,000: the whole difference goes to the first largest", 10000,
                  percents({{1, 30}, {2, 30}}), 1, 7000},
        ShareCase{"30/30 of 10,000: the second of equal largest keeps its share", 10000,
                  percents({{1, 30}, {2, 30}}), 2, 3000},
        ShareCase{"all percentages 0: nothing for unit 1", 5000, percents({}), 1, 0},
        ShareCase{"all percentages 0: nothing for unit 2", 5000, percents({}), 2, 0},
        ShareCase{"largest in the middle takes the remainder", 999, percents({{1, 20}, {2, 50}, {3, 30}}), 2,
                  501},
        ShareCase{"a smaller unit keeps its truncated share", 999, percents({{1, 20}, {2, 50}, {3, 30}}), 3,
                  299},
        ShareCase{"first of equal largest after a smaller one", 1001, percents({{1, 10}, {2, 45}, {3, 45}}),
                  2, 451},
        ShareCase{"second of equal largest", 1001, percents({{1, 10}, {2, 45}, {3, 45}}), 3, 450},
        ShareCase{"negative amounts truncate toward zero", -1001, percents({{1, 60}, {2, 40}}), 1, -601},
        ShareCase{"negative amount, other unit", -1001, percents({{1, 60}, {2, 40}}), 2, -400},
        ShareCase{"unit 20 takes part", 1000, percents({{20, 100}}), 20, 1000},
        ShareCase{"unit 0 is not a share holder", 1000, percents({{1, 100}}), 0, 0},
        ShareCase{"a unit beyond 20 is not a share holder", 1000, percents({{1, 100}}), 21, 0},
        ShareCase{"zero amount", 0, percents({{1, 60}, {2, 40}}), 1, 0}));

TEST(ApportionShareSum, SharesOfAllUnitsAddUpToTheAmountWhenAnyUnitHasAPercentage) {
    const std::vector<AllocationPercents> sets = {percents({{1, 60}, {2, 40}}), percents({{1, 30}, {2, 30}}),
                                                  percents({{3, 33}, {5, 33}, {7, 34}}), percents({{1, 1}}),
                                                  percents({{2, 7}, {4, 93}, {20, 0}})};
    for (const auto& p : sets)
        for (std::int64_t amount : {1LL, 7LL, 99LL, 1001LL, 123457LL, -5003LL}) {
            Money sum = Money::zero();
            for (int unit = 1; unit <= 20; ++unit)
                sum += apportionShare(Money::fromYen(amount), p, unit);
            EXPECT_EQ(sum, Money::fromYen(amount)) << amount;
        }
}

TEST(ApportionShareSum, FractionsOfAYenAreDroppedBeforeApportioning) {
    EXPECT_EQ(apportionShare(Money::fromRaw(1001'5000), percents({{1, 60}, {2, 40}}), 1),
              Money::fromYen(601));
}

// ---------------------------------------------------------------- buildUnitJournal

struct Line {
    int sno;
    std::int64_t left;
    std::int64_t right;
    int flgT;
    friend bool operator==(const Line&, const Line&) = default;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << "{SNo " << l.sno << ", " << l.left << "/" << l.right << ", FlgT " << l.flgT << "}";
}

class UnitJournal : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
    Database& www = fx.session.www;

    void SetUp() override {
        account("50101", 2, {{1, 60}, {2, 40}});
        account("50102", 2, {{1, 30}, {2, 30}});
        account("50103", 2, {});
        account("50200", 0, {{1, 50}, {2, 50}}); // percentages of an account that is not shared
        account("11101", 0, {});
        line(1, "50101", "11101", 1001, 1001, 0);          // debit apportioned 60/40
        line(2, "50102", "11101", 10000, 10000, 0);        // 30/30: the remainder to unit 1
        line(3, "50103", "11101", 5000, 5000, 0);          // all 0: disappears for every unit
        line(4, "50200", "11101", 700, 700, 0);            // not an allocation account: full amounts
        line(5, "50200", "11101", 300, 300, 1);            // unit 1's own line
        line(6, "50200", "11101", 400, 400, 2);            // unit 2's own line
        line(7, "50200", "11101", 0, 0, 0);                // common line without amounts
        line(8, "50101", "11101", 100, 100, std::nullopt); // empty FlgT is a common line
        line(9, "11101", "50101", 1001, 1001, 0);          // credit apportioned
        line(10, "50101", "50102", 1000, 1000, 0);         // debit, then credit on the result
        line(11, "50200", "11101", 0, 0, 1);               // own line without amounts is kept
    }

    void account(const QString& code, int flgB, std::initializer_list<std::pair<int, int>> unitPercent) {
        std::vector<std::pair<QString, QVariant>> values = {
            {"code", code}, {"科目名", QStringLiteral("科目") + code}, {"FlgB", flgB}};
        for (auto [unit, percent] : unitPercent)
            values.push_back({QStringLiteral("A%1").arg(unit, 2, 10, QLatin1Char('0')), percent});
        aaa.insertRow("kamoku", values);
    }

    void line(int sno, const QString& lcode, const QString& rcode, std::int64_t left, std::int64_t right,
              std::optional<int> flgT) {
        aaa.insertRow("denpyou1", {{"SNo", sno},
                                   {"Sub_No", 1},
                                   {"hizuke", QDate(2015, 4, sno)},
                                   {"Lcode", lcode},
                                   {"Rcode", rcode},
                                   {"LHcode", "001"},
                                   {"Lkingaku", Money::fromYen(left).toVariant()},
                                   {"Rkingaku", Money::fromYen(right).toVariant()},
                                   {"tekiyou1", QStringLiteral("摘要%1").arg(sno)},
                                   {"LflgS", 1},
                                   {"FlgT", flgT ? QVariant(*flgT) : QVariant()},
                                   {"FlgU", 1}});
    }

    std::vector<Line> workLines() {
        std::vector<Line> out;
        auto st = www.prepare("SELECT SNo, Lkingaku, Rkingaku, FlgT FROM denpyou1 ORDER BY SNo, Sub_No");
        while (st.step())
            out.push_back({static_cast<int>(st.integer(0)), st.money(1).yen(), st.money(2).yen(),
                           static_cast<int>(st.integer(3))});
        return out;
    }
};

TEST_F(UnitJournal, UnitOneGetsItsLinesAndItsShareOfCommonLines) {
    EXPECT_EQ(buildUnitJournal(aaa, www, 1), 8);
    const std::vector<Line> expected = {{1, 601, 601, 1},  {2, 7000, 7000, 1}, {4, 700, 700, 1},
                                        {5, 300, 300, 1},  {8, 60, 60, 1},     {9, 601, 601, 1},
                                        {10, 420, 420, 1}, {11, 0, 0, 1}};
    EXPECT_EQ(workLines(), expected);
}

TEST_F(UnitJournal, UnitTwoGetsItsLinesAndItsShareOfCommonLines) {
    buildUnitJournal(aaa, www, 2);
    // Line 10: 400 of 1,000 by the debit account, then 120 of 400 by the credit account.
    const std::vector<Line> expected = {{1, 400, 400, 2}, {2, 3000, 3000, 2}, {4, 700, 700, 2},
                                        {6, 400, 400, 2}, {8, 40, 40, 2},     {9, 400, 400, 2},
                                        {10, 120, 120, 2}};
    EXPECT_EQ(workLines(), expected);
}

TEST_F(UnitJournal, AUnitWithoutPercentagesSeesOnlyCommonLinesOfOtherAccounts) {
    buildUnitJournal(aaa, www, 3);
    const std::vector<Line> expected = {{4, 700, 700, 3}};
    EXPECT_EQ(workLines(), expected);
}

TEST_F(UnitJournal, UnitZeroKeepsEveryLineWithFlgTZeroButCommonLinesWithoutAmounts) {
    EXPECT_EQ(buildUnitJournal(aaa, www, 0), 10);
    const std::vector<Line> expected = {
        {1, 1001, 1001, 0}, {2, 10000, 10000, 0}, {3, 5000, 5000, 0}, {4, 700, 700, 0},    {5, 300, 300, 0},
        {6, 400, 400, 0},   {8, 100, 100, 0},     {9, 1001, 1001, 0}, {10, 1000, 1000, 0}, {11, 0, 0, 0}};
    EXPECT_EQ(workLines(), expected);
}

TEST_F(UnitJournal, CopiesEveryOtherColumnAsItIs) {
    buildUnitJournal(aaa, www, 1);
    auto st =
        www.prepare("SELECT Sub_No, hizuke, Lcode, Rcode, LHcode, RHcode, tekiyou1, tekiyou2, LflgS, FlgU "
                    "FROM denpyou1 WHERE SNo=1");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.integer(0), 1);
    EXPECT_EQ(st.date(1), QDate(2015, 4, 1));
    EXPECT_EQ(st.text(2), "50101");
    EXPECT_EQ(st.text(3), "11101");
    EXPECT_EQ(st.text(4), "001");
    EXPECT_TRUE(st.isNull(5));
    EXPECT_EQ(st.text(6), QStringLiteral("摘要1"));
    EXPECT_TRUE(st.isNull(7));
    EXPECT_EQ(st.integer(8), 1);
    EXPECT_EQ(st.integer(9), 1);
}

TEST_F(UnitJournal, ReplacesWhatTheWorkJournalHeldBefore) {
    www.insertRow("denpyou1", {{"SNo", 999}, {"Sub_No", 1}, {"Lkingaku", 5}, {"FlgT", 1}});
    buildUnitJournal(aaa, www, 1);
    EXPECT_EQ(www.scalar("SELECT COUNT(*) FROM denpyou1 WHERE SNo=999").toInt(), 0);
    buildUnitJournal(aaa, www, 2);
    EXPECT_EQ(www.rowCount("denpyou1"), 7);
}

TEST_F(UnitJournal, UsesTheSessionsUnitAndRefusesWhenNoneIsSelected) {
    fx.session.setCurrentUnit(2, QStringLiteral("事業"));
    EXPECT_EQ(buildUnitJournal(fx.session), 7);
    fx.session.setCurrentUnit(-1, QString());
    EXPECT_THROW(buildUnitJournal(fx.session), StoreError);
}

TEST_F(UnitJournal, ReadsOnlyAccountsSharedByAllUnitsAsAllocationAccounts) {
    const auto accounts = loadAllocationAccounts(aaa);
    EXPECT_EQ(accounts.size(), 3);
    ASSERT_TRUE(accounts.contains("50101"));
    EXPECT_EQ(accounts.value("50101")[1], 60);
    EXPECT_EQ(accounts.value("50101")[2], 40);
    EXPECT_FALSE(accounts.contains("50200"));
}

TEST_F(UnitJournal, ViewOnlyModeStillBuildsTheWorkCopy) {
    fx.session.setViewOnly(true);
    EXPECT_EQ(buildUnitJournal(aaa, www, 1), 8);
}

} // namespace
} // namespace k9
