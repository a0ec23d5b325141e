// SPDX-License-Identifier: GPL-3.0-or-later
// The statements' printouts: Regist row 201, the lines each "印刷範囲" and zero-line choice
// prints, layout A's titles, columns, groups, header and footnote band, page numbers from
// the first page number, and the CSV file of batch mode.
#include "statements/statementsprint.h"
#include "statementsfixture.h"
#include "store/cp932.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace k9::test {
namespace {

struct StatementsPrintUnit : ::testing::Test, StatementsUnit {};

QString printedCodes(const Statements& st, StatementKind kind, const StatementPrintSettings& s) {
    QStringList out;
    for (const auto& l : st.of(kind))
        if (printedStatementLine(l, kind, s))
            out << l.code;
    return out.join(',');
}

QStringList names(const ReportDocument& doc) {
    QStringList out;
    for (const auto& r : doc.rows)
        out << (r.cells.isEmpty() ? QString() : r.cells.front());
    return out;
}

struct RangeCase {
    const char* what;
    StatementKind kind;
    int range;
    int zeroLines;
    int majorZero;
    const char* codes;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.what;
}

struct PrintedLines : ::testing::TestWithParam<RangeCase>, StatementsUnit {};

TEST_P(PrintedLines, FollowRangeAndZeroChoices) {
    const RangeCase& c = GetParam();
    runYear();
    StatementPrintSettings s;
    s.range = c.range;
    s.zeroLines = c.zeroLines;
    s.majorZero = c.majorZero;
    EXPECT_EQ(printedCodes(loadStatements(session.www), c.kind, s), QString::fromUtf8(c.codes));
}

INSTANTIATE_TEST_SUITE_P(
    StatementsPrint, PrintedLines,
    ::testing::Values(RangeCase{"balance sheet, every line", StatementKind::BalanceSheet, 0, 0, 1,
                                "10000,10100,10200,10300,10400,10500,10990,20100,20990,30300,30900,30990"},
                      RangeCase{"balance sheet without zero lines", StatementKind::BalanceSheet, 0, 1, 1,
                                "10000,10100,10200,10400,10990,20100,20990,30300,30900,30990"},
                      RangeCase{"balance sheet 中区分以上 drops the small account",
                                StatementKind::BalanceSheet, 1, 0, 1,
                                "10000,10100,10200,10300,10400,10990,20100,20990,30300,30900,30990"},
                      RangeCase{"balance sheet 大区分以上 keeps level 2 and above",
                                StatementKind::BalanceSheet, 2, 0, 1, "10000,10990,20990,30900,30990"},
                      RangeCase{"net assets without zero lines", StatementKind::NetAssets, 0, 1, 1,
                                "40000,41000,41100,41990,51000,51990,62900,62910,62920,70000,79900"},
                      RangeCase{"net assets 中区分以上 keeps the brought-forward line",
                                StatementKind::NetAssets, 1, 0, 1,
                                "40000,41000,41100,41990,51000,51990,62900,62910,62920,70000,79900"},
                      RangeCase{"net assets 大区分以上", StatementKind::NetAssets, 2, 0, 1,
                                "40000,41990,51990,62900,62910,62920,70000,79900"},
                      RangeCase{"receipts and payments 大区分以上", StatementKind::Funds, 2, 0, 1,
                                "*****,*****,*****,#1020,#0020"}));

// An all-zero line under the zero-line choices, by level.
TEST(StatementsPrint, ZeroLineRuleByLevel) {
    struct Case {
        std::optional<int> flgA;
        int zeroLines;
        int majorZero;
        bool printed;
    };
    for (const Case& c : std::initializer_list<Case>{{0, 0, 1, true},
                                                     {0, 1, 1, false},
                                                     {3, 1, 1, false},
                                                     {3, 1, 0, true},
                                                     {2, 1, 0, false},
                                                     {4, 1, 1, true},
                                                     {9, 1, 1, true},
                                                     {std::nullopt, 1, 1, true}}) {
        StatementLine l;
        l.flgA = c.flgA;
        l.closing = l.before = l.budget = Money::zero();
        l.variance = Money::fromYen(7); // 差異 plays no part in layout A
        StatementPrintSettings s;
        s.zeroLines = c.zeroLines;
        s.majorZero = c.majorZero;
        for (int k = 0; k < kStatementCount; ++k)
            EXPECT_EQ(printedStatementLine(l, static_cast<StatementKind>(k), s), c.printed)
                << (c.flgA ? *c.flgA : -1) << " " << c.zeroLines << c.majorZero << " statement " << k;
    }
    // The compared column keeps a line: 前残高 on the balance sheet, 予算 on the others.
    StatementLine l;
    l.flgA = 0;
    l.closing = l.budget = Money::zero();
    l.before = Money::fromYen(1);
    const StatementPrintSettings s;
    EXPECT_TRUE(printedStatementLine(l, StatementKind::BalanceSheet, s));
    EXPECT_FALSE(printedStatementLine(l, StatementKind::NetAssets, s));
}

TEST_F(StatementsPrintUnit, SettingsRoundTripThroughRegist201) {
    EXPECT_EQ(loadStatementPrintSettings(session.hm), StatementPrintSettings{});
    StatementPrintSettings s;
    s.zeroLines = 0;
    s.range = 2;
    s.pageBreak = 0;
    s.pageNumbers = 1;
    s.majorZero = 0;
    s.shading = 3;
    s.rowHeight = 20;
    s.nameFontSize = 11;
    s.firstPage = 5;
    s.amountFontSize = 8;
    saveStatementPrintSettings(session.hm, s);
    EXPECT_EQ(loadStatementPrintSettings(session.hm), s);
    EXPECT_EQ(session.hm.scalar(QStringLiteral("SELECT \"S3\" FROM \"Regist\" WHERE \"ID\"=201")).toString(),
              "5");
    s.firstPage = 2;
    saveStatementPrintSettings(session.hm, s);
    EXPECT_EQ(session.hm.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Regist\" WHERE \"ID\"=201")).toInt(),
              1);
    EXPECT_EQ(loadStatementPrintSettings(session.hm).firstPage, 2);
    applyStatementPrintSettings(session, s);
    EXPECT_EQ(session.zeroHideLevel, 3);
    EXPECT_EQ(session.printSmallAccounts, 2);
    EXPECT_EQ(session.printShading, 3);

    session.hm.run(QStringLiteral("UPDATE \"Regist\" SET \"S3\"='x', \"P2\"=7 WHERE \"ID\"=201"));
    const StatementPrintSettings bad = loadStatementPrintSettings(session.hm);
    EXPECT_EQ(bad.firstPage, 1);
    EXPECT_EQ(bad.range, 0);
    EXPECT_EQ(bad.shading, 3);
}

TEST_F(StatementsPrintUnit, LayoutABalanceSheetGroupsSidesAndPrintsTheFootnote) {
    runYear();
    const Statements st = loadStatements(session.www);
    StatementPrintSettings s;
    s.shading = 1;
    ReportDocument doc = statementLayoutA(st, StatementKind::BalanceSheet, s,
                                          statementReportHeader(session, st, StatementKind::BalanceSheet));
    EXPECT_EQ(doc.header.title, "貸  借  対  照  表");
    EXPECT_EQ(doc.header.periodFrom, "");
    EXPECT_EQ(doc.header.periodTo, "平成28年3月31日現在");
    EXPECT_TRUE(doc.header.subtitle.endsWith("（単位　　円）")) << doc.header.subtitle.toStdString();
    EXPECT_EQ(doc.header.unitName, "本部");
    QStringList captions;
    for (const auto& c : doc.columns)
        captions << c.caption;
    EXPECT_EQ(captions.join('|'), "科　　　目|当　年　度|前　年　度|増　　　　減");
    EXPECT_FALSE(doc.newPageOnGroup);
    ASSERT_EQ(doc.rows.size(), 10u);
    EXPECT_EQ(doc.rows[1].cells, (QStringList{"　現金", "1,300", "1,000", "300"}));
    EXPECT_EQ(doc.rows[0].group, "0");
    EXPECT_EQ(doc.rows.back().group, "1");
    EXPECT_TRUE(doc.rows.back().bold);
    EXPECT_FALSE(doc.rows[0].shaded);
    EXPECT_EQ(doc.footer, "- [PAGE#] -");

    s.pageBreak = 0;
    QFile f(footnoteFile(session));
    EXPECT_EQ(QFileInfo(f).fileName(), "cyuki1.txt");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(f).absolutePath()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cp932::encode(QStringLiteral("１．重要な会計方針\r\n（１）有価証券の評価基準\r\n\r\n")));
    f.close();
    doc = statementLayoutA(st, StatementKind::BalanceSheet, s, {}, footnoteLines(session));
    EXPECT_TRUE(doc.newPageOnGroup);
    const QStringList printed = names(doc);
    ASSERT_EQ(printed.size(), 13);
    EXPECT_EQ(printed.mid(10), (QStringList{"（注）", "１．重要な会計方針", "（１）有価証券の評価基準"}));
    EXPECT_EQ(doc.rows[10].group, "1");
    EXPECT_FALSE(doc.rows[11].ruleAbove);
}

TEST_F(StatementsPrintUnit, LayoutAOfTheOtherStatements) {
    runYear();
    const Statements st = loadStatements(session.www);
    const StatementPrintSettings s;
    const ReportDocument na = statementLayoutA(st, StatementKind::NetAssets, s,
                                               statementReportHeader(session, st, StatementKind::NetAssets));
    EXPECT_EQ(na.header.title, "正 味 財 産 増 減 計 算 書");
    EXPECT_EQ(na.header.periodFrom, "平成27年 4月 1日から");
    EXPECT_EQ(na.header.periodTo, "平成28年 3月31日まで");
    EXPECT_EQ(na.columns[1].caption, "当年度");
    EXPECT_EQ(na.columns[2].caption, "前年度");
    EXPECT_TRUE(names(na).contains("　　消耗品費")) << names(na).join('|').toStdString();
    const ReportDocument funds = statementLayoutA(st, StatementKind::Funds, s, {});
    EXPECT_EQ(funds.header.title, "収　支　計　算　書");
    EXPECT_FALSE(funds.newPageOnGroup);
    EXPECT_EQ(funds.rows.front().cells, (QStringList{"会費収入", "600", "500", "-100"}));
    for (const auto& r : funds.rows)
        EXPECT_TRUE(r.group.isEmpty());
}

TEST(StatementsPrint, PageNumbersStartAtTheFirstPageNumber) {
    StatementPrintSettings s;
    s.firstPage = 5;
    ReportDocument doc;
    setStatementPageNumbers(doc, s);
    EXPECT_EQ(pageFooterText(doc.footer, 0 + doc.firstPageNumber, 3), "- 5 -");
    EXPECT_EQ(pageFooterText(doc.footer, 2 + doc.firstPageNumber, 3), "- 7 -");
    s.pageNumbers = 1;
    setStatementPageNumbers(doc, s);
    EXPECT_EQ(doc.footer, "");
}

TEST_F(StatementsPrintUnit, CsvHoldsThePrintedLinesOfTheThreeStatements) {
    runYear();
    const Statements st = loadStatements(session.www);
    const StatementPrintSettings s;
    const QStringList lines = cp932::decode(statementsCsv(st, s).bytes()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], "\"貸借対照表\"");
    EXPECT_EQ(lines[1], "\"code\",\"科　　　目\",\"当　年　度\",\"前　年　度\",\"増　　　　減\"");
    EXPECT_TRUE(lines.contains("\"10100\",\"　現金\",1300,1000,300")) << lines.join('\n').toStdString();
    EXPECT_FALSE(lines.contains("\"10500\",\"　敷金\",0,0,0"));
    EXPECT_TRUE(lines.contains("\"51000\",\"　　消耗品費\",100,0,100"));
    EXPECT_TRUE(lines.contains("\"正味財産増減計算書\""));
    EXPECT_TRUE(lines.contains("\"41000\",\"会費収入\",600,500,-100"));

    const QString file = folders.path(QStringLiteral("statements.csv"));
    RecordingPrompter prompter;
    ASSERT_TRUE(writeStatements(session, StatementFileFormat::Csv, file, prompter));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), statementsCsv(st, s).bytes());
    f.close();
    prompter.answers.push_back(Answer::No);
    EXPECT_FALSE(writeStatements(session, StatementFileFormat::Csv, file, prompter));
    EXPECT_EQ(prompter.last(), "同名のファイルがあります。上書をしてもよいですか？");
}

TEST_F(StatementsPrintUnit, PdfNeedsAGraphicsEnvironment) {
    runYear();
    RecordingPrompter prompter;
    EXPECT_THROW(
        writeStatements(session, StatementFileFormat::Pdf, folders.path(QStringLiteral("s.pdf")), prompter),
        K9Error);
}

} // namespace
} // namespace k9::test
