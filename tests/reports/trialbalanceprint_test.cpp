// SPDX-License-Identifier: GPL-3.0-or-later
// The trial-balance printouts: the zero-line, 大科目 and small-account rules, shading, the
// titles, Regist row 202, layout A (groups, new pages per part, columns) and layout B (one
// row per sub-account, the account's figures once), and the CSV of batch mode.
#include "reports/trialbalanceexport.h"
#include "reports/trialbalanceprint.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/prompter.h"
#include "trialbalancefixture.h"

#include <QFile>

namespace k9::test {
namespace {

TrialLine zeroLine(std::optional<int> flgA, int flgE = 0) {
    TrialLine l;
    l.flgA = flgA;
    l.flgE = flgE;
    l.before = l.debit = l.credit = l.closing = l.budget = Money::zero();
    return l;
}

struct PrintCase {
    const char* what;
    std::optional<int> flgA;
    int flgE;
    int zeroLines;
    int majorZero;
    int smallAccounts;
    bool printed;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.what;
}

struct ZeroLineRule : ::testing::TestWithParam<PrintCase> {};

TEST_P(ZeroLineRule, DecidesWhetherAnAllZeroLineIsPrinted) {
    const PrintCase& c = GetParam();
    TrialPrintSettings s;
    s.zeroLines = c.zeroLines;
    s.majorZero = c.majorZero;
    s.smallAccounts = c.smallAccounts;
    for (TrialTab tab : {TrialTab::BalanceSheet, TrialTab::NetAssets})
        EXPECT_EQ(printedLine(zeroLine(c.flgA, c.flgE), tab, s), c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    TrialPrint, ZeroLineRule,
    ::testing::Values(PrintCase{"zero lines printed", 0, 0, 0, 1, 0, true},
                      PrintCase{"input line left out", 0, 0, 1, 1, 0, false},
                      PrintCase{"大科目 kept when asked", 3, 0, 1, 0, 0, true},
                      PrintCase{"中科目 left out although 大科目 kept", 2, 0, 1, 0, 0, false},
                      PrintCase{"大科目 left out by default", 3, 0, 1, 1, 0, false},
                      PrintCase{"block total always printed", 4, 0, 1, 1, 0, true},
                      PrintCase{"section total always printed", 5, 0, 1, 1, 0, true},
                      PrintCase{"heading always printed", 9, 0, 1, 1, 0, true},
                      PrintCase{"blank heading always printed", std::nullopt, 0, 1, 1, 0, true},
                      PrintCase{"small account left out", 0, 1, 0, 1, 1, false},
                      PrintCase{"small account printed", 0, 1, 0, 1, 0, true}));

TEST(TrialPrint, PreviousYearFigureKeepsAnActivityLine) {
    TrialPrintSettings s;
    TrialLine l = zeroLine(0);
    l.budget = Money::fromYen(10);
    EXPECT_TRUE(printedLine(l, TrialTab::NetAssets, s));
    EXPECT_FALSE(printedLine(l, TrialTab::BalanceSheet, s)) << "the balance sheet does not look at 予算";
    l = zeroLine(0);
    l.debit = Money::fromYen(5);
    l.credit = Money::fromYen(5);
    EXPECT_TRUE(printedLine(l, TrialTab::BalanceSheet, s)) << "movements keep a line that nets to 0";
}

TEST(TrialPrint, ShadingByLevel) {
    const int expected[4][4] = {
        // FlgA 0, 1, 2, 3
        {0, 0, 0, 0},
        {0, 0, 0, 1},
        {0, 0, 1, 1},
        {0, 1, 1, 1},
    };
    for (int shading = 0; shading < 4; ++shading)
        for (int a = 0; a < 4; ++a)
            EXPECT_EQ(shadedLine(zeroLine(a), shading), expected[shading][a] == 1) << shading << " " << a;
    EXPECT_FALSE(shadedLine(zeroLine(4), 3));
}

TEST(TrialPrint, Titles) {
    EXPECT_EQ(trialPrintTitle(TrialTab::BalanceSheet, 0), " 試算表（貸借対照表）");
    EXPECT_EQ(trialPrintTitle(TrialTab::NetAssets, 1), " 試算表（正味財産増減計算書） 【整理伝票を除く】");
    EXPECT_EQ(trialPrintTitle(TrialTab::Funds, 2), " 試算表（収支計算書） 【整理伝票のみ】");
}

struct TrialPrintUnit : ::testing::Test, TrialBalanceUnit {};

TEST_F(TrialPrintUnit, SettingsRoundTripThroughRegist202) {
    EXPECT_EQ(loadTrialPrintSettings(session.hm), TrialPrintSettings{});
    TrialPrintSettings s;
    s.zeroLines = 0;
    s.smallAccounts = 1;
    s.majorZero = 0;
    s.shading = 2;
    s.rowHeight = 20;
    s.nameFontSize = 11;
    s.amountFontSize = 8;
    saveTrialPrintSettings(session.hm, s);
    EXPECT_EQ(loadTrialPrintSettings(session.hm), s);
    EXPECT_EQ(session.hm.scalar(QStringLiteral("SELECT \"S1\" FROM \"Regist\" WHERE \"ID\"=202")).toString(),
              "20");
    s.rowHeight = 18;
    saveTrialPrintSettings(session.hm, s);
    EXPECT_EQ(session.hm.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Regist\" WHERE \"ID\"=202")).toInt(),
              1);
    applyTrialPrintSettings(session, s);
    EXPECT_EQ(session.zeroHideLevel, 3);
    EXPECT_EQ(session.printRowHeight, 18);
    EXPECT_EQ(session.printShading, 2);

    session.hm.run(QStringLiteral("UPDATE \"Regist\" SET \"S1\"='abc', \"P8\"=9 WHERE \"ID\"=202"));
    const TrialPrintSettings bad = loadTrialPrintSettings(session.hm);
    EXPECT_EQ(bad.rowHeight, 16);
    EXPECT_EQ(bad.shading, 0);
}

TEST_F(TrialPrintUnit, LayoutAGroupsAndLeavesOutZeroLines) {
    runYear();
    const TrialBalance tb = loadTrialBalance(session.www);
    TrialPrintSettings s;
    s.shading = 1;
    ReportHeader header;
    const ReportDocument sheet = trialBalanceLayoutA(tb, TrialTab::BalanceSheet, s, header, 0);
    EXPECT_EQ(sheet.header.title, " 試算表（貸借対照表）");
    ASSERT_EQ(sheet.columns.size(), 6u);
    EXPECT_EQ(sheet.columns[5].caption, "増　　減");
    QStringList names;
    for (const auto& r : sheet.rows)
        names << r.cells[0].trimmed();
    EXPECT_TRUE(names.contains("仮払金")) << "movements in the period keep the line";
    EXPECT_FALSE(names.contains("敷金")) << names.join(',').toStdString();
    EXPECT_TRUE(names.contains("資産の部"));
    EXPECT_EQ(sheet.rows.front().group, "0");
    EXPECT_EQ(sheet.rows.back().group, "1");
    EXPECT_FALSE(sheet.newPageOnGroup);
    EXPECT_EQ(paginate(sheet).count(), 1);

    const ReportDocument activity = trialBalanceLayoutA(tb, TrialTab::NetAssets, s, header, 0);
    ASSERT_EQ(activity.columns.size(), 8u);
    EXPECT_EQ(activity.columns[1].caption, "前年実績(B)");
    EXPECT_EQ(paginate(activity).count(), 2) << "each part starts a new page";
    bool shortName = false;
    bool shadedTotal = false;
    for (const auto& r : activity.rows) {
        shortName = shortName || r.cells[0] == "　　消耗品費";
        if (r.cells[0].trimmed() == "経常収益計")
            shadedTotal = r.shaded;
    }
    EXPECT_TRUE(shortName) << "the net-assets statement prints the part after ／ with its indentation";
    EXPECT_TRUE(shadedTotal);

    const ReportDocument funds = trialBalanceLayoutA(tb, TrialTab::Funds, s, header, 2);
    EXPECT_EQ(funds.columns[6].caption, "差異(B-A)") << "the column holds 当残高 − 予算";
    EXPECT_EQ(funds.header.title, " 試算表（収支計算書） 【整理伝票のみ】");
}

TEST_F(TrialPrintUnit, LayoutBPrintsOneRowPerSubAccount) {
    runYear();
    const TrialBalance tb = loadTrialBalance(session.www);
    TrialPrintSettings s;
    s.amountFontSize = 10;
    const ReportDocument doc = trialBalanceLayoutB(tb, TrialTab::BalanceSheet, s, ReportHeader{}, 0);
    ASSERT_EQ(doc.columns.size(), 8u);
    EXPECT_EQ(doc.columns[6].caption, "補助科目");
    EXPECT_EQ(doc.amountFontSize, 9);
    std::vector<const ReportRow*> bank;
    const ReportRow* cash = nullptr;
    for (std::size_t i = 0; i < doc.rows.size(); ++i) {
        const auto& r = doc.rows[i];
        if (r.cells[0].trimmed() == "普通預金") {
            bank.push_back(&r);
            ASSERT_LT(i + 1, doc.rows.size());
            bank.push_back(&doc.rows[i + 1]);
        }
        if (r.cells[0].trimmed() == "現金")
            cash = &r;
    }
    ASSERT_EQ(bank.size(), 2u);
    EXPECT_EQ(bank[0]->cells[4], "680");
    EXPECT_EQ(bank[0]->cells[6], "第一銀行");
    EXPECT_EQ(bank[0]->cells[7], "700");
    EXPECT_EQ(bank[1]->cells[0], "") << "the account prints once";
    EXPECT_EQ(bank[1]->cells[4], "");
    EXPECT_EQ(bank[1]->cells[6], "第二銀行");
    EXPECT_EQ(bank[1]->cells[7], "-20");
    EXPECT_FALSE(bank[1]->ruleAbove);
    ASSERT_NE(cash, nullptr);
    EXPECT_EQ(cash->cells[6], "");
    EXPECT_EQ(cash->cells.size(), 8);

    const ReportDocument activity = trialBalanceLayoutB(tb, TrialTab::NetAssets, s, ReportHeader{}, 0);
    EXPECT_EQ(activity.orientation, QPageLayout::Landscape);
    EXPECT_EQ(activity.columns.size(), 10u);
}

TEST_F(TrialPrintUnit, CsvHoldsTheThreeTabsAndTheirCheckPairs) {
    runYear();
    const TrialBalance tb = loadTrialBalance(session.www);
    const QString text = cp932::decode(trialBalanceCsv(tb).bytes());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], "\"貸借対照表（試算表）\"");
    EXPECT_EQ(lines[1], "\"code\",\"科目名\",\"前 残 高\",\"借    方\",\"貸    方\",\"当 残 高\"");
    EXPECT_TRUE(lines.contains("\"10100\",\"　現金\",1000,400,100,1300")) << text.toStdString();
    EXPECT_TRUE(lines.contains("\"借方合計\",2250,\"貸方合計\",2250,\"一致\""));
    EXPECT_TRUE(lines.contains("\"正味財産合計（B/S）\",2200,\"正味財産合計（P/L）\",2200,\"一致\""));
    EXPECT_TRUE(
        lines.contains("\"流動資産－流動負債（B/S）\",1930,\"次期繰越収支差額（C/F）\",1930,\"一致\""));
    EXPECT_TRUE(lines.contains("\"41000\",\"　　受取会費\",1000,0,0,500,500,-500,50.0"));
    EXPECT_TRUE(lines.contains("\"収支計算書(試算表）\""));

    const QString file = folders.path(QStringLiteral("tb.csv"));
    RecordingPrompter prompter;
    ASSERT_TRUE(writeTrialBalanceFile(session, TrialFileFormat::Csv, file, prompter));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), trialBalanceCsv(tb).bytes());
}

} // namespace
} // namespace k9::test
