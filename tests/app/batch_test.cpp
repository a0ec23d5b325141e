// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode: the command line, the verb dispatcher's usage errors, "batch prepare" and
// "batch init" run as functions, and one run of the built k9 binary.
#include "app/batch.h"
#include "appfixture.h"
#include "store/prompter.h"
#include "store/schema.h"
#include "store/tabledefs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/wait.h>

namespace k9 {
namespace {

struct CommandLineCase {
    const char* name;
    QStringList args;
    const char* appDir; // relative to /work/cwd
    bool batch;
    QStringList batchArgs;
    bool error;
};

// Test names and failures show the case by its name.
void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.name;
}

const CommandLineCase kCommandLineCases[] = {
    {"NoArguments", {}, "/work/cwd/", false, {}, false},
    {"RelativeAppDir", {"--appdir", "prog"}, "/work/cwd/prog/", false, {}, false},
    {"AbsoluteAppDirWithEquals", {"--appdir=/srv/k9"}, "/srv/k9/", false, {}, false},
    {"BatchVerb",
     {"--appdir", "/srv/k9/", "batch", "init", "--data", "2016"},
     "/srv/k9/",
     true,
     {"init", "--data", "2016"},
     false},
    {"BatchWithoutAppDir", {"batch", "prepare"}, "/work/cwd/", true, {"prepare"}, false},
    {"AppDirWithoutFolder", {"--appdir"}, "", false, {}, true},
    {"UnknownArgument", {"--verbose"}, "", false, {}, true},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, Parses) {
    const CommandLineCase& c = GetParam();
    CommandLine cl = parseCommandLine(c.args, QStringLiteral("/work/cwd"));
    EXPECT_EQ(!cl.error.isEmpty(), c.error) << cl.error.toStdString();
    if (c.error)
        return;
    EXPECT_EQ(cl.appDir, QString::fromUtf8(c.appDir));
    EXPECT_EQ(cl.batch, c.batch);
    EXPECT_EQ(cl.batchArgs, c.batchArgs);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::ValuesIn(kCommandLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BatchRun {
    int rc = 0;
    QString err;
};

BatchRun runVerb(const QString& appDir, const QStringList& args, const QDate& today = QDate(2016, 5, 1)) {
    RecordingPrompter prompter;
    QString err;
    QTextStream stream(&err);
    BatchRun run;
    run.rc = runBatch(appDir, args, prompter, stream, today);
    stream.flush();
    run.err = err;
    return run;
}

TEST(Batch, UsageErrorsExitWithTwo) {
    const QStringList cases[] = {
        {}, {"nosuch"}, {"init"}, {"init", "--data"}, {"init", "--bogus", "x"}, {"prepare", "extra"}};
    test::TempFolders folders;
    for (const auto& args : cases) {
        BatchRun run = runVerb(folders.appDir(), args);
        EXPECT_EQ(run.rc, kExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: k9"))) << run.err.toStdString();
    }
}

TEST(Batch, PrepareMakesAProgramFolder) {
    test::TempFolders folders;
    const QString appDir = folders.path(QStringLiteral("k9/"));
    BatchRun run = runVerb(appDir, {"prepare"});
    EXPECT_EQ(run.rc, kExitOk) << run.err.toStdString();
    EXPECT_TRUE(hasProgramFolder(appDir));
}

TEST(Batch, InitCreatesTheDataFolderAndMakesItCurrent) {
    test::TempFolders folders;
    const QString appDir = folders.path(QStringLiteral("k9/"));
    BatchRun run = runVerb(appDir, {"init", "--data", "2016"}, QDate(2016, 5, 1));
    ASSERT_EQ(run.rc, kExitOk) << run.err.toStdString();

    Database hm;
    hm.open(appDir + QStringLiteral("k9.db"), Database::Kind::Program);
    EXPECT_EQ(hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString(),
              QStringLiteral("2016/"));
    EXPECT_TRUE(hm.tableExists(QStringLiteral("PathRec")));

    Database aaa;
    aaa.open(appDir + QStringLiteral("2016/k9.db"), Database::Kind::Data);
    for (const auto& def : tables::dataFolder())
        EXPECT_TRUE(aaa.tableExists(def.name)) << def.name.toStdString();
    EXPECT_EQ(aaa.rowCount(QStringLiteral("BUMON")), 20);
    EXPECT_EQ(aaa.rowCount(QStringLiteral("syohizei")), 15);
    EXPECT_EQ(aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\"")).toString(),
              QStringLiteral("2016-04-01"));
    EXPECT_TRUE(QFileInfo(appDir + QStringLiteral("WKData/k9.db")).isFile());

    // Running it again on the same folder changes nothing.
    run = runVerb(appDir, {"init", "--data", "2016/"}, QDate(2018, 5, 1));
    ASSERT_EQ(run.rc, kExitOk) << run.err.toStdString();
    EXPECT_EQ(aaa.rowCount(QStringLiteral("BUMON")), 20);
    EXPECT_EQ(aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\"")).toString(),
              QStringLiteral("2016-04-01"));
}

TEST(Batch, InitRefusesAForeignDataFolder) {
    test::TempFolders folders;
    ASSERT_TRUE(QDir().mkpath(folders.path(QStringLiteral("2016"))));
    {
        Database db;
        db.open(folders.path(QStringLiteral("2016/k9.db")), Database::Kind::Data);
        dataFolderSchema(db);
        db.insertRow(QStringLiteral("Head"), {{QStringLiteral("PassWord"), QStringLiteral("abcD123")}});
    }
    BatchRun run = runVerb(folders.appDir(), {"init", "--data", "2016"});
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.contains(QStringLiteral("他の会計のデータ"))) << run.err.toStdString();
}

// The k9 binary built beside this test program.
QString k9Binary() {
    QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(self).dir().filePath(QStringLiteral("../k9"));
}

int runBinary(const QString& command) {
    int status = std::system(command.toLocal8Bit().constData());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BatchBinary, InitAndUnknownVerb) {
    const QString k9 = k9Binary();
    if (!QFileInfo(k9).isExecutable())
        GTEST_SKIP() << "k9 is not built beside the tests";
    test::TempFolders folders;
    const QString appDir = folders.path(QStringLiteral("prog"));
    const QString log = folders.path(QStringLiteral("stderr.txt"));
    EXPECT_EQ(
        runBinary(QStringLiteral("'%1' --appdir '%2' batch init --data 2016 2>'%3'").arg(k9, appDir, log)),
        0);
    EXPECT_TRUE(QFileInfo(appDir + QStringLiteral("/2016/k9.db")).isFile());
    EXPECT_EQ(runBinary(QStringLiteral("'%1' --appdir '%2' batch nosuch 2>'%3'").arg(k9, appDir, log)), 2);
    QFile err(log);
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(err.readAll()).contains(QStringLiteral("usage: k9")));
}

} // namespace
} // namespace k9
