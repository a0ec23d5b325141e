// SPDX-License-Identifier: GPL-3.0-or-later
// "バックアップコピー": the target folder, refused targets, time-stamped and overwriting
// backups, a failed copy that keeps the previous backup, and a copy taken during a write.
#include "app/backup.h"
#include "store/database.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace k9;

namespace {

const QDateTime kAt(QDate(2016, 4, 25), QTime(10, 5));
const QString kFailed =
    QStringLiteral("データパス名が間違っていますので、バックアップコピーが出来ませんでした。");
const QString kInvalid = QStringLiteral("保存先のデータパス名が正しくないので、確かめてください。");

QString doneMessage(const QString& target) {
    return QStringLiteral("データのバックアップは終わりました。\n保存先は　") + target +
           QStringLiteral("　のフォルダの中です。");
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The journal lines of the data folder's database at `dir`, read through a fresh
// connection (which also proves the file is a readable database).
QStringList journalIn(const QString& dir) {
    Database db;
    db.open(QDir(dir).filePath("k9.db"), Database::Kind::Other);
    EXPECT_EQ(db.scalar("PRAGMA integrity_check").toString().toStdString(), "ok");
    QStringList out;
    auto st = db.prepare("SELECT tekiyou1 FROM denpyou1 ORDER BY SNo");
    while (st.step())
        out << st.text(0);
    return out;
}

// A data folder with a journal line, a footnote file and a subfolder, and a backup base.
struct BackupFixture {
    test::SessionFixture f;
    QString base;
    BackupFixture() : base(f.folders.path("backups/")) {
        addLine(QStringLiteral("最初の伝票"));
        writeFile(f.session.dataDir() + "cyuki1.txt", "note v1");
        writeFile(f.session.dataDir() + "資料/memo.txt", "memo");
    }
    void addLine(const QString& text) {
        const int n = f.session.aaa.rowCount("denpyou1") + 1;
        f.session.aaa.insertRow("denpyou1", {{"SNo", n}, {"Sub_No", 1}, {"tekiyou1", text}});
    }
    BackupRequest request(BackupMethod method, const QDateTime& now) const {
        return {f.session.dataDir(), base, method, now, f.session.appDir};
    }
    QString sourceName() const { return QFileInfo(QDir::cleanPath(f.session.dataDir())).fileName(); }
};

} // namespace

TEST(BackupTarget, IsComputedFromTheBaseFolderAndTheMethod) {
    const QString home = QDir::homePath();
    struct Case {
        QString base;
        BackupMethod method;
        QString expected;
    };
    const Case cases[] = {
        {"/backup", BackupMethod::Overwrite, "/backup/"},
        {"/backup/", BackupMethod::Overwrite, "/backup/"},
        {"//backup", BackupMethod::Overwrite, "/backup/"},           // doubled after the root
        {"/mnt//usb//k9", BackupMethod::Overwrite, "/mnt/usb//k9/"}, // only the first is reduced
        {"", BackupMethod::Overwrite, home + "/"},                   // empty: the home folder
        {"  ", BackupMethod::Overwrite, home + "/"},
        {"~/控え", BackupMethod::Overwrite, home + "/控え/"},
        {"控え", BackupMethod::Overwrite, "/k9/控え/"}, // relative: in the program folder
        {"控え/2016", BackupMethod::Overwrite, "/k9/控え/2016/"},
        {"/backup", BackupMethod::TimeSeries, "/backup/2016年04月25日10時05分"},
        {"/backup/", BackupMethod::TimeSeries, "/backup/2016年04月25日10時05分"},
        {"", BackupMethod::TimeSeries, home + "/2016年04月25日10時05分"},
        {"控え", BackupMethod::TimeSeries, "/k9/控え/2016年04月25日10時05分"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(backupTarget(c.base, c.method, kAt, "/k9/").toStdString(), c.expected.toStdString())
            << c.base.toStdString() << " method " << static_cast<int>(c.method);
    // Single-digit months, days and hours keep their leading zeros.
    EXPECT_EQ(backupTarget("/b", BackupMethod::TimeSeries, QDateTime(QDate(2016, 1, 2), QTime(3, 4)), "/k9/")
                  .toStdString(),
              "/b/2016年01月02日03時04分");
}

TEST(BackupTarget, RefusesTargetsThatCannotHoldACopy) {
    const QString source = "/k9/2015/";
    struct Case {
        const char* base;
        BackupMethod method;
        bool refused;
    };
    const Case cases[] = {
        {"/", BackupMethod::Overwrite, true},             // base of one character
        {"a", BackupMethod::Overwrite, true},             // even though the target is long
        {"", BackupMethod::Overwrite, true},              // cleared field
        {"/k9", BackupMethod::Overwrite, true},           // the copy would be the data folder itself
        {"/k9/2015/控え", BackupMethod::Overwrite, true}, // inside the data folder
        {"/k9/2015", BackupMethod::TimeSeries, true},     // inside it too
        {"/", BackupMethod::TimeSeries, true},
        {"/k9", BackupMethod::TimeSeries, false}, // a new folder beside the data folder
        {"/k9x", BackupMethod::Overwrite, false},
        {"/backup", BackupMethod::Overwrite, false},
        {"控え", BackupMethod::Overwrite, false},
    };
    for (const auto& c : cases) {
        const QString base = QString::fromUtf8(c.base);
        const QString target = backupTarget(base, c.method, kAt, "/k9/");
        auto problem = backupTargetProblem(base, target, source);
        EXPECT_EQ(problem.has_value(), c.refused) << c.base << " → " << target.toStdString();
        if (problem) {
            EXPECT_EQ(problem->toStdString(), kInvalid.toStdString());
        }
    }
    // A copy that would contain the data folder: /b/2015 holds the data folder /b/2015/2015.
    EXPECT_TRUE(backupTargetProblem("/b", "/b/", "/b/2015/2015/").has_value());
}

TEST(BackupRun, RefusedTargetShowsTheMessageAndCopiesNothing) {
    BackupFixture b;
    b.base = "/";
    RecordingPrompter prompter;
    EXPECT_FALSE(runBackup(b.request(BackupMethod::Overwrite, kAt), prompter));
    EXPECT_EQ(prompter.texts(), QStringList{kInvalid});
}

TEST(BackupRun, TimeSeriesBackupsAMinuteApartGoIntoTwoFolders) {
    BackupFixture b;
    RecordingPrompter prompter;
    ASSERT_TRUE(runBackup(b.request(BackupMethod::TimeSeries, kAt), prompter));
    b.addLine(QStringLiteral("二番目の伝票"));
    ASSERT_TRUE(runBackup(b.request(BackupMethod::TimeSeries, kAt.addSecs(60)), prompter));

    const QString first = b.base + "2016年04月25日10時05分";
    const QString second = b.base + "2016年04月25日10時06分";
    EXPECT_EQ(prompter.texts(), (QStringList{doneMessage(first), doneMessage(second)}));
    EXPECT_EQ(QDir(b.base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"2016年04月25日10時05分", "2016年04月25日10時06分"}));
    EXPECT_EQ(journalIn(first + '/' + b.sourceName()), QStringList{"最初の伝票"});
    EXPECT_EQ(journalIn(second + '/' + b.sourceName()), (QStringList{"最初の伝票", "二番目の伝票"}));
}

TEST(BackupRun, OverwriteKeepsOneFolderWithTheLatestData) {
    BackupFixture b;
    RecordingPrompter prompter;
    ASSERT_TRUE(runBackup(b.request(BackupMethod::Overwrite, kAt), prompter));
    b.addLine(QStringLiteral("二番目の伝票"));
    writeFile(b.f.session.dataDir() + "cyuki1.txt", "note v2");
    // Working folders left behind by an interrupted run are cleared on the way.
    const QString destination = b.base + b.sourceName();
    writeFile(backupStagingFolder(destination) + "/2015/half.txt", "half");
    writeFile(backupRetiredFolder(destination) + "/2015/old.txt", "old");
    ASSERT_TRUE(runBackup(b.request(BackupMethod::Overwrite, kAt.addSecs(60)), prompter));

    EXPECT_EQ(prompter.texts(), (QStringList{doneMessage(b.base), doneMessage(b.base)}));
    // No working folders are left beside the backup.
    EXPECT_EQ(QDir(b.base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{b.sourceName()});
    const QString copy = destination + '/';
    EXPECT_EQ(journalIn(copy), (QStringList{"最初の伝票", "二番目の伝票"}));
    EXPECT_EQ(readFile(copy + "cyuki1.txt"), QByteArray("note v2"));
    EXPECT_EQ(readFile(copy + "資料/memo.txt"), QByteArray("memo"));
}

TEST(BackupRun, FailedCopyLeavesThePreviousBackupIntact) {
    struct Case {
        const char* name;
        // Breaks the next backup; gets the data folder and the backup's destination.
        std::function<void(const QString& dataDir, const QString& destination)> breakIt;
        bool workingFolderRemoved; // whether nothing of the attempt stays beside the backup
    };
    const Case cases[] = {
        {"a file stands where the new copy is assembled",
         [](const QString&, const QString& destination) {
             writeFile(backupStagingFolder(destination), "in the way");
         },
         false},
        {"a source file cannot be read",
         [](const QString& dataDir, const QString&) {
             ASSERT_TRUE(QFile::link(dataDir + "no-such-file", dataDir + "unreadable.txt"));
         },
         true},
        {"a source database is damaged",
         [](const QString& dataDir, const QString&) {
             Database db;
             db.open(dataDir + "extra.db", Database::Kind::Other);
             db.exec("CREATE TABLE t (x TEXT)");
             {
                 Transaction tx(db);
                 for (int i = 0; i < 3000; ++i)
                     db.run("INSERT INTO t VALUES (?1)", {QStringLiteral("行%1").arg(i)});
                 tx.commit();
             }
             db.close();
             QFile f(dataDir + "extra.db");
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             ASSERT_TRUE(f.seek(f.size() / 2 / 4096 * 4096));
             f.write(QByteArray(2 * 4096, '\x5A'));
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackupFixture b;
        RecordingPrompter prompter;
        ASSERT_TRUE(runBackup(b.request(BackupMethod::Overwrite, kAt), prompter));
        const QString destination = b.base + b.sourceName();
        b.addLine(QStringLiteral("二番目の伝票"));
        c.breakIt(b.f.session.dataDir(), destination);
        prompter.clear();

        EXPECT_FALSE(runBackup(b.request(BackupMethod::Overwrite, kAt.addSecs(60)), prompter));
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_TRUE(prompter.last().startsWith(kFailed + '\n')) << prompter.last().toStdString();
        EXPECT_GT(prompter.last().size(), kFailed.size() + 1); // the reason follows
        EXPECT_EQ(journalIn(destination), QStringList{"最初の伝票"});
        EXPECT_EQ(readFile(destination + "/cyuki1.txt"), QByteArray("note v1"));
        if (c.workingFolderRemoved) {
            EXPECT_EQ(QDir(b.base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{b.sourceName()});
        }
    }
}

TEST(BackupRun, CopyDuringAnOpenWriteTransactionIsConsistent) {
    BackupFixture b;
    auto& aaa = b.f.session.aaa;
    Transaction tx(aaa);
    b.addLine(QStringLiteral("未確定の伝票"));
    aaa.run("UPDATE denpyou1 SET tekiyou1 = ?1", {QStringLiteral("書き換え中")});
    ASSERT_TRUE(aaa.inTransaction());

    RecordingPrompter prompter;
    ASSERT_TRUE(runBackup(b.request(BackupMethod::Overwrite, kAt), prompter));
    // The copy holds the last committed state, and no journal of the open transaction.
    const QString copy = b.base + b.sourceName() + '/';
    EXPECT_EQ(journalIn(copy), QStringList{"最初の伝票"});
    EXPECT_FALSE(QFileInfo::exists(copy + "k9.db-journal"));
    // The writer is undisturbed and can still commit.
    tx.commit();
    EXPECT_EQ(aaa.rowCount("denpyou1"), 2);
}

TEST(BackupSettings, AreRememberedInHeadM) {
    test::SessionFixture f;
    auto& hm = f.session.hm;
    BackupSettings fresh = loadBackupSettings(hm);
    EXPECT_EQ(fresh.baseFolder.toStdString(), defaultBackupBase().toStdString());
    EXPECT_EQ(fresh.method, BackupMethod::TimeSeries);

    saveBackupSettings(hm, {QStringLiteral("/media/控え/"), BackupMethod::Overwrite});
    EXPECT_EQ(hm.rowCount("HeadM"), 1);
    EXPECT_EQ(hm.scalar("SELECT PathName2 FROM HeadM").toString().toStdString(), "/media/控え/");
    EXPECT_EQ(hm.scalar("SELECT PM13 FROM HeadM").toInt(), 1);
    BackupSettings again = loadBackupSettings(hm);
    EXPECT_EQ(again.baseFolder.toStdString(), "/media/控え/");
    EXPECT_EQ(again.method, BackupMethod::Overwrite);

    saveBackupSettings(hm, {QStringLiteral("/b/"), BackupMethod::TimeSeries});
    EXPECT_EQ(hm.rowCount("HeadM"), 1);
    EXPECT_EQ(hm.scalar("SELECT PM13 FROM HeadM").toInt(), 0);
}
