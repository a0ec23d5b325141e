// SPDX-License-Identifier: GPL-3.0-or-later
// "破損ファイルの修復": the run completes whatever tables are missing, WKTBL0 is renumbered
// in order, the Mkamoku key is restored or reported, and damaged files are named.
#include "app/repair.h"
#include "store/database.h"
#include "store/folders.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace k9;

namespace {

const QString kDone = QStringLiteral("データ修復及びインデックスの再構築が終わりました。");

std::vector<int> renNumbers(Database& www) {
    std::vector<int> out;
    auto st = www.prepare("SELECT renNo FROM WKTBL0 ORDER BY renNo");
    while (st.step())
        out.push_back(static_cast<int>(st.integer(0)));
    return out;
}

QStringList codesInOrder(Database& www) {
    QStringList out;
    auto st = www.prepare("SELECT code1 FROM WKTBL0 ORDER BY renNo");
    while (st.step())
        out << st.text(0);
    return out;
}

// Overwrites a stretch in the middle of a file with garbage, page-aligned so that whole
// b-tree pages are hit.
void damageMiddle(const QString& file) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 pages = f.size() / 4096;
    ASSERT_GE(pages, 8);
    ASSERT_TRUE(f.seek(pages / 2 * 4096));
    f.write(QByteArray(3 * 4096, '\xA5'));
}

} // namespace

TEST(Repair, CompletesOnAWorkFolderThatLacksTablesAndShowsTheFinalMessage) {
    test::SessionFixture f;
    for (const char* t : {"TEKIYOU", "WKTBL0", "WKTBL1", "DMem", "tukibetu"})
        f.session.www.exec(QStringLiteral("DROP TABLE \"%1\"").arg(QString::fromLatin1(t)));
    RecordingPrompter prompter;
    RepairResult r = runRepair(f.session, prompter);
    EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join('\n').toStdString();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.last().toStdString(), kDone.toStdString());
    EXPECT_FALSE(prompter.shown.back().question);
}

TEST(Repair, RenumbersWorkTable0KeepingTheOrder) {
    struct Case {
        const char* name;
        std::vector<int> before; // inserted in this order
        std::vector<int> after;  // in the order of the old numbers
    };
    const Case cases[] = {
        {"gaps", {7, 12, 3}, {1, 2, 3}},
        {"already dense", {1, 2, 3}, {1, 2, 3}},
        {"new numbers collide with old ones", {2, 3, 1, 5}, {1, 2, 3, 4}},
        {"one row", {40}, {1}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::SessionFixture f;
        auto& www = f.session.www;
        std::vector<int> sorted = c.before;
        std::sort(sorted.begin(), sorted.end());
        for (int n : c.before)
            www.insertRow("WKTBL0", {{"renNo", n}, {"code1", QStringLiteral("C%1").arg(n)}, {"F", n % 2}});
        QStringList codesBefore = codesInOrder(www);

        RecordingPrompter prompter;
        RepairResult r = runRepair(f.session, prompter);
        EXPECT_TRUE(r.problems.isEmpty()) << r.problems.join('\n').toStdString();
        EXPECT_EQ(renNumbers(www), c.after);
        EXPECT_EQ(codesInOrder(www), codesBefore); // every row kept, same order
        for (int n : sorted) {
            QVariant flag = www.scalar("SELECT F FROM WKTBL0 WHERE code1=?1", {QStringLiteral("C%1").arg(n)});
            EXPECT_EQ(flag.toInt(), n % 2);
        }
    }
}

TEST(Repair, RestoresOrReportsAMissingMkamokuKey) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> rows; // (B_ID, code)
        bool keyAfter;
        const char* problem;
    };
    const Case cases[] = {
        {"distinct rows get the key", {{1, "11100"}, {2, "11100"}, {1, "11200"}}, true, "作成しました"},
        {"duplicate rows are reported", {{1, "11100"}, {1, "11100"}}, false, "作成できませんでした"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::SessionFixture f;
        auto& aaa = f.session.aaa;
        // A legacy Mkamoku without its key.
        aaa.exec("DROP TABLE Mkamoku");
        aaa.exec("CREATE TABLE Mkamoku (B_ID SMALLINT, code CHARACTER(5), \"科目名\" CHARACTER(40))");
        for (const auto& [unit, code] : c.rows)
            aaa.run("INSERT INTO Mkamoku (B_ID, code) VALUES (?1, ?2)", {unit, QString::fromLatin1(code)});

        RecordingPrompter prompter;
        RepairResult r = runRepair(f.session, prompter);
        ASSERT_EQ(r.problems.size(), 1) << r.problems.join('\n').toStdString();
        EXPECT_TRUE(r.problems[0].contains("Mkamoku")) << r.problems[0].toStdString();
        EXPECT_TRUE(r.problems[0].contains(QString::fromUtf8(c.problem))) << r.problems[0].toStdString();
        EXPECT_EQ(aaa.rowCount("Mkamoku"), static_cast<int>(c.rows.size()));
        bool duplicateRefused = true;
        try {
            aaa.run("INSERT INTO Mkamoku (B_ID, code) VALUES (1, '11100')");
            duplicateRefused = false;
        } catch (const StoreError&) {
        }
        EXPECT_EQ(duplicateRefused, c.keyAfter);
        // The final message comes first, then the problem.
        EXPECT_TRUE(prompter.last().startsWith(kDone + '\n'));
        EXPECT_TRUE(prompter.last().contains(r.problems[0]));
    }
}

TEST(Repair, NamesADamagedDatabaseFileAndStillRunsEveryStep) {
    test::SessionFixture f;
    {
        Transaction tx(f.session.aaa);
        for (int i = 1; i <= 4000; ++i)
            f.session.aaa.insertRow("denpyou1", {{"SNo", i},
                                                 {"Sub_No", 1},
                                                 {"hizuke", "2015-04-01"},
                                                 {"tekiyou1", QStringLiteral("摘要その%1").arg(i)}});
        tx.commit();
    }
    f.session.www.insertRow("WKTBL0", {{"renNo", 9}, {"code1", "A"}});
    ASSERT_TRUE(QDir().mkpath(f.folders.path("damaged")));
    const QString damaged = f.folders.path("damaged/k9.db");
    ASSERT_TRUE(copyDatabaseFile(f.session.aaa.fileName(), damaged));
    damageMiddle(damaged);
    f.session.aaa.open(damaged, Database::Kind::Data);

    RecordingPrompter prompter;
    RepairResult r = runRepair(f.session, prompter);
    EXPECT_EQ(r.damagedFiles, QStringList{damaged});
    EXPECT_EQ(r.stillDamagedFiles, QStringList{damaged});
    ASSERT_FALSE(r.problems.isEmpty());
    EXPECT_TRUE(r.problems[0].contains(damaged)) << r.problems[0].toStdString();
    EXPECT_TRUE(r.problems.last().contains(damaged)) << r.problems.last().toStdString();
    EXPECT_TRUE(prompter.last().startsWith(kDone + '\n'));
    EXPECT_EQ(prompter.shown.back().icon, MessageIcon::Warning);
    // The work folder was still renumbered after the data folder's failures.
    EXPECT_EQ(renNumbers(f.session.www), std::vector<int>{1});
}
