// SPDX-License-Identifier: GPL-3.0-or-later
// The engine on the shipped standard chart (Data1): the worked example of one unit's year
// and a longer journal, each for periods from April and from later months; the trial
// balance's check pairs must agree (assets = liabilities + net assets in 残高合計 and
// 前残高, net assets on the balance sheet = on the statement of changes, the fund net of the
// balance sheet = the closing fund balance of the fund statement).
#include "app/unitregister.h"
#include "chart/chartsync.h"
#include "chart/templates.h"
#include "engine/runtotals.h"
#include "store/database.h"
#include "unitfixture.h"

#include <QDir>
#include <QFileInfo>

namespace k9::test {
namespace {

struct Opening {
    const char* code;
    const char* sub; // "" for an account without sub-accounts
    long long amount;
};

struct StandardChart : ::testing::Test, UnitFixture {
    StandardChart() {
        const auto& standard = chartTemplates().front();
        const QString file = templateDatabaseFile(session.appDir, standard.folder);
        QDir().mkpath(QFileInfo(file).path());
        const QString sources = templateSourceRoot();
        EXPECT_FALSE(sources.isEmpty()) << "the chart template sources are missing";
        buildTemplateDatabase(QDir(sources).filePath(standard.folder), file);
        copyTemplateChart(session, 0);
        session.aaa.insertRow(QStringLiteral("BUMON"),
                              {{"code", 1}, {"Bumonmei", QStringLiteral("本部")}, {"F1", 1}});
        syncChartToUnits(session.aaa, session.www, UnitSubAccountNames::Common);
    }

    void open(std::initializer_list<Opening> openings) {
        for (const auto& o : openings) {
            const QString code = QString::fromUtf8(o.code);
            if (*o.sub) {
                ASSERT_EQ(
                    session.aaa.run(
                        QStringLiteral("UPDATE \"Mhojokamoku\" SET \"期首繰越\"=?1 WHERE \"B_ID\"=1 AND "
                                       "\"kamoku_CD\"=?2 AND \"hojo_CD\"=?3"),
                        {o.amount, code, QString::fromUtf8(o.sub)}),
                    1)
                    << o.code << " " << o.sub;
            }
            // An account with sub-accounts opens with the sum of theirs.
            ASSERT_EQ(session.aaa.run(
                          QStringLiteral("UPDATE \"Mkamoku\" SET \"期首繰越\"=IFNULL(\"期首繰越\",0)+?1 "
                                         "WHERE \"B_ID\"=1 AND \"code\"=?2"),
                          {o.amount, code}),
                      1)
                << o.code;
        }
    }

    long long sum(const char* sql) { return session.www.scalar(QString::fromUtf8(sql)).toLongLong(); }

    void expectCheckPairsAgree(const char* context) {
        SCOPED_TRACE(context);
        const long long debit =
            sum("SELECT SUM(\"残高合計\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=0");
        const long long credit =
            sum("SELECT SUM(\"残高合計\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=1");
        EXPECT_EQ(debit, credit) << "借方合計 / 貸方合計";
        EXPECT_EQ(
            sum("SELECT SUM(\"前残高\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=0"),
            sum("SELECT SUM(\"前残高\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=1"))
            << "前残高";
        EXPECT_EQ(sum("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgG\"=140"),
                  sum("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgG\"=141"))
            << "正味財産合計（B/S） / 正味財産合計（P/L）";
        EXPECT_EQ(
            sum("SELECT SUM(CASE WHEN \"FlgC\"=0 THEN \"残高合計\" ELSE -\"残高合計\" END) FROM \"kamoku\" "
                "WHERE \"FlgG\"=1"),
            sum("SELECT \"残高合計\" FROM \"kamoku2\" WHERE \"code\"='#0020' AND \"FlgB\"=2"))
            << "流動資産－流動負債（B/S） / 次期繰越収支差額（C/F）";
        EXPECT_EQ(sum("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgA\"=4 AND \"FlgC\"=0"),
                  sum("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgA\"=5"))
            << "資産合計 / 負債及び正味財産合計";
    }

    long long closing(const char* code) {
        return session.www
            .scalar(QStringLiteral("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"code\"=?1"),
                    {QString::fromUtf8(code)})
            .toLongLong();
    }
};

const std::initializer_list<Opening> kWorkedOpenings = {
    {"10120", "001", 1000000}, {"10350", "921", 5000000}, {"20100", "", 200000},
    {"30130", "", 5000000},    {"30300", "", 800000},     {"30200", "", 5000000},
};

void workedVouchers(UnitFixture& f) {
    f.voucher({.sNo = 1, .date = "2015-04-10", .l = "10120", .r = "41310", .amount = 300000, .lh = "001"});
    f.voucher({.sNo = 2, .date = "2015-05-20", .l = "51090", .r = "20100", .amount = 50000});
    f.voucher({.sNo = 3, .date = "2015-06-30", .l = "20100", .r = "10120", .amount = 250000, .rh = "001"});
    f.voucher({.sNo = 4, .date = "2015-07-31", .l = "71500", .r = "41730", .amount = 100000, .lh = "904"});
}

TEST_F(StandardChart, WorkedExampleOfOneYear) {
    open(kWorkedOpenings);
    workedVouchers(*this);
    runTotals(session, {QDate(2015, 4, 1), QDate(2016, 3, 31), 0, 0});
    struct Case {
        const char* code;
        long long closing;
    };
    const Case cases[] = {
        {"10120", 1050000}, {"10990", 6050000}, {"20100", 0},       {"30130", 4900000}, {"30190", 4900000},
        {"30200", 5000000}, {"30300", 1150000}, {"30900", 6050000}, {"30990", 6050000}, {"41300", 300000},
        {"41700", 100000},  {"41990", 400000},  {"59900", 50000},   {"60200", 350000},  {"62900", 350000},
        {"62910", 800000},  {"62920", 1150000}, {"71500", -100000}, {"79000", -100000}, {"79100", 5000000},
        {"79200", 4900000}, {"79900", 6050000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(closing(c.code), c.closing) << c.code;
    EXPECT_EQ(sum("SELECT \"前残高\" FROM \"kamoku2\" WHERE \"code\"='#1020'"), 800000);
    EXPECT_EQ(sum("SELECT \"残高合計\" FROM \"kamoku2\" WHERE \"code\"='#0020'"), 1050000);
    expectCheckPairsAgree("2015-04-01");

    runTotals(session, {QDate(2015, 6, 1), QDate(2016, 3, 31), 0, 0});
    EXPECT_EQ(closing("10990"), 6050000);
    EXPECT_EQ(sum("SELECT SUM(\"前残高\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=0"),
              6300000);
    expectCheckPairsAgree("2015-06-01");
}

TEST_F(StandardChart, LongerJournalKeepsTheCheckPairs) {
    open(kWorkedOpenings);
    open({{"10540", "", 100000}, {"30300", "", 100000}, {"10100", "", 50000}, {"20220", "", 50000}});
    workedVouchers(*this);
    const J more[] = {
        {.sNo = 5,
         .date = "2015-08-01",
         .l = "10350",
         .r = "10120",
         .amount = 1000000,
         .lh = "921",
         .rh = "001"},
        {.sNo = 6,
         .date = "2015-08-15",
         .l = "10120",
         .r = "10350",
         .amount = 200000,
         .lh = "001",
         .rh = "921"},
        {.sNo = 7, .date = "2015-09-01", .l = "10410", .r = "71210", .amount = 500000, .lh = "922"},
        {.sNo = 8, .date = "2015-09-10", .l = "10120", .r = "71010", .amount = 300000, .lh = "001"},
        {.sNo = 9, .date = "2015-09-11", .l = "71500", .r = "41540", .amount = 100000, .lh = "901"},
        {.sNo = 10, .date = "2015-10-01", .l = "51070", .r = "10540", .amount = 20000},
        {.sNo = 11,
         .date = "2015-10-15",
         .l = "10120",
         .r = "10540",
         .amount = 150000,
         .right = 80000,
         .lh = "001"},
        {.sNo = 11, .date = "2015-10-15", .l = "", .r = "61000", .amount = kBlank, .right = 70000},
        {.sNo = 12,
         .date = "2015-11-01",
         .l = "10120",
         .r = "20210",
         .amount = 1000000,
         .lh = "001",
         .rh = "101"},
        {.sNo = 13,
         .date = "2015-12-01",
         .l = "20210",
         .r = "10120",
         .amount = 100000,
         .lh = "101",
         .rh = "001"},
        {.sNo = 14, .date = "2015-12-10", .l = "20220", .r = "10100", .amount = 50000},
        {.sNo = 15, .date = "2016-01-10", .l = "10120", .r = "62210", .amount = 80000, .lh = "001"},
        {.sNo = 16, .date = "2016-03-31", .l = "10210", .r = "41820", .amount = 30000},
        {.sNo = 17, .date = "2016-03-31", .l = "71400", .r = "10340", .amount = 40000, .rh = "921"},
    };
    for (const auto& j : more)
        voucher(j);
    for (const QDate from : {QDate(2015, 4, 1), QDate(2015, 7, 1), QDate(2015, 10, 1)}) {
        runTotals(session, {from, QDate(2016, 3, 31), 0, 0});
        expectCheckPairsAgree(from.toString(Qt::ISODate).toUtf8().constData());
    }
}

} // namespace
} // namespace k9::test
