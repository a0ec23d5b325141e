// SPDX-License-Identifier: GPL-3.0-or-later
// The unit register: swapping two units (masters, lines, names, flags, allocation and display
// columns, voucher numbers, footnote files) as one all-or-nothing change, deleting a range of
// units, the checks on the typed unit numbers, and the first chart copied from a template.
#include "app/registermessages.h"
#include "app/unitregister.h"
#include "store/prompter.h"
#include "unitfixture.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

using test::UnitFolder;

TEST(UnitMove, SwapsEverythingOfTheTwoUnitsAndBackAgain) {
    UnitFolder f;
    const QStringList before = f.snapshot();
    RecordingPrompter p;
    ASSERT_TRUE(runUnitMove(f.session, p, "3", "5"));
    EXPECT_EQ(p.texts(), QStringList{msg::unitMoveQuestion()});

    EXPECT_EQ(f.rows("SELECT code, Bumonmei, F1, F2, F3 FROM BUMON WHERE code IN (3, 5) ORDER BY code"),
              (QStringList{"3|事業会計|1|0|1", "5|本部会計|1|1234|0"}));
    EXPECT_EQ(f.rows("SELECT B_ID, code FROM Mkamoku ORDER BY B_ID, code"),
              (QStringList{"3|10100", "5|10100", "5|50100"}));
    EXPECT_EQ(f.rows("SELECT B_ID, SNo FROM Mkamoku2"), QStringList{"5|10"});
    EXPECT_EQ(f.rows("SELECT B_ID, hojo_CD FROM Mhojokamoku"), QStringList{"5|001"});
    EXPECT_EQ(f.rows("SELECT SNo, Sub_No, FlgT, Lkingaku FROM denpyou1 ORDER BY SNo, Sub_No"),
              (QStringList{"30012|1|3|500", "50012|1|5|1000", "50012|2|5|2000", "990001|1|0|7000"}));
    EXPECT_EQ(f.rows("SELECT A03, A05, B03, B05, A00 FROM kamoku"), QStringList{"40|60|∅|1|100"});
    EXPECT_EQ(f.readFile(3), "事業の注記");
    EXPECT_EQ(f.readFile(5), "本部の注記");

    ASSERT_TRUE(runUnitMove(f.session, p, "５", " 3 "));
    EXPECT_EQ(f.snapshot(), before);
}

TEST(UnitMove, IntoAnEmptyUnitLeavesTheSourceEmpty) {
    UnitFolder f;
    RecordingPrompter p;
    ASSERT_TRUE(runUnitMove(f.session, p, "3", "7"));
    EXPECT_EQ(f.rows("SELECT count(*) FROM Mkamoku WHERE B_ID = 3"), QStringList{"0"});
    EXPECT_EQ(f.rows("SELECT count(*) FROM Mkamoku WHERE B_ID = 7"), QStringList{"2"});
    EXPECT_EQ(f.rows("SELECT SNo, Sub_No FROM denpyou1 WHERE FlgT = 7 ORDER BY Sub_No"),
              (QStringList{"70012|1", "70012|2"}));
    EXPECT_EQ(f.rows("SELECT code, Bumonmei, F2 FROM BUMON WHERE code IN (3, 7) ORDER BY code"),
              (QStringList{"3|∅|∅", "7|本部会計|1234"}));
    EXPECT_EQ(f.readFile(3), "(none)");
    EXPECT_EQ(f.readFile(7), "本部の注記");
}

TEST(UnitMove, RenumbersVouchersOnlyWithPerUnitSerials) {
    const struct {
        int numbering;
        QStringList lines;
    } cases[] = {
        {1, {"30012|1|3", "50012|1|5", "50012|2|5", "990001|1|0"}},
        {0, {"30012|1|5", "30012|2|5", "50012|1|3", "990001|1|0"}},
    };
    for (const auto& c : cases) {
        UnitFolder f;
        f.session.aaa.updateRows("Head", {{"PM1", c.numbering}}, QString());
        f.session.voucherNumbering = 1 - c.numbering; // the stored value rules, not the session's
        RecordingPrompter p;
        ASSERT_TRUE(runUnitMove(f.session, p, "3", "5"));
        EXPECT_EQ(f.rows("SELECT SNo, Sub_No, FlgT FROM denpyou1 ORDER BY SNo, Sub_No"), c.lines)
            << c.numbering;
        EXPECT_FALSE(f.session.aaa.tableExists("WTBL7"));
    }
}

TEST(UnitMove, AFailureHalfWayChangesNothingAndIsReported) {
    const struct {
        const char* what;
        const char* setup;
        const char* reason;
    } cases[] = {
        {"BUMON refuses the swap",
         "CREATE TRIGGER stop BEFORE UPDATE ON BUMON BEGIN SELECT RAISE(ABORT, '部門表は更新できません'); "
         "END",
         "部門表は更新できません"},
        {"two lines meet on one voucher number",
         "INSERT INTO denpyou1 (SNo, Sub_No, FlgT, Lkingaku) VALUES (70012, 1, 3, 1)",
         "UNIQUE constraint failed"},
    };
    for (const auto& c : cases) {
        UnitFolder f;
        f.session.aaa.exec(QString::fromUtf8(c.setup));
        const QStringList before = f.snapshot();
        RecordingPrompter p;
        EXPECT_FALSE(runUnitMove(f.session, p, "3", "5")) << c.what;
        EXPECT_EQ(f.snapshot(), before) << c.what;
        ASSERT_EQ(p.shown.size(), 2u) << c.what;
        EXPECT_TRUE(p.last().startsWith(QStringLiteral("[エラー] ") + QString::fromUtf8(c.reason)))
            << p.last().toStdString();
        EXPECT_EQ(p.shown.back().icon, MessageIcon::Error);
        EXPECT_FALSE(f.session.aaa.inTransaction());
    }
}

TEST(UnitNumbers, OutsideOneToNineteenStopWithAMessage) {
    const struct {
        const char* from;
        const char* to;
    } cases[] = {{"0", "5"}, {"3", "20"}, {"abc", "5"}, {"", ""}, {"-1", "3"}, {"3", "3.5"}};
    for (const auto& c : cases) {
        UnitFolder f;
        const QStringList before = f.snapshot();
        for (auto run : {runUnitMove, runUnitDelete}) {
            RecordingPrompter p;
            EXPECT_FALSE(run(f.session, p, c.from, c.to));
            EXPECT_EQ(p.last(), msg::invalidUnitNumbers()) << c.from << " " << c.to;
        }
        EXPECT_EQ(f.snapshot(), before);
    }
}

TEST(UnitNumbers, DecliningTheQuestionDoesNothing) {
    UnitFolder f;
    const QStringList before = f.snapshot();
    for (auto run : {runUnitMove, runUnitDelete}) {
        RecordingPrompter p;
        p.answers = {Answer::No};
        EXPECT_FALSE(run(f.session, p, "3", "5"));
        EXPECT_EQ(p.shown.size(), 1u);
    }
    EXPECT_EQ(f.snapshot(), before);
}

TEST(FootnoteFiles, SwapWhicheverExist) {
    const struct {
        bool x, y;
        const char* atX;
        const char* atY;
    } cases[] = {{true, true, "Y", "X"},
                 {true, false, "(none)", "X"},
                 {false, true, "Y", "(none)"},
                 {false, false, "(none)", "(none)"}};
    for (const auto& c : cases) {
        UnitFolder f;
        QFile::remove(f.footnote(3));
        QFile::remove(f.footnote(5));
        if (c.x)
            f.writeFile(3, "X");
        if (c.y)
            f.writeFile(5, "Y");
        EXPECT_TRUE(swapFootnoteFiles(f.session.dataDir(), 3, 5).isEmpty());
        EXPECT_EQ(f.readFile(3), c.atX);
        EXPECT_EQ(f.readFile(5), c.atY);
    }
}

TEST(FootnoteFiles, AFailedRenameIsReportedAfterTheDataMoved) {
    UnitFolder f;
    QFile::remove(f.footnote(5));
    QDir().mkpath(f.footnote(5)); // a folder in the way of the renamed file
    RecordingPrompter p;
    EXPECT_TRUE(runUnitMove(f.session, p, "3", "5"));
    EXPECT_EQ(p.last(), msg::footnoteNotRenamed("cyuki3.txt", "cyuki5.txt"));
    EXPECT_EQ(f.rows("SELECT Bumonmei FROM BUMON WHERE code = 5"), QStringList{"本部会計"});
    EXPECT_EQ(f.readFile(3), "本部の注記");
}

TEST(UnitDelete, ClearsNamesKeepsRowsAndRemovesTheData) {
    UnitFolder f;
    for (int unit : {4, 5, 6, 7})
        f.addLine(unit * 10000 + 1, 1, unit, 100);
    f.setUnit(4, "会計4", 1, 44, 0);
    f.setUnit(7, "会計7", 1, 77, 0);
    f.session.aaa.updateRows("kamoku", {{"A05", 0}}, QString()); // no allocation left on unit 5
    RecordingPrompter p;
    ASSERT_TRUE(runUnitDelete(f.session, p, "4", "6"));
    EXPECT_EQ(p.texts(), QStringList{msg::unitDeleteQuestion()});
    EXPECT_EQ(f.rows("SELECT code, Bumonmei, F1, F2 FROM BUMON WHERE code BETWEEN 3 AND 7 ORDER BY code"),
              (QStringList{"3|本部会計|1|1234", "4|∅|∅|44", "5|∅|∅|0", "6|∅|∅|∅", "7|会計7|1|77"}));
    EXPECT_EQ(f.rows("SELECT DISTINCT B_ID FROM Mkamoku ORDER BY B_ID"), QStringList{"3"});
    EXPECT_EQ(f.rows("SELECT DISTINCT FlgT FROM denpyou1 ORDER BY FlgT"), (QStringList{"0", "3", "7"}));
    EXPECT_EQ(f.rows("SELECT count(*) FROM BUMON"), QStringList{"20"});
}

TEST(UnitDelete, WarnsWhileAUnitStillCarriesAllocationPercentages) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        UnitFolder f;
        RecordingPrompter p;
        p.answers = {Answer::Yes, answer};
        EXPECT_EQ(runUnitDelete(f.session, p, "4", "6"), answer == Answer::Yes);
        ASSERT_EQ(p.shown.size(), 2u);
        EXPECT_EQ(p.shown[1].text, msg::allocationStillSet({"5"}));
        EXPECT_TRUE(p.shown[1].question);
        EXPECT_EQ(f.rows("SELECT count(*) FROM Mkamoku WHERE B_ID = 5"),
                  QStringList{answer == Answer::Yes ? "0" : "1"});
    }
}

TEST(UnitDelete, AReversedRangeDoesNothing) {
    UnitFolder f;
    const QStringList before = f.snapshot();
    RecordingPrompter p;
    EXPECT_FALSE(runUnitDelete(f.session, p, "6", "4"));
    EXPECT_EQ(p.texts(), QStringList{msg::unitDeleteQuestion()});
    EXPECT_EQ(f.snapshot(), before);
}

TEST(UnitDelete, AFailureDeletesNothing) {
    UnitFolder f;
    f.session.aaa.exec("CREATE TRIGGER keep BEFORE DELETE ON denpyou1 BEGIN SELECT RAISE(ABORT, "
                       "'仕訳は削除できません'); END");
    f.session.aaa.updateRows("kamoku", {{"A05", 0}}, QString());
    const QStringList before = f.snapshot();
    RecordingPrompter p;
    EXPECT_FALSE(runUnitDelete(f.session, p, "3", "5"));
    EXPECT_EQ(p.last(), QStringLiteral("[エラー] 仕訳は削除できません"));
    EXPECT_EQ(f.snapshot(), before);
}

TEST(UnitRegister, NamesTheConsolidatedTotalWhenUnnamed) {
    UnitFolder f;
    f.session.aaa.updateRows("BUMON", {{"Bumonmei", QVariant()}}, "code = 0");
    prepareUnitRegister(f.session);
    EXPECT_EQ(f.rows("SELECT Bumonmei FROM BUMON WHERE code = 0"), QStringList{"合　計"});
    f.setUnit(0, "全体", 0, 0, 0);
    prepareUnitRegister(f.session);
    EXPECT_EQ(f.rows("SELECT Bumonmei FROM BUMON WHERE code = 0"), QStringList{"全体"});
}

TEST(TemplateChart, IsCopiedByNameIntoAnEmptyDataFolder) {
    UnitFolder f;
    f.session.aaa.run("DELETE FROM kamoku");
    f.makeTemplate(1);
    EXPECT_TRUE(dataChartIsEmpty(f.session));
    RecordingPrompter p;
    EXPECT_EQ(runPrepareChart(f.session, p, 1), RegisterOutcome::ChartPrepared);
    EXPECT_EQ(p.texts(), (QStringList{msg::templateQuestion(), msg::chartPrepared()}));
    EXPECT_EQ(f.rows("SELECT code, 科目名, FlgA FROM kamoku ORDER BY code"),
              (QStringList{"10100|現金|0", "10200|普通預金|0"}));
    EXPECT_EQ(f.rows("SELECT SNo, 科目名, code FROM kamoku2"), QStringList{"1|経常収益|70000"});
    EXPECT_EQ(f.rows("SELECT kamoku_CD, hojo_CD, 補助科目名 FROM hojokamoku"),
              QStringList{"10200|001|本店口座"});
    EXPECT_FALSE(dataChartIsEmpty(f.session));
    EXPECT_TRUE(f.session.templateDir.isEmpty());
}

TEST(TemplateChart, NothingIsCopiedWhenTheFolderHasAChartOrTheUserDeclines) {
    const struct {
        bool chartPresent;
        Answer answer;
        RegisterOutcome outcome;
        int texts;
    } cases[] = {{true, Answer::Yes, RegisterOutcome::ChartPrepared, 1},
                 {false, Answer::No, RegisterOutcome::None, 1}};
    for (const auto& c : cases) {
        UnitFolder f;
        if (!c.chartPresent)
            f.session.aaa.run("DELETE FROM kamoku");
        f.makeTemplate(0);
        const QStringList before = f.rows("SELECT code FROM kamoku");
        RecordingPrompter p;
        p.answers = {c.answer};
        EXPECT_EQ(runPrepareChart(f.session, p, 0), c.outcome);
        EXPECT_EQ(p.shown.size(), static_cast<size_t>(c.texts));
        if (c.chartPresent) {
            EXPECT_EQ(p.last(), msg::chartPrepared());
        }
        EXPECT_EQ(f.rows("SELECT code FROM kamoku"), before);
        EXPECT_EQ(f.rows("SELECT count(*) FROM kamoku2"), QStringList{"0"});
    }
}

TEST(TemplateChart, AFailedCopyLeavesTheFolderEmpty) {
    UnitFolder f;
    f.session.aaa.run("DELETE FROM kamoku");
    f.makeTemplate(2);
    f.session.aaa.insertRow("hojokamoku",
                            {{"kamoku_CD", "10200"}, {"hojo_CD", "001"}}); // clashes with the template
    RecordingPrompter p;
    EXPECT_EQ(runPrepareChart(f.session, p, 2), RegisterOutcome::None);
    EXPECT_TRUE(p.last().startsWith(QStringLiteral("[エラー] "))) << p.last().toStdString();
    EXPECT_TRUE(dataChartIsEmpty(f.session));
    EXPECT_EQ(f.rows("SELECT count(*) FROM kamoku2"), QStringList{"0"});

    QFile::remove(templateDatabaseFile(f.session.appDir, chartTemplates()[0].folder));
    RecordingPrompter missing;
    EXPECT_EQ(runPrepareChart(f.session, missing, 0), RegisterOutcome::None);
    EXPECT_TRUE(missing.last().contains(chartTemplates()[0].title)) << missing.last().toStdString();
}

TEST(TemplateChart, EditingATemplatePointsTheSessionAtItsFolder) {
    UnitFolder f;
    for (int choice = 0; choice < 3; ++choice) {
        EXPECT_EQ(requestTemplateEdit(f.session, choice), RegisterOutcome::EditTemplate);
        EXPECT_EQ(f.session.templateDir,
                  f.session.appDir + chartTemplates()[static_cast<size_t>(choice)].folder + QLatin1Char('/'));
    }
}

} // namespace
} // namespace k9
