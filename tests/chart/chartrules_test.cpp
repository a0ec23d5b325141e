// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the chart editor: the transfer role FlgG 30, code and SNo refusals, line
// colours, the code jump in both directions, and when sub-accounts may be set up.
#include "chart/chartfixture.h"
#include "chart/chartmessages.h"
#include "chart/chartrules.h"
#include "chart/pickertexts.h"

#include <gtest/gtest.h>

using namespace k9;

namespace {

const Flag blank;

} // namespace

TEST(TransferRole, WhichLinesTakeIt) {
    struct Case {
        Flag flgA;
        const char* name;
        Flag flgG;
        bool expected;
    };
    const Case cases[] = {
        {0, "他会計からの繰入額", blank, true},
        {0, "　他会計への繰出額", blank, true},
        {0, "他会計からの繰入額", 1, false}, // an explicit FlgG is kept
        {0, "他会計からの繰入額", 0, false}, // 0 is not blank
        {0, "他会計からの繰入額", 30, false},
        {blank, "他会計からの繰入額", blank, false}, // a blank FlgA does not read "0"
        {1, "他会計からの繰入額計", blank, false},
        {0, "受取会費", blank, false},
        {0, "繰入金", blank, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(takesTransferRole(c.flgA, QString::fromUtf8(c.name), c.flgG), c.expected) << c.name;
}

TEST(TransferRole, OpeningTheChartSetsItOnAccountsAndFundLines) {
    test::ChartFolders f;
    Database& db = f.aaa();
    test::addAccount(db, "71000", QStringLiteral("他会計からの繰入額"), {{"FlgA", 0}});
    test::addAccount(db, "71100", QStringLiteral("本部からの繰入額"), {{"FlgA", 0}, {"FlgG", 1}});
    test::addAccount(db, "51000", QStringLiteral("他会計への繰出額"), {{"FlgA", 0}});
    test::addAccount(db, "51100", QStringLiteral("他会計への繰出額計"), {{"FlgA", 3}});
    test::addAccount(db, "51200", QStringLiteral("事務費"), {{"FlgA", 0}});
    test::addFundLine(db, 100, "71000", QStringLiteral("他会計からの繰入収入"), {{"FlgA", 0}});
    test::addFundLine(db, 200, "51000", QStringLiteral("他会計への繰出支出"), {{"FlgA", 0}, {"FlgG", 500}});

    EXPECT_EQ(applyTransferRoles(db), 3);

    auto flgG = [&](const char* sql) { return db.scalar(QString::fromUtf8(sql)); };
    EXPECT_EQ(flgG("SELECT FlgG FROM kamoku WHERE code='71000'").toInt(), 30);
    EXPECT_EQ(flgG("SELECT FlgG FROM kamoku WHERE code='71100'").toInt(), 1);
    EXPECT_EQ(flgG("SELECT FlgG FROM kamoku WHERE code='51000'").toInt(), 30);
    EXPECT_TRUE(flgG("SELECT FlgG FROM kamoku WHERE code='51100'").isNull());
    EXPECT_TRUE(flgG("SELECT FlgG FROM kamoku WHERE code='51200'").isNull());
    EXPECT_EQ(flgG("SELECT FlgG FROM kamoku2 WHERE SNo=100").toInt(), 30);
    EXPECT_EQ(flgG("SELECT FlgG FROM kamoku2 WHERE SNo=200").toInt(), 500);
    // A second opening finds nothing left to set.
    EXPECT_EQ(applyTransferRoles(db), 0);
}

TEST(PostChecks, AccountCodeMustHaveFiveCharacters) {
    struct Case {
        const char* code;
        bool refused;
    };
    const Case cases[] = {
        {"1234", true}, {"12345", false},     {"123456", true},
        {"", true},     {"１２３４５", true}, {"9999Z", false},
    };
    for (const auto& c : cases) {
        auto refusal = accountCodeRefusal(QString::fromUtf8(c.code));
        EXPECT_EQ(refusal.has_value(), c.refused) << c.code;
        if (refusal) {
            EXPECT_EQ(refusal->toStdString(),
                      "科目コードが不備です。科目コードの桁数などを確認してください。");
        }
    }
}

TEST(PostChecks, FundLineNeedsASerial) {
    auto refusal = fundLineSerialRefusal(std::nullopt);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->toStdString(), "連番がありませんので確認してください。");
    EXPECT_FALSE(fundLineSerialRefusal(0).has_value());
    EXPECT_FALSE(fundLineSerialRefusal(100).has_value());
}

TEST(LineColours, RedForSubAccountsBlueForRoutingBlueWins) {
    struct Case {
        Flag flgD, flgG;
        LineColour expected;
    };
    const Case cases[] = {
        {blank, blank, LineColour::Normal}, {1, blank, LineColour::Red},    {0, 1, LineColour::Normal},
        {blank, 11, LineColour::Blue},      {blank, 920, LineColour::Blue}, {1, 11, LineColour::Blue},
        {1, 920, LineColour::Blue},         {1, 1, LineColour::Red},        {2, 921, LineColour::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineColour(c.flgD, c.flgG), c.expected) << flagValue(c.flgD) << "/" << flagValue(c.flgG);
}

TEST(CodeJump, BothDirectionsRepeatedAndBackToTheStart) {
    const QStringList codes = {"*****", "10100", "20100", "10100", "30100"};
    struct Case {
        const char* what;
        const char* key;
        JumpDirection direction;
        std::optional<int> current;
        int row;
        bool found;
    };
    const auto end = JumpDirection::TowardEnd;
    const auto start = JumpDirection::TowardStart;
    const Case cases[] = {
        {"後方検索 from the accounts tab", "10100", end, std::nullopt, 1, true},
        {"後方検索 pressed again", "10100", end, 1, 3, true},
        {"後方検索 past the last match", "10100", end, 3, 3, false},
        {"前方検索 from the accounts tab", "10100", start, std::nullopt, 3, true},
        {"前方検索 pressed again", "10100", start, 3, 1, true},
        {"前方検索 past the first match", "10100", start, 1, 1, false},
        {"後方検索 without a match", "99999", end, std::nullopt, 0, false},
        {"前方検索 without a match", "99999", start, std::nullopt, 4, false},
        {"後方検索 from a line without a match", "99999", end, 2, 2, false},
        {"the first line itself", "*****", end, std::nullopt, 0, true},
        {"the last line itself", "30100", start, std::nullopt, 4, true},
        {"blanks around the key", " 20100 ", end, std::nullopt, 2, true},
    };
    for (const auto& c : cases) {
        const JumpResult r = jumpToCode(codes, QString::fromUtf8(c.key), c.direction, c.current);
        EXPECT_EQ(r.row, c.row) << c.what;
        EXPECT_EQ(r.found, c.found) << c.what;
    }
    const JumpResult none = jumpToCode({}, "10100", end, std::nullopt);
    EXPECT_EQ(none.row, -1);
    EXPECT_FALSE(none.found);
}

TEST(SubAccountSetUp, DoubleClickHintAndPanel) {
    EXPECT_EQ(subAccountDoubleClick(1, 1), SubAccountClick::NotInputAccount);
    EXPECT_EQ(subAccountDoubleClick(blank, 1), SubAccountClick::NotInputAccount);
    EXPECT_EQ(subAccountDoubleClick(0, 1), SubAccountClick::OpenEditor);
    EXPECT_EQ(subAccountDoubleClick(0, blank), SubAccountClick::Nothing);
    EXPECT_EQ(subAccountDoubleClick(0, 0), SubAccountClick::Nothing);

    EXPECT_EQ(subAccountCodeHint(210), pickertext::kBorrowingCodeHint);
    EXPECT_EQ(subAccountCodeHint(220), pickertext::kBorrowingCodeHint);
    EXPECT_EQ(subAccountCodeHint(21), pickertext::kSampleCodeHint);
    EXPECT_EQ(subAccountCodeHint(blank), pickertext::kSampleCodeHint);

    struct Case {
        Flag flgD, flgG;
        bool editingTemplate;
        bool visible;
    };
    const Case cases[] = {
        {1, blank, false, true}, {1, 1, false, true},      {1, 11, false, false},
        {1, 920, false, false},  {0, blank, false, false}, {blank, blank, false, false},
        {1, blank, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(subAccountPanelVisible(c.flgD, c.flgG, c.editingTemplate), c.visible)
            << flagValue(c.flgD) << "/" << flagValue(c.flgG) << "/" << c.editingTemplate;
}

TEST(ChartTexts, AttributeHelpBreaksLinesWithCarriageReturns) {
    const QString help = chartmsg::attributeHelp();
    EXPECT_TRUE(help.startsWith(QStringLiteral("科目の属性\r  FlgA   5 = ○○の部合計\r")));
    EXPECT_TRUE(help.endsWith(
        QStringLiteral("\r\r　上記以外は、システムフラグですので既定値を変更しないでください。")));
    EXPECT_EQ(help.count(QLatin1Char(0x0D)), 28);
    EXPECT_FALSE(help.contains(QLatin1Char(0x0A)));
    EXPECT_EQ(chartmsg::taxNote(0).size(), 8);
    EXPECT_EQ(chartmsg::taxNote(1).size(), 10);
    EXPECT_EQ(chartmsg::taxNote(2), chartmsg::taxNote(1));
}
