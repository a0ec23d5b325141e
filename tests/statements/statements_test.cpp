// SPDX-License-Identifier: GPL-3.0-or-later
// The three statements read after a totals run: lines and order of each tab, the figures on
// them, the "０円科目の表示" rule and the display names; on the demo corporation every
// unit's balance sheet balances.
#include "app/batchtotals.h"
#include "app/demo.h"
#include "statements/statements.h"
#include "statementsfixture.h"
#include "store/session.h"

#include <algorithm>

namespace k9::test {
namespace {

QString codes(const std::vector<StatementLine>& lines) {
    QStringList out;
    for (const auto& l : lines)
        out << l.code;
    return out.join(',');
}

const StatementLine& find(const std::vector<StatementLine>& lines, const char* code) {
    auto it = std::find_if(lines.begin(), lines.end(),
                           [code](const StatementLine& l) { return l.code == QLatin1String(code); });
    if (it == lines.end()) {
        ADD_FAILURE() << "no line " << code;
        static const StatementLine none;
        return none;
    }
    return *it;
}

struct StatementsRead : ::testing::Test, StatementsUnit {};

TEST_F(StatementsRead, TabsHoldTheChartLinesInStatementOrder) {
    runYear();
    const Statements st = loadStatements(session.www);
    EXPECT_EQ(st.fiscalYearStart, QDate(2015, 4, 1));
    EXPECT_EQ(st.from, QDate(2015, 4, 1));
    EXPECT_EQ(st.to, QDate(2016, 3, 31));
    EXPECT_EQ(st.unitName, "本部");
    EXPECT_EQ(codes(st.of(StatementKind::BalanceSheet)),
              "10000,10100,10200,10300,10400,10500,10990,20100,20990,30300,30900,30990");
    EXPECT_EQ(codes(st.of(StatementKind::NetAssets)),
              "40000,41000,41100,41200,41990,51000,51990,62900,62910,62920,70000,79900");
    EXPECT_EQ(codes(st.of(StatementKind::Funds)), "41000,*****,51000,*****,*****,#1020,#0020");
    EXPECT_EQ(statementCaption(StatementKind::BalanceSheet), "貸借対照表");
    EXPECT_EQ(statementCaption(StatementKind::NetAssets), "正味財産増減計算書");
    EXPECT_EQ(statementCaption(StatementKind::Funds), "収支計算書");
}

// Hand-computed figures: 当年度, the compared column and 差異 of each statement.
TEST_F(StatementsRead, LinesCarryTheEngineFigures) {
    runYear();
    const Statements st = loadStatements(session.www);
    struct Expect {
        StatementKind kind;
        const char* code;
        long long closing;
        long long compared; // 前残高 on the balance sheet, 予算 on the others
        long long variance;
    };
    for (const Expect& e : std::initializer_list<Expect>{
             {StatementKind::BalanceSheet, "10100", 1300, 1000, 300},
             {StatementKind::BalanceSheet, "10200", 680, 500, 180},
             {StatementKind::BalanceSheet, "10400", 270, 300, -30},
             {StatementKind::BalanceSheet, "10990", 2250, 1800, 450},
             {StatementKind::BalanceSheet, "20100", 50, 0, 50},
             {StatementKind::BalanceSheet, "30900", 2200, 1800, 400},
             {StatementKind::BalanceSheet, "30990", 2250, 1800, 450},
             {StatementKind::NetAssets, "41000", 500, 1000, -500},
             {StatementKind::NetAssets, "51000", 100, 0, 100},
             {StatementKind::Funds, "41000", 500, 600, -100},
             // Payments only: the 30 of depreciation moves no funds.
             {StatementKind::Funds, "51000", 70, 100, -30},
         }) {
        SCOPED_TRACE(e.code);
        const StatementLine& l = find(st.of(e.kind), e.code);
        EXPECT_EQ(l.closing.yen(), e.closing);
        EXPECT_EQ((e.kind == StatementKind::BalanceSheet ? l.before : l.budget).yen(), e.compared);
        EXPECT_EQ(l.variance.yen(), e.variance);
    }
    const StatementLine& dues = find(st.of(StatementKind::NetAssets), "41000");
    const auto& columns = statementColumns(StatementKind::NetAssets);
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(lineCellText(dues, columns[1]), "500");
    EXPECT_EQ(lineCellText(dues, columns[2]), "1,000");
    EXPECT_EQ(lineCellText(dues, columns[3]), "-500");
    EXPECT_EQ(lineCellText(dues, columns[4]), "50");
    const StatementLine& cash = find(st.of(StatementKind::BalanceSheet), "10100");
    EXPECT_EQ(lineCellText(cash, statementColumns(StatementKind::BalanceSheet)[1]), "1,300");
    EXPECT_EQ(find(st.of(StatementKind::BalanceSheet), "10500").flgE, 1);
}

TEST_F(StatementsRead, GridColumnsAndTitles) {
    auto titles = [](StatementKind kind) {
        QStringList out;
        for (const auto& c : statementColumns(kind))
            out << c.field + '=' + c.title;
        return out.join('|');
    };
    EXPECT_EQ(titles(StatementKind::BalanceSheet),
              "科目名=科　目　名|残高合計=当年度|前残高=前年度|差異=増    減");
    EXPECT_EQ(titles(StatementKind::NetAssets),
              "科目名=科　目　名|残高合計=当年度|予算=前年度|差異=増　　　　減|比=比");
    EXPECT_EQ(titles(StatementKind::Funds),
              "科目名=科　目　名|予算=予    算|残高合計=決    算|差異=差    異|比=比");
}

TEST_F(StatementsRead, ZeroLinesHiddenOnRequest) {
    runYear();
    const Statements st = loadStatements(session.www);
    for (int k = 0; k < kStatementCount; ++k) {
        const auto kind = static_cast<StatementKind>(k);
        EXPECT_EQ(codes(visibleStatementLines(st, kind, true)), codes(st.of(kind)));
    }
    // Heading lines have no amounts and go too; 仮払金 moved and came back to 0.
    EXPECT_EQ(codes(visibleStatementLines(st, StatementKind::BalanceSheet, false)),
              "10100,10200,10400,10990,20100,20990,30300,30900,30990");
    // 雑収益 stays for its previous-year figure; 受取寄付金 has neither.
    const QString netAssets = codes(visibleStatementLines(st, StatementKind::NetAssets, false));
    EXPECT_TRUE(netAssets.contains("41100")) << netAssets.toStdString();
    EXPECT_FALSE(netAssets.contains("41200")) << netAssets.toStdString();
    EXPECT_FALSE(netAssets.contains("40000")) << netAssets.toStdString();
}

// The balance sheet keeps a line with an opening balance of the year or of the period.
TEST(StatementsZeroRule, BalanceSheetKeepsALineWithAnOpeningBalance) {
    StatementLine l;
    l.closing = Money::zero();
    l.before = Money::zero();
    l.opening = Money::fromYen(100);
    EXPECT_TRUE(shownWhenZeroLinesHidden(l, StatementKind::BalanceSheet));
    EXPECT_FALSE(shownWhenZeroLinesHidden(l, StatementKind::NetAssets));
    l.budget = Money::fromYen(5);
    EXPECT_TRUE(shownWhenZeroLinesHidden(l, StatementKind::Funds));
    l.opening = Money();
    EXPECT_FALSE(shownWhenZeroLinesHidden(l, StatementKind::BalanceSheet));
    // A period from mid-year: the line shows a 前年度 figure although 期首繰越 is 0.
    l.before = Money::fromYen(40);
    EXPECT_TRUE(shownWhenZeroLinesHidden(l, StatementKind::BalanceSheet));
}

TEST(StatementNames, DisplayNameAndLevelIndentation) {
    StatementLine l;
    l.name = QStringLiteral("　　事業費／消耗品費");
    EXPECT_EQ(statementDisplayName(l), "　　消耗品費");
    l.name = QStringLiteral("　経常収益計");
    EXPECT_EQ(statementDisplayName(l), "　経常収益計");
    struct Case {
        std::optional<int> flgA;
        const char* expected;
    };
    for (const Case& c : std::initializer_list<Case>{{0, "   受取会費"},
                                                     {1, "  受取会費"},
                                                     {2, " 受取会費"},
                                                     {3, "受取会費"},
                                                     {9, "受取会費"},
                                                     {std::nullopt, "受取会費"}})
        EXPECT_EQ(levelIndentedName(QStringLiteral("　 受取 会費　"), c.flgA), QString::fromUtf8(c.expected))
            << (c.flgA ? *c.flgA : -1);
}

// Every unit of the demo corporation: the debit side of the balance sheet equals the credit
// side, line by line of input accounts and on the two closing totals; the previous year's
// closing net assets on the net-assets statement are this year's opening, and the
// receipts-and-payments budget starts from the fund balance the year opened with.
TEST(StatementsDemo, EveryUnitsStatementsAgree) {
    TempFolders folders;
    const QString appDir = folders.path(QStringLiteral("app/"));
    const DemoSummary demo = buildDemo(appDir, QDate(2026, 12, 11));
    ASSERT_GE(demo.units, 1);
    Session session;
    openBatchSession(session, appDir, QStringLiteral("demo"), QDate(2026, 12, 11));
    for (int unit = 1; unit <= demo.units; ++unit) {
        SCOPED_TRACE(unit);
        selectBatchUnit(session, unit);
        runTotals(session, {demo.fiscalYearStart, demo.fiscalYearStart.addYears(1).addDays(-1), 0, 0});
        const Statements st = loadStatements(session.www);
        Money debit = Money::zero(), credit = Money::zero();
        const StatementLine* lastDebit = nullptr;
        const StatementLine* lastCredit = nullptr;
        for (const StatementLine& l : st.of(StatementKind::BalanceSheet)) {
            if (l.flgA && *l.flgA == 0)
                (l.flgC == 0 ? debit : credit) += l.closing.orZero();
            if (l.flgA && *l.flgA != 9 && *l.flgA > 0)
                (l.flgC == 0 ? lastDebit : lastCredit) = &l;
        }
        EXPECT_NE(debit.raw(), 0);
        EXPECT_EQ(debit.raw(), credit.raw()) << debit.yen() << " / " << credit.yen();
        ASSERT_NE(lastDebit, nullptr);
        ASSERT_NE(lastCredit, nullptr);
        EXPECT_EQ(lastDebit->closing.raw(), debit.raw()) << lastDebit->name.toStdString();
        EXPECT_EQ(lastCredit->closing.raw(), credit.raw()) << lastCredit->name.toStdString();

        const auto lineWith = [&](StatementKind kind, auto&& match) -> const StatementLine* {
            for (const StatementLine& l : st.of(kind))
                if (match(l))
                    return &l;
            return nullptr;
        };
        for (const auto& [opening, closing] : {std::pair{112, 111}, std::pair{132, 131}}) {
            const StatementLine* open =
                lineWith(StatementKind::NetAssets, [&](const StatementLine& l) { return l.flgG == opening; });
            const StatementLine* close =
                lineWith(StatementKind::NetAssets, [&](const StatementLine& l) { return l.flgG == closing; });
            ASSERT_TRUE(open && close) << opening;
            EXPECT_EQ(close->budget.raw(), open->closing.raw()) << close->name.toStdString();
        }
        const StatementLine* carried = lineWith(StatementKind::Funds, [](const StatementLine& l) {
            return l.code == QLatin1String("#1020") && l.flgC == 1;
        });
        ASSERT_NE(carried, nullptr);
        EXPECT_NE(carried->closing.raw(), 0);
        EXPECT_EQ(carried->budget.raw(), carried->closing.raw());
    }
}

} // namespace
} // namespace k9::test
