// SPDX-License-Identifier: GPL-3.0-or-later
// Folder creation and the folder and file copies of the backup and the new fiscal year.
#include "store/folders.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace k9 {
namespace {

void writeFile(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// SNo of every journal line of the database file, and its integrity verdict.
std::pair<std::vector<int>, QString> journalOf(const QString& file) {
    Database db;
    db.open(file, Database::Kind::Other);
    std::vector<int> numbers;
    auto st = db.prepare("SELECT SNo FROM denpyou1 ORDER BY SNo");
    while (st.step())
        numbers.push_back(static_cast<int>(st.integer(0)));
    return {numbers, db.scalar("PRAGMA integrity_check").toString()};
}

TEST(FoldersForce, CreatesEveryMissingLevelAndTellsWhetherItCreatedAny) {
    test::TempFolders t;
    EXPECT_TRUE(forceFolders(t.path("a/b/c/")));
    EXPECT_TRUE(QFileInfo(t.path("a/b/c")).isDir());
    EXPECT_FALSE(forceFolders(t.path("a/b/c/")));
    EXPECT_FALSE(forceFolders(t.path("a/b")));
    EXPECT_TRUE(forceFolders(t.path("a/b/d")));
    EXPECT_TRUE(QFileInfo(t.path("a/b/d")).isDir());
    writeFile(t.path("file"), "x");
    EXPECT_FALSE(forceFolders(t.path("file/sub/")));
    EXPECT_FALSE(QFileInfo::exists(t.path("file/sub")));
}

class FolderCopy : public ::testing::Test {
protected:
    test::SessionFixture fx;
    QString data = fx.session.dataDir();

    void SetUp() override {
        for (int sno : {1, 2})
            fx.session.aaa.insertRow("denpyou1", {{"SNo", sno}, {"Sub_No", 1}, {"Lkingaku", 100 * sno}});
        writeFile(data + "cyuki1.txt", "footnote");
        writeFile(data + "sub/note.txt", "nested");
    }
};

TEST_F(FolderCopy, CopiesTheTreeAsASubfolderAndAnOpenDatabaseConsistently) {
    // A change in progress on the open data folder is not part of the copy.
    Transaction pending(fx.session.aaa);
    fx.session.aaa.insertRow("denpyou1", {{"SNo", 3}, {"Sub_No", 1}});

    const QString target = fx.folders.path("backup/");
    ASSERT_TRUE(copyFolder(data, target));
    const QString copy = target + QDir(data).dirName() + '/';
    const auto [numbers, verdict] = journalOf(copy + "k9.db");
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(verdict, "ok");
    EXPECT_EQ(readFile(copy + "cyuki1.txt"), "footnote");
    EXPECT_EQ(readFile(copy + "sub/note.txt"), "nested");
    EXPECT_FALSE(QFileInfo::exists(copy + "k9.db-journal"));

    pending.commit();
    EXPECT_EQ(journalOf(data + "k9.db").first, (std::vector<int>{1, 2, 3}));
}

TEST_F(FolderCopy, OverwritesAnEarlierCopy) {
    const QString target = fx.folders.path("backup");
    ASSERT_TRUE(copyFolder(data, target));
    fx.session.aaa.insertRow("denpyou1", {{"SNo", 4}, {"Sub_No", 1}});
    writeFile(data + "cyuki1.txt", "changed");
    ASSERT_TRUE(copyFolder(data, target));
    const QString copy = target + '/' + QDir(data).dirName() + '/';
    EXPECT_EQ(journalOf(copy + "k9.db").first, (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(readFile(copy + "cyuki1.txt"), "changed");
}

TEST_F(FolderCopy, ATargetInsideTheSourceIsNotCopiedIntoItself) {
    const QString target = data + "bk/";
    ASSERT_TRUE(copyFolder(data, target));
    const QString copy = target + QDir(data).dirName() + '/';
    EXPECT_EQ(readFile(copy + "sub/note.txt"), "nested");
    EXPECT_FALSE(QFileInfo::exists(copy + "bk"));
}

TEST_F(FolderCopy, FailsWithoutASourceOrWithATargetThatCannotBeMade) {
    EXPECT_FALSE(copyFolder(fx.folders.path("missing"), fx.folders.path("backup")));
    writeFile(fx.folders.path("blocked"), "x");
    EXPECT_FALSE(copyFolder(data, fx.folders.path("blocked/backup")));
}

TEST_F(FolderCopy, CopyFileBetweenFoldersCreatesTheTargetAndOverwrites) {
    const QString next = fx.folders.path("2016/");
    ASSERT_TRUE(copyFileBetweenFolders(data, next, "k9.db"));
    EXPECT_EQ(journalOf(next + "k9.db").first, (std::vector<int>{1, 2}));
    fx.session.aaa.insertRow("denpyou1", {{"SNo", 5}, {"Sub_No", 1}});
    ASSERT_TRUE(copyFileBetweenFolders(data, next, "k9.db"));
    EXPECT_EQ(journalOf(next + "k9.db").first, (std::vector<int>{1, 2, 5}));

    writeFile(next + "cyuki1.txt", "old");
    ASSERT_TRUE(copyFileBetweenFolders(fx.folders.path("2015"), fx.folders.path("2016"), "cyuki1.txt"));
    EXPECT_EQ(readFile(next + "cyuki1.txt"), "footnote");
    EXPECT_FALSE(copyFileBetweenFolders(data, next, "missing.txt"));
}

TEST_F(FolderCopy, AFileNamedLikeADatabaseButNotOneIsCopiedAsItIs) {
    writeFile(data + "notes.db", "plain text");
    const QString next = fx.folders.path("2016/");
    ASSERT_TRUE(copyFileBetweenFolders(data, next, "notes.db"));
    EXPECT_EQ(readFile(next + "notes.db"), "plain text");
}

} // namespace
} // namespace k9
