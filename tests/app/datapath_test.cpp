// SPDX-License-Identifier: GPL-3.0-or-later
// The data-path dialog's rules: examples and default path, the browse result, and the OK
// button's acceptance, creation and refusals, which never replace the stored path.
#include "app/datapath.h"
#include "app/messages.h"
#include "appfixture.h"
#include "store/prompter.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

TEST(DataPathExamples, FollowTheFiscalYear) {
    const struct {
        QDate today;
        const char* relative;
        const char* path;
    } cases[] = {{QDate(2016, 1, 10), "(例１) 2015/", "2015/"},
                 {QDate(2016, 2, 29), "(例１) 2015/", "2015/"},
                 {QDate(2016, 3, 1), "(例１) 2016/", "2016/"},
                 {QDate(2016, 11, 1), "(例１) 2016/", "2016/"}};
    for (const auto& c : cases) {
        const DataPathExamples ex = dataPathExamples(c.today, QStringLiteral("/home/keiri"));
        EXPECT_EQ(ex.relative, QString::fromUtf8(c.relative));
        EXPECT_EQ(defaultDataPath(c.today), QString::fromUtf8(c.path));
        EXPECT_EQ(ex.local, QStringLiteral("(例２) /home/keiri/") + QString::fromUtf8(c.path));
        EXPECT_TRUE(ex.network.endsWith(QLatin1Char('/') + QString::fromUtf8(c.path)));
    }
}

TEST(DataPathBrowse, FolderInsideTheProgramFolderBecomesRelative) {
    const struct {
        const char* chosen;
        const char* field;
    } cases[] = {{"/opt/k9/2016", "2016/"},
                 {"/opt/k9/data/2016/", "data/2016/"},
                 {"/srv/keiri/2016", "/srv/keiri/2016/"},
                 {"/opt/k9x/2016", "/opt/k9x/2016/"}};
    for (const auto& c : cases)
        EXPECT_EQ(browsedDataPath(QStringLiteral("/opt/k9/"), QString::fromUtf8(c.chosen)),
                  QString::fromUtf8(c.field))
            << c.chosen;
}

TEST(DataPathField, ShowsTheStoredPathOrTheDefaultWithoutStoringIt) {
    test::AppFolder app;
    EXPECT_EQ(dataPathFieldText(app.session, QDate(2016, 1, 10)), QStringLiteral("2015/"));
    EXPECT_TRUE(
        app.session.hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString().isEmpty());
    app.setHeadM("PathName1", QStringLiteral("2014/"));
    EXPECT_EQ(dataPathFieldText(app.session, QDate(2016, 1, 10)), QStringLiteral("2014/"));
}

enum class Folder { Missing, Empty, Stamped };

struct OkCase {
    const char* name;
    Folder folder;
    const char* stamp; // for Folder::Stamped
    const char* typed;
    Answer answer; // to the creation question
    DataPathAnswer expected;
    QString message; // the last text shown; empty when none
    const char* storedAfter;
    const char* stampAfter; // for Folder::Stamped
};

// Test names and failures show the case by its name.
void PrintTo(const OkCase& c, std::ostream* os) {
    *os << c.name;
}

const QString kAsk = msg::createDataFolder();

const OkCase kOkCases[] = {
    {"NewFolderCreatedOnYes", Folder::Missing, "", "2016", Answer::Yes, DataPathAnswer::Accepted, kAsk,
     "2016/", ""},
    {"NewFolderKeptOnNo", Folder::Missing, "", "2016/", Answer::No, DataPathAnswer::StayOpen, kAsk, "2015/",
     ""},
    {"NewFolderKeptOnCancel", Folder::Missing, "", "2016/", Answer::Cancel, DataPathAnswer::StayOpen, kAsk,
     "2015/", ""},
    {"FolderWithoutBooksRefused", Folder::Empty, "", "2016/", Answer::Yes, DataPathAnswer::StayOpen,
     msg::notDataFolder(), "2015/", ""},
    {"ForeignStampRefused", Folder::Stamped, "abcD123", "2016/", Answer::Yes, DataPathAnswer::StayOpen,
     msg::foreignDataFolder(), "2015/", "abcD123"},
    {"SiblingEditionRestamped",
     Folder::Stamped,
     "qbnW4R7",
     "2016/",
     Answer::Yes,
     DataPathAnswer::Accepted,
     {},
     "2016/",
     "pvxT8M2"},
    {"EmptyStampStamped",
     Folder::Stamped,
     "",
     "2016/",
     Answer::Yes,
     DataPathAnswer::Accepted,
     {},
     "2016/",
     "pvxT8M2"},
    {"OwnStampInAnyCase",
     Folder::Stamped,
     "PVXT8M2",
     "2016",
     Answer::Yes,
     DataPathAnswer::Accepted,
     {},
     "2016/",
     "PVXT8M2"},
    {"EmptyTextDoesNothing",
     Folder::Missing,
     "",
     "  ",
     Answer::Yes,
     DataPathAnswer::StayOpen,
     {},
     "2015/",
     ""},
};

class DataPathOkTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(DataPathOkTest, AcceptsOrRefuses) {
    const OkCase& c = GetParam();
    test::AppFolder app;
    Session& s = app.session;
    app.setHeadM("PathName1", QStringLiteral("2015/"));
    s.dataPath = QStringLiteral("2015/");
    const QString folder = app.folders.path(QStringLiteral("2016"));
    if (c.folder != Folder::Missing) {
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    if (c.folder == Folder::Stamped) {
        Database db;
        db.open(folder + QStringLiteral("/k9.db"), Database::Kind::Data);
        dataFolderSchema(db);
        db.insertRow(QStringLiteral("Head"), {{QStringLiteral("PassWord"), QString::fromUtf8(c.stamp)}});
    }
    RecordingPrompter prompter;
    prompter.answers.push_back(c.answer);

    EXPECT_EQ(acceptDataPath(s, prompter, QString::fromUtf8(c.typed)), c.expected);
    EXPECT_EQ(prompter.last(), c.message);
    if (!prompter.shown.empty()) {
        EXPECT_EQ(prompter.shown.back().icon, MessageIcon::Warning);
    }
    const QString stored = s.hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString();
    EXPECT_EQ(stored, QString::fromUtf8(c.storedAfter));
    EXPECT_EQ(s.dataPath, QString::fromUtf8(c.storedAfter));
    EXPECT_EQ(QFileInfo(folder).isDir(),
              c.folder != Folder::Missing || c.expected == DataPathAnswer::Accepted);
    if (c.folder == Folder::Stamped) {
        Database db;
        db.open(folder + QStringLiteral("/k9.db"), Database::Kind::Data);
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT \"PassWord\" FROM \"Head\"")).toString(),
                  QString::fromUtf8(c.stampAfter));
    }
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), s.appDir);
}

INSTANTIATE_TEST_SUITE_P(Folders, DataPathOkTest, ::testing::ValuesIn(kOkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataPathOk, RefusedPathNeverReplacesAnEmptyStoredPath) {
    test::AppFolder app;
    RecordingPrompter prompter;
    prompter.answers.push_back(Answer::No);
    EXPECT_EQ(acceptDataPath(app.session, prompter, QStringLiteral("2016/")), DataPathAnswer::StayOpen);
    EXPECT_TRUE(
        app.session.hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString().isEmpty());
    EXPECT_EQ(app.session.dataPath, QStringLiteral("2015/"));
}

TEST(DataPathOk, FolderThatCannotBeCreatedIsRefused) {
    test::AppFolder app;
    QFile blocker(app.folders.path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordingPrompter prompter;
    EXPECT_EQ(acceptDataPath(app.session, prompter, QStringLiteral("blocker/2016/")),
              DataPathAnswer::StayOpen);
    EXPECT_EQ(prompter.texts(), (QStringList{msg::createDataFolder(), msg::invalidDataPath()}));
    EXPECT_TRUE(
        app.session.hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString().isEmpty());
}

TEST(DataPathOk, AbsolutePathIsStoredAsTyped) {
    test::AppFolder app;
    test::TempFolders elsewhere;
    const QString typed = elsewhere.path(QStringLiteral("keiri/2016"));
    RecordingPrompter prompter;
    EXPECT_EQ(acceptDataPath(app.session, prompter, typed), DataPathAnswer::Accepted);
    EXPECT_EQ(app.session.dataPath, typed + QLatin1Char('/'));
    EXPECT_EQ(app.session.dataDir(), typed + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(typed).isDir());
}

TEST(DataPathOk, PathTooWideForHeadMIsRefused) {
    test::AppFolder app;
    RecordingPrompter prompter;
    const QString wide = QString(51, QChar(0x5E74)) + QLatin1Char('/'); // 102 CP932 bytes
    EXPECT_EQ(acceptDataPath(app.session, prompter, wide), DataPathAnswer::StayOpen);
    EXPECT_EQ(prompter.texts(), QStringList{msg::invalidDataPath()});
}

} // namespace
} // namespace k9
