// SPDX-License-Identifier: GPL-3.0-or-later
// 初期設定１: what the screen shows on opening, what closing it stores in the year's Head,
// HeadM, Regist row 400 and the work Head (whose period becomes the whole fiscal year), the
// refusal of impossible dates and non-numeric passwords with nothing stored, and the
// access-code switch.
#include "app/accesscodes.h"
#include "app/settings.h"
#include "appfixture.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

struct SettingsFolder : test::AppFolder {
    SettingsFolder() { init(); }
    QVariant hm(const char* sql) { return session.hm.scalar(QString::fromUtf8(sql)); }
    QVariant aaa(const char* sql) { return session.aaa.scalar(QString::fromUtf8(sql)); }
    QVariant www(const char* sql) { return session.www.scalar(QString::fromUtf8(sql)); }
};

CorporationSettings edited() {
    CorporationSettings s;
    s.fiscalYearStart = QStringLiteral("2016/04/01");
    s.seals = {QStringLiteral("理事長"), QStringLiteral("常務"), QStringLiteral("事務局長"), QString(),
               QString()};
    s.corporationName = QStringLiteral("社団法人みどり会");
    s.userPassword = QStringLiteral("0123");
    s.viewOnlyPassword = QStringLiteral("98765");
    s.datePrintStyle = 0;
    s.taxMethod = 1;
    s.cashEntryButton = 1;
    return s;
}

TEST(SettingsLoad, ShowsTheStoredValuesAndReplacesTheFormerDefaultPassword) {
    const struct {
        QVariant stored;
        const char* shown;
    } cases[] = {{60418, "5807"}, {0, "0"}, {123, "123"}, {QVariant(), ""}};
    for (const auto& c : cases) {
        SettingsFolder f;
        f.setHeadM("PM5", c.stored);
        f.setHeadM("法人名", QStringLiteral("財団法人○○会"));
        const CorporationSettings s = loadSettings(f.session);
        EXPECT_EQ(s.userPassword, QString::fromUtf8(c.shown));
        EXPECT_EQ(s.fiscalYearStart, "2015/04/01"); // Init's default for a start in January 2016
        EXPECT_EQ(s.datePrintStyle, 1);
        EXPECT_EQ(s.corporationName, QStringLiteral("財団法人○○会"));
        EXPECT_EQ(s.cashEntryButton, 0);
    }
}

TEST(SettingsLoad, TheFormerDefaultPasswordIsStoredAsTheNewOneOnClose) {
    SettingsFolder f;
    f.setHeadM("PM5", 60418);
    saveSettings(f.session, loadSettings(f.session));
    EXPECT_EQ(f.hm("SELECT PM5 FROM HeadM").toInt(), 5807);
}

TEST(SettingsSave, StoresEveryFolderAndResetsThePeriodToTheFiscalYear) {
    SettingsFolder f;
    f.setHeadM("郵便番号", QStringLiteral("100-0001"));
    f.setHeadM("住所", QStringLiteral("東京都千代田区千代田１－１"));
    f.setHeadM("電話", QStringLiteral("03-0000-0000"));
    f.session.aaa.updateRows("Head", {{"代表者", QStringLiteral("山田太郎")}}, QString());
    f.session.www.insertRow("Head", {{"自期日", QDate(2015, 6, 1)}, {"至期日", QDate(2015, 6, 30)}});
    ASSERT_FALSE(f.hm("SELECT 1 FROM Regist WHERE ID = 400").isValid());

    saveSettings(f.session, edited());

    EXPECT_EQ(f.aaa("SELECT 会計期首 || '|' || 職印１ || '|' || 職印３ || '|' || PM2 || '|' || PM3 FROM Head")
                  .toString(),
              "2016-04-01|理事長|事務局長|0|1");
    EXPECT_FALSE(f.aaa("SELECT 職印４ FROM Head").isValid());
    EXPECT_EQ(f.hm("SELECT 法人名 || '|' || PM5 || '|' || PM4 FROM HeadM").toString(),
              "社団法人みどり会|123|98765");
    EXPECT_EQ(f.hm("SELECT P1 FROM Regist WHERE ID = 400").toInt(), 1);
    EXPECT_EQ(f.www("SELECT count(*) FROM Head").toInt(), 1);
    EXPECT_EQ(f.www("SELECT 会計期首 || '|' || 自期日 || '|' || 至期日 FROM Head").toString(),
              "2016-04-01|2016-04-01|2017-03-31");
    EXPECT_EQ(f.www("SELECT 郵便番号 || '|' || 住所 || '|' || 電話 FROM Head").toString(),
              "100-0001|東京都千代田区千代田１－１|03-0000-0000");

    EXPECT_EQ(f.session.voucherNumbering, 1);
    EXPECT_EQ(f.session.datePrintStyle, 0);
    EXPECT_EQ(f.session.taxMethod, 1);
    EXPECT_EQ(f.session.representativeName, "山田太郎");
    EXPECT_EQ(f.session.corporationName, "社団法人みどり会");

    CorporationSettings again = edited();
    again.cashEntryButton = 0;
    saveSettings(f.session, again);
    EXPECT_EQ(f.hm("SELECT count(*) || '|' || P1 FROM Regist WHERE ID = 400").toString(), "1|0");
    CorporationSettings shown = again;
    shown.userPassword = QStringLiteral("123"); // stored as the integer 123, shown without leading zeros
    EXPECT_EQ(loadSettings(f.session), shown);
}

TEST(SettingsSave, RefusesImpossibleDatesAndNonNumericPasswordsStoringNothing) {
    const struct {
        const char* date;
        const char* user;
        const char* view;
        SettingsField field;
    } cases[] = {
        {"2016/02/30", "1234", "12345", SettingsField::FiscalYearStart},
        {"2015/13/01", "1234", "12345", SettingsField::FiscalYearStart},
        {"2016年4月1日", "1234", "12345", SettingsField::FiscalYearStart},
        {"", "1234", "12345", SettingsField::FiscalYearStart},
        {"2016/04/01", "12a4", "12345", SettingsField::UserPassword},
        {"2016/04/01", "12345", "12345", SettingsField::UserPassword},
        {"2016/04/01", "-123", "12345", SettingsField::UserPassword},
        {"2016/04/01", "1234", "1234x", SettingsField::ViewOnlyPassword},
        {"2016/04/01", "1234", "123456", SettingsField::ViewOnlyPassword},
    };
    for (const auto& c : cases) {
        SettingsFolder f;
        CorporationSettings s = edited();
        s.fiscalYearStart = QString::fromUtf8(c.date);
        s.userPassword = QString::fromUtf8(c.user);
        s.viewOnlyPassword = QString::fromUtf8(c.view);
        try {
            saveSettings(f.session, s);
            ADD_FAILURE() << "accepted " << c.date << " " << c.user << " " << c.view;
        } catch (const SettingsInputError& e) {
            EXPECT_EQ(e.field(), c.field) << c.date << " " << c.user << " " << c.view;
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_EQ(f.aaa("SELECT 会計期首 FROM Head").toString(), "2015-04-01");
        EXPECT_EQ(f.hm("SELECT PM5 FROM HeadM").toInt(), 0);
        EXPECT_FALSE(f.hm("SELECT 1 FROM Regist WHERE ID = 400").isValid());
    }
}

TEST(SettingsSave, AStoreFailureRollsBackEveryFolder) {
    SettingsFolder f;
    f.session.hm.exec(
        "CREATE TRIGGER stop BEFORE INSERT ON Regist BEGIN SELECT RAISE(ABORT, '設定を保存できません'); END");
    EXPECT_THROW(saveSettings(f.session, edited()), StoreError);
    EXPECT_EQ(f.aaa("SELECT 会計期首 FROM Head").toString(), "2015-04-01");
    EXPECT_FALSE(f.aaa("SELECT 職印１ FROM Head").isValid());
    EXPECT_EQ(f.hm("SELECT PM5 FROM HeadM").toInt(), 0);
    EXPECT_EQ(f.www("SELECT count(*) FROM Head").toInt(), 0);
    EXPECT_FALSE(f.session.aaa.inTransaction());
    EXPECT_FALSE(f.session.hm.inTransaction());
    EXPECT_FALSE(f.session.www.inTransaction());
}

TEST(SettingsDate, ReadsTypedDatesAndRefusesMissingDays) {
    const struct {
        const char* typed;
        QDate date;
    } cases[] = {{"2016/04/01", QDate(2016, 4, 1)},
                 {"2016/4/1", QDate(2016, 4, 1)},
                 {"2016-04-01", QDate(2016, 4, 1)},
                 {"２０１６／０４／０１", QDate(2016, 4, 1)},
                 {" 2016/02/29 ", QDate(2016, 2, 29)},
                 {"2015/02/29", QDate()},
                 {"2016/04/31", QDate()},
                 {"16/04/01", QDate()}};
    for (const auto& c : cases) {
        auto d = parseTypedDate(QString::fromUtf8(c.typed));
        EXPECT_EQ(d.value_or(QDate()), c.date) << c.typed;
    }
}

TEST(AccessCodes, TheSwitchIsStoredAndBecomesTheRightsMode) {
    SettingsFolder f;
    EXPECT_EQ(loadRightsMode(f.session.hm), 0);
    for (int mode : {1, 0}) {
        saveRightsMode(f.session, mode);
        EXPECT_EQ(loadRightsMode(f.session.hm), mode);
        EXPECT_EQ(f.session.rightsMode, mode);
    }
}

} // namespace
} // namespace k9
