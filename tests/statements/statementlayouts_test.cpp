// SPDX-License-Identifier: GPL-3.0-or-later
// The receipts-and-payments layouts Ｂ, Ｃ and Ｄ: which lines each prints under the range and
// zero-line choices, their cells (display names, budget corrections, the breakdown by
// description with the amounts once per line), shading, and the description rows a fund
// line collects from the engine's summary, by code and side or by the FlgH link.
#include "statements/statementlayouts.h"
#include "statementsfixture.h"
#include "store/session.h"

#include <algorithm>
#include <map>

namespace k9::test {
namespace {

Money yen(long long v) {
    return Money::fromYen(v);
}

QStringList captions(const ReportDocument& doc) {
    QStringList out;
    for (const auto& c : doc.columns)
        out << c.caption;
    return out;
}

QStringList firstCells(const ReportDocument& doc) {
    QStringList out;
    for (const auto& r : doc.rows)
        out << (r.cells.isEmpty() ? QString() : r.cells.front());
    return out;
}

// A fund line; every amount 0 unless set.
StatementLine fundsRow(const char* code, const char* name, std::optional<int> flgA, long long budget = 0,
                       long long closing = 0) {
    StatementLine l;
    l.code = QString::fromUtf8(code);
    l.name = QString::fromUtf8(name);
    l.flgA = flgA;
    l.flgB = 2;
    l.budget = yen(budget);
    l.closing = yen(closing);
    l.variance = yen(budget - closing);
    l.initialBudget = yen(budget);
    for (auto& c : l.corrections)
        c = Money::zero();
    return l;
}

// The lines of the rule tests, each named after what it tests.
Statements ruleStatements() {
    Statements st;
    auto& lines = st.lines[static_cast<std::size_t>(StatementKind::Funds)];
    StatementLine heading = fundsRow("H", "Ⅰ　収入の部", 9);
    heading.budget = heading.closing = heading.variance = heading.initialBudget = Money();
    lines.push_back(heading);
    lines.push_back(fundsRow("R1", "　　会費収入", 0, 600, 500));
    lines.push_back(fundsRow("Z1", "　　雑収入", 0)); // all zero
    StatementLine varianceOnly = fundsRow("Z2", "　　寄付金収入", 0);
    varianceOnly.variance = yen(5);
    lines.push_back(varianceOnly);
    StatementLine initialOnly = fundsRow("Z3", "　　補助金収入", 0);
    initialOnly.initialBudget = yen(100); // budgeted at first, corrected down to 0
    lines.push_back(initialOnly);
    StatementLine small = fundsRow("S", "　　　基本財産運用収入", 0, 10, 10);
    small.flgE = 1;
    lines.push_back(small);
    lines.push_back(fundsRow("T3", "　収入計", 3, 610, 510));
    StatementLine special = fundsRow("G999", "　特別収入", 0, 7, 7);
    special.flgG = 999;
    lines.push_back(special);
    lines.push_back(fundsRow("A5", "収入合計", 5, 617, 517));
    StatementLine end = fundsRow("E", "終端", 0, 1, 1);
    end.flgB = 3;
    lines.push_back(end);
    return st;
}

enum class Layout { B, C, D };

ReportDocument layout(Layout which, const Statements& st, const StatementPrintSettings& s,
                      const std::vector<DescriptionAmount>& descriptions = {}) {
    switch (which) {
    case Layout::B:
        return statementLayoutB(st, s, {});
    case Layout::C:
        return statementLayoutC(st, descriptions, s, {});
    case Layout::D:
        break;
    }
    return statementLayoutD(st, s, {});
}

struct LinesCase {
    const char* what;
    Layout layout;
    int range;
    int zeroLines;
    const char* names; // the printed lines, by their code
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.what;
}

struct PrintedFundLines : ::testing::TestWithParam<LinesCase> {};

TEST_P(PrintedFundLines, FollowTheLayoutsRules) {
    const LinesCase& c = GetParam();
    const Statements st = ruleStatements();
    std::map<QString, QString> codeOfName;
    for (const auto& l : st.of(StatementKind::Funds))
        codeOfName[levelIndentedName(statementDisplayName(l), l.flgA)] = l.code;
    StatementPrintSettings s;
    s.range = c.range;
    s.zeroLines = c.zeroLines;
    QStringList codes;
    for (const QString& name : firstCells(layout(c.layout, st, s)))
        codes << codeOfName[name];
    EXPECT_EQ(codes.join(','), QString::fromUtf8(c.names));
}

INSTANTIATE_TEST_SUITE_P(
    StatementLayouts, PrintedFundLines,
    ::testing::Values(LinesCase{"B leaves out a zero line only when 差異 and 当初予算 are 0 too", Layout::B,
                                0, 1, "H,R1,Z2,Z3,S,T3,A5"},
                      LinesCase{"B 中区分以上 drops the small account", Layout::B, 1, 1, "H,R1,Z2,Z3,T3,A5"},
                      LinesCase{"B 大区分以上 prints every line", Layout::B, 2, 1, "H,R1,Z2,Z3,S,T3,A5"},
                      LinesCase{"B with zero lines still never prints 999 lines and end marks", Layout::B, 0,
                                0, "H,R1,Z1,Z2,Z3,S,T3,A5"},
                      LinesCase{"C leaves out a zero line only when 差異 is 0 too, and never FlgA 5",
                                Layout::C, 0, 1, "H,R1,Z2,S,T3"},
                      LinesCase{"C 中区分以上", Layout::C, 1, 0, "H,R1,Z1,Z2,Z3,T3"},
                      LinesCase{"C 大区分以上 keeps level 2 and above", Layout::C, 2, 0, "H,T3"},
                      LinesCase{"D compares 決算 and 予算 alone and prints 999 lines", Layout::D, 0, 1,
                                "H,R1,S,T3,G999,A5"},
                      LinesCase{"D with zero lines", Layout::D, 0, 0, "H,R1,Z1,Z2,Z3,S,T3,G999,A5"},
                      LinesCase{"D 大区分以上", Layout::D, 2, 1, "H,T3,A5"}));

TEST(StatementLayouts, TitlesColumnsAndPageSettings) {
    const Statements st = ruleStatements();
    StatementPrintSettings s;
    s.firstPage = 5;
    s.rowHeight = 20;
    s.nameFontSize = 11;
    s.amountFontSize = 8;
    ReportHeader header;
    header.unitName = QStringLiteral("本部");
    const ReportDocument a = statementLayoutA(st, StatementKind::Funds, s, header);
    const ReportDocument b = statementLayoutB(st, s, header);
    const ReportDocument c = statementLayoutC(st, {}, s, header);
    const ReportDocument d = statementLayoutD(st, s, header);
    EXPECT_EQ(b.header.title, "収  支  計  算  書");
    EXPECT_EQ(c.header.title, "収　支　計　算　書");
    EXPECT_EQ(d.header.title, "収　支　計　算　書");
    EXPECT_EQ(captions(b).join('|'), "科             目|当初予算|補正後予算|決　　　算|差　　　異|科目注記");
    EXPECT_EQ(captions(c).mid(0, 5).join('|'),
              "科　　　目|予　　　　算|決　　　　算|差　　　　異|摘　　　　　　　要");
    EXPECT_EQ(captions(c).size(), 6);
    EXPECT_EQ(captions(d).join('|'),
              "科          目|当初予算|補正額合計|流用充当|最終予算|決　　　算|予算差異");
    for (const ReportDocument* doc : {&b, &c, &d}) {
        EXPECT_EQ(doc->header.unitName, "本部");
        EXPECT_EQ(doc->footer, a.footer);
        EXPECT_EQ(doc->firstPageNumber, a.firstPageNumber);
        EXPECT_EQ(doc->rowHeight, 20);
        EXPECT_EQ(doc->nameFontSize, 11);
        EXPECT_EQ(doc->amountFontSize, 8);
        EXPECT_FALSE(doc->newPageOnGroup);
        EXPECT_EQ(doc->columns.back().amount, doc != &b) << "B ends with the account notes";
    }
    s.pageNumbers = 1;
    EXPECT_EQ(statementLayoutD(st, s, header).footer, "");
}

TEST(StatementLayouts, CellsNamesAndShading) {
    Statements st;
    auto& lines = st.lines[static_cast<std::size_t>(StatementKind::Funds)];
    lines.push_back(fundsRow("", "Ⅱ　支出の部", 9));
    lines.back().budget = lines.back().initialBudget = lines.back().closing = lines.back().variance = Money();
    lines.back().corrections = {yen(1), yen(1), yen(1), Money(), Money()};
    StatementLine l = fundsRow("51000", "　　事業費／会議費支出", 0, 160, 150);
    l.initialBudget = yen(100);
    l.corrections = {yen(10), yen(20), yen(30), yen(40), yen(50)};
    l.note = QStringLiteral("注１");
    lines.push_back(l);
    lines.push_back(fundsRow("*****", "　支出計", 3, 160, 150));
    lines.push_back(fundsRow("*****", "　支出合計", 4, 160, 150));
    StatementLine unleveled = fundsRow("59000", "予備費", std::nullopt, 0, 0);
    unleveled.corrections[0] = yen(9);
    lines.push_back(unleveled);
    StatementPrintSettings s;
    s.shading = 1;

    const ReportDocument b = statementLayoutB(st, s, {});
    ASSERT_EQ(b.rows.size(), 5u);
    EXPECT_EQ(b.rows[0].cells, (QStringList{"Ⅱ支出の部", "", "", "", "", ""}));
    EXPECT_EQ(b.rows[0].kind, ReportRow::Kind::GroupHeader);
    EXPECT_EQ(b.rows[1].cells, (QStringList{"   会議費支出", "100", "160", "150", "10", "注１"}));
    EXPECT_EQ(b.rows[2].cells.front(), "支出計");
    EXPECT_TRUE(b.rows[2].shaded);
    EXPECT_TRUE(b.rows[2].bold);
    EXPECT_FALSE(b.rows[1].shaded);
    EXPECT_FALSE(b.rows[3].shaded); // PrintShading 1 shades FlgA 3 alone

    const ReportDocument d = statementLayoutD(st, s, {});
    ASSERT_EQ(d.rows.size(), 5u);
    EXPECT_EQ(d.rows[0].cells, (QStringList{"Ⅱ支出の部", "", "", "", "", "", ""}));
    EXPECT_EQ(d.rows[1].cells, (QStringList{"   事業費／会議費支出", "100", "60", "40", "160", "150", "10"}));
    EXPECT_EQ(d.rows[4].cells.at(0), "予備費");
    EXPECT_EQ(d.rows[4].cells.at(2), "") << "no 補正額合計 on a line without a level";
    EXPECT_TRUE(d.rows[2].shaded);

    const ReportDocument c = statementLayoutC(st, {}, s, {});
    ASSERT_EQ(c.rows.size(), 5u);
    EXPECT_EQ(c.rows[1].cells, (QStringList{"   事業費／会議費支出", "160", "150", "10"}));
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        EXPECT_FALSE(c.rows[i].shaded) << i;
        const bool grey = i == 2 || i == 3;
        EXPECT_EQ(c.rows[i].fill, grey ? QColor(224, 224, 224) : QColor()) << i;
    }
}

TEST(StatementLayouts, DescriptionsOfAFundLine) {
    const std::vector<DescriptionAmount> all = {
        {"41000", 1, 0, QStringLiteral("会費"), yen(500)},
        {"41000", 0, 0, QStringLiteral("返金"), yen(20)}, // the payment side of the same account
        {"42000", 1, 21, QStringLiteral("国庫補助"), yen(300)},
        {"42100", 1, 21, QStringLiteral("県補助"), yen(200)},
        {"42100", 1, 21, QStringLiteral("その他"), yen(50)},
        {"42200", 1, 22, QStringLiteral("市補助"), yen(70)},
        {"43000", 1, 11, QStringLiteral("利息"), yen(3)},
        {"43100", 1, 11, QStringLiteral("配当"), yen(4)},
        {"44000", 1, 50, QStringLiteral("雑"), yen(5)},
        {"44100", 1, 50, QStringLiteral("雑"), yen(6)},
    };
    struct Case {
        const char* what;
        const char* code;
        int flgC;
        int flgH;
        const char* found; // code:description, in order
    };
    for (const Case& c : std::initializer_list<Case>{
             {"same code on the receipt side", "41000", 1, 0, "41000:会費"},
             {"same code on the payment side", "41000", 0, 0, "41000:返金"},
             {"FlgH 21 collects every account linked by it, ordered by code then description", "*****", 1, 21,
              "42000:国庫補助,42100:その他,42100:県補助"},
             {"a FlgH line also keeps its own account's rows", "41000", 1, 22, "41000:会費,42200:市補助"},
             {"FlgH 11 is no link", "43000", 1, 11, "43000:利息"},
             {"FlgH 50 is no link", "44000", 1, 50, "44000:雑"},
             {"a line without rows", "45000", 1, 0, ""}}) {
        StatementLine l = fundsRow(c.code, "x", 0);
        l.flgC = c.flgC;
        l.flgH = c.flgH;
        QStringList found;
        for (const auto& d : descriptionsOf(l, all))
            found << d.code + ':' + d.description;
        EXPECT_EQ(found.join(','), QString::fromUtf8(c.found)) << c.what;
    }
}

TEST(StatementLayouts, LinkedLineBreaksDownTheLinkedAccounts) {
    Statements st;
    auto& lines = st.lines[static_cast<std::size_t>(StatementKind::Funds)];
    StatementLine linked = fundsRow("*****", "　　補助金収入", 0, 600, 550);
    linked.flgC = 1;
    linked.flgH = 21;
    lines.push_back(linked);
    const std::vector<DescriptionAmount> all = {{"42000", 1, 21, QStringLiteral("国庫補助"), yen(300)},
                                                {"42100", 1, 21, QStringLiteral("県補助"), yen(250)},
                                                {"42200", 1, 22, QStringLiteral("市補助"), yen(70)}};
    const ReportDocument c = statementLayoutC(st, all, StatementPrintSettings{}, {});
    ASSERT_EQ(c.rows.size(), 2u);
    EXPECT_EQ(c.rows[0].cells, (QStringList{"   補助金収入", "600", "550", "50", "国庫補助", "300"}));
    EXPECT_EQ(c.rows[1].cells, (QStringList{"", "", "", "", "県補助", "250"}));
}

struct StatementLayoutsUnit : ::testing::Test, StatementsUnit {};

// After a totals run the payments line 消耗品費支出 has three description groups in WTBL7
// (消耗品 50, 減価償却 30, and その他 20 for the line without a description): layout C prints
// it as three rows with the budget and amounts on the first alone.
TEST_F(StatementLayoutsUnit, ThreeDescriptionsPrintThreeRowsWithTheAmountsOnce) {
    EXPECT_TRUE(loadDescriptionAmounts(session.www).empty()) << "no summary before the first run";
    runYear();
    const Statements st = loadStatements(session.www);
    const std::vector<DescriptionAmount> all = loadDescriptionAmounts(session.www);
    QStringList rows;
    for (const auto& d : all)
        rows << QStringLiteral("%1/%2/%3/%4").arg(d.code).arg(d.flgC).arg(d.description, d.amount.plain());
    EXPECT_TRUE(rows.contains("51000/0/減価償却/30")) << rows.join(' ').toStdString();
    EXPECT_TRUE(rows.contains("41000/1/会費/500")) << rows.join(' ').toStdString();

    const ReportDocument c = statementLayoutC(st, all, StatementPrintSettings{}, {});
    const auto& funds = st.of(StatementKind::Funds);
    const auto spend =
        std::find_if(funds.begin(), funds.end(), [](const auto& l) { return l.code == "51000"; });
    ASSERT_NE(spend, funds.end());
    const QStringList names = firstCells(c);
    const qsizetype at = names.indexOf("   消耗品費支出");
    ASSERT_GE(at, 0) << names.join('|').toStdString();
    ASSERT_LT(static_cast<std::size_t>(at + 3), c.rows.size());
    const auto row = [&](qsizetype i) { return c.rows[static_cast<std::size_t>(at + i)]; };
    EXPECT_EQ(row(0).cells, (QStringList{"   消耗品費支出", spend->budget.format(), spend->closing.format(),
                                         spend->variance.format(), "その他", "20"}));
    EXPECT_EQ(row(1).cells, (QStringList{"", "", "", "", "減価償却", "30"}));
    EXPECT_EQ(row(2).cells, (QStringList{"", "", "", "", "消耗品", "50"}));
    EXPECT_TRUE(row(0).ruleAbove);
    EXPECT_FALSE(row(1).ruleAbove);
    EXPECT_FALSE(row(2).ruleAbove);
    EXPECT_TRUE(row(3).ruleAbove) << "the next line is ruled off again";
    EXPECT_EQ(c.rows.front().cells, (QStringList{"   会費収入", "600", "500", "-100", "会費", "500"}));
}

} // namespace
} // namespace k9::test
