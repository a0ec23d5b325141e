// SPDX-License-Identifier: GPL-3.0-or-later
// The pickers' lists without windows: the account picker's order, display choice, jump
// buffer and Enter rules; the remembered display choice; the sub-account and fund-line
// pickers.
#include "chart/accountlist.h"
#include "chart/fundlinelist.h"
#include "chart/pickerfixture.h"
#include "chart/subaccountlist.h"
#include "store/errors.h"

#include <gtest/gtest.h>

using k9::AccountDisplay;
using k9::AccountPickerState;
using Outcome = k9::PickerCursor::Outcome;
using k9::test::LineSpec;

namespace {

struct AccountPickerTest : ::testing::Test, k9::test::PickerFixture {
    void SetUp() override {
        addWorkAccount("10000", "【資産の部】", {.a = std::nullopt, .b = 1});
        addWorkAccount("11100", "　現金", {.a = 0, .b = 1, .g = 1, .j = 1});
        addWorkAccount("11200", "　普通預金", {.a = 0, .b = 1, .d = 1, .g = 1});
        addWorkAccount("19000", "資産合計", {.a = 4, .b = 1});
        addWorkAccount("51000", "事業費", {.a = 3, .b = 2});
        addWorkAccount("51100", "　給料手当", {.a = 0, .b = 2, .h = 50});
        addWorkAccount("51500", "　他会計への繰出", {.a = 0, .b = 2, .h = 30});
        addWorkAccount("52100", "　水道光熱費", {.a = 0, .b = 2, .j = 1});
        addWorkAccount("52200", "　通信運搬費", {.a = 0, .b = 2});
        addWorkAccount("71100", "　会費収入", {.a = 0, .b = 2, .c = 1});
        state.reload(session.www);
    }
    QString currentCode() const { return state.current() ? state.current()->code : QString(); }
    void type(const char* keys) {
        for (QChar c : QString::fromUtf8(keys))
            state.typeCharacter(c);
    }
    AccountPickerState state;
};

} // namespace

TEST_F(AccountPickerTest, ListsTheWorkingChartInCodeOrderWithIndentation) {
    ASSERT_EQ(state.rowCount(), 10);
    EXPECT_EQ(state.line(0).code, "10000");
    EXPECT_EQ(state.line(1).name, "　現金");
    EXPECT_EQ(state.line(9).code, "71100");
    EXPECT_EQ(currentCode(), "10000");
}

TEST_F(AccountPickerTest, DigitsAndEnterJumpToTheFirstCodeAtOrAboveThem) {
    struct Case {
        const char* start;
        const char* keys;
        const char* landsOn;
    };
    const Case cases[] = {
        {"10000", "52", "52100"},  {"71100", "52", "52100"}, {"10000", "5", "51000"},
        {"10000", "112", "11200"}, {"10000", "99", "71100"}, {"10000", "５２", "52100"},
    };
    for (const auto& c : cases) {
        state.positionNear(QString::fromUtf8(c.start));
        type(c.keys);
        EXPECT_EQ(state.pressEnter(), Outcome::Moved) << c.keys;
        EXPECT_EQ(currentCode(), QString::fromUtf8(c.landsOn)) << c.keys;
        EXPECT_TRUE(state.jumpBuffer().isEmpty()) << c.keys;
    }
}

TEST_F(AccountPickerTest, SecondEnterChoosesAPostableAccount) {
    type("52");
    state.pressEnter();
    EXPECT_EQ(state.pressEnter(), Outcome::Chosen);
    EXPECT_EQ(currentCode(), "52100");
    ASSERT_TRUE(state.current().has_value());
    EXPECT_TRUE(state.current()->postable);
}

TEST_F(AccountPickerTest, EnterOnALineThatCannotBeChosenStepsDown) {
    struct Case {
        const char* on;
        const char* next;
    };
    // A heading, a block total, a total, and an activity line with fund link 30.
    const Case cases[] = {{"10000", "11100"}, {"19000", "51000"}, {"51000", "51100"}, {"51500", "52100"}};
    for (const auto& c : cases) {
        state.positionNear(QString::fromUtf8(c.on));
        EXPECT_EQ(state.pressEnter(), Outcome::Moved) << c.on;
        EXPECT_EQ(currentCode(), QString::fromUtf8(c.next)) << c.on;
    }
}

TEST_F(AccountPickerTest, OtherCharactersStepDownOnlyWhileTheBufferIsEmpty) {
    state.positionNear("11100");
    EXPECT_EQ(state.typeCharacter(QLatin1Char('a')), Outcome::Moved);
    EXPECT_EQ(currentCode(), "11200");
    EXPECT_EQ(state.typeCharacter(QLatin1Char('1')), Outcome::Buffered);
    EXPECT_EQ(state.typeCharacter(QLatin1Char('a')), Outcome::None);
    EXPECT_EQ(currentCode(), "11200");
    EXPECT_EQ(state.jumpBuffer().digits(), "1");
}

TEST_F(AccountPickerTest, TheJumpBufferWaitsAcrossOpenings) {
    type("7");
    state.reload(session.www); // the picker opens again
    EXPECT_EQ(state.jumpBuffer().digits(), "7");
    state.pressEnter();
    EXPECT_EQ(currentCode(), "71100");
}

TEST_F(AccountPickerTest, DoubleClickChoosesOnlyPostableAccounts) {
    EXPECT_EQ(state.doubleClick(state.rowOfCode("19000")), Outcome::Moved);
    EXPECT_EQ(state.doubleClick(state.rowOfCode("11100")), Outcome::Chosen);
}

TEST_F(AccountPickerTest, MarkedOnlyKeepsHeadingsTotalsAndMarkedAccounts) {
    state.positionNear("52100");
    state.setDisplay(AccountDisplay::MarkedOnly);
    QStringList shown;
    for (int r = 0; r < state.rowCount(); ++r)
        shown << state.line(r).code;
    EXPECT_EQ(shown, QStringList({"10000", "11100", "19000", "51000", "52100"}));
    EXPECT_EQ(currentCode(), "52100") << "the cursor stays on a code that is still shown";

    state.positionNear("52100");
    state.setDisplay(AccountDisplay::All);
    state.positionNear("52200");
    state.setDisplay(AccountDisplay::MarkedOnly);
    EXPECT_EQ(currentCode(), "10000") << "a code no longer shown sends the cursor to the first line";
}

TEST_F(AccountPickerTest, MarkedOnlyWithNoMarkedAccountOffersNothingToChoose) {
    session.www.run("UPDATE kamoku SET FlgJ = NULL");
    state.reload(session.www);
    state.setDisplay(AccountDisplay::MarkedOnly);
    ASSERT_EQ(state.rowCount(), 3);
    for (int r = 0; r < state.rowCount(); ++r)
        EXPECT_FALSE(state.isSelectable(r)) << state.line(r).code.toStdString();
    state.setCurrentRow(0);
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(state.pressEnter(), Outcome::Chosen);
}

TEST_F(AccountPickerTest, PickedAccountCarriesNatureAndSubAccountFlag) {
    state.positionNear("71100");
    auto picked = state.current();
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->flgC, 1);
    state.positionNear("11200");
    EXPECT_EQ(state.current()->flgD, 1);
    EXPECT_EQ(state.current()->name, "　普通預金");
}

TEST(AccountDisplayChoice, IsRememberedInRegistRowTwo) {
    k9::test::SessionFixture f;
    EXPECT_FALSE(k9::readAccountDisplay(f.session.hm).has_value());
    EXPECT_TRUE(k9::storeAccountDisplay(f.session.hm, AccountDisplay::MarkedOnly));
    EXPECT_EQ(k9::readAccountDisplay(f.session.hm), AccountDisplay::MarkedOnly);
    EXPECT_TRUE(k9::storeAccountDisplay(f.session.hm, AccountDisplay::All));
    EXPECT_EQ(k9::readAccountDisplay(f.session.hm), AccountDisplay::All);
    EXPECT_EQ(f.session.hm.scalar("SELECT COUNT(*) FROM Regist WHERE ID = 2").toInt(), 1);
}

TEST(AccountDisplayChoice, IsNotStoredInViewOnlyMode) {
    k9::test::SessionFixture f;
    f.session.setViewOnly(true);
    EXPECT_FALSE(k9::storeAccountDisplay(f.session.hm, AccountDisplay::MarkedOnly));
    EXPECT_FALSE(k9::readAccountDisplay(f.session.hm).has_value());
    EXPECT_THROW(f.session.hm.insertRow("Regist", {{"ID", 2}}), k9::ViewOnlyError);
}

TEST(SubAccountPickers, ListOneAccountOrAllWithTheAccountName) {
    k9::test::PickerFixture f;
    f.addWorkAccount("11200", "　普通預金", {.a = 0, .b = 1, .d = 1});
    f.addWorkAccount("21100", "　借入金", {.a = 0, .b = 1, .c = 1, .d = 1});
    f.addWorkSubAccount("21100", "101", "公庫");
    f.addWorkSubAccount("11200", "002", "B銀行");
    f.addWorkSubAccount("11200", "001", "A銀行");

    auto one = k9::loadSubAccountLines(f.session.www, "11200");
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0].code, "001");
    EXPECT_EQ(one[1].name, "B銀行");

    k9::SubAccountPickerState single;
    single.setLines(one);
    EXPECT_EQ(single.typeCharacter(QLatin1Char('2')), Outcome::None)
        << "no jump buffer on one account's list";
    single.setCurrentRow(1);
    EXPECT_EQ(single.pressEnter(), Outcome::Chosen);
    EXPECT_EQ(single.current()->code, "002");

    k9::AllSubAccountPickerState all;
    all.setLines(k9::loadAllSubAccountLines(f.session.www));
    ASSERT_EQ(all.rowCount(), 3);
    EXPECT_EQ(all.line(0).accountName, "　普通預金");
    EXPECT_EQ(all.line(2).accountCode, "21100");
    for (QChar c : QStringLiteral("2"))
        all.typeCharacter(c);
    EXPECT_EQ(all.pressEnter(), Outcome::Moved);
    EXPECT_EQ(all.current()->code, "101");
    EXPECT_EQ(all.pressEnter(), Outcome::Chosen);
}

TEST(FundLinePicker, NeverReturnsTheFundBalanceLines) {
    k9::test::PickerFixture f;
    f.addFundLine(100, "#0000", "事業活動収入", {.a = 3, .c = 1});
    f.addFundLine(200, "71100", "会費収入", {.a = 0, .c = 1});
    f.addFundLine(300, "#0020", "次期繰越収支差額", {.a = 0});
    f.addFundLine(400, "#1020", "前期繰越収支差額", {.a = 0});
    f.addFundLine(500, "51100", "給料手当", {.a = 0, .d = 1});

    k9::FundLinePickerState state;
    state.setLines(k9::loadFundLines(f.session.aaa));
    ASSERT_EQ(state.rowCount(), 5);

    state.positionNear(300);
    EXPECT_FALSE(state.chosen().has_value());
    EXPECT_EQ(state.pressEnter(), Outcome::Moved);
    EXPECT_EQ(state.line(state.currentRow()).code, "#1020");
    EXPECT_EQ(state.pressEnter(), Outcome::Moved);
    EXPECT_EQ(state.pressEnter(), Outcome::Chosen);
    ASSERT_TRUE(state.chosen().has_value());
    EXPECT_EQ(state.chosen()->sNo, 500);
    EXPECT_EQ(state.doubleClick(2), Outcome::Moved);
    EXPECT_FALSE(state.chosen().has_value());

    for (int row = 0; row < state.rowCount(); ++row) {
        state.setCurrentRow(row);
        if (auto line = state.chosen()) {
            EXPECT_NE(line->code, "#0020");
            EXPECT_NE(line->code, "#1020");
        }
    }
}

TEST(FundLinePicker, JumpsBySerialNumber) {
    k9::test::PickerFixture f;
    for (long long sNo : {100, 200, 300})
        f.addFundLine(sNo, QString::number(sNo), "line", {.a = 0});
    k9::FundLinePickerState state;
    state.setLines(k9::loadFundLines(f.session.aaa));
    struct Case {
        const char* typed;
        long long landsOn;
    };
    const Case cases[] = {{"150", 200}, {"300", 300}, {"999", 300}, {"0", 100}};
    for (const auto& c : cases) {
        state.setCurrentRow(0);
        EXPECT_TRUE(state.jumpToTypedNumber(QString::fromUtf8(c.typed))) << c.typed;
        EXPECT_EQ(state.line(state.currentRow()).sNo, c.landsOn) << c.typed;
        state.setCurrentRow(0);
        for (QChar ch : QString::fromUtf8(c.typed))
            state.typeCharacter(ch);
        state.pressEnter();
        EXPECT_EQ(state.line(state.currentRow()).sNo, c.landsOn) << c.typed;
    }
    EXPECT_FALSE(state.jumpToTypedNumber("abc"));
}
