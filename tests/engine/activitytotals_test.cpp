// SPDX-License-Identifier: GPL-3.0-or-later
// The activity and balance-sheet engine on small charts: posting by period and options,
// negative balances, the description summary, the FlgG 11 and 920 transfers and their
// refusal, and the net-asset lines.
#include "engine/activitytotals.h"
#include "enginefixture.h"

namespace k9::test {
namespace {

using totals::ActivityTotals;
using totals::ChartRows;
using totals::computeActivityTotals;

// A small chart shaped like the standard one: fund accounts, a FlgG 11 asset with its memo
// lines, the net-asset role lines and a FlgG 920 transfer account with its target.
ChartRows smallChart() {
    ChartRows chart;
    chart.accounts = lines({
        {.code = "10000", .a = 9, .b = 1, .c = 0, .name = "資産の部"},
        {.code = "10100", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 1000, .name = "現金"},
        {.code = "10300", .a = 0, .b = 1, .c = 0, .g = 11, .opening = 5000, .name = "基本財産定期預金"},
        {.code = "10990", .a = 4, .b = 1, .c = 0, .name = "資産合計"},
        {.code = "20100", .a = 0, .b = 1, .c = 1, .g = 1, .opening = 200, .name = "未払金"},
        {.code = "20990", .a = 4, .b = 1, .c = 1, .name = "負債合計"},
        {.code = "30100", .a = 0, .b = 1, .c = 1, .g = 904, .opening = 5000, .name = "寄付金"},
        {.code = "30200",
         .a = 10,
         .b = 1,
         .c = 1,
         .g = 921,
         .opening = 5000,
         .name = "（うち基本財産への充当額）"},
        {.code = "30300", .a = 0, .b = 1, .c = 1, .g = 110, .opening = 800, .name = "一般正味財産"},
        {.code = "30310", .a = 10, .b = 1, .c = 1, .g = 923, .name = "（うち基本財産への充当額）"},
        {.code = "30900", .a = 4, .b = 1, .c = 1, .g = 140, .name = "正味財産合計"},
        {.code = "30990", .a = 5, .b = 1, .c = 1, .name = "負債及び正味財産合計"},
        {.code = "41000", .a = 0, .b = 2, .c = 1, .name = "受取会費"},
        {.code = "41100", .a = 0, .b = 2, .c = 1, .name = "受取寄付金振替額"},
        {.code = "51000", .a = 0, .b = 2, .c = 0, .name = "消耗品費"},
        {.code = "62900", .a = 7, .b = 2, .c = 1, .g = 114, .name = "当期一般正味財産増減額"},
        {.code = "62910", .a = 0, .b = 2, .c = 1, .g = 112, .h = 49, .name = "一般正味財産期首残高"},
        {.code = "62920", .a = 6, .b = 2, .c = 1, .g = 111, .name = "一般正味財産期末残高"},
        {.code = "71500", .a = 0, .b = 2, .c = 1, .g = 920, .name = "一般正味財産への振替額"},
        {.code = "79000", .a = 6, .b = 2, .c = 1, .g = 134, .name = "当期指定正味財産増減額"},
        {.code = "79100", .a = 0, .b = 2, .c = 1, .g = 132, .h = 49, .name = "指定正味財産期首残高"},
        {.code = "79200", .a = 6, .b = 2, .c = 1, .g = 131, .name = "指定正味財産期末残高"},
        {.code = "79900", .a = 6, .b = 2, .c = 1, .g = 141, .name = "正味財産期末残高"},
    });
    chart.subAccounts = {sub("10300", "921", 5000), sub("10300", "923"), sub("10300", "925"),
                         sub("10300", "926"),       sub("71500", "904"), sub("71500", "930")};
    return chart;
}

struct Expect {
    const char* code;
    Col column;
    long long value; // kBlank for a blank amount
};

void check(const std::vector<ChartLine>& accounts, std::initializer_list<Expect> expected,
           const char* context) {
    for (const auto& e : expected)
        EXPECT_EQ(amount(byCode(accounts, e.code), e.column), e.value)
            << context << ": " << e.code << " column " << static_cast<int>(e.column);
}

ActivityTotals run(const ChartRows& chart, std::initializer_list<J> js, const totals::Period& p = period(),
                   totals::VoucherOptions options = {}) {
    auto list = journal(js);
    return computeActivityTotals(chart, list, p, options);
}

TEST(ActivityTotals, CountsLinesByPeriodBoundaries) {
    const auto r = run(smallChart(),
                       {
                           {.sNo = 1, .date = "2015-06-30", .l = "10100", .r = "41000", .amount = 100},
                           {.sNo = 2, .date = "2015-07-01", .l = "10100", .r = "41000", .amount = 200},
                           {.sNo = 3, .date = "2015-09-30", .l = "51000", .r = "10100", .amount = 50},
                           {.sNo = 4, .date = "2015-10-01", .l = "10100", .r = "41000", .amount = 1000},
                           {.sNo = 5, .date = "2015-03-31", .l = "10100", .r = "41000", .amount = 7},
                       },
                       period("2015-07-01", "2015-09-30"));
    ASSERT_FALSE(r.stopped());
    check(r.accounts,
          {
              {"10100", Col::Before, 1100},
              {"10100", Col::Debit, 200},
              {"10100", Col::Credit, 50},
              {"10100", Col::Net, 150},
              {"10100", Col::Closing, 1250},
              {"10100", Col::Variance, 150}, // balance sheet: against 前残高
              {"41000", Col::Before, 100},
              {"41000", Col::Debit, kBlank}, // never debited: stays blank until finishing
              {"41000", Col::Credit, 200},
              {"41000", Col::Net, 200},
              {"41000", Col::Closing, 300},
              {"41000", Col::Variance, 300}, // activity: against 予算 (blank)
              {"51000", Col::Debit, 50},
              {"51000", Col::Closing, 50},
          },
          "boundaries");
}

TEST(ActivityTotals, AppliesTheVoucherOptions) {
    const auto chart = smallChart();
    struct Case {
        int adjusting;
        int unsettled;
        long long before;  // 受取会費 前残高
        long long credit;  // 受取会費 貸方
        long long summary; // WTBL7 kinR of 受取会費 (by date alone)
    };
    // Lines: ordinary before the period 100, adjusting before 7, ordinary in the period 200,
    // adjusting in the period 30, unsettled in the period 5.
    const Case cases[] = {
        {0, 0, 107, 235, 235}, {1, 0, 100, 205, 205}, {2, 0, 312, 30, 235},
        {0, 1, 107, 230, 230}, {2, 1, 307, 30, 230},
    };
    for (const auto& c : cases) {
        const auto r =
            run(chart,
                {
                    {.sNo = 1, .date = "2015-05-01", .l = "10100", .r = "41000", .amount = 100},
                    {.sNo = 2, .date = "2015-05-02", .l = "10100", .r = "41000", .amount = 7, .flgU = 1},
                    {.sNo = 3, .date = "2015-08-01", .l = "10100", .r = "41000", .amount = 200},
                    {.sNo = 4, .date = "2015-08-02", .l = "10100", .r = "41000", .amount = 30, .flgU = 1},
                    {.sNo = 5, .date = "2015-08-03", .l = "10100", .r = "41000", .amount = 5, .flgV = 1},
                },
                period("2015-07-01", "2015-09-30"), {c.adjusting, c.unsettled});
        const std::string context =
            "adjusting " + std::to_string(c.adjusting) + ", unsettled " + std::to_string(c.unsettled);
        check(r.accounts, {{"41000", Col::Before, c.before}, {"41000", Col::Credit, c.credit}},
              context.c_str());
        ASSERT_EQ(r.descriptions.size(), 2u) << context;
        for (const auto& d : r.descriptions) {
            if (r.accounts[d.account].code == "41000") {
                EXPECT_EQ(d.credit.yen(), c.summary) << context;
            }
        }
    }
}

TEST(ActivityTotals, DebitNatureAccountCreditedOnlyGoesNegative) {
    const auto r =
        run(smallChart(), {{.sNo = 1, .date = "2015-05-01", .l = "51000", .r = "10100", .amount = 1500}});
    check(r.accounts,
          {{"10100", Col::Before, 1000},
           {"10100", Col::Debit, kBlank},
           {"10100", Col::Credit, 1500},
           {"10100", Col::Net, -1500},
           {"10100", Col::Closing, -500}},
          "negative");
}

TEST(ActivityTotals, SummarisesDescriptionsByTextBeforeTheSlash) {
    const auto r = run(
        smallChart(),
        {
            {.sNo = 1,
             .date = "2015-05-01",
             .l = "10100",
             .r = "41000",
             .amount = 100,
             .text = "会費／4月分"},
            {.sNo = 2, .date = "2015-06-01", .l = "10100", .r = "41000", .amount = 50, .text = "会費／5月分"},
            {.sNo = 3, .date = "2015-06-02", .l = "10100", .r = "41000", .amount = 20, .text = ""},
            {.sNo = 4, .date = "2015-06-03", .l = "10100", .r = "41000", .amount = 3, .text = "／先頭"},
            {.sNo = 5, .date = "2015-06-04", .l = "10100", .r = "99999", .amount = 9, .text = "不明"},
        },
        period("2015-06-01", "2016-03-31"));
    struct Row {
        const char* code;
        const char* group;
        long long before, debit, credit, closing, change;
        int count;
    };
    const Row expected[] = {
        {"10100", "会費", 100, 50, 0, 150, 50, 2}, {"41000", "会費", 100, 0, 50, 150, 50, 2},
        {"10100", "その他", 0, 23, 0, 23, 23, 2},  {"41000", "その他", 0, 0, 23, 23, 23, 2},
        {"10100", "不明", 0, 9, 0, 9, 9, 1},
    };
    ASSERT_EQ(r.descriptions.size(), std::size(expected));
    for (const auto& e : expected) {
        bool found = false;
        for (const auto& d : r.descriptions) {
            if (r.accounts[d.account].code != e.code || d.group != e.group)
                continue;
            found = true;
            EXPECT_EQ(d.before, Money::fromYen(e.before)) << e.code << e.group;
            EXPECT_EQ(d.debit, Money::fromYen(e.debit)) << e.code << e.group;
            EXPECT_EQ(d.credit, Money::fromYen(e.credit)) << e.code << e.group;
            EXPECT_EQ(d.closing, Money::fromYen(e.closing)) << e.code << e.group;
            EXPECT_EQ(d.change, Money::fromYen(e.change)) << e.code << e.group;
            EXPECT_EQ(d.count, e.count) << e.code << e.group;
        }
        EXPECT_TRUE(found) << e.code << " " << e.group;
    }
}

TEST(ActivityTotals, DescriptionGroupsAreCutAtFortyBytes) {
    EXPECT_EQ(totals::descriptionGroup("会費／4月"), "会費");
    EXPECT_EQ(totals::descriptionGroup("会費 ／4月"), "会費");
    EXPECT_EQ(totals::descriptionGroup("／会費"), "その他");
    EXPECT_EQ(totals::descriptionGroup(""), "その他");
    // Two descriptions that differ only after 40 bytes share one row.
    const std::string longA = "あいうえおかきくけこさしすせそたちつてとなにぬ"; // 23 full-width = 46 bytes
    const std::string longB = "あいうえおかきくけこさしすせそたちつてとはひふ";
    const auto r =
        run(smallChart(), {
                              {.sNo = 1, .l = "10100", .r = "41000", .amount = 1, .text = longA.c_str()},
                              {.sNo = 2, .l = "10100", .r = "41000", .amount = 2, .text = longB.c_str()},
                          });
    ASSERT_EQ(r.descriptions.size(), 2u);
    EXPECT_EQ(r.descriptions[0].group, "あいうえおかきくけこさしすせそたちつてと");
    EXPECT_EQ(r.descriptions[0].count, 2);
    EXPECT_EQ(r.descriptions[0].debit + r.descriptions[1].debit, Money::fromYen(3));
}

TEST(ActivityTotals, MirrorsFundAssetPostingsOnTheirMemoLines) {
    const auto r =
        run(smallChart(),
            {
                {.sNo = 1, .date = "2015-05-01", .l = "10300", .r = "10100", .amount = 400, .lh = "921"},
                {.sNo = 2, .date = "2015-08-01", .l = "10300", .r = "10100", .amount = 300, .lh = "923"},
                {.sNo = 3, .date = "2015-08-02", .l = "10100", .r = "10300", .amount = 100, .rh = "921"},
                {.sNo = 4, .date = "2015-08-03", .l = "10300", .r = "10100", .amount = 60, .lh = "925"},
                {.sNo = 5, .date = "2015-08-04", .l = "10300", .r = "10100", .amount = 9, .lh = "999"},
            },
            period("2015-07-01", "2016-03-31"));
    ASSERT_FALSE(r.stopped());
    check(r.accounts,
          {
              {"10300", Col::Before, 5400},
              {"10300", Col::Debit, 369}, // 300 + 60 + 9 (unregistered 999: account only)
              {"10300", Col::Credit, 100},
              {"30200", Col::Before, 5400}, // memo 921: opening + the earlier debit
              {"30200", Col::Debit, 100},   // the credit on the asset, mirrored
              {"30200", Col::Credit, kBlank},
              {"30200", Col::Closing, 5300},
              {"30310", Col::Credit, 300}, // memo 923
              {"30310", Col::Closing, 300},
          },
          "FlgG 11");
    const auto& subs = r.subAccounts;
    EXPECT_EQ(subs[0].before, Money::fromYen(5400));
    EXPECT_EQ(subs[0].credit, Money::fromYen(100));
    EXPECT_EQ(subs[0].closing, Money::fromYen(5300));
    EXPECT_EQ(subs[1].debit, Money::fromYen(300));
    EXPECT_EQ(subs[2].debit, Money::fromYen(60)); // 925 has no memo line
}

TEST(ActivityTotals, RoutesTransferDebitsToTheRestrictedNetAssetLine) {
    const auto r =
        run(smallChart(),
            {
                {.sNo = 1, .date = "2015-05-01", .l = "71500", .r = "41100", .amount = 70, .lh = "904"},
                {.sNo = 2, .date = "2015-08-01", .l = "71500", .r = "41100", .amount = 100, .lh = "904"},
                {.sNo = 3, .date = "2015-08-02", .l = "41100", .r = "71500", .amount = 5, .rh = "904"},
            },
            period("2015-07-01", "2016-03-31"));
    ASSERT_FALSE(r.stopped());
    check(r.accounts,
          {
              {"71500", Col::Before, -70},
              {"71500", Col::Debit, 100},
              {"71500", Col::Credit, 5},
              {"30100", Col::Before, 4930}, // 5000 − 70: credit-nature account debited earlier
              {"30100", Col::Debit, 100},   // routed debit; the credit on 71500 is not routed
              {"30100", Col::Credit, 0},    // no activity line feeds 904: 0 added to blank
              {"30100", Col::Closing, 4830},
          },
          "FlgG 920");
}

TEST(ActivityTotals, InvalidSubAccountCodesStopTheComputation) {
    struct Case {
        const char* what;
        J line;
        bool stops;
    };
    const Case cases[] = {
        {"FlgG 11 debit, registered 926",
         {.sNo = 7, .l = "10300", .r = "10100", .amount = 1, .lh = "926"},
         true},
        {"FlgG 11 credit, registered 926",
         {.sNo = 7, .l = "10100", .r = "10300", .amount = 1, .rh = "926"},
         true},
        {"FlgG 920 debit, registered 930",
         {.sNo = 7, .l = "71500", .r = "41100", .amount = 1, .lh = "930"},
         true},
        {"FlgG 920 credit is not checked",
         {.sNo = 7, .l = "41100", .r = "71500", .amount = 1, .rh = "930"},
         false},
        {"unregistered code posts to the account alone",
         {.sNo = 7, .l = "10300", .r = "10100", .amount = 1, .lh = "X1"},
         false},
        {"a line outside the period is not checked",
         {.sNo = 7, .date = "2016-04-01", .l = "10300", .r = "10100", .amount = 1, .lh = "926"},
         false},
    };
    for (const auto& c : cases) {
        const auto r = run(smallChart(), {{.sNo = 3, .l = "10100", .r = "41000", .amount = 5},
                                          c.line,
                                          {.sNo = 9, .l = "10300", .r = "10100", .amount = 2, .lh = "926"}});
        if (c.stops) {
            EXPECT_EQ(r.faultyVouchers, (std::vector<long long>{7, 9})) << c.what;
            EXPECT_TRUE(r.accounts.empty()) << c.what;
        } else {
            EXPECT_EQ(r.faultyVouchers, (std::vector<long long>{9})) << c.what;
        }
    }
}

TEST(ActivityTotals, FillsTheNetAssetLinesOfTheWorkedExample) {
    const auto r =
        run(smallChart(),
            {
                {.sNo = 1, .date = "2015-04-10", .l = "10100", .r = "41000", .amount = 300},
                {.sNo = 2, .date = "2015-05-20", .l = "51000", .r = "20100", .amount = 50},
                {.sNo = 3, .date = "2015-06-30", .l = "20100", .r = "10100", .amount = 250},
                {.sNo = 4, .date = "2015-07-31", .l = "71500", .r = "41100", .amount = 100, .lh = "904"},
            });
    ASSERT_FALSE(r.stopped());
    check(r.accounts,
          {
              {"10100", Col::Closing, 1050},
              {"10990", Col::Closing, 6050},
              {"20100", Col::Closing, 0},
              {"20990", Col::Closing, kBlank}, // a total of exactly 0 is blank
              {"30100", Col::Closing, 4900},
              {"30200", Col::Closing, 5000},
              {"30300", Col::Before, 800},
              {"30300", Col::Closing, 1150},
              {"30300", Col::Variance, 350},
              {"30900", Col::Closing, 6050},
              {"30990", Col::Closing, 6050},
              {"62900", Col::Closing, 350},
              {"62900", Col::Debit, 50},
              {"62900", Col::Credit, 400},
              {"62910", Col::Before, 800},
              {"62920", Col::Closing, 1150},
              {"71500", Col::Closing, -100},
              {"79000", Col::Closing, -100},
              {"79100", Col::Before, 5000},
              {"79200", Col::Closing, 4900},
              {"79900", Col::Closing, 6050},
              {"79900", Col::InitialBudget, 0}, // written as computed, 0 included
          },
          "worked example");
}

} // namespace
} // namespace k9::test
