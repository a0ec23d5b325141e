// SPDX-License-Identifier: GPL-3.0-or-later
// The chart editor's grid model: lines in key order, blanks stored as NULL and explicit
// zeros kept, the refusals when a line is posted, the transfer role on posting, lines
// moving to their place, and deleting or re-coding an account in use.
#include "chart/chartfixture.h"
#include "chart/chartmessages.h"
#include "chart/charttablemodel.h"
#include "store/prompter.h"

#include <gtest/gtest.h>

using namespace k9;
using Col = ChartTableModel;

namespace {

std::string s(const QString& q) {
    return q.toStdString();
}

struct ModelFixture : test::ChartFolders {
    RecordingPrompter prompter;
    ModelFixture() {
        test::addAccount(aaa(), "10100", QStringLiteral("現金"),
                         {{"FlgA", 0}, {"FlgB", 1}, {"FlgC", 0}, {"FlgG", 1}});
        test::addAccount(aaa(), "10300", QStringLiteral("普通預金"), {{"FlgA", 0}, {"FlgD", 1}});
        test::addAccount(aaa(), "10900", QStringLiteral("流動資産合計"), {{"FlgA", 3}});
        test::addFundLine(aaa(), 200, "10100", QStringLiteral("現金収入"), {{"FlgA", 0}});
        test::addFundLine(aaa(), 100, "*****", QStringLiteral("収入の部"), {{"FlgA", 9}});
    }
    bool set(ChartTableModel& m, int row, int column, const QVariant& v) {
        return m.setData(m.index(row, column), v, Qt::EditRole);
    }
    QString shown(ChartTableModel& m, int row, int column) { return m.data(m.index(row, column)).toString(); }
};

} // namespace

TEST(ChartTableModel, LinesInKeyOrderWithTheirColumns) {
    ModelFixture f;
    ChartTableModel accounts(f.aaa(), f.prompter, ChartTable::Accounts);
    ChartTableModel fund(f.aaa(), f.prompter, ChartTable::FundLines);
    EXPECT_EQ(accounts.codes(), (QStringList{"10100", "10300", "10900"}));
    EXPECT_EQ(fund.codes(), (QStringList{"*****", "10100"}));
    const QStringList accountTitles = {"科目ｺｰﾄﾞ", "科目名",   "FlgA", "FlgB", "FlgC",
                                       "小科目",   "補助科目", "FlgG", "FlgH", "消費税"};
    const QStringList fundTitles = {"連番", "科目ｺｰﾄﾞ", "科目名", "FlgA", "FlgB",
                                    "FlgC", "小科目",   "FlgG",   "FlgH"};
    ASSERT_EQ(accounts.columnCount(), accountTitles.size());
    ASSERT_EQ(fund.columnCount(), fundTitles.size());
    for (int c = 0; c < accounts.columnCount(); ++c)
        EXPECT_EQ(s(accounts.headerData(c, Qt::Horizontal).toString()), s(accountTitles[c]));
    for (int c = 0; c < fund.columnCount(); ++c)
        EXPECT_EQ(s(fund.headerData(c, Qt::Horizontal).toString()), s(fundTitles[c]));
    EXPECT_EQ(accounts.enterWrapColumn(), 8);
    EXPECT_EQ(fund.enterWrapColumn(), 8);
    EXPECT_EQ(accounts.offEnterColumn(), 9);
    EXPECT_EQ(s(f.shown(accounts, 0, Col::AccFlgC)), "0");
    EXPECT_EQ(s(f.shown(accounts, 0, Col::AccSubAccounts)), "");
    EXPECT_EQ(accounts.colour(1), LineColour::Red);
    EXPECT_EQ(accounts.data(accounts.index(1, 0), ChartTableModel::LineColourRole).toInt(),
              static_cast<int>(LineColour::Red));
}

TEST(ChartTableModel, BlankIsStoredAsNullAndZeroIsKept) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    ASSERT_TRUE(f.set(m, 0, Col::AccFlgC, ""));
    ASSERT_TRUE(f.set(m, 0, Col::AccTax, "0"));
    ASSERT_TRUE(f.set(m, 0, Col::AccFlgH, QStringLiteral("１２"))); // full-width digits
    EXPECT_TRUE(m.isEditing());
    ASSERT_TRUE(m.post());
    EXPECT_FALSE(m.isEditing());
    EXPECT_TRUE(f.cell("SELECT FlgC FROM kamoku WHERE code='10100'").isNull());
    EXPECT_EQ(f.cell("SELECT FlgF FROM kamoku WHERE code='10100'").toInt(), 0);
    EXPECT_FALSE(f.cell("SELECT FlgF FROM kamoku WHERE code='10100'").isNull());
    EXPECT_EQ(f.cell("SELECT FlgH FROM kamoku WHERE code='10100'").toInt(), 12);
}

TEST(ChartTableModel, BadNumbersAreRefused) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    EXPECT_FALSE(f.set(m, 0, Col::AccTax, "31"));
    EXPECT_EQ(s(f.prompter.last()), "消費税には0から30までの数を入力してください。");
    EXPECT_FALSE(f.set(m, 0, Col::AccFlgA, "a"));
    EXPECT_EQ(s(f.prompter.last()), "FlgAには数を入力してください。");
    EXPECT_TRUE(f.set(m, 0, Col::AccTax, "30"));
}

TEST(ChartTableModel, AccountCodeLengthIsCheckedOnPost) {
    struct Case {
        const char* code;
        bool posted;
    };
    const Case cases[] = {{"2010", false}, {"20100", true}, {"201000", false}};
    for (const auto& c : cases) {
        ModelFixture f;
        ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
        const int row = m.insertLine(m.rowCount());
        ASSERT_GE(row, 0);
        ASSERT_TRUE(f.set(m, row, Col::AccCode, QString::fromLatin1(c.code)));
        ASSERT_TRUE(f.set(m, row, Col::AccName, QStringLiteral("未払金")));
        EXPECT_EQ(m.post(), c.posted) << c.code;
        EXPECT_EQ(f.count("SELECT COUNT(*) FROM kamoku WHERE code=?1", {QString::fromLatin1(c.code)}),
                  c.posted ? 1 : 0)
            << c.code;
        if (!c.posted) {
            EXPECT_EQ(s(f.prompter.last()), "科目コードが不備です。科目コードの桁数などを確認してください。");
            EXPECT_TRUE(m.isInserting()) << "the line stays in edit";
            m.cancel();
            EXPECT_EQ(m.rowCount(), 3);
        }
    }
}

TEST(ChartTableModel, FundLineWithoutSerialIsRefused) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::FundLines);
    const int row = m.insertLine(1);
    ASSERT_EQ(row, 1);
    ASSERT_TRUE(f.set(m, row, Col::FundName, QStringLiteral("会費収入")));
    EXPECT_FALSE(m.post());
    EXPECT_EQ(s(f.prompter.last()), "連番がありませんので確認してください。");
    EXPECT_EQ(f.aaa().rowCount("kamoku2"), 2);
    ASSERT_TRUE(f.set(m, row, Col::FundSNo, "150"));
    EXPECT_TRUE(m.post());
    EXPECT_EQ(m.lastPostedRow(), 1);
    EXPECT_EQ(s(f.cell("SELECT \"科目名\" FROM kamoku2 WHERE SNo=150").toString()), "会費収入");
}

TEST(ChartTableModel, DuplicateKeysAreRefused) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    const int row = m.insertLine(0);
    ASSERT_TRUE(f.set(m, row, Col::AccCode, "10300"));
    EXPECT_FALSE(m.post());
    EXPECT_EQ(s(f.prompter.last()), "科目コード10300は既に登録されています。");
    ChartTableModel fund(f.aaa(), f.prompter, ChartTable::FundLines);
    ASSERT_TRUE(f.set(fund, 0, Col::FundSNo, "200"));
    EXPECT_FALSE(fund.post());
    EXPECT_EQ(s(f.prompter.last()), "連番200は既に登録されています。");
}

TEST(ChartTableModel, PostedLineMovesToItsPlace) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    const int row = m.insertLine(0);
    ASSERT_TRUE(f.set(m, row, Col::AccCode, "10500"));
    ASSERT_TRUE(m.post());
    EXPECT_EQ(m.codes(), (QStringList{"10100", "10300", "10500", "10900"}));
    EXPECT_EQ(m.lastPostedRow(), 2);
    // Editing another line posts the line in edit first.
    ASSERT_TRUE(f.set(m, 0, Col::AccCode, "10950"));
    ASSERT_TRUE(f.set(m, 1, Col::AccName, QStringLiteral("預金")));
    EXPECT_EQ(m.codes(), (QStringList{"10300", "10500", "10900", "10950"}));
    EXPECT_EQ(m.editRow(), 0);
    EXPECT_EQ(s(m.text(0, "科目名")), "預金");
}

TEST(ChartTableModel, PostingATransferAccountGivesItTheRole) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    const int row = m.insertLine(m.rowCount());
    ASSERT_TRUE(f.set(m, row, Col::AccCode, "71000"));
    ASSERT_TRUE(f.set(m, row, Col::AccName, QStringLiteral("他会計からの繰入額")));
    ASSERT_TRUE(f.set(m, row, Col::AccFlgA, "0"));
    ASSERT_TRUE(m.post());
    EXPECT_EQ(f.cell("SELECT FlgG FROM kamoku WHERE code='71000'").toInt(), 30);
    EXPECT_EQ(s(f.shown(m, m.lastPostedRow(), Col::AccFlgG)), "30");
}

TEST(ChartTableModel, UsedAccountIsNotDeletedOrRecoded) {
    ModelFixture f;
    test::addJournalLine(f.aaa(), 1, "10100", "10300");
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    EXPECT_FALSE(m.deleteLine(0));
    EXPECT_EQ(s(f.prompter.last()), "「現金」（10100）は仕訳1行で使用されているため、削除できません。");
    EXPECT_EQ(f.aaa().rowCount("kamoku"), 3);
    ASSERT_TRUE(f.set(m, 0, Col::AccCode, "10110"));
    EXPECT_FALSE(m.post());
    EXPECT_EQ(s(f.prompter.last()),
              "「現金」（10100）は仕訳1行で使用されているため、科目コードを変更できません。");
    m.cancel();
    EXPECT_EQ(s(m.code(0)), "10100");
}

TEST(ChartTableModel, AccountWithUnitAmountsIsDeletedOnlyAfterConfirmation) {
    ModelFixture f;
    f.aaa().insertRow("Mkamoku", {{"B_ID", 1}, {"code", "10300"}, {"期首繰越", 5000}});
    test::addSubAccount(f.aaa(), "10300", "001", QStringLiteral("第一銀行"));
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    f.prompter.answers = {Answer::No};
    EXPECT_FALSE(m.deleteLine(1));
    ASSERT_FALSE(f.prompter.shown.empty());
    EXPECT_TRUE(f.prompter.shown.back().question);
    EXPECT_TRUE(f.prompter.last().contains(QStringLiteral("（1会計分）")));
    EXPECT_TRUE(f.prompter.last().contains(QStringLiteral("・補助科目1件")));
    EXPECT_EQ(f.aaa().rowCount("kamoku"), 3);
    f.prompter.answers = {Answer::Yes};
    EXPECT_TRUE(m.deleteLine(1));
    EXPECT_EQ(m.codes(), (QStringList{"10100", "10900"}));
    EXPECT_EQ(f.count("SELECT COUNT(*) FROM kamoku WHERE code='10300'"), 0);
}

TEST(ChartTableModel, CancelRestoresAndInsertedLineDisappears) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    ASSERT_TRUE(f.set(m, 1, Col::AccName, QStringLiteral("当座預金")));
    m.cancel();
    EXPECT_EQ(s(m.text(1, "科目名")), "普通預金");
    const int row = m.insertLine(1);
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_EQ(s(m.headerData(row, Qt::Vertical).toString()), "＊");
    EXPECT_TRUE(m.deleteLine(row)); // an unposted line is simply dropped
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_TRUE(f.prompter.shown.empty());
}

TEST(ChartTableModel, ReadOnlyModelRefusesChanges) {
    ModelFixture f;
    ChartTableModel m(f.aaa(), f.prompter, ChartTable::Accounts);
    m.setReadOnly(true);
    EXPECT_FALSE(f.set(m, 0, Col::AccName, QStringLiteral("x")));
    EXPECT_EQ(m.insertLine(0), -1);
    EXPECT_FALSE(m.deleteLine(0));
    EXPECT_FALSE(m.flags(m.index(0, 0)).testFlag(Qt::ItemIsEditable));
}
