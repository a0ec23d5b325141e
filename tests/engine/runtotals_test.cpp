// SPDX-License-Identifier: GPL-3.0-or-later
// The full totals run on a unit's data: the rebuilt work copies, the stored period and
// options, finished figures, WTBL7 and WTBL in the work folder; the refusal of bad periods;
// the failed run on an invalid sub-account code that leaves the work folder untouched; the
// separate engine operations and the year-end operations.
#include "engine/engineerrors.h"
#include "engine/runtotals.h"
#include "engine/tcalc1.h"
#include "engine/tcalc2.h"
#include "engine/tcalc3.h"
#include "unitfixture.h"

namespace k9::test {
namespace {

struct TotalsRun : ::testing::Test, UnitFixture {
    TotalsRun() {
        for (const L& l : std::initializer_list<L>{
                 {.code = "10000", .a = 9, .b = 1, .c = 0, .name = "資産の部"},
                 {.code = "10100", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 1000, .name = "現金"},
                 {.code = "10200", .a = 0, .b = 1, .c = 0, .g = 1, .opening = 500, .name = "普通預金"},
                 {.code = "10300", .a = 0, .b = 1, .c = 0, .g = 11, .name = "基本財産"},
                 {.code = "10990", .a = 4, .b = 1, .c = 0, .name = "資産合計"},
                 {.code = "20100", .a = 0, .b = 1, .c = 1, .g = 1, .name = "未払金"},
                 {.code = "20990", .a = 4, .b = 1, .c = 1, .name = "負債合計"},
                 {.code = "30200", .a = 10, .b = 1, .c = 1, .g = 921, .name = "（うち基本財産への充当額）"},
                 {.code = "30300", .a = 0, .b = 1, .c = 1, .g = 110, .opening = 1500, .name = "一般正味財産"},
                 {.code = "30900", .a = 4, .b = 1, .c = 1, .g = 140, .name = "正味財産合計"},
                 {.code = "30990", .a = 5, .b = 1, .c = 1, .name = "負債及び正味財産合計"},
                 {.code = "41000", .a = 0, .b = 2, .c = 1, .budget = 1000, .name = "受取会費"},
                 {.code = "41990", .a = 3, .b = 2, .c = 1, .name = "経常収益計"},
                 {.code = "42000", .a = 2, .b = 2, .c = 1, .name = "空の中科目計"},
                 {.code = "62900", .a = 7, .b = 2, .c = 1, .g = 114, .name = "当期一般正味財産増減額"},
                 {.code = "62910", .a = 0, .b = 2, .c = 1, .g = 112, .name = "一般正味財産期首残高"},
                 {.code = "62920", .a = 6, .b = 2, .c = 1, .g = 111, .name = "一般正味財産期末残高"},
                 {.code = "79900", .a = 6, .b = 2, .c = 1, .g = 141, .name = "正味財産期末残高"},
             })
            account(l);
        // An expense shared by units 1 and 2 (60 % and 40 %), coded after the other lines.
        account({.code = "51000", .a = 0, .b = 2, .c = 0, .name = "消耗品費"}, 60);
        account({.code = "51990", .a = 3, .b = 2, .c = 0, .name = "経常費用計"});
        for (const L& l : std::initializer_list<L>{
                 {.code = "41000", .a = 0, .b = 2, .c = 1, .name = "会費収入", .sNo = 100},
                 {.code = "*****", .a = 3, .b = 2, .c = 1, .name = "収入計", .sNo = 200},
                 {.code = "51000", .a = 0, .b = 2, .c = 0, .name = "消耗品費支出", .sNo = 300},
                 {.code = "*****", .a = 3, .b = 2, .c = 0, .name = "支出計", .sNo = 400},
                 {.code = "*****", .a = 7, .b = 2, .c = 1, .name = "当期収支差額", .sNo = 500},
                 {.code = "#1020", .a = 10, .b = 2, .c = 1, .name = "前期繰越収支差額", .sNo = 600},
                 {.code = "#0020", .a = 8, .b = 2, .c = 0, .name = "次期繰越収支差額", .sNo = 700},
                 {.code = "*****", .a = 9, .b = 2, .c = 0, .name = "見出し", .sNo = 800},
             })
            fundLine(l);
        subAccount("10200", "001", 500);
        subAccount("10300", "921");
        subAccount("10300", "926");
        voucher(
            {.sNo = 1, .date = "2015-04-10", .l = "10100", .r = "41000", .amount = 300, .text = "会費／4月"});
        voucher({.sNo = 2, .date = "2015-05-20", .l = "51000", .r = "20100", .amount = 50, .text = "消耗品"});
        voucher({.sNo = 3, .date = "2015-06-01", .l = "51000", .r = "10100", .amount = 1001}, 0);
        voucher({.sNo = 4, .date = "2015-06-02", .l = "10100", .r = "41000", .amount = 999}, 2);
        voucher({.sNo = 5, .date = "2015-06-30", .l = "10200", .r = "41000", .amount = 200, .lh = "001"});
        voucher({.sNo = 6, .date = "2016-04-01", .l = "10100", .r = "41000", .amount = 7});
    }

    PeriodChoice fullYear(int adjusting = 0, int unsettled = 0) {
        return {QDate(2015, 4, 1), QDate(2016, 3, 31), adjusting, unsettled};
    }
};

TEST_F(TotalsRun, StoresThePeriodAndTheFinishedFigures) {
    runTotals(session, fullYear(2, 1));
    EXPECT_EQ(work("SELECT \"自期日\" FROM \"Head\"").toString(), "2015-04-01");
    EXPECT_EQ(work("SELECT \"至期日\" FROM \"Head\"").toString(), "2016-03-31");
    EXPECT_EQ(session.adjustingVoucherMode, 2);
    EXPECT_EQ(session.unsettledVoucherMode, 1);

    runTotals(session, fullYear());
    struct Case {
        const char* code;
        const char* column;
        QVariant value;
    };
    const Case cases[] = {
        {"10100", "残高合計", 699}, // 1000 + 300 − 601 (the unit's share of the common 1001)
        {"10200", "残高合計", 700},
        {"10990", "残高合計", 1399},
        {"20990", "残高合計", 50},
        {"30300", "残高合計", 1349},
        {"30990", "残高合計", 1399},
        {"41000", "残高合計", 500}, // unit 2's line and the line after the period are left out
        {"51000", "借方", 651},
        {"42000", "残高合計", 0}, // a zero total is blank before finishing, 0 after
        {"62920", "残高合計", 1349},
        {"79900", "残高合計", 1349},
        {"10000", "残高合計", QVariant()}, // headings carry no amount
        {"10000", "当初予算", QVariant()},
        {"41000", "借方", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accountValue(c.code, c.column), c.value) << c.code << " " << c.column;
    EXPECT_DOUBLE_EQ(accountValue("41000", "比").toDouble(), 50.0);
    EXPECT_EQ(work("SELECT \"残高合計\" FROM \"hojokamoku\" WHERE \"kamoku_CD\"='10200'"), QVariant(700));

    EXPECT_EQ(fundValue(100, "貸方"), QVariant(500));
    EXPECT_EQ(fundValue(400, "残高合計"), QVariant(651));
    EXPECT_EQ(fundValue(600, "前残高"), QVariant(1500));
    EXPECT_EQ(fundValue(700, "残高合計"), QVariant(1349));
    EXPECT_EQ(fundValue(800, "残高合計"), QVariant());

    EXPECT_EQ(work("SELECT COUNT(*) FROM \"WTBL7\"").toInt(), 8);
    EXPECT_EQ(work("SELECT \"kinL\" FROM \"WTBL7\" WHERE \"code\"='10100' AND \"tekiyoumei\"='会費'"),
              QVariant(300));
    EXPECT_EQ(work("SELECT \"kin1\" FROM \"WTBL7\" WHERE \"code\"='51000' AND \"tekiyoumei\"='その他'"),
              QVariant(601));
    EXPECT_EQ(work("SELECT \"kingaku\" FROM \"WTBL\" WHERE \"kamokumei\" LIKE '%差　引%'").toDouble(),
              1349.0);
    EXPECT_FALSE(session.aaa.tableExists(QStringLiteral("WTBL")));
}

TEST_F(TotalsRun, UnitZeroWorksOnTheWorkCopiesAsTheyStand) {
    runTotals(session, fullYear());
    voucher({.sNo = 10, .date = "2015-07-01", .l = "10100", .r = "41000", .amount = 1});
    session.setCurrentUnit(0, QStringLiteral("合　計"));
    runTotals(session, fullYear());
    EXPECT_EQ(accountValue("41000", "残高合計"), QVariant(500));
}

TEST_F(TotalsRun, RefusesImpossibleAndReversedPeriods) {
    EXPECT_THROW(dateFromEntry({2015, 2, 30}, QStringLiteral("開始日")), PeriodError);
    EXPECT_THROW(dateFromEntry({2015, 13, 1}, QStringLiteral("開始日")), PeriodError);
    EXPECT_EQ(dateFromEntry({2016, 2, 29}, QStringLiteral("終了日")), QDate(2016, 2, 29));
    try {
        dateFromEntry({2015, 2, 30}, QStringLiteral("開始日"));
    } catch (const PeriodError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("開始日の日付（2015年2月30日）はありません。日付を確かめてください。"));
    }
    try {
        runTotals(session, {QDate(2015, 10, 1), QDate(2015, 9, 30), 0, 0});
        ADD_FAILURE() << "a start after the end must be refused";
    } catch (const PeriodError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("開始日が終了日より後になっています。期間を確かめてください。"));
    }
    EXPECT_THROW(runTotals(session, {QDate(2015, 4, 1), QDate(2015, 9, 30), 3, 0}), PeriodError);
    EXPECT_FALSE(work("SELECT \"自期日\" FROM \"Head\"").isValid());
    session.setCurrentUnit(-1, {});
    EXPECT_THROW(runTotals(session, fullYear()), K9Error);
}

TEST_F(TotalsRun, InvalidSubAccountFailsTheRunAndStoresNothing) {
    runTotals(session, fullYear());
    const QVariant cashBefore = accountValue("10100", "残高合計");
    voucher({.sNo = 8, .date = "2015-08-01", .l = "10300", .r = "10100", .amount = 10, .lh = "926"});
    voucher({.sNo = 9, .date = "2015-08-02", .l = "10300", .r = "10100", .amount = 5, .lh = "926"}, 0);
    voucher({.sNo = 11, .date = "2015-08-03", .l = "10300", .r = "10100", .amount = 3, .lh = "921"});
    try {
        runTotals(session, {QDate(2015, 7, 1), QDate(2015, 12, 31), 1, 1});
        ADD_FAILURE() << "the run must fail";
    } catch (const InvalidSubAccountError& e) {
        EXPECT_EQ(e.vouchers(), (std::vector<long long>{8, 9}));
        EXPECT_TRUE(
            e.message().startsWith(QStringLiteral("補助科目コードに不正がありましたので、この処理を終了して伝"
                                                  "票入力画面に入って\"伝票点検\"で確認してください。")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("伝票番号：8、9"))) << e.message().toStdString();
    }
    EXPECT_EQ(work("SELECT \"自期日\" FROM \"Head\"").toString(), "2015-04-01");
    EXPECT_EQ(accountValue("10100", "残高合計"), cashBefore);
    EXPECT_EQ(work("SELECT COUNT(*) FROM \"denpyou1\" WHERE \"SNo\" IN (8,9)").toInt(), 0);
    EXPECT_EQ(session.adjustingVoucherMode, 0);
    EXPECT_EQ(session.unsettledVoucherMode, 0);
}

TEST_F(TotalsRun, MonthlyDialogStoresThePeriodFromTheFiscalYearStart) {
    storeMonthlyPeriod(session, {QDate(2015, 9, 1), QDate(2015, 9, 30), 1, 1});
    EXPECT_EQ(work("SELECT \"自期日\" FROM \"Head\"").toString(), "2015-04-01");
    EXPECT_EQ(work("SELECT \"至期日\" FROM \"Head\"").toString(), "2015-09-30");
    EXPECT_EQ(session.adjustingVoucherMode, 1);
    EXPECT_EQ(work("SELECT COUNT(*) FROM \"denpyou1\"").toInt(), 0) << "no engine run";
    EXPECT_THROW(storeMonthlyPeriod(session, {QDate(), QDate(2015, 3, 31), 0, 0}), PeriodError);
    const PeriodChoice stored = storedPeriodChoice(session);
    EXPECT_EQ(stored.from, QDate(2015, 4, 1));
    EXPECT_EQ(stored.to, QDate(2015, 9, 30));
}

TEST_F(TotalsRun, SeparateOperationsLeaveFinishingToCalcC) {
    session.adjustingVoucherMode = 0;
    TCalc1(session).calcA(session.fiscalYearStart, QDate(2015, 4, 1), QDate(2016, 3, 31));
    TCalc2(session).calcA(session.fiscalYearStart, QDate(2015, 4, 1), QDate(2016, 3, 31));
    TCalc3(session).calcA();
    EXPECT_EQ(accountValue("42000", "残高合計"), QVariant());
    EXPECT_EQ(accountValue("10000", "残高合計"), QVariant(0));
    EXPECT_EQ(fundValue(700, "残高合計"), QVariant(1349));
    EXPECT_EQ(work("SELECT COUNT(*) FROM \"WTBL\"").toInt(), 10);
    TCalc1(session).calcC();
    TCalc2(session).calcC();
    EXPECT_EQ(accountValue("42000", "残高合計"), QVariant(0));
    EXPECT_EQ(accountValue("10000", "残高合計"), QVariant());
    EXPECT_EQ(fundValue(800, "差異"), QVariant());
    EXPECT_EQ(fundValue(100, "前残高"), QVariant(0));
}

TEST_F(TotalsRun, YearEndCarriesClosingBalancesIntoTheNextYear) {
    runTotals(session, fullYear());
    session.www.run(QStringLiteral(
        "UPDATE \"kamoku\" SET \"注記２\"='翌期注記', \"次年度予算\"=900 WHERE \"code\"='41000'"));
    session.www.run(
        QStringLiteral("UPDATE \"kamoku2\" SET \"次年度予算\"=800, \"予算\"=700 WHERE \"SNo\"=100"));
    TCalc1(session).calcB1();
    EXPECT_EQ(accountValue("10100", "期首繰越"), QVariant(699));
    EXPECT_EQ(accountValue("10100", "残高合計"), QVariant());
    EXPECT_EQ(accountValue("41000", "当初予算"), QVariant(500));
    EXPECT_EQ(accountValue("41000", "予算"), QVariant(500));
    EXPECT_EQ(accountValue("41000", "注記"), QVariant(QStringLiteral("翌期注記")));
    EXPECT_EQ(accountValue("41000", "次年度予算"), QVariant());
    EXPECT_EQ(accountValue("41000", "期首繰越"), QVariant());
    EXPECT_EQ(work("SELECT \"期首繰越\" FROM \"hojokamoku\" WHERE \"kamoku_CD\"='10200'"), QVariant(700));
    EXPECT_EQ(fundValue(100, "前年度予算"), QVariant(700));
    EXPECT_EQ(fundValue(100, "予算"), QVariant(800));
    EXPECT_EQ(fundValue(100, "残高合計"), QVariant());
}

TEST_F(TotalsRun, CutOffRenumbersTheRemainingJournal) {
    struct Case {
        int numbering;
        std::vector<long long> expected; // SNo of the remaining lines in (hizuke, SNo) order
    };
    const Case cases[] = {{0, {1, 2, 2, 3, 4}}, {1, {10001, 10002, 10002, 20001, 990001}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numbering);
        session.aaa.exec(QStringLiteral("DELETE FROM \"denpyou1\""));
        voucher({.sNo = 1, .date = "2015-05-01", .l = "10100", .r = "41000", .amount = 1});
        voucher({.sNo = 5, .date = "2016-04-02", .l = "10100", .r = "41000", .amount = 2});
        voucher({.sNo = 4, .date = "2016-04-01", .l = "10100", .r = "41000", .amount = 3});
        voucher({.sNo = 5, .date = "2016-04-02", .l = "51000", .r = "10100", .amount = 4});
        voucher({.sNo = 6, .date = "2016-04-03", .l = "10100", .r = "41000", .amount = 5}, 0);
        if (c.numbering == 1)
            voucher({.sNo = 7, .date = "2016-04-03", .l = "10100", .r = "41000", .amount = 6}, 2);
        else
            voucher({.sNo = 7, .date = "2016-04-04", .l = "10100", .r = "41000", .amount = 6}, 2);
        session.voucherNumbering = c.numbering;
        session.maxUnitIndex = 19;
        TCalc1(session).calcB2(QDate(2016, 3, 31));
        std::vector<long long> numbers;
        Statement st = session.aaa.prepare(
            QStringLiteral("SELECT \"SNo\",\"Sub_No\" FROM \"denpyou1\" WHERE \"FlgT\"<>0 OR ?1=0 "
                           "ORDER BY \"hizuke\",\"SNo\",\"Sub_No\""));
        st.bindInt(1, c.numbering);
        while (st.step())
            numbers.push_back(st.integer(0));
        if (c.numbering == 1)
            numbers.push_back(
                session.aaa.scalar(QStringLiteral("SELECT \"SNo\" FROM \"denpyou1\" WHERE \"FlgT\"=0"))
                    .toLongLong());
        EXPECT_EQ(numbers, c.expected);
        EXPECT_EQ(session.aaa.scalar(QStringLiteral("SELECT MAX(\"Sub_No\") FROM \"denpyou1\"")).toInt(), 2);
        EXPECT_EQ(
            session.aaa
                .scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name='denpyou1.hizuke'"))
                .toInt(),
            1);
    }
}

} // namespace
} // namespace k9::test
