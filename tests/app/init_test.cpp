// SPDX-License-Identifier: GPL-3.0-or-later
// Init on new and existing data folders: the tables of both folders, the tax classes, the
// unit rows, the Head defaults of a new fiscal year, and the reporting of failed steps.
#include "app/init.h"
#include "app/messages.h"
#include "appfixture.h"
#include "store/schema.h"
#include "store/tabledefs.h"

#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

QString headValue(Database& db, const char* column) {
    return db
        .scalar(QStringLiteral("SELECT %1 FROM \"Head\" LIMIT 1").arg(quoteId(QString::fromUtf8(column))))
        .toString();
}

struct FiscalYearCase {
    const char* name;
    QDate today;
    const char* start;
    const char* end;
};

// Test names and failures show the case by its name.
void PrintTo(const FiscalYearCase& c, std::ostream* os) {
    *os << c.name;
}

const FiscalYearCase kFiscalYearCases[] = {
    {"January", QDate(2016, 1, 15), "2015-04-01", "2016-03-31"},
    {"February", QDate(2016, 2, 29), "2015-04-01", "2016-03-31"},
    {"March", QDate(2016, 3, 1), "2016-04-01", "2017-03-31"},
    {"April", QDate(2016, 4, 1), "2016-04-01", "2017-03-31"},
    {"December", QDate(2016, 12, 31), "2016-04-01", "2017-03-31"},
};

class InitNewFolderTest : public ::testing::TestWithParam<FiscalYearCase> {};

TEST_P(InitNewFolderTest, CreatesTablesUnitsAndHeadDefaults) {
    const FiscalYearCase& c = GetParam();
    test::AppFolder app;
    InitResult result = app.init(c.today);
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    Session& s = app.session;

    EXPECT_EQ(s.workDir, s.appDir + QStringLiteral("WKData/"));
    for (const auto& def : tables::dataFolder())
        EXPECT_TRUE(s.aaa.tableExists(def.name)) << def.name.toStdString();
    for (const auto& def : tables::workFolder())
        EXPECT_TRUE(s.www.tableExists(def.name)) << def.name.toStdString();
    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("syohizei")), 15);

    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("BUMON")), 20);
    EXPECT_EQ(s.aaa.scalar(QStringLiteral("SELECT MIN(\"code\") || '-' || MAX(\"code\") FROM \"BUMON\""))
                  .toString(),
              QStringLiteral("0-19"));
    EXPECT_EQ(
        s.aaa.scalar(QStringLiteral("SELECT \"Bumonmei\" FROM \"BUMON\" WHERE \"code\" = 0")).toString(),
        QStringLiteral("合　計"));
    ASSERT_EQ(result.unitNames.size(), 20u);
    EXPECT_EQ(result.unitNames[0], QStringLiteral("合　計"));
    for (size_t i = 1; i < result.unitNames.size(); ++i)
        EXPECT_TRUE(result.unitNames[i].isEmpty()) << i;

    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("Head")), 1);
    EXPECT_EQ(headValue(s.aaa, "会計期首"), QString::fromLatin1(c.start));
    EXPECT_EQ(headValue(s.aaa, "自期日"), QString::fromLatin1(c.start));
    EXPECT_EQ(headValue(s.aaa, "至期日"), QString::fromLatin1(c.end));
    EXPECT_EQ(headValue(s.aaa, "PM1"), QStringLiteral("1"));
    EXPECT_EQ(headValue(s.aaa, "PM2"), QStringLiteral("1"));

    EXPECT_EQ(s.currentUnit, -1);
    EXPECT_EQ(s.taxClassNames[0], QStringLiteral("非課税"));
}

INSTANTIATE_TEST_SUITE_P(Today, InitNewFolderTest, ::testing::ValuesIn(kFiscalYearCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Init, SecondRunAddsNothingAndKeepsTheFiscalYear) {
    test::AppFolder app;
    ASSERT_TRUE(app.init(QDate(2016, 1, 15)).ok());
    Session& s = app.session;
    s.aaa.run(QStringLiteral(
        "UPDATE \"BUMON\" SET \"Bumonmei\" = '一般会計', \"F1\" = 1, \"F2\" = 4321 WHERE \"code\" = 1"));
    s.aaa.run(QStringLiteral("UPDATE \"BUMON\" SET \"Bumonmei\" = '小計', \"F1\" = 2 WHERE \"code\" = 5"));
    s.setCurrentUnit(1, QStringLiteral("一般会計"));

    InitResult again = app.init(QDate(2017, 6, 1));
    ASSERT_TRUE(again.ok()) << again.message().toStdString();
    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("syohizei")), 15);
    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("BUMON")), 20);
    EXPECT_EQ(s.aaa.rowCount(QStringLiteral("Head")), 1);
    EXPECT_EQ(headValue(s.aaa, "会計期首"), QStringLiteral("2015-04-01"));
    EXPECT_EQ(again.unitNames[1], QStringLiteral("一般会計"));
    EXPECT_EQ(again.unitNames[5], QStringLiteral("小計"));
    EXPECT_EQ(s.unitKind[1], 1);
    EXPECT_EQ(s.unitAccessCode[1], 4321);
    EXPECT_EQ(s.unitKind[5], 2);
    EXPECT_EQ(s.currentUnit, -1);
    EXPECT_TRUE(s.currentUnitName.isEmpty());
}

TEST(Init, KeepsANamedTotalRowAndAnExistingFiscalYear) {
    test::AppFolder app;
    app.session.connectDatabases();
    dataFolderSchema(app.session.aaa);
    app.session.aaa.insertRow(
        QStringLiteral("BUMON"),
        {{QStringLiteral("code"), 0}, {QStringLiteral("Bumonmei"), QStringLiteral("法人合計")}});
    app.session.aaa.insertRow(QStringLiteral("Head"),
                              {{QStringLiteral("会計期首"), QDate(2014, 4, 1)}, {QStringLiteral("PM1"), 0}});
    InitResult result = app.init(QDate(2016, 1, 15));
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result.unitNames[0], QStringLiteral("法人合計"));
    EXPECT_EQ(headValue(app.session.aaa, "会計期首"), QStringLiteral("2014-04-01"));
    EXPECT_EQ(headValue(app.session.aaa, "PM1"), QStringLiteral("0"));
}

// A data-folder upgrade that fails is reported with its reason; Init goes on with the
// steps that follow, so the unit list is still filled.
TEST(Init, ReportsAFailedSchemaUpgradeWithItsReason) {
    test::AppFolder app;
    Session& s = app.session;
    s.connectDatabases();
    // BUMON in an old shape (no F4, no key) holding the same code twice: the upgrade
    // cannot copy its rows into the keyed table.
    s.aaa.exec(QStringLiteral("CREATE TABLE \"BUMON\" (\"code\" INTEGER, \"Bumonmei\" VARCHAR(40), "
                              "\"Path\" VARCHAR(200), \"F1\" INTEGER, \"F2\" INTEGER, \"F3\" INTEGER)"));
    s.aaa.exec(
        QStringLiteral("INSERT INTO \"BUMON\" (\"code\", \"Bumonmei\") VALUES (1, '一般会計'), (1, '重複')"));

    InitResult result = app.init();
    ASSERT_FALSE(result.ok());
    ASSERT_EQ(result.errors.size(), 1);
    EXPECT_TRUE(result.errors[0].contains(QStringLiteral("BUMON"))) << result.errors[0].toStdString();
    EXPECT_TRUE(result.message().startsWith(msg::checkDataPath() + QLatin1Char('\n')));
    EXPECT_TRUE(result.message().endsWith(result.errors[0]));
    EXPECT_EQ(result.unitNames.size(), 20u);
    EXPECT_TRUE(s.aaa.tableExists(QStringLiteral("syohizei")));
}

TEST(Init, ReportsAnUnusableDataPath) {
    test::AppFolder app;
    QFile blocker(app.folders.path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app.session.dataPath = QStringLiteral("blocker/2015/");
    InitResult result = app.init();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().startsWith(msg::checkDataPath()));
    EXPECT_EQ(app.session.currentUnit, -1);
}

TEST(Init, DefaultFiscalYearTurnsInMarch) {
    const struct {
        QDate today;
        int year;
    } cases[] = {{QDate(2016, 1, 1), 2015},
                 {QDate(2016, 2, 29), 2015},
                 {QDate(2016, 3, 1), 2016},
                 {QDate(2016, 3, 31), 2016},
                 {QDate(2016, 12, 31), 2016}};
    for (const auto& c : cases)
        EXPECT_EQ(defaultFiscalYear(c.today), c.year) << c.today.toString(Qt::ISODate).toStdString();
}

} // namespace
} // namespace k9
