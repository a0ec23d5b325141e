// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder and the first steps of start-up: making a program folder, the check
// for HeadM, the data path and rights read from HeadM, and the corporation-name
// registration of the first login.
#include "app/corporation.h"
#include "app/startup.h"
#include "appfixture.h"
#include "store/captions.h"
#include "store/schema.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

TEST(ProgramFolder, PrepareMakesHeadMWithOneDefaultRow) {
    test::TempFolders folders;
    const QString appDir = folders.path(QStringLiteral("k9/"));
    EXPECT_FALSE(hasProgramFolder(appDir));
    prepareProgramFolder(appDir);
    EXPECT_TRUE(hasProgramFolder(appDir));

    Database hm;
    hm.open(appDir + QStringLiteral("k9.db"), Database::Kind::Program);
    for (const auto& def : tables::programFolder())
        EXPECT_TRUE(hm.tableExists(def.name)) << def.name.toStdString();
    EXPECT_EQ(hm.rowCount(QStringLiteral("HeadM")), 1);
    auto st = hm.prepare(QStringLiteral("SELECT \"PM4\", \"PM5\", \"PathName1\" FROM \"HeadM\""));
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.integer(0), 0);
    EXPECT_EQ(st.integer(1), 0);
    EXPECT_TRUE(st.text(2).isEmpty());
}

TEST(ProgramFolder, PrepareKeepsAnExistingInstallation) {
    test::TempFolders folders;
    prepareProgramFolder(folders.appDir());
    {
        Database hm;
        hm.open(folders.appDir() + QStringLiteral("k9.db"), Database::Kind::Program);
        hm.updateRows(QStringLiteral("HeadM"),
                      {{QStringLiteral("PM5"), 1234}, {QStringLiteral("PathName1"), QStringLiteral("2015/")}},
                      QString());
    }
    prepareProgramFolder(folders.appDir());
    Database hm;
    hm.open(folders.appDir() + QStringLiteral("k9.db"), Database::Kind::Program);
    EXPECT_EQ(hm.rowCount(QStringLiteral("HeadM")), 1);
    EXPECT_EQ(hm.scalar(QStringLiteral("SELECT \"PM5\" || \"PathName1\" FROM \"HeadM\"")).toString(),
              QStringLiteral("12342015/"));
}

TEST(ProgramFolder, CheckCreatesNothing) {
    test::TempFolders folders;
    EXPECT_FALSE(hasProgramFolder(folders.appDir()));
    EXPECT_FALSE(QFileInfo::exists(folders.appDir() + QStringLiteral("k9.db")));
    {
        Database other;
        other.open(folders.appDir() + QStringLiteral("k9.db"), Database::Kind::Program);
        other.exec(QStringLiteral("CREATE TABLE \"Regist\" (\"ID\" INTEGER)"));
    }
    EXPECT_FALSE(hasProgramFolder(folders.appDir()));
}

TEST(StartupSettings, DataPathAndRightsFromHeadM) {
    const struct {
        const char* stored;
        int rights;
        const char* dataPath;
    } cases[] = {
        {"", 0, ""}, {"2015", 1, "2015/"}, {"2015/", 0, "2015/"}, {"/srv/keiri/2015", 1, "/srv/keiri/2015/"}};
    for (const auto& c : cases) {
        test::AppFolder app;
        app.setHeadM("PathName1", QString::fromUtf8(c.stored));
        app.setHeadM("PM8", c.rights);
        readProgramSettings(app.session);
        EXPECT_EQ(app.session.dataPath, QString::fromUtf8(c.dataPath));
        EXPECT_EQ(app.session.rightsMode, c.rights);
        EXPECT_EQ(dataPathCaption(app.session.dataPath),
                  QStringLiteral("データパス名【%1】").arg(QString::fromUtf8(c.dataPath)));
    }
}

TEST(StartupSettings, DataPathMissingUntilTheFolderExists) {
    test::AppFolder app;
    app.session.dataPath.clear();
    EXPECT_TRUE(dataPathMissing(app.session));
    app.session.dataPath = QStringLiteral("2015/");
    EXPECT_TRUE(dataPathMissing(app.session));
    ASSERT_TRUE(QDir().mkpath(app.folders.path(QStringLiteral("2015"))));
    EXPECT_FALSE(dataPathMissing(app.session));
}

TEST(StartupSettings, BeginStartupFixesTheSessionValues) {
    Session s;
    beginStartup(s);
    EXPECT_EQ(s.programCode, QStringLiteral("pvxT8M2"));
    EXPECT_EQ(s.corporationLabel, QStringLiteral("法人名"));
    EXPECT_EQ(s.unitLabel, QStringLiteral("部門区分"));
    EXPECT_EQ(s.newStandardMode, 1);
    EXPECT_EQ(s.maxUnitIndex, 19);
}

struct CorporationCase {
    const char* name;
    const char* typed;
    CorporationNameButton button;
    bool closes;
    const char* corporationName; // session value afterwards
    const char* stored;          // HeadM.法人名 afterwards
};

// Test names and failures show the case by its name.
void PrintTo(const CorporationCase& c, std::ostream* os) {
    *os << c.name;
}

const CorporationCase kCorporationCases[] = {
    {"OkTakesTheNameWithoutBlanks", "社団法人　テスト 会", CorporationNameButton::Ok, true,
     "社団法人テスト会", "社団法人　テスト 会"},
    {"OkWithBlanksOnlyStaysOpen", "　 ", CorporationNameButton::Ok, false, "", ""},
    {"OkWithNothingStaysOpen", "", CorporationNameButton::Ok, false, "", ""},
    {"CancelStoresTheTextAsTyped", "財団法人○○会", CorporationNameButton::Cancel, true, "", "財団法人○○会"},
};

class CorporationNameTest : public ::testing::TestWithParam<CorporationCase> {};

TEST_P(CorporationNameTest, RegistersTheName) {
    const CorporationCase& c = GetParam();
    test::AppFolder app;
    EXPECT_EQ(registerCorporationName(app.session, QString::fromUtf8(c.typed), c.button), c.closes);
    EXPECT_EQ(app.session.corporationName, QString::fromUtf8(c.corporationName));
    EXPECT_EQ(app.session.hm.scalar(QStringLiteral("SELECT \"法人名\" FROM \"HeadM\"")).toString(),
              QString::fromUtf8(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Buttons, CorporationNameTest, ::testing::ValuesIn(kCorporationCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace k9
