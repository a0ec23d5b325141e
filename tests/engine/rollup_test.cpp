// SPDX-License-Identifier: GPL-3.0-or-later
// Subtotal and total lines: small accounts inside middle and major totals, the nature of
// total lines, block and section totals, difference lines, the balance-sheet passes,
// ratios, and the finishing of blank and zero amounts.
#include "engine/activitytotals.h"
#include "engine/rollup.h"
#include "enginefixture.h"

namespace k9::test {
namespace {

using totals::computeActivityTotals;

struct Expect {
    const char* code;
    long long closing; // 残高合計, kBlank for blank
};

std::vector<ChartLine> compute(std::vector<ChartLine> accounts, std::initializer_list<J> js) {
    totals::ChartRows chart;
    chart.accounts = std::move(accounts);
    auto list = journal(js);
    auto r = computeActivityTotals(chart, list, period(), {});
    EXPECT_FALSE(r.stopped());
    return r.accounts;
}

void check(const std::vector<ChartLine>& accounts, std::initializer_list<Expect> expected, const char* what) {
    for (const auto& e : expected)
        EXPECT_EQ(amount(byCode(accounts, e.code), Col::Closing), e.closing) << what << ": " << e.code;
}

std::vector<ChartLine> activityChart() {
    return lines({
        {.code = "10100", .a = 0, .b = 1, .c = 0, .name = "現金"},
        {.code = "40000", .a = 9, .b = 2, .c = 1, .name = "経常収益"},
        {.code = "41000", .a = 1, .b = 2, .c = 1, .name = "受取会費"},
        {.code = "41010", .a = 0, .b = 2, .c = 1, .e = 1, .name = "正会員受取会費"},
        {.code = "41020", .a = 0, .b = 2, .c = 1, .e = 1, .name = "賛助会員受取会費"},
        {.code = "41100", .a = 0, .b = 2, .c = 1, .name = "受取入会金"},
        {.code = "41500", .a = 2, .b = 2, .c = 1, .name = "中科目計"},
        {.code = "41990", .a = 3, .b = 2, .c = 1, .name = "経常収益計"},
        {.code = "51000", .a = 1, .b = 2, .c = 0, .name = "事業費"},
        {.code = "51010", .a = 0, .b = 2, .c = 0, .e = 1, .name = "事業費／消耗品費"},
        {.code = "51990", .a = 3, .b = 2, .c = 0, .name = "経常費用計"},
        {.code = "59800", .a = 4, .b = 2, .c = 0, .name = "費用超過額"},
        {.code = "59900", .a = 5, .b = 2, .c = 1, .name = "収益超過額"},
        {.code = "60000", .a = 7, .b = 2, .c = 1, .name = "累計差額"},
        {.code = "60100", .a = 6, .b = 2, .c = 1, .name = "差額"},
        {.code = "60150", .a = 0, .b = 2, .c = 1, .name = "雑収益"},
        {.code = "60200", .a = 11, .b = 2, .c = 1, .name = "区切り"},
        {.code = "61000", .a = 0, .b = 2, .c = 1, .name = "固定資産受贈益"},
        {.code = "61500", .a = 2, .b = 2, .c = 1, .name = "中科目計２"},
        {.code = "61900", .a = 4, .b = 2, .c = 1, .name = "ブロック計"},
        {.code = "62000", .a = 9, .b = 2, .c = 1, .name = "見出し"},
        {.code = "63000", .a = 2, .b = 2, .c = 1, .name = "空の中科目計"},
        {.code = "64000", .a = std::nullopt, .b = 2, .c = 1, .name = "空欄の見出し"},
    });
}

std::initializer_list<J> activityJournal() {
    static const std::initializer_list<J> js = {
        {.sNo = 1, .l = "10100", .r = "41010", .amount = 100},
        {.sNo = 2, .l = "10100", .r = "41020", .amount = 50},
        {.sNo = 3, .l = "10100", .r = "41100", .amount = 30},
        {.sNo = 4, .l = "51010", .r = "10100", .amount = 70},
        {.sNo = 5, .l = "10100", .r = "60150", .amount = 7},
        {.sNo = 6, .l = "10100", .r = "61000", .amount = 11},
    };
    return js;
}

TEST(RollUp, FillsActivityTotalsByLevelAndNature) {
    const auto accounts = compute(activityChart(), activityJournal());
    check(accounts,
          {
              {"41000", 150}, // small accounts only; the plain input 41100 is not in it
              {"41500", 180}, // 中科目計 takes every input since the start
              {"41990", 180},
              {"51000", 70}, // debit-nature total of debit-nature members
              {"51990", 70},
              {"59800", -110}, // debit-nature block total: expenses minus revenue
              {"59900", 110},  // credit-nature section total: revenue minus expenses
              {"60000", 110},  // running difference
              {"60100", 110},  // difference since the start, then reset
              {"61500", 18},   // FlgA 11 sorts below "3" as text: no reset of middle totals
              {"61900", 11},   // but it ends the block
              {"63000", kBlank},
          },
          "activity");
    const ChartLine& running = byCode(accounts, "60000");
    EXPECT_EQ(amount(running, Col::Debit), 70); // debit and credit columns add plain values
    EXPECT_EQ(amount(running, Col::Credit), 180);
}

TEST(RollUp, SmallAccountRunsEndAtHigherLevels) {
    // FlgA 10 sorts above "1" as text, so it ends the run of small accounts.
    const auto accounts = compute(lines({
                                      {.code = "10100", .a = 0, .b = 1, .c = 0},
                                      {.code = "41000", .a = 1, .b = 2, .c = 1},
                                      {.code = "41010", .a = 0, .b = 2, .c = 1, .e = 1},
                                      {.code = "41020", .a = 10, .b = 2, .c = 1},
                                      {.code = "41030", .a = 0, .b = 2, .c = 1, .e = 1},
                                      {.code = "41900", .a = 3, .b = 2, .c = 1},
                                  }),
                                  {{.sNo = 1, .l = "10100", .r = "41010", .amount = 5},
                                   {.sNo = 2, .l = "10100", .r = "41030", .amount = 8}});
    check(accounts, {{"41000", 5}, {"41900", 13}}, "small accounts");
}

TEST(RollUp, FinishingTurnsBlanksIntoZeroExceptOnHeadings) {
    auto accounts = compute(activityChart(), activityJournal());
    EXPECT_EQ(amount(byCode(accounts, "62000"), Col::Closing), 0); // a heading before finishing
    EXPECT_EQ(amount(byCode(accounts, "41010"), Col::Debit), kBlank);
    accounts = totals::finishLines(std::move(accounts));
    struct Case {
        const char* code;
        Col column;
        long long value;
    };
    const Case cases[] = {
        {"63000", Col::Closing, 0},
        {"41010", Col::Debit, 0},
        {"41010", Col::Budget, 0},
        {"62000", Col::Closing, kBlank},
        {"62000", Col::InitialBudget, kBlank},
        {"64000", Col::Closing, kBlank},
        {"64000", Col::Variance, kBlank},
        {"41000", Col::Closing, 150},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amount(byCode(accounts, c.code), c.column), c.value) << c.code;
}

TEST(RollUp, BalanceSheetPassesAddPlainValues) {
    const auto accounts = compute(lines({
                                      {.code = "10100", .a = 1, .b = 1, .c = 0, .name = "預金"},
                                      {.code = "10110", .a = 0, .b = 1, .c = 0, .e = 1, .opening = 10},
                                      {.code = "10120", .a = 0, .b = 1, .c = 0, .e = 1, .opening = 20},
                                      {.code = "10130", .a = 0, .b = 1, .c = 0, .opening = 40},
                                      {.code = "10190", .a = 2, .b = 1, .c = 0},
                                      {.code = "10200", .a = 3, .b = 1, .c = 0},
                                      {.code = "10210", .a = 0, .b = 1, .c = 0, .e = 1, .opening = 100},
                                      {.code = "10290", .a = 3, .b = 1, .c = 0},
                                      {.code = "10990", .a = 4, .b = 1, .c = 0},
                                      {.code = "20100", .a = 0, .b = 1, .c = 1, .opening = 30},
                                      {.code = "20990", .a = 4, .b = 1, .c = 1},
                                      {.code = "30100", .a = 0, .b = 1, .c = 1, .opening = 140},
                                      {.code = "30900", .a = 4, .b = 1, .c = 1},
                                      {.code = "30990", .a = 5, .b = 1, .c = 1},
                                  }),
                                  {});
    check(accounts,
          {
              {"10100", 130}, // Pass E only resets at a FlgA 1 line: 10210 joins the run
              {"10190", 70},
              {"10200", 70},
              {"10290", 100},
              {"10990", 170},
              {"20990", 30},
              {"30900", 140},
              {"30990", 170}, // liabilities and net assets: the debit-side block total cleared P
          },
          "balance sheet");
}

TEST(RollUp, RatiosAgainstTheBudget) {
    const auto accounts = compute(lines({
                                      {.code = "10100", .a = 0, .b = 1, .c = 0, .budget = 100},
                                      {.code = "41000", .a = 0, .b = 2, .c = 1, .budget = 0},
                                      {.code = "41100", .a = 0, .b = 2, .c = 1, .budget = 100},
                                      {.code = "41200", .a = 0, .b = 2, .c = 1, .budget = 100},
                                      {.code = "41300", .a = 0, .b = 2, .c = 1, .budget = 100},
                                      {.code = "41400", .a = 0, .b = 2, .c = 1, .budget = 200},
                                      {.code = "41900", .a = 3, .b = 2, .c = 1},
                                  }),
                                  {
                                      {.sNo = 1, .l = "10100", .r = "41000", .amount = 50},
                                      {.sNo = 2, .l = "10100", .r = "41100", .amount = 1001},
                                      {.sNo = 3, .l = "10100", .r = "41200", .amount = 1000},
                                      {.sNo = 4, .l = "41300", .r = "10100", .amount = 50},
                                      {.sNo = 5, .l = "10100", .r = "41400", .amount = 3},
                                  });
    struct Case {
        const char* code;
        std::optional<double> ratio;
    };
    const Case cases[] = {
        {"10100", std::nullopt},                                    // balance-sheet line
        {"41000", std::nullopt},                                    // budget 0
        {"41100", std::nullopt},                                    // 1001 % is blank
        {"41200", 1000.0},                                          // 1000 % stays
        {"41300", -50.0},                                           // negative ratios stay
        {"41400", 1.5},          {"41900", 2004.0 / 500.0 * 100.0}, // total line: from its own summed figures
    };
    for (const auto& c : cases) {
        const auto& ratio = byCode(accounts, c.code).ratio;
        ASSERT_EQ(ratio.has_value(), c.ratio.has_value()) << c.code;
        if (c.ratio) {
            EXPECT_DOUBLE_EQ(*ratio, *c.ratio) << c.code;
        }
    }
}

TEST(RollUp, LevelTextComparisonOrdersTenBelowTwo) {
    EXPECT_LT(totals::compareLevelText(10, "2"), 0);
    EXPECT_GT(totals::compareLevelText(10, "1"), 0);
    EXPECT_GT(totals::compareLevelText(4, "3"), 0);
    EXPECT_LT(totals::compareLevelText(std::nullopt, "1"), 0);
    EXPECT_EQ(totals::compareLevelText(3, "3"), 0);
}

} // namespace
} // namespace k9::test
