// SPDX-License-Identifier: GPL-3.0-or-later
// Creation of every table of the three folders and each upgrade step on old-shape tables
// built here by hand.
#include "store/database.h"
#include "store/schema.h"
#include "support/fixture.h"

#include <gtest/gtest.h>

using namespace k9;

namespace {

// Every column of every defined table exists in order with its declared type and width,
// and every named index exists.
void expectLayout(Database& db, const std::vector<TableDef>& defs) {
    for (const auto& def : defs) {
        ASSERT_TRUE(db.tableExists(def.name)) << def.name.toStdString();
        const auto& cols = db.columns(def.name);
        ASSERT_EQ(cols.size(), def.columns.size()) << def.name.toStdString();
        for (size_t i = 0; i < cols.size(); ++i) {
            EXPECT_EQ(cols[i].name, def.columns[i].name) << def.name.toStdString();
            EXPECT_EQ(cols[i].type, def.columns[i].type)
                << def.name.toStdString() << "." << cols[i].name.toStdString();
            EXPECT_EQ(cols[i].width, def.columns[i].width)
                << def.name.toStdString() << "." << cols[i].name.toStdString();
        }
        for (const auto& idx : def.indexes) {
            auto n = db.scalar("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name=?1",
                               {indexStorageName(def.name, idx.name)});
            EXPECT_EQ(n.toInt(), 1) << def.name.toStdString() << " index " << idx.name.toStdString();
        }
    }
}

QString schemaText(Database& db) {
    QStringList rows;
    auto st = db.prepare("SELECT type, name, sql FROM sqlite_master ORDER BY name");
    while (st.step())
        rows << st.text(0) + '|' + st.text(1) + '|' + st.text(2);
    return rows.join('\n');
}

} // namespace

TEST(Schema, FreshFoldersGetEveryTableAndTheTaxClasses) {
    test::SessionFixture f;
    expectLayout(f.session.hm, tables::programFolder());
    expectLayout(f.session.aaa, tables::dataFolder());
    expectLayout(f.session.www, tables::workFolder());
    EXPECT_EQ(f.session.aaa.rowCount("syohizei"), 15);
    auto st = f.session.aaa.prepare("SELECT zeiID, zeimei, zeiritu, kubun, P1, P2, P3, P4, P5 FROM syohizei "
                                    "ORDER BY zeiID");
    std::vector<int> ids;
    while (st.step())
        ids.push_back(static_cast<int>(st.integer(0)));
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24}));
    auto row24 = f.session.aaa.prepare("SELECT zeimei, zeiritu, P2, P3, P4, P5 FROM syohizei WHERE zeiID=24");
    ASSERT_TRUE(row24.step());
    EXPECT_EQ(row24.text(0), QString::fromUtf8("使途不特定の特定収入"));
    EXPECT_DOUBLE_EQ(row24.real(1), 1.1);
    EXPECT_DOUBLE_EQ(row24.real(2), 7.8);
    EXPECT_DOUBLE_EQ(row24.real(3), 22);
    EXPECT_DOUBLE_EQ(row24.real(4), 78);
    EXPECT_TRUE(row24.isNull(5));
}

TEST(Schema, CurrentFoldersPassThroughUnchanged) {
    test::SessionFixture f;
    const QString hm = schemaText(f.session.hm), aaa = schemaText(f.session.aaa),
                  www = schemaText(f.session.www);
    programFolderSchema(f.session.hm);
    dataFolderSchema(f.session.aaa);
    workFolderSchema(f.session.www);
    EXPECT_EQ(schemaText(f.session.hm), hm);
    EXPECT_EQ(schemaText(f.session.aaa), aaa);
    EXPECT_EQ(schemaText(f.session.www), www);
    EXPECT_EQ(f.session.aaa.rowCount("syohizei"), 15);
    EXPECT_FALSE(f.session.aaa.tableExists("XXXX"));
}

TEST(Schema, ExistingTaxClassesAreNeverReseeded) {
    test::SessionFixture f;
    f.session.aaa.exec("DELETE FROM syohizei WHERE zeiID<>21");
    f.session.aaa.exec("UPDATE syohizei SET zeiritu=9.9");
    dataFolderSchema(f.session.aaa);
    EXPECT_EQ(f.session.aaa.rowCount("syohizei"), 1);
    EXPECT_DOUBLE_EQ(f.session.aaa.scalar("SELECT zeiritu FROM syohizei").toDouble(), 9.9);
}

TEST(Schema, ProgramFolderUpgradesKeepRows) {
    test::TempFolders dir;
    Database hm;
    hm.open(dir.path("k9.db"), Database::Kind::Program);
    // HeadM without PathName3; Regist with 50-byte texts.
    hm.exec("CREATE TABLE \"HeadM\" (\"法人名\" CHARACTER(100), PM5 INTEGER, PathName1 CHARACTER(100))");
    hm.exec("INSERT INTO HeadM VALUES ('財団法人テスト会', 1234, '2015/')");
    hm.exec("CREATE TABLE Regist (ID INTEGER, S1 VARCHAR(50), S2 VARCHAR(50), P1 INTEGER, PRIMARY KEY (ID))");
    hm.exec("INSERT INTO Regist VALUES (400, 'あ', 'い', 1), (202, 'う', NULL, 0)");
    programFolderSchema(hm);
    EXPECT_TRUE(hm.hasColumn("HeadM", "PathName3"));
    EXPECT_EQ(hm.column("Regist", "S1")->width, 100);
    expectLayout(hm, {tables::regist(), tables::pathRec()});
    EXPECT_EQ(hm.rowCount("Regist"), 2);
    EXPECT_EQ(hm.scalar("SELECT S1 FROM Regist WHERE ID=400").toString(), QString::fromUtf8("あ"));
    EXPECT_EQ(hm.scalar("SELECT P1 FROM Regist WHERE ID=400").toInt(), 1);
    EXPECT_EQ(hm.scalar("SELECT PathName1 FROM HeadM").toString(), "2015/");
    EXPECT_FALSE(hm.tableExists("Regist$"));
}

TEST(Schema, OldDataFolderTablesAreUpgradedKeepingRows) {
    test::TempFolders dir;
    Database db;
    db.open(dir.path("k9.db"), Database::Kind::Data);
    // A Head with 6-byte seals, a BUMON with a 50-byte Path and no F4, an Mkamoku without the
    // previous-year columns, a kamoku without B columns and a kamoku2 without FlgI.
    db.exec("CREATE TABLE Head (\"法人名\" CHARACTER(40), \"会計期首\" DATE, \"職印１\" CHARACTER(6), PM1 "
            "INTEGER)");
    db.exec("INSERT INTO Head VALUES ('社団法人テスト', '2015-04-01', '理事長', 1)");
    db.exec("CREATE TABLE BUMON (code INTEGER, Bumonmei CHARACTER(40), Path CHARACTER(50), F1 INTEGER, F2 "
            "INTEGER, "
            "PRIMARY KEY (code))");
    db.exec("INSERT INTO BUMON VALUES (0, '合　計', NULL, 0, 0), (1, '公益目的事業会計', 'x', 1, 1234), "
            "(2, '法人会計', NULL, 1, 0)");
    db.exec(
        "CREATE TABLE Mkamoku (B_ID SMALLINT, code CHARACTER(5), \"科目名\" CHARACTER(40), \"予算\" MONEY, "
        "PRIMARY KEY (B_ID, code))");
    db.exec("INSERT INTO Mkamoku VALUES (1, '11100', '現金', 5000)");
    db.exec("CREATE TABLE kamoku (code CHARACTER(5), \"科目名\" CHARACTER(40), FlgA SMALLINT, FlgB SMALLINT, "
            "FlgC SMALLINT, A01 SMALLINT, PRIMARY KEY (code))");
    db.exec("INSERT INTO kamoku VALUES ('11100', '現金', 0, 1, 0, 60)");
    db.exec("CREATE TABLE kamoku2 (SNo INTEGER, \"科目名\" CHARACTER(40), FlgA SMALLINT, FlgH SMALLINT, "
            "code CHARACTER(5), PRIMARY KEY (SNo))");
    db.exec("INSERT INTO kamoku2 VALUES (100, '事業活動収入', 9, NULL, '*****'), (200, '会費収入', 0, 21, "
            "'71100')");

    dataFolderSchema(db);

    expectLayout(db, {tables::denpyou1(), tables::hojokamoku(), tables::mkamoku2(), tables::kariire(),
                      tables::syohizei(), tables::bumon(), tables::kamoku2()});
    EXPECT_EQ(db.column("Head", "法人名")->width, 100);
    EXPECT_EQ(db.column("Head", "職印１")->width, 8);
    EXPECT_EQ(db.scalar("SELECT \"職印１\" FROM Head").toString(), QString::fromUtf8("理事長"));
    EXPECT_EQ(db.scalar("SELECT \"会計期首\" FROM Head").toString(), "2015-04-01");

    // BUMON: widened Path, then rebuilt with F4…F15 keeping every unit; XXXX stays.
    EXPECT_TRUE(db.hasColumn("BUMON", "F4"));
    EXPECT_EQ(db.rowCount("BUMON"), 3);
    EXPECT_EQ(db.scalar("SELECT Bumonmei FROM BUMON WHERE code=1").toString(),
              QString::fromUtf8("公益目的事業会計"));
    EXPECT_EQ(db.scalar("SELECT F2 FROM BUMON WHERE code=1").toInt(), 1234);
    EXPECT_TRUE(db.tableExists("XXXX"));
    EXPECT_EQ(db.rowCount("XXXX"), 3);

    EXPECT_TRUE(db.hasColumn("Mkamoku", "前年実績"));
    EXPECT_TRUE(db.hasColumn("Mkamoku", "実績比"));
    EXPECT_EQ(db.scalar("SELECT \"予算\" FROM Mkamoku").toInt(), 5000);
    EXPECT_TRUE(db.hasColumn("kamoku", "B00"));
    EXPECT_TRUE(db.hasColumn("kamoku", "B25"));
    EXPECT_EQ(db.column("kamoku", "B01")->type, "INTEGER");
    EXPECT_EQ(db.scalar("SELECT A01 FROM kamoku").toInt(), 60);
    EXPECT_EQ(db.scalar("SELECT FlgH FROM kamoku2 WHERE SNo=200").toInt(), 21);
    EXPECT_EQ(db.scalar("SELECT code FROM kamoku2 WHERE SNo=200").toString(), "71100");
    EXPECT_EQ(db.rowCount("syohizei"), 15);

    // A second pass changes nothing more.
    const QString before = schemaText(db);
    dataFolderSchema(db);
    EXPECT_EQ(schemaText(db), before);
}

TEST(Schema, FailedRebuildKeepsTheOldTableAndReportsTheStep) {
    test::TempFolders dir;
    Database db;
    db.open(dir.path("k9.db"), Database::Kind::Data);
    createTable(db, tables::dataHead());
    // An old BUMON without a key, holding two rows of code 3: they cannot both enter the new
    // keyed table, so the rebuild must not go through.
    db.exec("CREATE TABLE BUMON (code INTEGER, Bumonmei CHARACTER(40), Path CHARACTER(50), F1 INTEGER)");
    db.exec("INSERT INTO BUMON VALUES (1, 'A', NULL, 1), (3, 'B', NULL, 1), (3, 'C', NULL, 1)");
    try {
        dataFolderSchema(db);
        FAIL() << "the upgrade should have failed";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains("BUMON")) << e.message().toStdString();
    }
    EXPECT_EQ(db.rowCount("BUMON"), 3);
    EXPECT_EQ(db.column("BUMON", "Path")->width, 50);
    EXPECT_FALSE(db.tableExists("BUMON$"));
    EXPECT_FALSE(db.inTransaction());
}

TEST(Schema, WorkChartInTheDataLayoutIsRebuiltInTheMoneyLayout) {
    test::TempFolders dir;
    Database www;
    www.open(dir.path("k9.db"), Database::Kind::Work);
    TableDef dataLayout = tables::kamoku();
    createTable(www, dataLayout);
    www.exec(
        "INSERT INTO kamoku (code, \"科目名\", FlgA, FlgC, A01, B00) VALUES ('11100', '現金', 0, 0, 50, 1)");
    www.exec("CREATE TABLE TEKIYOU (code1 CHARACTER(5), code2 CHARACTER(5), RenNo SMALLINT, \"摘要名\" "
             "CHARACTER(60), "
             "PRIMARY KEY (code1, code2, RenNo))");
    www.exec("CREATE TABLE Head (\"法人名\" CHARACTER(40), \"職印１\" CHARACTER(6), \"会計期首\" DATE)");
    www.exec("INSERT INTO Head VALUES ('法人', '会長', '2015-04-01')");

    workFolderSchema(www);

    expectLayout(www, {tables::workKamoku(), tables::workHead()});
    EXPECT_FALSE(www.hasColumn("kamoku", "B00"));
    EXPECT_EQ(www.scalar("SELECT \"科目名\" FROM kamoku WHERE code='11100'").toString(),
              QString::fromUtf8("現金"));
    EXPECT_EQ(www.scalar("SELECT FlgA FROM kamoku").toInt(), 0);
    EXPECT_TRUE(www.tableExists("XXXX"));
    EXPECT_TRUE(www.hasColumn("TEKIYOU", "BMNFlg"));
    EXPECT_EQ(www.column("Head", "法人名")->width, 100);
    EXPECT_EQ(www.scalar("SELECT \"職印１\" FROM Head").toString(), QString::fromUtf8("会長"));
}

TEST(Schema, CopyByNameCutsToTheTargetWidths) {
    test::SessionFixture f;
    auto& db = f.session.aaa;
    db.exec("CREATE TABLE src (code INTEGER, Bumonmei VARCHAR(100), extra INTEGER)");
    db.exec("INSERT INTO src VALUES (1, '一二三四五六七八九十一二三四五六七八九十二十一', 5)");
    EXPECT_EQ(copyByName(db, "src", "BUMON"), 1);
    EXPECT_EQ(db.scalar("SELECT Bumonmei FROM BUMON WHERE code=1").toString(),
              QString::fromUtf8("一二三四五六七八九十一二三四五六七八九十"));
}
