// SPDX-License-Identifier: GPL-3.0-or-later
// The trial balance read after a totals run: the three tabs and their order, the check
// pairs, the "０円科目の表示" rule, sub-account totals, description totals and their journal
// detail, and the activity-versus-fund-statement check.
#include "reports/trialbalance.h"
#include "trialbalancefixture.h"

#include <algorithm>

namespace k9::test {
namespace {

struct TrialBalanceRead : ::testing::Test, TrialBalanceUnit {
    static QStringList codes(const std::vector<TrialLine>& lines) {
        QStringList out;
        for (const auto& l : lines)
            out << l.code;
        return out;
    }
    static const TrialLine& find(const std::vector<TrialLine>& lines, const char* code) {
        auto it = std::find_if(lines.begin(), lines.end(),
                               [code](const TrialLine& l) { return l.code == QLatin1String(code); });
        if (it == lines.end()) {
            ADD_FAILURE() << "no line " << code;
            static const TrialLine none;
            return none;
        }
        return *it;
    }
};

TEST_F(TrialBalanceRead, TabsHoldTheirLinesInOrder) {
    runYear();
    const TrialBalance tb = loadTrialBalance(session.www);
    EXPECT_EQ(tb.from, QDate(2015, 4, 1));
    EXPECT_EQ(tb.to, QDate(2016, 3, 31));
    EXPECT_EQ(codes(tb.lines(TrialTab::BalanceSheet)).join(','),
              "10000,10100,10200,10300,10400,10500,10990,20100,20990,30300,30900,30990");
    EXPECT_EQ(codes(tb.lines(TrialTab::NetAssets)).first(3).join(','), "40000,41000,41100");
    EXPECT_EQ(codes(tb.lines(TrialTab::Funds)).join(','), "41000,*****,51000,*****,*****,#1020,#0020");
    const TrialLine& cash = find(tb.lines(TrialTab::BalanceSheet), "10100");
    EXPECT_EQ(cash.before.yen(), 1000);
    EXPECT_EQ(cash.debit.yen(), 400);
    EXPECT_EQ(cash.credit.yen(), 100);
    EXPECT_EQ(cash.closing.yen(), 1300);
    EXPECT_EQ(find(tb.lines(TrialTab::BalanceSheet), "10200").flgD, 1);
    const TrialLine& dues = find(tb.lines(TrialTab::NetAssets), "41000");
    EXPECT_EQ(dues.budget.yen(), 1000);
    EXPECT_EQ(dues.closing.yen(), 500);
    EXPECT_EQ(dues.variance.yen(), -500);
    ASSERT_TRUE(dues.ratio.has_value());
    EXPECT_EQ(lineCellText(dues, trialColumns(TrialTab::NetAssets).back()), "50");
    for (const auto& [ratio, text] : {std::pair{33.333, "33.3"}, std::pair{-12.04, "-12"},
                                      std::pair{-0.04, "0"}, std::pair{99.95, "100"}, std::pair{0.0, "0"}})
        EXPECT_EQ(ratioText(ratio), text) << ratio;
    EXPECT_EQ(lineCellText(cash, trialColumns(TrialTab::BalanceSheet)[5]), "1,300");
}

TEST_F(TrialBalanceRead, CheckPairsAgreeForWholeYearAndLaterPeriods) {
    for (const char* from : {"2015-04-01", "2015-06-15", "2015-10-01"}) {
        SCOPED_TRACE(from);
        runYear(from);
        const auto pairs = trialCheckPairs(session.www);
        EXPECT_EQ(pairs[0].leftLabel, "借方合計");
        EXPECT_EQ(pairs[0].rightLabel, "貸方合計");
        EXPECT_EQ(pairs[0].left.yen(), 2250);
        EXPECT_EQ(pairs[1].leftLabel, "正味財産合計（B/S）");
        EXPECT_EQ(pairs[1].rightLabel, "正味財産合計（P/L）");
        EXPECT_EQ(pairs[1].left.yen(), 2200);
        EXPECT_EQ(pairs[2].leftLabel, "流動資産－流動負債（B/S）");
        EXPECT_EQ(pairs[2].rightLabel, "次期繰越収支差額（C/F）");
        EXPECT_EQ(pairs[2].left.yen(), 1930);
        for (const auto& p : pairs)
            EXPECT_TRUE(p.agrees()) << p.leftLabel.toStdString() << " " << p.left.yen() << " / "
                                    << p.right.yen();
    }
}

TEST_F(TrialBalanceRead, CheckPairsShowZeroWhenTheirLinesAreMissing) {
    runYear();
    session.www.run(QStringLiteral("DELETE FROM \"kamoku\" WHERE \"FlgG\" IN (140, 141)"));
    session.www.run(QStringLiteral("DELETE FROM \"kamoku2\" WHERE \"code\"='#0020'"));
    const auto pairs = trialCheckPairs(session.www);
    EXPECT_TRUE(pairs[1].left.isZero());
    EXPECT_TRUE(pairs[1].right.isZero());
    EXPECT_TRUE(pairs[2].right.isZero());
    EXPECT_FALSE(pairs[2].agrees());
}

TEST_F(TrialBalanceRead, CreditSideAloneStaysInTheCreditBox) {
    runYear();
    session.www.run(QStringLiteral("DELETE FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgC\"=0"));
    const auto pairs = trialCheckPairs(session.www);
    EXPECT_TRUE(pairs[0].left.isZero());
    EXPECT_EQ(pairs[0].right.yen(), 2250);
}

TEST_F(TrialBalanceRead, ZeroLinesHideByTheirTabRule) {
    runYear();
    const TrialBalance tb = loadTrialBalance(session.www);
    const QStringList shownSheet = codes(visibleTrialLines(tb, TrialTab::BalanceSheet, false));
    // 仮払金 moved in the period but is 0 before and after; 敷金 never moved; the heading has
    // no amounts.
    EXPECT_FALSE(shownSheet.contains("10300"));
    EXPECT_FALSE(shownSheet.contains("10500"));
    EXPECT_FALSE(shownSheet.contains("10000"));
    EXPECT_TRUE(shownSheet.contains("10100"));
    const QStringList shownActivity = codes(visibleTrialLines(tb, TrialTab::NetAssets, false));
    EXPECT_TRUE(shownActivity.contains("41100")) << "a previous-year figure keeps the line";
    EXPECT_FALSE(shownActivity.contains("41200"));
    EXPECT_EQ(visibleTrialLines(tb, TrialTab::BalanceSheet, true).size(),
              tb.lines(TrialTab::BalanceSheet).size());
    const QStringList shownFunds = codes(visibleTrialLines(tb, TrialTab::Funds, false));
    EXPECT_TRUE(shownFunds.contains("51000"));
}

TEST_F(TrialBalanceRead, SubAccountTotalsByAccountAndForAll) {
    runYear();
    const auto choices = subAccountChoices(session.www);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].code, "00000");
    EXPECT_EQ(choices[0].name, "　　　（　す　べ　て　表　示　）　　　　");
    EXPECT_EQ(choices[1].code, "10200");
    EXPECT_EQ(choices[1].name, "　普通預金");

    for (const char* code : {"10200", "00000"}) {
        SCOPED_TRACE(code);
        const SubAccountTotals t = subAccountTotals(session.www, QString::fromLatin1(code));
        ASSERT_EQ(t.lines.size(), 2u);
        EXPECT_EQ(t.lines[0].subName, "第一銀行");
        EXPECT_EQ(t.lines[0].closing.yen(), 700);
        EXPECT_EQ(t.lines[1].closing.yen(), -20);
        EXPECT_EQ(t.sum.before.yen(), 500);
        EXPECT_EQ(t.sum.debit.yen(), 200);
        EXPECT_EQ(t.sum.credit.yen(), 20);
        EXPECT_EQ(t.sum.closing.yen(), 680);
    }
    EXPECT_TRUE(subAccountTotals(session.www, QStringLiteral("10100")).lines.empty());
}

TEST_F(TrialBalanceRead, DescriptionTotalsGroupTheJournalTexts) {
    runYear();
    const DescriptionTotals dues = descriptionTotals(session.www, QStringLiteral("41000"));
    ASSERT_EQ(dues.lines.size(), 1u);
    EXPECT_EQ(dues.lines[0].group, "会費");
    EXPECT_EQ(dues.lines[0].count, 2);
    EXPECT_EQ(dues.lines[0].credit.yen(), 500);
    const DescriptionTotals costs = descriptionTotals(session.www, QStringLiteral("51000"));
    QStringList groups;
    for (const auto& l : costs.lines)
        groups << l.group;
    EXPECT_EQ(groups.join(','), "その他,減価償却,消耗品");
    EXPECT_EQ(costs.sum.count, 3);
    EXPECT_EQ(costs.sum.debit.yen(), 100);
    EXPECT_EQ(costs.sum.closing.yen(), 100);
}

TEST_F(TrialBalanceRead, DescriptionGroupRule) {
    struct Case {
        const char* text;
        const char* group;
    };
    const Case cases[] = {
        {"会費／4月", "会費"},
        {"会費 ／4月", "会費"},
        {"", "その他"},
        {"／振替", "その他"},
        {"消耗品", "消耗品"},
        {"あいうえおかきくけこさしすせそたちつてとなにぬねの", "あいうえおかきくけこさしすせそたちつてと"}};
    for (const auto& c : cases)
        EXPECT_EQ(descriptionGroup(QString::fromUtf8(c.text)), QString::fromUtf8(c.group)) << c.text;
}

TEST_F(TrialBalanceRead, DescriptionDetailSplitsCarriedAndPeriodLines) {
    runYear("2015-07-01");
    const auto detail = descriptionDetail(session.www, QStringLiteral("51000"));
    ASSERT_EQ(detail.size(), 3u);
    EXPECT_EQ(detail[0].voucher, 2);
    EXPECT_EQ(detail[0].carried.yen(), 50) << "a debit before the period adds on a debit-nature account";
    EXPECT_TRUE(detail[0].debit.isEmpty());
    EXPECT_EQ(detail[0].counterAccount, "未払金");
    EXPECT_EQ(detail[1].debit.yen(), 30);
    EXPECT_EQ(detail[1].group, "減価償却");
    EXPECT_EQ(detail[2].group, "その他");
    EXPECT_EQ(detail[2].counterAccount, "普通預金");
    EXPECT_EQ(detail[2].row, 2);

    const auto cash = descriptionDetail(session.www, QStringLiteral("10100"));
    ASSERT_EQ(cash.size(), 3u);
    EXPECT_EQ(cash[1].carried.yen(), -100)
        << "a credit before the period subtracts on a debit-nature account";
}

TEST_F(TrialBalanceRead, FundCheckShowsActivityPostedAgainstNonFundAccounts) {
    runYear();
    const auto lines = fundCheckLines(session.www);
    auto byCode = [&lines](long long code) {
        return *std::find_if(lines.begin(), lines.end(),
                             [code](const FundCheckLine& l) { return l.code == code; });
    };
    const FundCheckLine cost = byCode(51000);
    EXPECT_EQ(cost.plDebit.yen(), 100);
    EXPECT_EQ(cost.cfDebit.yen(), 70);
    EXPECT_EQ(cost.debitDiff.yen(), 30) << "depreciation posted against a fixed asset moves no funds";
    const FundCheckLine dues = byCode(41000);
    EXPECT_EQ(dues.plCredit.yen(), 500);
    EXPECT_EQ(dues.cfCredit.yen(), 500);
    EXPECT_TRUE(dues.creditDiff.isZero());
    EXPECT_TRUE(byCode(41990).plDebit.isZero());
    EXPECT_TRUE(
        std::is_sorted(lines.begin(), lines.end(),
                       [](const FundCheckLine& a, const FundCheckLine& b) { return a.code < b.code; }));
}

} // namespace
} // namespace k9::test
