// SPDX-License-Identifier: GPL-3.0-or-later
// The table store: width cuts, CP932 refusal, transactions and view-only protection.
#include "store/database.h"
#include "store/schema.h"
#include "support/fixture.h"

#include <gtest/gtest.h>

using namespace k9;

namespace {
QString text(Database& db, const QString& sql) {
    return db.scalar(sql).toString();
}
} // namespace

TEST(Store, CutsTextToTheColumnWidthAtACharacterBoundary) {
    test::SessionFixture f;
    auto& db = f.session.aaa;
    // 補助科目名 is CHARACTER(20): ten full-width characters.
    db.insertRow("hojokamoku", {{"kamoku_CD", "11100"},
                                {"hojo_CD", "001"},
                                {"補助科目名", QString::fromUtf8("あいうえおかきくけこさしす")}});
    db.insertRow("hojokamoku", {{"kamoku_CD", "11100"},
                                {"hojo_CD", "002"},
                                {"補助科目名", QString::fromUtf8("abcあいうえおかきくけこ")}});
    EXPECT_EQ(text(db, "SELECT \"補助科目名\" FROM hojokamoku WHERE hojo_CD='001'"),
              QString::fromUtf8("あいうえおかきくけこ"));
    // 3 + 2×8 = 19 bytes; the ninth character would make 21.
    EXPECT_EQ(text(db, "SELECT \"補助科目名\" FROM hojokamoku WHERE hojo_CD='002'"),
              QString::fromUtf8("abcあいうえおかきく"));
}

TEST(Store, RefusesTextOutsideCp932AndWritesNothing) {
    test::SessionFixture f;
    auto& db = f.session.aaa;
    EXPECT_THROW(db.insertRow("hojokamoku", {{"kamoku_CD", "11100"},
                                             {"hojo_CD", "001"},
                                             {"補助科目名", QString::fromUtf8("口座😀")}}),
                 EncodingError);
    EXPECT_EQ(db.rowCount("hojokamoku"), 0);
    // Bound parameters of free statements are checked too.
    EXPECT_THROW(db.run("INSERT INTO hojokamoku (kamoku_CD) VALUES (?1)", {QString::fromUtf8("한")}),
                 EncodingError);
}

TEST(Store, ConvertsTypedValuesOrRefusesThem) {
    test::SessionFixture f;
    auto& db = f.session.aaa;
    db.insertRow("denpyou1", {{"SNo", "10001"},
                              {"Sub_No", 1},
                              {"hizuke", "2015/04/01"},
                              {"Lkingaku", "1,000"},
                              {"Rkingaku", QVariant()}});
    auto st = db.prepare("SELECT SNo, hizuke, Lkingaku, Rkingaku FROM denpyou1");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.integer(0), 10001);
    EXPECT_EQ(st.date(1), QDate(2015, 4, 1));
    EXPECT_EQ(st.money(2), Money::fromYen(1000));
    EXPECT_TRUE(st.money(3).isEmpty());
    EXPECT_THROW(db.insertRow("denpyou1", {{"SNo", 1}, {"Sub_No", 1}, {"hizuke", "2015-02-30"}}),
                 ConversionError);
    EXPECT_THROW(db.insertRow("denpyou1", {{"SNo", 1}, {"Sub_No", 2}, {"Lkingaku", "12a"}}), ConversionError);
}

TEST(Store, TransactionRollsBackUnlessCommitted) {
    test::SessionFixture f;
    auto& db = f.session.aaa;
    {
        Transaction tx(db);
        db.insertRow("BUMON", {{"code", 1}, {"Bumonmei", "A"}});
    }
    EXPECT_EQ(db.rowCount("BUMON"), 0);
    {
        Transaction outer(db);
        db.insertRow("BUMON", {{"code", 1}, {"Bumonmei", "A"}});
        {
            Transaction inner(db);
            db.insertRow("BUMON", {{"code", 2}, {"Bumonmei", "B"}});
        } // inner rolled back alone
        outer.commit();
    }
    EXPECT_EQ(db.rowCount("BUMON"), 1);
    EXPECT_FALSE(db.inTransaction());
}

TEST(Store, ViewOnlyRefusesWritesToProgramAndDataFoldersOnly) {
    test::SessionFixture f;
    f.session.setViewOnly(true);
    EXPECT_THROW(f.session.aaa.insertRow("BUMON", {{"code", 1}}), ViewOnlyError);
    EXPECT_THROW(f.session.aaa.run("UPDATE Head SET PM1=0"), ViewOnlyError);
    EXPECT_THROW(f.session.aaa.exec("DELETE FROM denpyou1"), ViewOnlyError);
    EXPECT_THROW(f.session.hm.run("UPDATE HeadM SET PM5=1"), ViewOnlyError);
    EXPECT_THROW(f.session.aaa.exec("DROP TABLE kariire"), ViewOnlyError);
    // Reading still works, and the work folder stays writable.
    EXPECT_EQ(f.session.aaa.rowCount("BUMON"), 0);
    EXPECT_NO_THROW(f.session.www.insertRow("WKTBL0", {{"renNo", 1}, {"code1", "11100"}}));
    // The program's own structural work is exempt.
    {
        Database::Exemption structural(f.session.aaa);
        EXPECT_NO_THROW(f.session.aaa.insertRow("BUMON", {{"code", 1}}));
    }
    EXPECT_THROW(f.session.aaa.insertRow("BUMON", {{"code", 2}}), ViewOnlyError);
}

TEST(Store, ReadsDeclaredWidths) {
    test::SessionFixture f;
    auto c = f.session.aaa.column("Head", "職印１");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->type, "CHARACTER");
    EXPECT_EQ(c->width, 8);
    EXPECT_EQ(f.session.hm.column("Regist", "S1")->width, 100);
    EXPECT_FALSE(f.session.aaa.column("Head", "無い列").has_value());
}
