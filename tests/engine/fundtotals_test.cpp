// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-statement engine: fund movements (case X) against fund accounts and on split
// lines, activity lines with fund lines on both sides (case Y), the FlgH redirection, the
// opening fund balance on "#1020" and the difference lines.
#include "engine/fundtotals.h"
#include "enginefixture.h"

namespace k9::test {
namespace {

totals::ChartRows fundChart() {
    totals::ChartRows chart;
    chart.accounts = lines({
        {.code = "10100", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 1000, .name = "現金"},
        {.code = "10320", .a = 0, .b = 1, .c = 0, .g = 11, .h = 21, .name = "土地"},
        {.code = "10410", .a = 0, .b = 1, .c = 0, .name = "退職給付引当資産"},
        {.code = "10510", .a = 0, .b = 1, .c = 0, .h = 22, .name = "建物"},
        {.code = "10600", .a = 0, .b = 1, .c = 0, .h = 30, .name = "連携先のない資産"},
        {.code = "20100", .a = 0, .b = 1, .c = 1, .g = 1, .opening = 200, .name = "未払金"},
        {.code = "41000", .a = 0, .b = 2, .c = 1, .name = "受取会費"},
        {.code = "51000", .a = 0, .b = 2, .c = 0, .name = "消耗品費"},
        {.code = "61000", .a = 0, .b = 2, .c = 1, .name = "固定資産売却益"},
        {.code = "62000", .a = 0, .b = 2, .c = 0, .name = "固定資産除却損"},
        {.code = "71210", .a = 0, .b = 2, .c = 1, .g = 904, .name = "指定／受取寄付金"},
    });
    chart.fundLines = lines({
        {.code = "*****", .a = 9, .b = 2, .c = 1, .sNo = 100},
        {.code = "41000", .a = 0, .b = 2, .c = 1, .budget = 400, .sNo = 200},
        {.code = "71210", .a = 0, .b = 2, .c = 1, .sNo = 300},
        {.code = "*****", .a = 3, .b = 2, .c = 1, .sNo = 400},
        {.code = "51000", .a = 0, .b = 2, .c = 0, .sNo = 500},
        {.code = "*****", .a = 3, .b = 2, .c = 0, .sNo = 600},
        {.code = "*****", .a = 6, .b = 2, .c = 1, .sNo = 700},
        {.code = "90021", .a = 0, .b = 2, .c = 1, .h = 21, .sNo = 800},
        {.code = "90022", .a = 0, .b = 2, .c = 1, .h = 22, .sNo = 900},
        {.code = "61000", .a = 0, .b = 2, .c = 1, .sNo = 1000},
        {.code = "10410", .a = 0, .b = 2, .c = 1, .sNo = 1050},
        {.code = "10320", .a = 0, .b = 2, .c = 0, .sNo = 1100},
        {.code = "10410", .a = 0, .b = 2, .c = 0, .sNo = 1150},
        {.code = "*****", .a = 6, .b = 2, .c = 1, .sNo = 1200},
        {.code = "*****", .a = 7, .b = 2, .c = 1, .sNo = 1300},
        {.code = "#1020", .a = 10, .b = 2, .c = 1, .sNo = 1400},
        {.code = "#0020", .a = 8, .b = 2, .c = 0, .sNo = 1500},
        {.code = "*****", .a = 5, .b = 2, .c = 1, .budget = 100, .sNo = 1600},
        {.code = "99999", .a = 0, .b = 1, .c = 1, .opening = 50, .sNo = 1700},
    });
    return chart;
}

TEST(FundTotals, PostsFundMovementsAndRollsUp) {
    auto list = journal({
        {.sNo = 1, .date = "2015-07-10", .l = "10100", .r = "41000", .amount = 300},
        {.sNo = 2, .date = "2015-07-20", .l = "51000", .r = "20100", .amount = 50},
        {.sNo = 3, .date = "2015-08-01", .l = "62000", .r = "10510", .amount = 20},
        {.sNo = 4, .date = "2015-08-02", .l = "10100", .r = "10510", .amount = 100, .right = 80},
        {.sNo = 4, .date = "2015-08-02", .l = "", .r = "61000", .amount = kBlank, .right = 20},
        {.sNo = 5, .date = "2015-08-10", .l = "10320", .r = "10100", .amount = 1000},
        {.sNo = 6, .date = "2015-08-20", .l = "10100", .r = "10320", .amount = 500},
        {.sNo = 7, .date = "2015-09-01", .l = "10410", .r = "71210", .amount = 1000},
        {.sNo = 8, .date = "2015-09-02", .l = "51000", .r = "10410", .amount = 30},
        {.sNo = 9, .date = "2015-09-03", .l = "51000", .r = "41000", .amount = 15},
        {.sNo = 10, .date = "2015-05-01", .l = "10100", .r = "41000", .amount = 40},
        {.sNo = 11, .date = "2015-05-02", .l = "51000", .r = "10100", .amount = 25},
        {.sNo = 12, .date = "2015-05-03", .l = "41000", .r = "10100", .amount = 8},
        {.sNo = 13, .date = "2015-07-05", .l = "41000", .r = "10100", .amount = 6},
        {.sNo = 14, .date = "2015-07-06", .l = "10100", .r = "51000", .amount = 4},
        {.sNo = 15, .date = "2015-07-07", .l = "10100", .r = "10600", .amount = 9},
    });
    const auto r = totals::computeFundTotals(fundChart(), list, period("2015-07-01", "2016-03-31"), {});
    struct Case {
        long long sNo;
        Col column;
        long long value;
        const char* why;
    };
    const Case cases[] = {
        {200, Col::Before, 32, "receipt before the period; a debit on a receipt line subtracts"},
        {200, Col::Debit, 6, "debit on the receipt line in the period"},
        {200, Col::Credit, 315, "case X against cash, plus case Y between two activity lines"},
        {200, Col::Closing, 341, ""},
        {300, Col::Credit, 1000, "case Y: restricted donation placed in a special asset"},
        {400, Col::Closing, 1341, "receipts total"},
        {500, Col::Before, 25, "payment before the period"},
        {500, Col::Debit, 65, "against a fund liability, plus case Y"},
        {500, Col::Credit, 4, "credit on a payment line against cash"},
        {500, Col::Closing, 86, ""},
        {600, Col::Closing, 86, "debit-nature total of payments"},
        {700, Col::Closing, 1255, "receipts minus payments"},
        {800, Col::Credit, 500, "FlgH 21: credit on a basic-fund asset redirected to its receipt line"},
        {900, Col::Credit, 80, "FlgH 22 on a split line"},
        {1000, Col::Credit, 20, "split line without a debit account"},
        {1050, Col::Closing, 0, "case Y: activity debit against a balance-sheet credit posts nothing"},
        {1100, Col::Debit, 1000, "asset bought with cash"},
        {1150, Col::Debit, 1000, "case Y payment side"},
        {1200, Col::Closing, -1400, "difference since the previous difference line"},
        {1300, Col::Closing, -145, "running difference"},
        {1400, Col::Before, 800, "opening fund: cash 1000 less payables 200"},
        {1500, Col::Closing, 655, "closing fund: opening + running difference"},
        {1700, Col::Variance, -50, "balance-sheet line: variance against 期首繰越"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amount(bySNo(r.fundLines, c.sNo), c.column), c.value) << c.sNo << " " << c.why;
    EXPECT_EQ(amount(bySNo(r.fundLines, 1050), Col::Before), kBlank);
    ASSERT_TRUE(bySNo(r.fundLines, 200).ratio.has_value());
    EXPECT_DOUBLE_EQ(*bySNo(r.fundLines, 200).ratio, 341.0 / 400.0 * 100.0);
    ASSERT_TRUE(bySNo(r.fundLines, 400).ratio.has_value());
    EXPECT_DOUBLE_EQ(*bySNo(r.fundLines, 400).ratio, 1341.0 / 400.0 * 100.0);
    EXPECT_FALSE(bySNo(r.fundLines, 1600).ratio.has_value()) << "no ratio on FlgA 5 lines";
}

TEST(FundTotals, AppliesTheVoucherOptions) {
    struct Case {
        int adjusting;
        int unsettled;
        long long before;
        long long credit;
    };
    const Case cases[] = {{0, 0, 40, 307}, {1, 0, 40, 300}, {2, 0, 340, 7}, {0, 1, 40, 7}};
    for (const auto& c : cases) {
        auto list = journal({
            {.sNo = 1, .date = "2015-05-01", .l = "10100", .r = "41000", .amount = 40},
            {.sNo = 2, .date = "2015-07-10", .l = "10100", .r = "41000", .amount = 300, .flgV = 1},
            {.sNo = 3, .date = "2015-07-11", .l = "10100", .r = "41000", .amount = 7, .flgU = 1},
            {.sNo = 4, .date = "2016-04-01", .l = "10100", .r = "41000", .amount = 1000},
        });
        const auto r = totals::computeFundTotals(fundChart(), list, period("2015-07-01", "2016-03-31"),
                                                 {c.adjusting, c.unsettled});
        const ChartLine& fees = bySNo(r.fundLines, 200);
        EXPECT_EQ(amount(fees, Col::Before), c.before) << c.adjusting << c.unsettled;
        EXPECT_EQ(amount(fees, Col::Credit), c.credit) << c.adjusting << c.unsettled;
    }
}

} // namespace
} // namespace k9::test
