// SPDX-License-Identifier: GPL-3.0-or-later
// What an account's deletion would lose: journal lines, the units' amounts, fund-statement
// links and sub-accounts; and the decision taken on them (refuse while journal lines use
// the account, otherwise confirm naming the losses).
#include "chart/accountuses.h"
#include "chart/chartfixture.h"

#include <gtest/gtest.h>

using namespace k9;

TEST(AccountUses, CountsEveryKindOfUse) {
    test::ChartFolders f;
    Database& db = f.aaa();
    test::addAccount(db, "10200", QStringLiteral("普通預金"), {{"FlgA", 0}, {"FlgD", 1}});
    test::addJournalLine(db, 1, "10200", "70100");
    test::addJournalLine(db, 2, "50100", "10200");
    test::addJournalLine(db, 3, "50100", "10100");
    db.insertRow("Mkamoku", {{"B_ID", 1}, {"code", "10200"}, {"当初予算", 1000}});
    db.insertRow("Mkamoku", {{"B_ID", 2}, {"code", "10200"}});                  // nothing kept
    db.insertRow("Mkamoku", {{"B_ID", 3}, {"code", "10200"}, {"期首繰越", 0}}); // zero
    db.insertRow("Mkamoku", {{"B_ID", 4}, {"code", "10200"}, {"注記", QStringLiteral("メモ")}});
    db.insertRow("Mkamoku", {{"B_ID", 1}, {"code", "10100"}, {"当初予算", 99}});
    test::addFundLine(db, 100, "10200", QStringLiteral("預金収入"));
    test::addFundLine(db, 200, "10200", QStringLiteral("預金支出"));
    test::addFundLine(db, 300, "10100", QStringLiteral("現金"));
    test::addSubAccount(db, "10200", "001", QStringLiteral("第一銀行"));
    test::addSubAccount(db, "10200", "002", QStringLiteral("第二銀行"));
    test::addSubAccount(db, "10100", "001", QStringLiteral("小口"));

    const AccountUses uses = countAccountUses(db, "10200");
    EXPECT_EQ(uses.journalLines, 2);
    EXPECT_EQ(uses.unitAmountRows, 2);
    EXPECT_EQ(uses.fundLines, 2);
    EXPECT_EQ(uses.subAccounts, 2);
    EXPECT_TRUE(uses.any());
    EXPECT_FALSE(countAccountUses(db, "30100").any());
}

TEST(AccountUses, TemplateFolderHasOnlyTheChart) {
    test::TempFolders dir;
    Database tmpl;
    tmpl.open(dir.path("k9.db"), Database::Kind::Other);
    tmpl.exec("CREATE TABLE kamoku (code CHARACTER(5) PRIMARY KEY, \"科目名\" CHARACTER(40))");
    tmpl.exec("CREATE TABLE kamoku2 (SNo INTEGER PRIMARY KEY, code CHARACTER(5))");
    tmpl.exec("CREATE TABLE hojokamoku (kamoku_CD CHARACTER(5), hojo_CD CHARACTER(3), \"補助科目名\" "
              "CHARACTER(20))");
    tmpl.run("INSERT INTO hojokamoku VALUES ('10200', '001', 'x')");
    const AccountUses uses = countAccountUses(tmpl, "10200");
    EXPECT_EQ(uses, (AccountUses{0, 0, 0, 1}));
}

TEST(AccountUses, FundLineAmountsCountPerUnit) {
    test::ChartFolders f;
    f.aaa().insertRow("Mkamoku2", {{"B_ID", 1}, {"SNo", 500}, {"予算", 300}});
    f.aaa().insertRow("Mkamoku2", {{"B_ID", 2}, {"SNo", 500}, {"code", "10100"}});
    EXPECT_EQ(countFundLineUses(f.aaa(), 500).unitAmountRows, 1);
    EXPECT_FALSE(countFundLineUses(f.aaa(), 600).any());
}

TEST(AccountRemoval, RefusedWhileJournalLinesUseTheAccount) {
    const RemovalCheck del = accountDeletionCheck({3, 1, 1, 1}, "10200", QStringLiteral("普通預金"));
    EXPECT_EQ(del.verdict, RemovalVerdict::Refuse);
    EXPECT_EQ(del.message.toStdString(),
              "「普通預金」（10200）は仕訳3行で使用されているため、削除できません。");
    const RemovalCheck change =
        accountCodeChangeCheck({1, 0, 0, 0}, "10200", QStringLiteral("普通預金"), "10210");
    EXPECT_EQ(change.verdict, RemovalVerdict::Refuse);
    EXPECT_TRUE(change.message.contains(QStringLiteral("科目コードを変更できません。")));
}

TEST(AccountRemoval, ConfirmationNamesWhatIsLost) {
    const RemovalCheck c = accountDeletionCheck({0, 2, 1, 3}, "10200", QStringLiteral("普通預金"));
    EXPECT_EQ(c.verdict, RemovalVerdict::Confirm);
    EXPECT_EQ(c.message.toStdString(), "「普通預金」（10200）を削除すると、次の内容が失われます。\n\n"
                                       "・会計別の予算・期首繰越などの金額（2会計分）\n"
                                       "・この科目コードで連携している資金収支の科目1行の連携\n"
                                       "・補助科目3件\n\n"
                                       "削除してもよいですか。");
    const RemovalCheck only = accountDeletionCheck({0, 0, 0, 2}, "10200", QString());
    EXPECT_EQ(only.message.toStdString(), "科目コード10200を削除すると、次の内容が失われます。\n\n"
                                          "・補助科目2件\n\n削除してもよいですか。");
}

TEST(AccountRemoval, UnusedAccountAsksPlainlyAndChangesFreely) {
    const RemovalCheck del = accountDeletionCheck({}, "10200", QStringLiteral("普通預金"));
    EXPECT_EQ(del.verdict, RemovalVerdict::Confirm);
    EXPECT_EQ(del.message.toStdString(), "「普通預金」（10200）を削除してもよいですか。");
    EXPECT_EQ(accountCodeChangeCheck({}, "10200", QString(), "10210").verdict, RemovalVerdict::Proceed);
    const RemovalCheck change =
        accountCodeChangeCheck({0, 1, 0, 0}, "10200", QStringLiteral("普通預金"), "10210");
    EXPECT_EQ(change.verdict, RemovalVerdict::Confirm);
    EXPECT_TRUE(
        change.message.startsWith(QStringLiteral("「普通預金」（10200）の科目コードを10210に変更すると")));
    EXPECT_TRUE(change.message.endsWith(QStringLiteral("変更してもよいですか。")));
}

TEST(AccountRemoval, FundLines) {
    EXPECT_EQ(fundLineDeletionCheck({}, 300, QStringLiteral("会費収入")).message.toStdString(),
              "連番300「会費収入」を削除してもよいですか。");
    const RemovalCheck lost = fundLineDeletionCheck({2}, 300, QStringLiteral("会費収入"));
    EXPECT_EQ(lost.verdict, RemovalVerdict::Confirm);
    EXPECT_TRUE(lost.message.contains(QStringLiteral("（2会計分）")));
    EXPECT_EQ(fundLineSerialChangeCheck({}, 300, QString(), 310).verdict, RemovalVerdict::Proceed);
    EXPECT_EQ(fundLineSerialChangeCheck({1}, 300, QString(), 310).verdict, RemovalVerdict::Confirm);
}
