// SPDX-License-Identifier: GPL-3.0-or-later
// A unit with a small chart, two sub-accounts of the bank account and a hand-computed
// journal for the general ledger tests. The fiscal year starts 2015-04-01; the tests run
// the totals for May to July, so April's lines make up the carry-forward.
//
// Cash 10100 (debit nature, opening 1,000) over May–July, options 含める/含める:
//   carried forward 1,300 (opening + April's 300)
//   05/10  #2  credit 100  消耗品費      1,200 (blank: same date follows)
//          #3  debit   50  受取会費      1,250
//   05/20  #4  credit 120  諸　口        1,130 (blank)
//          #5  debit   10  受取会費      1,140 (blank)
//          #6  credit 200  普通預金      940
//   05 計  debit 60, credit 420, 940
//   06/15  #7  debit  500 (adjusting)    1,440 (blank)
//          #8  credit  30 (unsettled)    1,410
//   06 計  500, 30, 1,410
//   07/05  #9  credit 100  未払金        1,310 (blank)
//          #11 debit   70  普通預金      1,380
//   07 計  70, 100, 1,380;  合計 630, 550, 1,380
#pragma once

#include "engine/runtotals.h"
#include "engine/unitfixture.h"

namespace k9::test {

// One journal line with the columns the ledger shows.
struct LJ {
    long long sNo = 1;
    int subNo = 1;
    const char* date = "";
    const char* l = "";
    const char* r = "";
    long long amount = 0;
    long long right = kBlank;
    const char* lh = "";
    const char* rh = "";
    const char* text1 = "";
    const char* text2 = "";
    int lflgS = -1; // -1: blank
    int rflgS = -1;
    int flgU = 0;
    int flgV = 0;
};

struct LedgerFixture : UnitFixture {
    LedgerFixture() {
        for (const L& l : std::initializer_list<L>{
                 {.code = "10000", .a = 9, .b = 1, .c = 0, .name = "資産の部"},
                 {.code = "10100", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 1000, .name = "現　金"},
                 {.code = "10200", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 500, .name = "普通 預金"},
                 {.code = "10290", .a = 2, .b = 1, .c = 0, .name = "現金 預金計"},
                 {.code = "10990", .a = 3, .b = 1, .c = 0, .name = "流動資産計"},
                 {.code = "20100", .a = 0, .b = 1, .c = 1, .opening = 400, .name = "未払金"},
                 {.code = "41000", .a = 0, .b = 2, .c = 1, .name = "受取会費"},
                 {.code = "51000", .a = 0, .b = 2, .c = 0, .name = "消耗品費"},
                 {.code = "51100", .a = 0, .b = 2, .c = 0, .name = "旅費交通費"},
                 {.code = "52000", .a = 0, .b = 2, .c = 0, .name = "雑費"},
             })
            account(l);
        namedSubAccount("10200", "001", "Ａ銀行", 300);
        namedSubAccount("10200", "002", "Ｂ銀行", 200);
        for (const LJ& j : std::initializer_list<LJ>{
                 {.sNo = 1,
            .date = "2015-04-10",
            .l = "10100",
            .r = "41000",
            .amount = 300,
            .text1 = "会費４月"},
                 {.sNo = 2,
                 .date = "2015-05-10",
                 .l = "51000",
                 .r = "10100",
                 .amount = 100,
                 .text1 = "文具",
                 .text2 = "事務用",
                 .lflgS = 1},
                 {.sNo = 3,
                 .date = "2015-05-10",
                 .l = "10100",
                 .r = "41000",
                 .amount = 50,
                 .text1 = "会費",
                 .rflgS = 0},
                 {.sNo = 4,
                 .date = "2015-05-20",
                 .l = "51000",
                 .r = "10100",
                 .amount = 80,
                 .right = 120,
                 .text1 = "出張用品"},
                 {.sNo = 4,
                 .subNo = 2,
                 .date = "2015-05-20",
                 .l = "51100",
                 .amount = 40,
                 .right = 0,
                 .text1 = "交通費"},
                 {.sNo = 5, .date = "2015-05-20", .l = "10100", .r = "41000", .amount = 10, .text1 = "会費"},
                 {.sNo = 6,
                 .date = "2015-05-20",
                 .l = "10200",
                 .r = "10100",
                 .amount = 200,
                 .lh = "001",
                 .text1 = "預入"},
                 {.sNo = 7,
                 .date = "2015-06-15",
                 .l = "10100",
                 .r = "41000",
                 .amount = 500,
                 .text1 = "整理",
                 .flgU = 1},
                 {.sNo = 8,
                 .date = "2015-06-15",
                 .l = "51000",
                 .r = "10100",
                 .amount = 30,
                 .text1 = "未決済",
                 .flgV = 1},
                 {.sNo = 9, .date = "2015-07-05", .l = "20100", .r = "10100", .amount = 100, .text1 = "支払"},
                 {.sNo = 10,
                 .date = "2015-08-01",
                 .l = "10100",
                 .r = "41000",
                 .amount = 999,
                 .text1 = "期間後"},
                 {.sNo = 11,
                 .date = "2015-07-05",
                 .l = "10100",
                 .r = "10200",
                 .amount = 70,
                 .rh = "002",
                 .text1 = "引出"},
             })
            journalLine(j);
    }

    void namedSubAccount(const char* account, const char* code, const char* name, long long opening) {
        session.aaa.insertRow(QStringLiteral("Mhojokamoku"), {{"B_ID", kUnit},
                                                              {"kamoku_CD", QString::fromUtf8(account)},
                                                              {"hojo_CD", QString::fromUtf8(code)},
                                                              {"補助科目名", QString::fromUtf8(name)},
                                                              {"期首繰越", money(opening)}});
    }

    void journalLine(const LJ& j) {
        auto opt = [](int v) { return v < 0 ? QVariant() : QVariant(v); };
        session.aaa.insertRow(QStringLiteral("denpyou1"),
                              {{"SNo", j.sNo},
                               {"Sub_No", j.subNo},
                               {"hizuke", QString::fromUtf8(j.date)},
                               {"Lcode", QString::fromUtf8(j.l)},
                               {"Rcode", QString::fromUtf8(j.r)},
                               {"LHcode", QString::fromUtf8(j.lh)},
                               {"RHcode", QString::fromUtf8(j.rh)},
                               {"Lkingaku", money(j.amount)},
                               {"Rkingaku", money(j.right == kBlank ? j.amount : j.right)},
                               {"tekiyou1", QString::fromUtf8(j.text1)},
                               {"tekiyou2", QString::fromUtf8(j.text2)},
                               {"LflgS", opt(j.lflgS)},
                               {"RflgS", opt(j.rflgS)},
                               {"FlgT", kUnit},
                               {"FlgU", j.flgU},
                               {"FlgV", j.flgV}});
    }

    // The totals for May to July with the two options, as "実    行" runs them.
    void runPeriod(int adjusting = 0, int unsettled = 0, const char* from = "2015-05-01",
                   const char* to = "2015-07-31") {
        runTotals(session, {QDate::fromString(QString::fromUtf8(from), Qt::ISODate),
                            QDate::fromString(QString::fromUtf8(to), Qt::ISODate), adjusting, unsettled});
    }
};

} // namespace k9::test
