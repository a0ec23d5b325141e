// SPDX-License-Identifier: GPL-3.0-or-later
// The property-inventory work list: indentation by level, the stop at the credit-side block
// total, and the net total.
#include "engine/inventorylist.h"
#include "enginefixture.h"

namespace k9::test {
namespace {

std::vector<ChartLine> withClosing(std::vector<ChartLine> ls,
                                   std::initializer_list<std::pair<const char*, long long>> v) {
    for (auto& l : ls)
        for (const auto& [code, closing] : v)
            if (l.code == code)
                l.amounts[Col::Closing] = yen(closing);
    return ls;
}

struct Row {
    const char* label;
    std::optional<double> amount;
};

void expectRows(const std::vector<totals::InventoryRow>& rows, std::initializer_list<Row> expected) {
    ASSERT_EQ(rows.size(), expected.size());
    size_t i = 0;
    for (const auto& e : expected) {
        EXPECT_EQ(rows[i].label, QString::fromUtf8(e.label)) << i;
        EXPECT_EQ(rows[i].amount, e.amount) << i;
        ++i;
    }
}

TEST(InventoryList, ListsAssetsAndLiabilitiesAndStopsAtTheLiabilityTotal) {
    const auto accounts =
        withClosing(lines({
                        {.code = "10000", .a = 9, .b = 1, .c = 0, .name = "資産の部"},
                        {.code = "10100", .a = 0, .b = 1, .c = 0, .name = "現金"},
                        {.code = "10200", .a = 1, .b = 1, .c = 0, .name = "預金"},
                        {.code = "10210", .a = 0, .b = 1, .c = 0, .e = 1, .name = "普通預金"},
                        {.code = "10290", .a = 2, .b = 1, .c = 0, .name = "中科目計"},
                        {.code = "10300", .a = 3, .b = 1, .c = 0, .name = "流動資産合計"},
                        {.code = "10990", .a = 4, .b = 1, .c = 0, .name = "資産合計"},
                        {.code = "20100", .a = 0, .b = 1, .c = 1, .name = "未払金"},
                        {.code = "20990", .a = 4, .b = 1, .c = 1, .name = "負債合計"},
                        {.code = "30100", .a = 0, .b = 1, .c = 1, .name = "一般正味財産"},
                        {.code = "41000", .a = 0, .b = 2, .c = 1, .name = "受取会費"},
                    }),
                    {{"10100", 100},
                     {"10200", 50},
                     {"10210", 50},
                     {"10300", 150},
                     {"10990", 150},
                     {"20100", 40},
                     {"20990", 40}});
    const auto rows = totals::buildInventoryList(accounts);
    expectRows(rows, {
                         {"資産の部", std::nullopt},
                         {"　　現金", 100.0},
                         {"　　預金", 50.0},
                         {"　　　　普通預金", 50.0},
                         {"　流動資産合計", 150.0},
                         {"　　　　　　資産合計", 150.0},
                         {"", std::nullopt},
                         {"　　未払金", 40.0},
                         {"　　　　　　負債合計", 40.0},
                         {"", std::nullopt},
                         {"　　　　　　差　引　純　資　産", 110.0},
                     });
    EXPECT_EQ(rows[3].flgE, 1);
    EXPECT_EQ(rows[5].flgA, 4);
    EXPECT_FALSE(rows[6].flgA.has_value());
}

TEST(InventoryList, WithoutACreditBlockTotalListsEveryLine) {
    const auto accounts =
        withClosing(lines({
                        {.code = "10100", .a = 0, .b = 1, .c = 0, .name = "現金"},
                        {.code = "10990", .a = 4, .b = 1, .c = 0, .name = "資産合計"},
                        {.code = "11000", .a = 0, .b = 1, .c = 0, .name = "投資"},
                        {.code = "11990", .a = 4, .b = 1, .c = 0, .name = "投資合計"},
                        {.code = "20100", .a = 0, .b = 1, .c = 1, .name = "未払金"},
                    }),
                    {{"10100", 70}, {"10990", 70}, {"11000", 5}, {"11990", 5}, {"20100", 9}});
    expectRows(totals::buildInventoryList(accounts), {
                                                         {"　　現金", 70.0},
                                                         {"　　　　　　資産合計", 70.0},
                                                         {"", std::nullopt},
                                                         {"　　投資", 5.0},
                                                         {"　　　　　　投資合計", 5.0},
                                                         {"", std::nullopt},
                                                         {"　　未払金", 9.0},
                                                         {"", std::nullopt},
                                                         {"　　　　　　差　引　純　資　産", 75.0},
                                                     });
}

} // namespace
} // namespace k9::test
