// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped chart templates: each builds from its CSV sources into a sound template
// database in the data-folder layout; the builder refuses faulty sources and keeps the
// older template; the structural checks catch each kind of broken chart.
#include "chart/chartvalidator.h"
#include "chart/templates.h"
#include "store/database.h"
#include "store/tabledefs.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace k9;

namespace {

std::string joined(const QStringList& problems) {
    return problems.join(QLatin1Char('\n')).toStdString();
}

QString sourceDir(const QString& folder) {
    return QDir(templateSourceRoot()).filePath(folder);
}

QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    for (const auto& c : db.columns(table))
        names << c.name;
    return names;
}

// A copy of one shipped template's sources that a test may spoil.
QString copySources(const test::TempFolders& folders, const QString& folder) {
    QString dir = folders.path(QStringLiteral("src-") + folder);
    QDir().mkpath(dir);
    for (const char* file : {"kamoku.csv", "kamoku2.csv", "hojokamoku.csv"})
        QFile::copy(QDir(sourceDir(folder)).filePath(QLatin1String(file)),
                    QDir(dir).filePath(QLatin1String(file)));
    return dir;
}

void replaceInFile(const QString& file, const QString& from, const QString& to) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    ASSERT_TRUE(text.contains(from)) << from.toStdString();
    text.replace(from, to);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

struct TemplateCounts {
    const char* folder;
    int accounts;
    int fundLines;
    int subAccounts;
};

// Names the template in test output instead of dumping the struct's bytes.
void PrintTo(const TemplateCounts& t, std::ostream* os) {
    *os << t.folder;
}

class ChartTemplateTest : public testing::TestWithParam<TemplateCounts> {};

} // namespace

TEST(TemplateSources, AreFoundInTheSourceTree) {
    ASSERT_FALSE(templateSourceRoot().isEmpty());
    for (const auto& t : chartTemplates())
        for (const char* file : {"kamoku.csv", "kamoku2.csv", "hojokamoku.csv"})
            EXPECT_TRUE(QFile::exists(QDir(sourceDir(t.folder)).filePath(QLatin1String(file))))
                << t.folder.toStdString() << "/" << file;
}

TEST_P(ChartTemplateTest, BuildsASoundChartInTheDataFolderLayout) {
    const auto& expected = GetParam();
    test::TempFolders folders;
    QString target = templateDatabaseFile(folders.appDir(), QLatin1String(expected.folder));
    buildTemplateDatabase(sourceDir(QLatin1String(expected.folder)), target);

    Database db;
    db.open(target, Database::Kind::Other);
    EXPECT_EQ(validateChart(db), QStringList()) << joined(validateChart(db));
    EXPECT_EQ(columnNames(db, "kamoku"), tables::kamoku().columnNames());
    EXPECT_EQ(columnNames(db, "kamoku2"), tables::kamoku2().columnNames());
    EXPECT_EQ(columnNames(db, "hojokamoku"), tables::hojokamoku().columnNames());
    EXPECT_EQ(db.rowCount("kamoku"), expected.accounts);
    EXPECT_EQ(db.rowCount("kamoku2"), expected.fundLines);
    EXPECT_EQ(db.rowCount("hojokamoku"), expected.subAccounts);
    // Columns the sources leave out stay NULL: allocation, display marks, system flags.
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM kamoku WHERE A00 IS NOT NULL OR B00 IS NOT NULL "
                        "OR FlgI IS NOT NULL OR FlgAN IS NOT NULL")
                  .toInt(),
              0);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ChartTemplateTest,
                         testing::Values(TemplateCounts{"Data1", 191, 135, 35},
                                         TemplateCounts{"Data2", 93, 56, 13},
                                         TemplateCounts{"Data3", 138, 98, 11}),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(TemplateBuild, KeepsBlankFlagsApartFromExplicitZero) {
    test::TempFolders folders;
    QString target = folders.path("t.db");
    buildTemplateDatabase(sourceDir("Data1"), target);
    Database db;
    db.open(target, Database::Kind::Other);
    auto flags = [&](const char* code) {
        auto st = db.prepare("SELECT FlgC, FlgD, FlgF FROM kamoku WHERE code=?1");
        st.bind(1, QString::fromLatin1(code));
        EXPECT_TRUE(st.step()) << code;
        return std::vector<QVariant>{st.value(0), st.value(1), st.value(2)};
    };
    auto cash = flags("10100");
    EXPECT_EQ(cash[0].toInt(), 0);
    EXPECT_FALSE(cash[0].isNull());
    EXPECT_TRUE(cash[1].isNull()); // FlgD blank: the opening balance stays enterable
    EXPECT_TRUE(cash[2].isNull()); // FlgF blank: outside consumption tax
    auto interest = flags("41010");
    EXPECT_FALSE(interest[2].isNull()); // FlgF 0: non-taxable, not blank
    EXPECT_EQ(interest[2].toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT hojo_CD FROM hojokamoku WHERE kamoku_CD='10120' ORDER BY hojo_CD").toString(),
              QStringLiteral("001"));
}

TEST(TemplateBuild, InstallsAllThreeUnderTheProgramFolder) {
    test::TempFolders folders;
    installTemplates(templateSourceRoot(), folders.appDir());
    for (const auto& t : chartTemplates()) {
        QString file = templateDatabaseFile(folders.appDir(), t.folder);
        EXPECT_EQ(file, folders.path(t.folder + "/k9.db"));
        ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
        Database db;
        db.open(file, Database::Kind::Other);
        EXPECT_GT(db.rowCount("kamoku"), 0);
    }
    ASSERT_EQ(chartTemplates().size(), 3u);
    EXPECT_EQ(chartTemplates()[0].title, QStringLiteral("標準科目マスタ（雛型）"));
    EXPECT_EQ(chartTemplates()[1].title, QStringLiteral("簡易科目マスタ（雛型）"));
    EXPECT_EQ(chartTemplates()[2].title, QStringLiteral("NPO法人科目マスタ"));
}

TEST(TemplateBuild, ReplacesAnOlderTemplate) {
    test::TempFolders folders;
    QString target = folders.path("Data2/k9.db");
    QDir().mkpath(folders.path("Data2"));
    {
        Database old;
        old.open(target, Database::Kind::Other);
        old.exec("CREATE TABLE kamoku (code CHARACTER(5), name CHARACTER(40)); "
                 "INSERT INTO kamoku VALUES ('99999', 'old')");
    }
    buildTemplateDatabase(sourceDir("Data2"), target);
    Database db;
    db.open(target, Database::Kind::Other);
    EXPECT_EQ(db.rowCount("kamoku"), 93);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM kamoku WHERE code='99999'").toInt(), 0);
    EXPECT_EQ(columnNames(db, "kamoku"), tables::kamoku().columnNames());
    // Building again over a current template gives the same chart.
    db.close();
    buildTemplateDatabase(sourceDir("Data2"), target);
    db.open(target, Database::Kind::Other);
    EXPECT_EQ(db.rowCount("kamoku"), 93);
}

TEST(TemplateBuild, ReadsQuotedCells) {
    test::TempFolders folders;
    QString dir = copySources(folders, "Data3");
    replaceInFile(QDir(dir).filePath("kamoku.csv"), QStringLiteral("10100,　　　現金,"),
                  QStringLiteral("\"10100\",\"　　　現金\","));
    QString target = folders.path("t.db");
    buildTemplateDatabase(dir, target);
    Database db;
    db.open(target, Database::Kind::Other);
    EXPECT_EQ(db.scalar("SELECT 科目名 FROM kamoku WHERE code='10100'").toString(),
              QStringLiteral("　　　現金"));
}

TEST(TemplateBuild, RefusesFaultySourcesAndKeepsTheOlderTemplate) {
    struct Case {
        const char* name;
        const char* file;
        const char* from;
        const char* to;
        const char* expected; // part of the message
    };
    const Case cases[] = {
        {"unknown column", "kamoku.csv", "code,科目名,FlgA", "code,科目名X,FlgA", "科目名X"},
        {"name wider than 40 bytes", "kamoku.csv", "10100,　　　現金,",
         "10100,　　　現金現金現金現金現金現金現金現金現金現金,", "40バイト"},
        {"flag that is not a number", "kamoku.csv", "10100,　　　現金,0", "10100,　　　現金,x",
         "整数ではありません"},
        {"cell count", "hojokamoku.csv", "10120,001,○○銀行○○支店", "10120,001", "項目数"},
        {"duplicate key", "hojokamoku.csv", "10120,002,ゆうちょ銀行", "10120,001,ゆうちょ銀行",
         "登録できません"},
        {"text outside Shift-JIS", "hojokamoku.csv", "ゆうちょ銀行", "ゆうちょ銀行😀", "Shift-JIS"},
        {"structural fault", "kamoku.csv", "62210,　　　他会計からの繰入額,0,2,1,,,,30,",
         "62210,　　　他会計からの繰入額,0,2,1,,,,,", "FlgG 30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolders folders;
        QString dir = copySources(folders, "Data1");
        replaceInFile(QDir(dir).filePath(QLatin1String(c.file)), QString::fromUtf8(c.from),
                      QString::fromUtf8(c.to));
        QString target = folders.path("Data1/k9.db");
        buildTemplateDatabase(sourceDir("Data1"), target);
        try {
            buildTemplateDatabase(dir, target);
            ADD_FAILURE() << "no error";
        } catch (const ChartTemplateError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.expected))) << e.message().toStdString();
        }
        Database db;
        db.open(target, Database::Kind::Other);
        EXPECT_EQ(db.rowCount("kamoku"), 191);
        EXPECT_EQ(db.rowCount("hojokamoku"), 35);
    }
}

TEST(TemplateBuild, RefusesAMissingSourceFile) {
    test::TempFolders folders;
    QString dir = copySources(folders, "Data1");
    QFile::remove(QDir(dir).filePath("kamoku2.csv"));
    try {
        buildTemplateDatabase(dir, folders.path("t.db"));
        ADD_FAILURE() << "no error";
    } catch (const ChartTemplateError& e) {
        EXPECT_TRUE(e.message().contains("kamoku2.csv")) << e.message().toStdString();
    }
}

TEST(TemplateValidator, ReportsMissingTables) {
    test::TempFolders folders;
    Database db;
    db.open(folders.path("empty.db"), Database::Kind::Other);
    QStringList problems = validateChart(db);
    ASSERT_EQ(problems.size(), 3) << joined(problems);
    EXPECT_TRUE(problems[0].contains("kamoku"));
}

namespace {

// One way of spoiling a sound chart, and part of the problem the checks must report.
struct BrokenChart {
    const char* name;
    const char* sql;
    const char* expected;
};

// Builds the shipped template, then applies each spoiling statement in turn (rolled back
// after each) and expects its fault among the problems found.
void expectCaught(const char* folder, const std::vector<BrokenChart>& cases) {
    test::TempFolders folders;
    QString file = folders.path("chart.db");
    buildTemplateDatabase(sourceDir(QLatin1String(folder)), file);
    Database db;
    db.open(file, Database::Kind::Other);
    ASSERT_EQ(validateChart(db), QStringList());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Transaction tx(db);
        db.exec(QString::fromUtf8(c.sql));
        QStringList problems = validateChart(db);
        EXPECT_FALSE(problems.filter(QString::fromUtf8(c.expected)).isEmpty()) << joined(problems);
    }
    EXPECT_EQ(validateChart(db), QStringList());
}

} // namespace

// Each case spoils the sound standard chart in one way; the checks must name the fault.
TEST(TemplateValidator, CatchesEachKindOfBrokenChart) {
    const std::vector<BrokenChart> cases = {
        {"four-character code", "UPDATE kamoku SET code='1027' WHERE code='10270'", "半角数字5桁"},
        {"code with a letter", "UPDATE kamoku SET code='1027A' WHERE code='10270'", "半角数字5桁"},
        {"input account coded 10000 or below",
         "UPDATE kamoku SET code='09999' WHERE code='10000'; "
         "UPDATE kamoku SET FlgA=0 WHERE code='09999'",
         "10000 より大きい"},
        {"sub-account under an account without sub-accounts",
         "INSERT INTO hojokamoku VALUES ('10100', '001', '金庫')", "補助科目の設定（FlgD 1）がない"},
        {"sub-accounts under FlgD 0", "UPDATE kamoku SET FlgD=0 WHERE code='10120'", "FlgD（0）"},
        {"sub-account of a missing account", "INSERT INTO hojokamoku VALUES ('10999', '001', 'x')",
         "勘定科目がありません"},
        {"two-digit sub-account code", "INSERT INTO hojokamoku VALUES ('10120', '03', '△△銀行')", "3桁"},
        {"FlgD 1 without sub-accounts", "DELETE FROM hojokamoku WHERE kamoku_CD='20120'",
         "補助科目がありません"},
        {"missing 141 line", "DELETE FROM kamoku WHERE FlgG=141", "FlgG 141"},
        {"missing 110 line", "DELETE FROM kamoku WHERE FlgG=110", "FlgG 110"},
        {"second 114 line", "UPDATE kamoku SET FlgG=114 WHERE code='62100'", "FlgG 114"},
        {"postable opening line", "UPDATE kamoku SET FlgH=NULL WHERE FlgG=132", "FlgH 49"},
        {"missing closing fund line", "DELETE FROM kamoku2 WHERE code='#0020'", "#0020"},
        {"opening fund line at the wrong level", "UPDATE kamoku2 SET FlgA=0 WHERE code='#1020'", "#1020"},
        {"no fund account", "UPDATE kamoku SET FlgG=NULL WHERE FlgG=1", "資金科目（FlgG 1）がありません"},
        {"fund account with a fund line", "UPDATE kamoku2 SET code='10100' WHERE code='41200'", "資金科目"},
        {"blank level", "UPDATE kamoku SET FlgA=NULL WHERE code='10000'", "FlgA（空欄）"},
        {"level out of range", "UPDATE kamoku SET FlgA=12 WHERE code='10010'", "FlgA（12）"},
        {"level 5 on the activity side", "UPDATE kamoku SET FlgA=5 WHERE code='59900'", "FlgA 5"},
        {"level 8 in the chart of accounts", "UPDATE kamoku SET FlgA=8 WHERE code='60200'", "FlgA 8"},
        {"two running differences in the fund statement", "UPDATE kamoku2 SET FlgA=7 WHERE SNo=7600",
         "FlgA 7"},
        {"small account without its head", "UPDATE kamoku SET FlgA=0 WHERE code='51000'", "直前に小科目計"},
        {"head without small accounts", "UPDATE kamoku SET FlgE=NULL WHERE code='41110'", "直後に小科目"},
        {"small account of the other nature", "UPDATE kamoku SET FlgC=1 WHERE code='51220'", "貸借（FlgC）"},
        {"total above its members", "UPDATE kamoku SET code='10095' WHERE code='10290'",
         "集計される仕訳科目がありません"},
        {"credit line among the assets", "UPDATE kamoku SET FlgC=1 WHERE code='10270'", "借方の科目"},
        {"balance-sheet code after an activity code", "UPDATE kamoku SET code='45000' WHERE code='30310'",
         "、正味財産増減計算書の"},
        {"name over 40 bytes",
         "UPDATE kamoku SET 科目名='　　　現金現金現金現金現金現金現金現金現金' WHERE code='10100'",
         "40バイト"},
        {"space inside a two-level name",
         "UPDATE kamoku SET 科目名='　　　事業費／給料　手当' WHERE code='51010'", "空白"},
        {"slash on the balance sheet", "UPDATE kamoku SET 科目名='　　　預金／普通' WHERE code='10120'",
         "「／」"},
        {"sub-account name over 20 bytes",
         "UPDATE hojokamoku SET 補助科目名='○○銀行○○支店○○出張所' "
         "WHERE kamoku_CD='10120' AND hojo_CD='001'",
         "20バイト"},
        {"endowment sub-account out of range",
         "UPDATE hojokamoku SET hojo_CD='926' WHERE kamoku_CD='10320' AND hojo_CD='925'", "921～925"},
        {"memo line at input level", "UPDATE kamoku SET FlgA=0 WHERE FlgG=921", "注記行"},
        {"925 line", "UPDATE kamoku SET FlgG=925 WHERE code='30320'", "FlgG 925"},
        {"transfer sub-account without a net-asset line", "DELETE FROM kamoku WHERE code='30140'",
         "補助科目905"},
        {"net-asset line without a transfer sub-account",
         "DELETE FROM hojokamoku WHERE kamoku_CD='71500' AND hojo_CD='903'", "補助科目903 がありません"},
        {"920 on the balance sheet", "UPDATE kamoku SET FlgG=920 WHERE code='30140'", "FlgG 920"},
        {"restricted input without its role", "UPDATE kamoku SET FlgG=NULL WHERE code='71210'",
         "FlgG 901～920 が必要"},
        {"restricted input of debit nature", "UPDATE kamoku SET FlgC=0 WHERE code='71300'", "FlgA 0・FlgC 1"},
        {"two asset totals", "UPDATE kamoku SET FlgA=4 WHERE code='10790'", "資産合計（"},
        {"no liability total below 30000", "UPDATE kamoku SET code='30005' WHERE code='20990'", "負債合計"},
        {"duplicate receipt line", "UPDATE kamoku2 SET code='41010' WHERE SNo=500", "重複"},
        {"fund line of an activity account with the wrong side", "UPDATE kamoku2 SET FlgC=0 WHERE SNo=800",
         "収支区分（FlgC）を科目と同じ"},
        {"fund line for an unknown code", "UPDATE kamoku2 SET code='41999' WHERE SNo=800",
         "勘定科目にありません"},
        {"input fund line without a code", "UPDATE kamoku2 SET code='*****' WHERE SNo=800",
         "科目コードが必要"},
        {"heading fund line with a code", "UPDATE kamoku2 SET code='41000' WHERE SNo=100", "「*****」"},
        {"gap in the line numbers", "UPDATE kamoku2 SET SNo=250 WHERE SNo=200", "連番"},
        {"fund line outside the statement", "UPDATE kamoku2 SET FlgB=1 WHERE SNo=800", "FlgB（1）"},
        {"redirect without a target", "UPDATE kamoku2 SET FlgH=NULL WHERE code='90022'", "FlgH 22 を受ける"},
        {"redirect target on a payment line", "UPDATE kamoku2 SET FlgC=0 WHERE code='90021'",
         "振替先（FlgH 21）"},
        {"FlgH read by the fund ledger only", "UPDATE kamoku SET FlgH=12 WHERE code='10270'", "FlgH 12"},
        {"borrowing without sub-accounts", "UPDATE kamoku SET FlgD=NULL WHERE code='20210'",
         "借入金（FlgH 210）"},
        {"inter-unit account without FlgG 30", "UPDATE kamoku SET FlgG=NULL WHERE code='62220'", "FlgG 30"},
        {"role read by one statement only", "UPDATE kamoku SET FlgG=119 WHERE code='10270'", "FlgG 119"},
        {"fund-ledger-only code", "UPDATE kamoku2 SET code='-1020' WHERE code='#1020'", "資金収支元帳"},
        {"allocation not adding up", "UPDATE kamoku SET A00=100, A01=60 WHERE code='51010'", "A01～A20"},
        {"tax class out of range", "UPDATE kamoku SET FlgF=31 WHERE code='51010'", "FlgF（31）"},
        {"130 line on a total level", "UPDATE kamoku SET FlgG=130 WHERE code='30190'", "FlgG 130"},
    };
    expectCaught("Data1", cases);
}

// The NPO chart totals its activity side with block totals (FlgA 4) and has no endowment.
TEST(TemplateValidator, CatchesFaultsOfTheNpoChart) {
    const std::vector<BrokenChart> cases = {
        {"debit line in an income block", "UPDATE kamoku SET FlgC=0 WHERE code='60110'",
         "貸借（FlgC）の違う"},
        {"empty block total", "UPDATE kamoku SET FlgA=9 WHERE code='60110'",
         "集計される仕訳科目がありません"},
        {"middle total of the other nature", "UPDATE kamoku SET FlgC=1 WHERE code='51090'",
         "貸借（FlgC）の違う"},
        {"activity line after the closing total", "UPDATE kamoku SET code='79950' WHERE code='70020'",
         "最後の行"},
        {"restricted input outside its section", "UPDATE kamoku SET code='60450' WHERE code='70010'",
         "間に置きます"},
        {"sub-account routing to no balance-sheet line",
         "INSERT INTO hojokamoku VALUES ('70100', '902', 'x')", "補助科目902"},
    };
    expectCaught("Data3", cases);
}
