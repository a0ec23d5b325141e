// SPDX-License-Identifier: GPL-3.0-or-later
// Standard descriptions: the cut after "／", the search pattern, and the picker's Enter,
// insert and delete with their renumbering, per unit and across units.
#include "chart/descriptions.h"
#include "chart/pickerfixture.h"

#include <gtest/gtest.h>

using k9::DescriptionPicker;

namespace {

struct StoredRow {
    int renNo;
    QString text;
    int unit;
    bool operator==(const StoredRow&) const = default;
};

void PrintTo(const StoredRow& r, std::ostream* os) {
    *os << r.renNo << ":" << r.text.toStdString() << "@" << r.unit;
}

struct DescriptionTest : ::testing::Test, k9::test::PickerFixture {
    const k9::DescriptionPair pair{"52100", "11100"};

    void store(int renNo, const QString& text, int unit, const k9::DescriptionPair& p) {
        session.www.insertRow("TEKIYOU", {{"code1", p.debitCode},
                                          {"code2", p.creditCode},
                                          {"RenNo", renNo},
                                          {"摘要名", text},
                                          {"BMNFlg", unit}});
    }
    void store(int renNo, const QString& text, int unit) { store(renNo, text, unit, pair); }

    // The pair's rows of every unit in RenNo order.
    std::vector<StoredRow> rows(const k9::DescriptionPair& p) {
        std::vector<StoredRow> out;
        auto st =
            session.www.prepare("SELECT RenNo, 摘要名, BMNFlg FROM TEKIYOU WHERE COALESCE(code1,'') = ?1 "
                                "AND COALESCE(code2,'') = ?2 ORDER BY RenNo");
        st.bind(1, p.debitCode);
        st.bind(2, p.creditCode);
        while (st.step())
            out.push_back({static_cast<int>(st.integer(0)), st.text(1), static_cast<int>(st.integer(2))});
        return out;
    }
    std::vector<StoredRow> rows() { return rows(pair); }

    static QStringList shown(const DescriptionPicker& p) {
        QStringList t;
        for (int r = 0; r < p.rowCount(); ++r)
            t << p.text(r);
        return t;
    }
};

} // namespace

TEST(DescriptionText, KeepsTheTextUpToTheFirstFullWidthSlash) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"水道代／６月分", "水道代／"}, {"電話代", "電話代"},
        {"家賃／４月／５月", "家賃／"}, {"／のみ", "／"},
        {"半角a/b", "半角a/b"},         {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(k9::cutAfterSlash(QString::fromUtf8(c.typed)), QString::fromUtf8(c.kept)) << c.typed;
}

TEST(DescriptionText, SearchPatternEscapesWildcards) {
    struct Case {
        const char* typed;
        const char* pattern;
    };
    const Case cases[] = {
        {"水道", "%水道%"}, {"50%", "%50\\%%"}, {"a_b", "%a\\_b%"}, {"c\\d", "%c\\\\d%"}, {"", "%%"}};
    for (const auto& c : cases)
        EXPECT_EQ(k9::containsPattern(QString::fromUtf8(c.typed)), QString::fromUtf8(c.pattern)) << c.typed;
}

TEST_F(DescriptionTest, ANewDescriptionIsStoredCutAsRowOneAndReturnedWhole) {
    store(1, "電気代", 1);
    store(2, "ガス代", 1);
    DescriptionPicker picker(session.www, pair, 1, false);
    EXPECT_EQ(shown(picker), QStringList({"電気代", "ガス代"}));
    ASSERT_TRUE(picker.addNewRow());
    EXPECT_FALSE(picker.addNewRow()) << "one new row at a time";
    picker.setText(2, "水道代／６月分");
    EXPECT_EQ(picker.choose(2, QString()), "水道代／６月分");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "水道代／", 1}, {2, "電気代", 1}, {3, "ガス代", 1}}));
}

TEST_F(DescriptionTest, ChoosingAStoredDescriptionMovesItToTheTop) {
    store(1, "電気代", 1);
    store(2, "ガス代", 1);
    store(3, "水道代／", 1);
    DescriptionPicker picker(session.www, pair, 1, false);
    EXPECT_EQ(picker.choose(2, QString()), "水道代／");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "水道代／", 1}, {2, "電気代", 1}, {3, "ガス代", 1}}));
}

TEST_F(DescriptionTest, AnOverwrittenDescriptionReturnsWhatWasTyped) {
    store(1, "水道代／", 1);
    DescriptionPicker picker(session.www, pair, 1, false);
    picker.setText(0, "水道代／７月分");
    EXPECT_EQ(picker.choose(0, QString()), "水道代／７月分");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "水道代／", 1}}));
}

TEST_F(DescriptionTest, LeavingAnEditedRowStoresItCut) {
    store(1, "電気代", 1);
    DescriptionPicker picker(session.www, pair, 1, false);
    picker.setText(0, "電気代／基本料");
    EXPECT_TRUE(picker.leaveRow(0));
    EXPECT_EQ(picker.text(0), "電気代／");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "電気代／", 1}}));
}

TEST_F(DescriptionTest, ANewRowLeftWithoutEnterIsNotStored) {
    DescriptionPicker picker(session.www, pair, 1, false);
    picker.addNewRow();
    picker.setText(0, "新聞代");
    try {
        picker.leaveRow(0);
        ADD_FAILURE() << "a typed new row must not be stored without Enter";
    } catch (const k9::DescriptionNotStored& e) {
        EXPECT_EQ(e.message(), "エンターキーを押してください。");
    }
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(picker.rowCount(), 1) << "the typed row stays for Enter";

    picker.setText(0, QString());
    EXPECT_FALSE(picker.leaveRow(0)) << "an empty new row just disappears";
    EXPECT_EQ(picker.rowCount(), 0);
}

TEST_F(DescriptionTest, TextsLongerThanThirtyBytesAreCut) {
    DescriptionPicker picker(session.www, pair, 1, false);
    picker.addNewRow();
    picker.setText(0, "あいうえおかきくけこさしすせそたち");
    EXPECT_EQ(picker.text(0), "あいうえおかきくけこさしすせそ");
}

TEST_F(DescriptionTest, PerUnitShowsTheUnitsRowsButNumbersAcrossUnits) {
    store(1, "二の会計の摘要", 2);
    store(2, "三の会計の摘要", 3);
    store(3, "二の会計の別摘要", 2);

    DescriptionPicker unit3(session.www, pair, 3, true);
    EXPECT_EQ(shown(unit3), QStringList({"三の会計の摘要"}));
    DescriptionPicker all(session.www, pair, 3, false);
    EXPECT_EQ(all.rowCount(), 3);

    EXPECT_EQ(unit3.choose(0, QString()), "三の会計の摘要");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{
                          {1, "三の会計の摘要", 3}, {2, "二の会計の摘要", 2}, {3, "二の会計の別摘要", 2}}));

    DescriptionPicker unit2(session.www, pair, 2, true);
    EXPECT_EQ(shown(unit2), QStringList({"二の会計の摘要", "二の会計の別摘要"}));
    EXPECT_EQ(unit2.choose(1, QString()), "二の会計の別摘要");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{
                          {1, "二の会計の別摘要", 2}, {2, "三の会計の摘要", 3}, {3, "二の会計の摘要", 2}}));
}

TEST_F(DescriptionTest, UsingAnotherUnitsDescriptionKeepsItsUnit) {
    store(1, "共通の摘要", 2);
    DescriptionPicker picker(session.www, pair, 5, false);
    picker.choose(0, QString());
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "共通の摘要", 2}}));
}

TEST_F(DescriptionTest, PairsAreKeptApartAndAnEmptySideIsAllowed) {
    const k9::DescriptionPair debitOnly{"52100", ""};
    store(1, "借方だけの摘要", 1, debitOnly);
    store(1, "水道代／", 1);
    DescriptionPicker picker(session.www, debitOnly, 1, false);
    EXPECT_EQ(shown(picker), QStringList({"借方だけの摘要"}));
    picker.addNewRow();
    picker.setText(1, "振込手数料");
    picker.choose(1, QString());
    EXPECT_EQ(rows(debitOnly), (std::vector<StoredRow>{{1, "振込手数料", 1}, {2, "借方だけの摘要", 1}}));
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "水道代／", 1}}));
}

TEST_F(DescriptionTest, SearchFindsTextsLiterallyAndWritesTheChoiceBack) {
    store(1, "手数料10%", 1);
    store(2, "手数料100円", 1);
    store(3, "会費_前期", 1);
    store(4, "会費後期", 1);
    DescriptionPicker picker(session.www, pair, 1, false);

    struct Case {
        const char* typed;
        QStringList found;
    };
    const Case cases[] = {
        {"10%", {"手数料10%"}},
        {"手数料", {"手数料10%", "手数料100円"}},
        {"_", {"会費_前期"}},
        {"会費", {"会費_前期", "会費後期"}},
    };
    for (const auto& c : cases) {
        picker.search(QString::fromUtf8(c.typed));
        EXPECT_EQ(shown(picker), c.found) << c.typed;
    }

    picker.search("会費");
    EXPECT_EQ(picker.mode(), DescriptionPicker::Mode::SearchResults);
    EXPECT_FALSE(picker.addNewRow()) << "no new rows in search results";
    picker.setText(1, "会費後期／分納");
    EXPECT_EQ(picker.choose(1, "ignored"), "会費後期／分納");
    EXPECT_EQ(rows(),
              (std::vector<StoredRow>{
                  {1, "会費後期／", 1}, {2, "手数料10%", 1}, {3, "手数料100円", 1}, {4, "会費_前期", 1}}));
}

TEST_F(DescriptionTest, SearchRespectsThePerUnitChoice) {
    store(1, "会費　二", 2);
    store(2, "会費　三", 3);
    DescriptionPicker picker(session.www, pair, 3, true);
    picker.search("会費");
    EXPECT_EQ(shown(picker), QStringList({"会費　三"}));
}

TEST_F(DescriptionTest, InsertPutsABlankRowFirst) {
    store(1, "電気代", 2);
    store(2, "ガス代", 1);
    DescriptionPicker picker(session.www, pair, 1, true);
    picker.search("ガス");
    picker.insertBlankRow();
    EXPECT_EQ(picker.mode(), DescriptionPicker::Mode::Table);
    EXPECT_EQ(shown(picker), QStringList({"", "ガス代"}));
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "", 1}, {2, "電気代", 2}, {3, "ガス代", 1}}));

    picker.setText(0, "灯油代／１月");
    EXPECT_EQ(picker.choose(0, QString()), "灯油代／１月");
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "灯油代／", 1}, {2, "電気代", 2}, {3, "ガス代", 1}}));
}

TEST_F(DescriptionTest, DeleteRenumbersThePairAcrossUnits) {
    store(1, "一", 1);
    store(2, "二", 2);
    store(3, "三", 1);
    store(4, "四", 1);
    DescriptionPicker picker(session.www, pair, 1, true);
    EXPECT_EQ(shown(picker), QStringList({"一", "三", "四"}));
    picker.remove(1);
    EXPECT_EQ(shown(picker), QStringList({"一", "四"}));
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{1, "一", 1}, {2, "二", 2}, {3, "四", 1}}));
}

TEST_F(DescriptionTest, ForSessionReadsThePairUnitAndOption) {
    setPerUnitDescriptions(true);
    session.pickedDebitCode = "52100";
    session.pickedCreditCode = "11100";
    session.setCurrentUnit(4, "第四");
    auto picker = DescriptionPicker::forSession(session);
    EXPECT_EQ(picker.pair().debitCode, "52100");
    EXPECT_EQ(picker.pair().creditCode, "11100");
    EXPECT_EQ(picker.unit(), 4);
    EXPECT_TRUE(picker.perUnit());
    setPerUnitDescriptions(false);
    EXPECT_FALSE(DescriptionPicker::forSession(session).perUnit());
}
