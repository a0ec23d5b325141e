// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a unit on the main menu: refusals, the buttons each choice shows, the cash-entry
// setting, leaving the unit list (session values and the unit's report header), the
// report-period reset and the check of unit-bound menu actions.
#include "app/messages.h"
#include "app/unitselection.h"
#include "appfixture.h"
#include "store/prompter.h"

#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

struct RefusalCase {
    const char* name;
    int entry;
    const char* entryText;
    int unitKind;
    int accessCode;
    int rightsMode;
    const char* loginText;
    bool selected;
    QString message;
};

// Test names and failures show the case by its name.
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusalCase kRefusalCases[] = {
    {"OrdinaryUnit", 1, "一般会計", 1, 0, 0, "5807", true, {}},
    {"EmptyNameSelectsNothing", 3, "", 0, 0, 0, "5807", false, {}},
    {"BlankNameSelectsNothing", 3, "　", 0, 0, 0, "5807", false, {}},
    {"SubtotalUnitRefused", 4, "小計", 2, 0, 0, "5807", false, msg::subtotalUnit()},
    {"LaterSubtotalKindRefused", 4, "小計", 3, 0, 0, "5807", false, msg::subtotalUnit()},
    {"AccessCodeIgnoredWithoutRights", 2, "事業会計", 1, 4321, 0, "5807", true, {}},
    {"AccessCodeMatches", 2, "事業会計", 1, 4321, 1, "4321", true, {}},
    {"AccessCodeDiffers", 2, "事業会計", 1, 4321, 1, "5807", false, msg::noRights()},
    {"ThreeDigitCodeMatchesLeadingZero", 2, "事業会計", 1, 123, 1, "0123", true, {}},
    {"ThreeDigitCodeNeedsLeadingZero", 2, "事業会計", 1, 123, 1, "123", false, msg::noRights()},
    {"ZeroCodeMatchesFourZeros", 2, "事業会計", 1, 0, 1, "0000", true, {}},
    {"TotalWithRights", 0, "合　計", 0, 5807, 1, "5807", true, {}},
};

class UnitRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UnitRefusalTest, ClickOutcome) {
    const RefusalCase& c = GetParam();
    Session s;
    s.maxUnitIndex = 19;
    s.unitKind[c.entry] = c.unitKind;
    s.unitAccessCode[c.entry] = c.accessCode;
    s.rightsMode = c.rightsMode;
    s.loginPassword = QString::fromUtf8(c.loginText);
    const MainMenuState before;
    UnitClick click = clickUnitEntry(s, before, c.entry, QString::fromUtf8(c.entryText), false);
    EXPECT_EQ(click.selected, c.selected);
    EXPECT_EQ(click.message, c.message);
    if (!c.selected) {
        EXPECT_EQ(click.menu, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Units, UnitRefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MenuCase {
    const char* name;
    int entry;
    bool cashHidden;
    MainMenuState expected;
};

// Test names and failures show the case by its name.
void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.name;
}

MainMenuState menu(bool transfer, bool cash, bool consolidation, bool report, int height) {
    MainMenuState m;
    m.transferEntryVisible = transfer;
    m.cashEntryVisible = cash;
    m.consolidationVisible = consolidation;
    m.summaryVisible = false;
    m.reportPanelVisible = report;
    m.transferEntryHeight = height;
    return m;
}

const MenuCase kMenuCases[] = {
    {"UnitShowsEntryAndReports", 1, false, menu(true, true, false, true, 40)},
    {"UnitWithCashEntryHidden", 1, true, menu(true, false, false, true, 50)},
    {"TotalOffersConsolidationOnly", 0, false, menu(false, false, true, false, 40)},
    {"TotalWithCashEntryHidden", 0, true, menu(false, false, true, false, 40)},
};

class UnitMenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(UnitMenuTest, ButtonsOfTheChoice) {
    const MenuCase& c = GetParam();
    Session s;
    s.maxUnitIndex = 19;
    MainMenuState before;
    before.summaryVisible = true; // left over from an earlier consolidation
    UnitClick click = clickUnitEntry(s, before, c.entry, QStringLiteral("会計"), c.cashHidden);
    ASSERT_TRUE(click.selected);
    EXPECT_EQ(click.menu, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitMenuTest, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainTab, UnitDataPanelFollowsVoucherNumberingAndTotalKeepsItsButtons) {
    Session s;
    MainMenuState start;
    s.voucherNumbering = 1;
    MainMenuState none = mainTabShown(s, start, -1, false);
    EXPECT_TRUE(none.unitDataPanelVisible);
    EXPECT_TRUE(none.transferEntryVisible);
    EXPECT_TRUE(none.cashEntryVisible);

    s.voucherNumbering = 0;
    MainMenuState total = mainTabShown(s, start, 0, false);
    EXPECT_FALSE(total.unitDataPanelVisible);
    EXPECT_TRUE(total.consolidationVisible);
    EXPECT_FALSE(total.reportPanelVisible);
    EXPECT_FALSE(total.cashEntryVisible);

    MainMenuState hidden = mainTabShown(s, start, 3, true);
    EXPECT_FALSE(hidden.cashEntryVisible);
    EXPECT_EQ(hidden.transferEntryHeight, 50);
}

TEST(CashEntrySetting, ReadsRegistRow400) {
    test::AppFolder app;
    Database& hm = app.session.hm;
    EXPECT_FALSE(cashEntryButtonHidden(hm));
    hm.insertRow(QStringLiteral("Regist"), {{QStringLiteral("ID"), 400}, {QStringLiteral("P1"), 1}});
    EXPECT_TRUE(cashEntryButtonHidden(hm));
    hm.updateRows(QStringLiteral("Regist"), {{QStringLiteral("P1"), 0}}, QStringLiteral("\"ID\" = 400"));
    EXPECT_FALSE(cashEntryButtonHidden(hm));
}

class LeaveUnitListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.init(QDate(2016, 1, 15)).ok());
        Database& aaa = app.session.aaa;
        aaa.updateRows(QStringLiteral("Head"),
                       {{QStringLiteral("代表者"), QStringLiteral("山田太郎")},
                        {QStringLiteral("職印１"), QStringLiteral("理事長")},
                        {QStringLiteral("PM1"), 0},
                        {QStringLiteral("PM2"), 0}},
                       QString());
        app.session.corporationName = QStringLiteral("社団法人テスト会");
    }
    QString workHead(const char* column) {
        return app.session.www
            .scalar(QStringLiteral("SELECT %1 FROM \"Head\" LIMIT 1").arg(quoteId(QString::fromUtf8(column))))
            .toString();
    }
    test::AppFolder app;
};

TEST_F(LeaveUnitListTest, SetsTheUnitAndRefreshesItsReportHeader) {
    Session& s = app.session;
    leaveUnitList(s, 2, QStringLiteral("事業会計"));
    EXPECT_EQ(s.currentUnit, 2);
    EXPECT_EQ(s.currentUnitText, QStringLiteral("2"));
    EXPECT_EQ(s.currentUnitName, QStringLiteral("事業会計"));
    EXPECT_EQ(s.voucherNumbering, 0);
    EXPECT_EQ(s.datePrintStyle, 0);
    EXPECT_EQ(s.fiscalYearStart, QDate(2015, 4, 1));
    EXPECT_EQ(s.www.rowCount(QStringLiteral("Head")), 1);
    EXPECT_EQ(workHead("法人名"), QStringLiteral("社団法人テスト会"));
    EXPECT_EQ(workHead("施設名"), QStringLiteral("事業会計"));
    EXPECT_EQ(workHead("代表者"), QStringLiteral("山田太郎"));
    EXPECT_EQ(workHead("職印１"), QStringLiteral("理事長"));
    EXPECT_EQ(workHead("会計期首"), QStringLiteral("2015-04-01"));
    EXPECT_EQ(workHead("至期日"), QStringLiteral("2016-03-31"));
}

TEST_F(LeaveUnitListTest, KeepsFilledWorkColumnsButAlwaysTakesSealsAndFiscalYear) {
    Session& s = app.session;
    leaveUnitList(s, 1, QStringLiteral("一般会計"));
    s.www.updateRows(QStringLiteral("Head"),
                     {{QStringLiteral("代表者"), QStringLiteral("別人")},
                      {QStringLiteral("職印１"), QStringLiteral("古い印")},
                      {QStringLiteral("自期日"), QDate(2015, 10, 1)}},
                     QString());
    s.aaa.updateRows(
        QStringLiteral("Head"),
        {{QStringLiteral("職印１"), QStringLiteral("会長")}, {QStringLiteral("会計期首"), QDate(2015, 5, 1)}},
        QString());
    leaveUnitList(s, -1, QString());
    EXPECT_EQ(s.currentUnit, -1);
    EXPECT_EQ(s.currentUnitText, QStringLiteral("-1"));
    EXPECT_TRUE(s.currentUnitName.isEmpty());
    EXPECT_EQ(workHead("代表者"), QStringLiteral("別人"));
    EXPECT_EQ(workHead("自期日"), QStringLiteral("2015-10-01"));
    EXPECT_EQ(workHead("職印１"), QStringLiteral("会長"));
    EXPECT_EQ(workHead("会計期首"), QStringLiteral("2015-05-01"));
    EXPECT_TRUE(workHead("施設名").isEmpty());
}

TEST_F(LeaveUnitListTest, PeriodResetCoversTheWholeFiscalYear) {
    Session& s = app.session;
    leaveUnitList(s, 1, QStringLiteral("一般会計"));
    s.www.updateRows(
        QStringLiteral("Head"),
        {{QStringLiteral("自期日"), QDate(2015, 10, 1)}, {QStringLiteral("至期日"), QDate(2015, 12, 31)}},
        QString());
    s.aaa.updateRows(QStringLiteral("Head"), {{QStringLiteral("会計期首"), QDate(2016, 1, 1)}}, QString());
    resetWorkHeadPeriod(s);
    EXPECT_EQ(workHead("自期日"), QStringLiteral("2016-01-01"));
    EXPECT_EQ(workHead("至期日"), QStringLiteral("2016-12-31"));
}

TEST_F(LeaveUnitListTest, PeriodResetAddsTheWorkRowWhenMissing) {
    Session& s = app.session;
    ASSERT_EQ(s.www.rowCount(QStringLiteral("Head")), 0);
    resetWorkHeadPeriod(s);
    EXPECT_EQ(s.www.rowCount(QStringLiteral("Head")), 1);
    EXPECT_EQ(workHead("自期日"), QStringLiteral("2015-04-01"));
    EXPECT_EQ(workHead("至期日"), QStringLiteral("2016-03-31"));
}

TEST(RequireUnit, NotSelectedShowsTheMessage) {
    Session s;
    RecordingPrompter prompter;
    EXPECT_FALSE(requireUnit(s, prompter));
    EXPECT_EQ(prompter.texts(), QStringList{msg::unitNotSelected()});

    prompter.clear();
    s.setCurrentUnit(0, QStringLiteral("合　計"));
    EXPECT_TRUE(requireUnit(s, prompter));
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
} // namespace k9
