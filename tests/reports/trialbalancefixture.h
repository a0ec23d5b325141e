// SPDX-License-Identifier: GPL-3.0-or-later
// A small unit for the trial-balance tests: a balance sheet with fund accounts, a fixed
// asset and a suspense account that moves and comes back to 0; an activity statement in two
// parts with a previous-year figure; a fund statement; sub-accounts; and seven vouchers.
// After a full-year run every check pair agrees: 借方合計 = 貸方合計 = 2,250, 正味財産合計
// 2,200 on both statements, 流動資産－流動負債 = 次期繰越収支差額 = 1,930.
#pragma once

#include "engine/runtotals.h"
#include "engine/unitfixture.h"

namespace k9::test {

struct TrialBalanceUnit : UnitFixture {
    TrialBalanceUnit() {
        for (const L& l : std::initializer_list<L>{
                 {.code = "10000", .a = 9, .b = 1, .c = 0, .name = "資産の部"},
                 {.code = "10100", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 1000, .name = "　現金"},
                 {.code = "10200", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 500, .name = "　普通預金"},
                 {.code = "10300", .a = 0, .b = 1, .c = 0, .g = 1, .name = "　仮払金"},
                 {.code = "10400", .a = 0, .b = 1, .c = 0, .opening = 300, .name = "　什器備品"},
                 {.code = "10500", .a = 0, .b = 1, .c = 0, .name = "　敷金"},
                 {.code = "10990", .a = 4, .b = 1, .c = 0, .name = "資産合計"},
                 {.code = "20100", .a = 0, .b = 1, .c = 1, .g = 1, .name = "　未払金"},
                 {.code = "20990", .a = 4, .b = 1, .c = 1, .name = "負債合計"},
                 {.code = "30300",
                 .a = 0,
                 .b = 1,
                 .c = 1,
                 .g = 110,
                 .opening = 1800,
                 .name = "　一般正味財産"},
                 {.code = "30900", .a = 4, .b = 1, .c = 1, .g = 140, .name = "正味財産合計"},
                 {.code = "30990", .a = 5, .b = 1, .c = 1, .name = "負債及び正味財産合計"},
                 {.code = "40000", .a = 9, .b = 2, .c = 1, .name = "Ⅰ　一般正味財産増減の部"},
                 {.code = "41000", .a = 0, .b = 2, .c = 1, .budget = 1000, .name = "　　受取会費"},
                 {.code = "41100", .a = 0, .b = 2, .c = 1, .budget = 500, .name = "　　雑収益"},
                 {.code = "41200", .a = 0, .b = 2, .c = 1, .name = "　　受取寄付金"},
                 {.code = "41990", .a = 3, .b = 2, .c = 1, .name = "　経常収益計"},
                 {.code = "51000", .a = 0, .b = 2, .c = 0, .name = "　　事業費／消耗品費"},
                 {.code = "51990", .a = 3, .b = 2, .c = 0, .name = "　経常費用計"},
                 {.code = "62900", .a = 7, .b = 2, .c = 1, .g = 114, .name = "　当期一般正味財産増減額"},
                 {.code = "62910", .a = 0, .b = 2, .c = 1, .g = 112, .name = "　一般正味財産期首残高"},
                 {.code = "62920", .a = 6, .b = 2, .c = 1, .g = 111, .name = "　一般正味財産期末残高"},
                 {.code = "70000", .a = 9, .b = 2, .c = 1, .name = "Ⅱ　正味財産の部"},
                 {.code = "79900", .a = 6, .b = 2, .c = 1, .g = 141, .name = "　正味財産期末残高"},
             })
            account(l);
        for (const L& l : std::initializer_list<L>{
                 {.code = "41000", .a = 0, .b = 2, .c = 1, .budget = 600, .name = "会費収入", .sNo = 100},
                 {.code = "*****", .a = 3, .b = 2, .c = 1, .name = "収入計", .sNo = 200},
                 {.code = "51000", .a = 0, .b = 2, .c = 0, .budget = 100, .name = "消耗品費支出", .sNo = 300},
                 {.code = "*****", .a = 3, .b = 2, .c = 0, .name = "支出計", .sNo = 400},
                 {.code = "*****", .a = 7, .b = 2, .c = 1, .name = "当期収支差額", .sNo = 500},
                 {.code = "#1020", .a = 10, .b = 2, .c = 1, .name = "前期繰越収支差額", .sNo = 600},
                 {.code = "#0020", .a = 8, .b = 2, .c = 0, .name = "次期繰越収支差額", .sNo = 700},
             })
            fundLine(l);
        session.aaa.run(QStringLiteral("UPDATE \"Mkamoku\" SET \"FlgD\"=1 WHERE \"code\"='10200'"));
        subAccount("10200", "001", 500);
        subAccount("10200", "002", 0);
        session.aaa.run(
            QStringLiteral("UPDATE \"Mhojokamoku\" SET \"補助科目名\"=CASE \"hojo_CD\" WHEN '001' "
                           "THEN '第一銀行' ELSE '第二銀行' END"));
        voucher(
            {.sNo = 1, .date = "2015-04-10", .l = "10100", .r = "41000", .amount = 300, .text = "会費／4月"});
        voucher({.sNo = 2, .date = "2015-05-20", .l = "51000", .r = "20100", .amount = 50, .text = "消耗品"});
        voucher({.sNo = 3, .date = "2015-06-01", .l = "10300", .r = "10100", .amount = 100, .text = "仮払"});
        voucher({.sNo = 4, .date = "2015-06-30", .l = "10100", .r = "10300", .amount = 100, .text = "精算"});
        voucher({.sNo = 5,
                 .date = "2015-07-01",
                 .l = "10200",
                 .r = "41000",
                 .amount = 200,
                 .lh = "001",
                 .text = "会費／5月"});
        voucher(
            {.sNo = 6, .date = "2015-08-01", .l = "51000", .r = "10400", .amount = 30, .text = "減価償却"});
        voucher({.sNo = 7, .date = "2015-09-01", .l = "51000", .r = "10200", .amount = 20, .rh = "002"});
        session.www.run(QStringLiteral("DELETE FROM \"Head\""));
        session.www.insertRow(QStringLiteral("Head"), {{"会計期首", QStringLiteral("2015-04-01")},
                                                       {"法人名", QStringLiteral("公益財団法人テスト協会")},
                                                       {"施設名", QStringLiteral("本部")},
                                                       {"職印１", QStringLiteral("理事長")},
                                                       {"職印２", QStringLiteral("会計責任者")}});
    }

    void runYear(const char* from = "2015-04-01", int adjusting = 0) {
        runTotals(session, {QDate::fromString(QString::fromUtf8(from), Qt::ISODate), QDate(2016, 3, 31),
                            adjusting, 0});
    }
};

} // namespace k9::test
