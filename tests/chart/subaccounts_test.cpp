// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-accounts: the code rule, the sub-account editor's rows, the uses counted before a
// sub-account goes, the seeding of the units' rows and the per-unit names.
#include "chart/pickerfixture.h"
#include "chart/subaccounts.h"
#include "store/schema.h"

#include <gtest/gtest.h>

using k9::SubAccountEditor;

namespace {

struct SubAccountTest : ::testing::Test, k9::test::PickerFixture {
    void journalLine(int sNo, const QString& lcode, const QString& lh, const QString& rcode,
                     const QString& rh) {
        session.aaa.insertRow("denpyou1", {{"SNo", sNo},
                                           {"Sub_No", 1},
                                           {"hizuke", "2015-04-01"},
                                           {"Lcode", lcode},
                                           {"LHcode", lh},
                                           {"Rcode", rcode},
                                           {"RHcode", rh},
                                           {"Lkingaku", 1000},
                                           {"Rkingaku", 1000}});
    }
    QVariant unitName(int unit, const QString& account, const QString& code) {
        return session.aaa.scalar(
            "SELECT 補助科目名 FROM Mhojokamoku WHERE B_ID = ?1 AND kamoku_CD = ?2 AND hojo_CD = ?3",
            {unit, account, code});
    }
    int unitRows(int unit) {
        return session.aaa.scalar("SELECT COUNT(*) FROM Mhojokamoku WHERE B_ID = ?1", {unit}).toInt();
    }
};

} // namespace

TEST(SubAccountCode, KeepsOnlyThreeCharactersFrom001To999) {
    struct Case {
        const char* typed;
        bool kept;
    };
    const Case cases[] = {{"001", true},   {"999", true},  {"010", true}, {"905", true},  {"12", false},
                          {"1000", false}, {"000", false}, {"", false},   {"abc", false}, {"01", false}};
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(k9::isValidSubAccountCode(typed), c.kept) << c.typed;
        EXPECT_EQ(k9::subAccountCodeOnLeaving(typed), c.kept ? typed : QString()) << c.typed;
    }
}

TEST_F(SubAccountTest, EditorStoresARowOnceItHasAValidCode) {
    addCommonSubAccount("11200", "001", "A銀行");
    SubAccountEditor editor(session.aaa, "11200");
    ASSERT_EQ(editor.rowCount(), 1);
    ASSERT_TRUE(editor.appendRow());
    EXPECT_FALSE(editor.appendRow()) << "an untouched new row is not doubled";

    editor.setName(1, "B銀行");
    EXPECT_EQ(editor.setCode(1, "12"), SubAccountEditor::CodeResult::Cleared);
    EXPECT_EQ(editor.row(1).code, "");
    EXPECT_EQ(session.aaa.rowCount("hojokamoku"), 1) << "no row without a valid code";

    EXPECT_EQ(editor.setCode(1, "001"), SubAccountEditor::CodeResult::Duplicate);
    EXPECT_EQ(editor.setCode(1, "002"), SubAccountEditor::CodeResult::Kept);
    EXPECT_EQ(
        session.aaa.scalar("SELECT 補助科目名 FROM hojokamoku WHERE kamoku_CD = '11200' AND hojo_CD = '002'"),
        QVariant("B銀行"));

    editor.setName(1, "Ｂ銀行本店");
    EXPECT_EQ(session.aaa.scalar("SELECT 補助科目名 FROM hojokamoku WHERE hojo_CD = '002'"),
              QVariant("Ｂ銀行本店"));

    EXPECT_EQ(editor.setCode(1, "003"), SubAccountEditor::CodeResult::Kept);
    EXPECT_EQ(
        session.aaa.scalar("SELECT COUNT(*) FROM hojokamoku WHERE kamoku_CD = '11200' AND hojo_CD = '003'")
            .toInt(),
        1);
    EXPECT_EQ(session.aaa.rowCount("hojokamoku"), 2);
}

TEST_F(SubAccountTest, ClearedCodesOfStoredRowsComeBackOnClosing) {
    addCommonSubAccount("11200", "001", "A銀行");
    SubAccountEditor editor(session.aaa, "11200");
    editor.setCode(0, "1000");
    EXPECT_EQ(editor.row(0).code, "");
    editor.appendRow();
    editor.setName(1, "未登録");
    editor.discardUnstored();
    ASSERT_EQ(editor.rowCount(), 1);
    EXPECT_EQ(editor.row(0).code, "001");
}

TEST_F(SubAccountTest, UsesCountJournalLinesOnEitherSideAndUnitAmounts) {
    addCommonSubAccount("11200", "001", "A銀行");
    journalLine(1, "11200", "001", "71100", "");
    journalLine(2, "51100", "", "11200", "001");
    journalLine(3, "11200", "001", "11200", "001");
    journalLine(4, "11200", "002", "21100", "001"); // another sub-account, another account
    addUnitSubAccount(1, "11200", "001", "A銀行");
    addUnitSubAccount(2, "11200", "001", "A銀行");
    addUnitSubAccount(3, "11200", "001", "A銀行");
    session.aaa.updateRows("Mhojokamoku", {{"期首繰越", 50000}}, "B_ID = 1");
    session.aaa.updateRows("Mhojokamoku", {{"予算", 0}, {"借方", 0}}, "B_ID = 2");

    const auto uses = k9::countSubAccountUses(session.aaa, "11200", "001");
    EXPECT_EQ(uses.journalLines, 3);
    EXPECT_EQ(uses.unitsWithAmounts, 1) << "zero and blank amounts lose nothing";
    const auto none = k9::countSubAccountUses(session.aaa, "11200", "009");
    EXPECT_EQ(none.journalLines, 0);
    EXPECT_EQ(none.unitsWithAmounts, 0);
}

TEST_F(SubAccountTest, DeletionIsRefusedOrAskedByWhatWouldBeLost) {
    struct Case {
        const char* what;
        k9::SubAccountUses uses;
        bool refused;
        const char* mentions;
    };
    const Case cases[] = {
        {"journal lines", {4, 2}, true, "仕訳 4 行"},
        {"unit amounts", {0, 2}, false, "2 会計分"},
        {"nothing", {0, 0}, false, "を削除します。"},
    };
    for (const auto& c : cases) {
        const auto check = k9::subAccountDeletionCheck("001", "A銀行", c.uses);
        EXPECT_EQ(check.refused, c.refused) << c.what;
        EXPECT_TRUE(check.text.contains(QString::fromUtf8(c.mentions)))
            << c.what << ": " << check.text.toStdString();
        EXPECT_TRUE(check.text.contains("001 A銀行")) << c.what;
    }
    EXPECT_TRUE(k9::subAccountRecodeCheck("001", "A", {3, 0}).refused);
    EXPECT_FALSE(k9::subAccountRecodeCheck("001", "A", {0, 1}).text.isEmpty());
    EXPECT_TRUE(k9::subAccountRecodeCheck("001", "A", {0, 0}).text.isEmpty());
}

TEST_F(SubAccountTest, EditorRemovesRowsAndCountsItsUses) {
    addCommonSubAccount("11200", "001", "A銀行");
    addCommonSubAccount("11200", "002", "B銀行");
    journalLine(1, "11200", "002", "71100", "");
    SubAccountEditor editor(session.aaa, "11200");
    EXPECT_EQ(editor.uses(1).journalLines, 1);
    editor.removeRow(0);
    EXPECT_EQ(session.aaa.rowCount("hojokamoku"), 1);
    editor.appendRow();
    EXPECT_EQ(editor.uses(1).journalLines, 0);
    editor.removeRow(1);
    EXPECT_EQ(editor.rowCount(), 1);
}

TEST(SubAccountUsesInATemplate, CountNothingWithoutJournalOrUnitTables) {
    k9::test::TempFolders folders;
    k9::Database templ;
    templ.open(folders.path("template.db"), k9::Database::Kind::Other);
    k9::createTable(templ, k9::tables::hojokamoku());
    const auto uses = k9::countSubAccountUses(templ, "11200", "001");
    EXPECT_EQ(uses.journalLines, 0);
    EXPECT_EQ(uses.unitsWithAmounts, 0);
}

TEST_F(SubAccountTest, SeedingFillsEmptyUnitNamesAndAddsMissingRows) {
    addUnit(0, "合　計");
    addUnit(1, "本部");
    addUnit(2, "");
    addUnit(3, "事業");
    addCommonSubAccount("11200", "001", "A銀行");
    addCommonSubAccount("11200", "002", "B銀行");
    addUnitSubAccount(1, "11200", "001", QVariant());
    addUnitSubAccount(1, "11200", "002", " ");
    addUnitSubAccount(3, "11200", "001", "事業用口座");

    k9::seedUnitSubAccountNames(session);

    struct Case {
        int unit;
        const char* code;
        QVariant name;
    };
    const Case cases[] = {
        {0, "001", "A銀行"}, {0, "002", "B銀行"},      {1, "001", "A銀行"},
        {1, "002", " "},     {3, "001", "事業用口座"}, {3, "002", "B銀行"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unitName(c.unit, "11200", c.code), c.name) << c.unit << "/" << c.code;
    EXPECT_EQ(unitRows(2), 0) << "a unit without a name gets no rows";

    session.aaa.updateRows("Mhojokamoku", {{"補助科目名", ""}}, "B_ID = 3 AND hojo_CD = '001'");
    k9::seedUnitSubAccountNames(session);
    EXPECT_EQ(unitName(3, "11200", "001"), QVariant("A銀行")) << "an emptied name gets the common name back";
    EXPECT_EQ(unitRows(3), 2);
}

TEST_F(SubAccountTest, OneBlankNameStaysDistinctFromAnEmptyOne) {
    auto column = session.aaa.column("Mhojokamoku", "補助科目名");
    ASSERT_TRUE(column.has_value());
    EXPECT_EQ(session.aaa.fitValue(*column, QString(" ")), QVariant(" "));
    EXPECT_FALSE(session.aaa.fitValue(*column, QString()).isValid());

    addUnit(1, "本部");
    addUnitSubAccount(1, "11200", "001", "A銀行");
    addUnitSubAccount(1, "11200", "002", "B銀行");
    k9::storeUnitSubAccountName(session.aaa, 1, "11200", "001", " ");
    k9::storeUnitSubAccountName(session.aaa, 1, "11200", "002", "");
    auto names = k9::loadUnitSubAccountNames(session.aaa, 1, "11200");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, " ");
    EXPECT_TRUE(names[1].name.isEmpty());
}

TEST_F(SubAccountTest, NameEditorStartsOnTheSessionsUnitOrSelectsUnitOne) {
    addUnit(1, "本部");
    addUnit(3, "事業");
    int notified = 0;
    session.onCurrentUnitChanged = [&] { ++notified; };

    session.setCurrentUnit(3, "事業");
    notified = 0;
    EXPECT_EQ(k9::nameEditorStartUnit(session), 3);
    EXPECT_EQ(notified, 0);

    session.setCurrentUnit(-1, QString());
    notified = 0;
    EXPECT_EQ(k9::nameEditorStartUnit(session), 1);
    EXPECT_EQ(session.currentUnit, 1);
    EXPECT_EQ(session.currentUnitText, "1");
    EXPECT_EQ(session.currentUnitName, "本部");
    EXPECT_EQ(notified, 1) << "the main menu follows";
}

TEST_F(SubAccountTest, UnitEntriesListEveryUnitInCodeOrder) {
    addUnit(2, "");
    addUnit(0, "合　計");
    addUnit(1, "本部");
    auto units = k9::loadUnitEntries(session.aaa);
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[0].unit, 0);
    EXPECT_EQ(units[1].name, "本部");
    EXPECT_TRUE(units[2].name.isEmpty());
}
