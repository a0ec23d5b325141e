// SPDX-License-Identifier: GPL-3.0-or-later
// Index labels: which accounts and fund lines of the work folder get a label for each choice
// of classes, levels and use, in which order and with which name; the refusal of choices
// that select no class or no level; and the cutting of the names into sheets of 42 labels.
#include "chart/indexlabels.h"
#include "store/database.h"
#include "support/fixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using namespace k9;
using namespace k9::indexlabels;

namespace {

// One line of the work copy; amounts of 0 are stored empty, as the totals engine leaves them.
struct W {
    long long sNo = 0;
    const char* code = "";
    const char* name = "";
    std::optional<int> a;
    int b = 0;
    int c = 0;
    int g = 0;
    long long debit = 0;
    long long credit = 0;
    long long closing = 0;
};

QVariant orBlank(long long v) {
    return v == 0 ? QVariant() : QVariant(static_cast<qlonglong>(v));
}

struct IndexFolders : test::SessionFixture {
    void add(const char* table, const W& w) {
        std::vector<std::pair<QString, QVariant>> values{
            {"code", QString::fromUtf8(w.code)},
            {"科目名", QString::fromUtf8(w.name)},
            {"FlgA", w.a ? QVariant(*w.a) : QVariant()},
            {"FlgB", w.b},
            {"FlgC", w.c},
            {"FlgG", w.g == 0 ? QVariant() : QVariant(w.g)},
            {"借方", orBlank(w.debit)},
            {"貸方", orBlank(w.credit)},
            {"残高合計", orBlank(w.closing)},
        };
        if (w.sNo != 0)
            values.push_back({"SNo", w.sNo});
        session.www.insertRow(QString::fromUtf8(table), values);
    }

    // A small chart: headings, totals of each level, accounts of each class, and the computed
    // lines around the FlgG 101..299 range, which never get a label.
    IndexFolders() {
        for (const W& w : std::initializer_list<W>{
                 {.code = "10000", .name = "資産の部", .a = 9, .b = 1, .c = 0},
                 {.code = "10100", .name = "現　金", .a = 0, .b = 1, .c = 0, .g = 1, .debit = 100},
                 {.code = "10110", .name = "前期繰越", .a = 0, .b = 1, .c = 0, .g = 110, .closing = 9},
                 {.code = "10200", .name = "普通 預金", .a = 0, .b = 1, .c = 0, .g = 1},
                 {.code = "10290", .name = "現金預金計", .a = 2, .b = 1, .c = 0, .closing = 100},
                 {.code = "10990", .name = "流動資産計", .a = 3, .b = 1, .c = 0},
                 {.code = "20100", .name = "未 払 金", .a = 0, .b = 1, .c = 1, .credit = 50},
                 {.code = "20990", .name = "負債合計", .a = 3, .b = 1, .c = 1},
                 {.code = "41000", .name = "受取　会費", .a = 0, .b = 2, .c = 1, .credit = 30},
                 {.code = "41090", .name = "会費収入計", .a = 1, .b = 2, .c = 1},
                 {.code = "50000", .name = "見出し", .a = std::nullopt, .b = 2, .c = 0},
                 {.code = "51000", .name = "消耗品費", .a = 0, .b = 2, .c = 0},
                 {.code = "51400", .name = "旅費", .a = 0, .b = 2, .c = 0, .g = 100},
                 {.code = "51500", .name = "雑費", .a = 0, .b = 2, .c = 0, .g = 300},
                 {.code = "51600", .name = "特別損失", .a = 0, .b = 2, .c = 0, .g = 101},
                 {.code = "51700", .name = "評価損", .a = 0, .b = 2, .c = 0, .g = 299},
             })
            add("kamoku", w);
        // Fund lines: line order differs from code order; only FlgG 500..510 are labelled.
        for (const W& w : std::initializer_list<W>{
                 {.sNo = 100, .code = "*****", .name = "Ⅰ　事業活動収支の部", .a = 9, .b = 2, .c = 1},
                 {.sNo = 200, .code = "59999", .name = "予備費　支出", .a = 0, .b = 2, .c = 0, .g = 500},
                 {.sNo = 300, .code = "*****", .name = "基本財産運用収入", .a = 1, .b = 2, .c = 1, .g = 500},
                 {.sNo = 400,
                 .code = "41010",
                 .name = "受取 利息収入",
                 .a = 0,
                 .b = 2,
                 .c = 1,
                 .g = 500,
                 .credit = 10},
                 {.sNo = 500, .code = "41020", .name = "配当金収入", .a = 0, .b = 2, .c = 1, .g = 510},
                 {.sNo = 600,
                 .code = "41030",
                 .name = "繰入金収入",
                 .a = 0,
                 .b = 2,
                 .c = 1,
                 .g = 30,
                 .credit = 7},
                 {.sNo = 700, .code = "51010", .name = "給料手当支出", .a = 0, .b = 2, .c = 0, .g = 499},
                 {.sNo = 800,
                 .code = "51020",
                 .name = "旅費 交通費支出",
                 .a = 0,
                 .b = 2,
                 .c = 0,
                 .g = 500,
                 .debit = 5},
                 {.sNo = 900, .code = "*****", .name = "事業活動支出計", .a = 3, .b = 2, .c = 0, .g = 511},
                 {.sNo = 950,
                 .code = "10100",
                 .name = "現金預金",
                 .a = 0,
                 .b = 1,
                 .c = 0,
                 .g = 500,
                 .debit = 3},
             })
            add("kamoku2", w);
    }
};

Choices choose(std::array<bool, 4> classes, std::array<bool, 4> levels, bool usedOnly = false) {
    Choices c;
    c.classes = classes;
    c.levels = levels;
    c.usedOnly = usedOnly;
    return c;
}

constexpr std::array<bool, 4> kAll{true, true, true, true};

struct SelectionCase {
    const char* what;
    Source source;
    Choices choices;
    QStringList names;
};

void PrintTo(const SelectionCase& c, std::ostream* os) {
    *os << c.what;
}

class IndexSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(IndexSelection, ListsTheChosenLinesInOrderWithoutSpaces) {
    IndexFolders f;
    const SelectionCase& c = GetParam();
    EXPECT_EQ(labelNames(f.session.www, c.source, c.choices), c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, IndexSelection,
    ::testing::Values(
        SelectionCase{"every class and level: headings, blank levels and FlgG 101..299 left out",
                      Source::Accounts,
                      choose(kAll, kAll),
                      {"現金", "普通預金", "現金預金計", "流動資産計", "未払金", "負債合計", "受取会費",
                       "会費収入計", "消耗品費", "旅費", "雑費"}},
        SelectionCase{"assets, input accounts",
                      Source::Accounts,
                      choose({true, false, false, false}, {false, false, false, true}),
                      {"現金", "普通預金"}},
        SelectionCase{"liabilities and expenses, major totals and input accounts",
                      Source::Accounts,
                      choose({false, true, false, true}, {true, false, false, true}),
                      {"未払金", "負債合計", "消耗品費", "旅費", "雑費"}},
        SelectionCase{"income, minor totals",
                      Source::Accounts,
                      choose({false, false, true, false}, {false, false, true, false}),
                      {"会費収入計"}},
        SelectionCase{"assets, middle totals",
                      Source::Accounts,
                      choose({true, false, false, false}, {false, true, false, false}),
                      {"現金預金計"}},
        SelectionCase{"used only: a debit, a credit or a closing balance in the period",
                      Source::Accounts,
                      choose(kAll, kAll, true),
                      {"現金", "現金預金計", "未払金", "受取会費"}},
        SelectionCase{"fund lines: FlgG 500..510 only, line order, balance-sheet lines never",
                      Source::FundLines,
                      choose(kAll, kAll),
                      {"予備費支出", "基本財産運用収入", "受取利息収入", "配当金収入", "旅費交通費支出"}},
        SelectionCase{"fund lines used only",
                      Source::FundLines,
                      choose(kAll, kAll, true),
                      {"受取利息収入", "旅費交通費支出"}},
        SelectionCase{"fund lines: payments, input lines",
                      Source::FundLines,
                      choose({true, true, false, true}, {false, false, false, true}),
                      {"予備費支出", "旅費交通費支出"}}));

TEST(IndexQuery, ChosenLevelsAndClassesAreBoundValuesNotText) {
    const Query q =
        labelQuery(Source::Accounts, choose({false, true, false, true}, {true, false, false, true}, true));
    EXPECT_EQ(q.params, (std::vector<QVariant>{3, 0, 1, 1, 2, 0}));
    EXPECT_TRUE(q.sql.contains(QStringLiteral("\"FlgA\"=?1 OR \"FlgA\"=?2"))) << q.sql.toStdString();
    EXPECT_TRUE(q.sql.endsWith(QStringLiteral(" ORDER BY \"code\""))) << q.sql.toStdString();
    const Query fund = labelQuery(Source::FundLines, choose(kAll, {false, false, false, true}));
    // 資産 and 負債 are not offered for fund lines: only receipts and payments are bound.
    EXPECT_EQ(fund.params, (std::vector<QVariant>{0, 2, 1, 2, 0}));
    EXPECT_TRUE(fund.sql.endsWith(QStringLiteral(" ORDER BY \"SNo\""))) << fund.sql.toStdString();
}

struct EmptyCase {
    const char* what;
    Source source;
    Choices choices;
    QString message; // empty: the choices are complete
};

void PrintTo(const EmptyCase& c, std::ostream* os) {
    *os << c.what;
}

class IndexEmptyChoice : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(IndexEmptyChoice, IsRefusedWithAMessageAskingForATick) {
    IndexFolders f;
    const EmptyCase& c = GetParam();
    EXPECT_EQ(choiceProblem(c.source, c.choices), c.message);
    if (c.message.isEmpty()) {
        EXPECT_NO_THROW(labelNames(f.session.www, c.source, c.choices));
        return;
    }
    try {
        labelNames(f.session.www, c.source, c.choices);
        ADD_FAILURE() << "no refusal";
    } catch (const K9Error& e) {
        EXPECT_EQ(e.message(), c.message);
    }
}

const QString kNoClass = QStringLiteral("印刷する科目の種類を一つ以上チェックしてください。");
const QString kNoLevel = QStringLiteral("印刷する科目の階層を一つ以上チェックしてください。");

INSTANTIATE_TEST_SUITE_P(
    Refusal, IndexEmptyChoice,
    ::testing::Values(
        EmptyCase{"no class", Source::Accounts, choose({}, kAll), kNoClass},
        EmptyCase{"no level", Source::Accounts, choose(kAll, {}), kNoLevel},
        EmptyCase{"neither: the class is asked first", Source::Accounts, choose({}, {}), kNoClass},
        EmptyCase{"fund lines with only assets and liabilities", Source::FundLines,
                  choose({true, true, false, false}, kAll), kNoClass},
        EmptyCase{"accounts with only assets", Source::Accounts,
                  choose({true, false, false, false}, {false, false, false, true}), QString()},
        EmptyCase{"fund lines with only income", Source::FundLines,
                  choose({false, false, true, false}, {true, false, false, false}), QString()}));

TEST(IndexSheets, FortyTwoNamesMakeOneSheetAndTheFortyThirdStartsTheNext) {
    const std::vector<std::pair<int, int>> cases{{0, 0}, {1, 1}, {42, 1}, {43, 2}, {84, 2}, {85, 3}};
    for (const auto& [labels, sheets] : cases)
        EXPECT_EQ(sheetCount(labels), sheets) << labels << " labels";

    QStringList names;
    for (int i = 1; i <= 85; ++i)
        names << QStringLiteral("科目%1").arg(i);
    EXPECT_EQ(namesOnSheet(names, 0).size(), 42);
    EXPECT_EQ(namesOnSheet(names, 0).front(), QStringLiteral("科目1"));
    EXPECT_EQ(namesOnSheet(names, 1).front(), QStringLiteral("科目43"));
    EXPECT_EQ(namesOnSheet(names, 1).back(), QStringLiteral("科目84"));
    EXPECT_EQ(namesOnSheet(names, 2), QStringList{QStringLiteral("科目85")});
    EXPECT_TRUE(namesOnSheet(names, 3).isEmpty());
}

TEST(IndexSheets, EveryLayoutPutsSixColumnsAndSevenRowsApartInsideTheA4Sheet) {
    const double pageWidth = 210.0 / 25.4 * 96.0;
    const double pageHeight = 297.0 / 25.4 * 96.0;
    const double fiveMm = 5.0 / 25.4 * 96.0;
    ASSERT_EQ(sheetLayouts().size(), 2u);
    EXPECT_STREQ(sheetLayout(Sheet::KpcT691bR).name, "KPC-T691B-R");
    EXPECT_STREQ(sheetLayout(Sheet::LbpT691bR).name, "LBP-T691B-R(販売完了品)");
    for (const SheetLayout& layout : sheetLayouts()) {
        SCOPED_TRACE(layout.name);
        // Row by row from the top left.
        EXPECT_DOUBLE_EQ(labelRect(layout, 5).top(), labelRect(layout, 0).top());
        EXPECT_GT(labelRect(layout, 5).left(), labelRect(layout, 4).right());
        EXPECT_DOUBLE_EQ(labelRect(layout, 6).left(), labelRect(layout, 0).left());
        EXPECT_GT(labelRect(layout, 6).top(), labelRect(layout, 0).bottom());
        for (int slot = 0; slot < kLabelsPerSheet; ++slot) {
            const QRectF r = labelRect(layout, slot);
            EXPECT_GE(r.left(), fiveMm) << slot;
            EXPECT_GE(r.top(), fiveMm) << slot;
            EXPECT_LE(r.right(), pageWidth - fiveMm) << slot;
            EXPECT_LE(r.bottom(), pageHeight - fiveMm) << slot;
            for (int other = 0; other < slot; ++other)
                EXPECT_FALSE(r.intersects(labelRect(layout, other))) << slot << " meets " << other;
        }
    }
}

} // namespace
