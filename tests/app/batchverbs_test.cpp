// SPDX-License-Identifier: GPL-3.0-or-later
// The batch verbs import-vouchers, totals and demo, run through runBatch as the k9 binary
// runs them: a journal CSV file imported all or nothing, the totals written as CSV, and
// the demo corporation whose trial balance agrees in every check pair.
#include "app/batch.h"
#include "app/batchtotals.h"
#include "app/demo.h"
#include "app/unitregister.h"
#include "appfixture.h"
#include "chart/chartsync.h"
#include "engine/enginemessages.h"
#include "journal/journalimport.h"
#include "store/cp932.h"
#include "store/csv.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

struct BatchRun {
    int rc = 0;
    QString err;
    QStringList messages;
};

BatchRun runVerb(const QString& appDir, const QStringList& args, const QDate& today = QDate(2016, 5, 1)) {
    RecordingPrompter prompter;
    QString err;
    QTextStream stream(&err);
    BatchRun run;
    run.rc = runBatch(appDir, args, prompter, stream, today);
    stream.flush();
    run.err = err;
    run.messages = prompter.texts();
    return run;
}

const char* const kHeader =
    "\"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\",\"Lkingaku\",\"Rkingaku\","
    "\"tekiyou1\",\"tekiyou2\",\"LflgS\",\"RflgS\",\"FlgT\",\"FlgU\",\"FlgV\",\"FlgW\"";

// A journal CSV file from UTF-8 lines (the header is added), written as CP932 with CR LF.
void writeJournal(const QString& file, const QStringList& lines, bool withHeader = true) {
    QStringList all;
    if (withHeader)
        all << QString::fromUtf8(kHeader);
    all << lines;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cp932::encode(all.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

// A program folder with the data folder 2016/ (fiscal year from 2016-04-01) on the standard
// chart, with units 1 "公益目的事業会計" and 2 "法人会計".
class BatchBooks : public ::testing::Test {
protected:
    void SetUp() override {
        appDir = folders.path(QStringLiteral("k9/"));
        ASSERT_EQ(runVerb(appDir, {"init", "--data", "2016"}).rc, kExitOk);
        Session s;
        openBatchSession(s, appDir, QStringLiteral("2016"), QDate(2016, 5, 1));
        s.aaa.updateRows(
            QStringLiteral("BUMON"),
            {{QStringLiteral("Bumonmei"), QStringLiteral("公益目的事業会計")}, {QStringLiteral("F1"), 1}},
            QStringLiteral("\"code\"=1"));
        s.aaa.updateRows(
            QStringLiteral("BUMON"),
            {{QStringLiteral("Bumonmei"), QStringLiteral("法人会計")}, {QStringLiteral("F1"), 1}},
            QStringLiteral("\"code\"=2"));
        copyTemplateChart(s, 0);
        syncChartToUnits(s.aaa, s.www, UnitSubAccountNames::Common);
        s.aaa.run(
            QStringLiteral("UPDATE \"Mkamoku\" SET \"期首繰越\"=500000 WHERE \"code\" IN ('10100','30300')"));
    }

    // Opens the data folder for a look at its tables.
    Database& books() {
        if (!aaa.isOpen())
            aaa.open(appDir + QStringLiteral("2016/k9.db"), Database::Kind::Data);
        return aaa;
    }
    int journalLines() { return books().scalar(QStringLiteral("SELECT COUNT(*) FROM \"denpyou1\"")).toInt(); }
    BatchRun import(const QStringList& lines, bool withHeader = true) {
        const QString file = folders.path(QStringLiteral("in.csv"));
        writeJournal(file, lines, withHeader);
        return runVerb(appDir, {"import-vouchers", "--data", "2016", "--file", file});
    }

    test::TempFolders folders;
    QString appDir;
    Database aaa;
};

// Two vouchers of unit 1 (a compound one with the withholding on 預り金) and a common line.
const QStringList kGoodJournal = {
    "10001,1,\"2016/04/"
    "05\",\"10120\",\"41410\",\"1\",\"\",100000,100000,\"事業収益／4月分\",\"\",0,0,1,0,0,0",
    "10002,1,\"2016/04/25\",\"51010\",\"10100\",\"\",\"\",300000,270000,\"給料手当\",\"\",0,0,1,0,0,0",
    "10002,2,\"2016/04/25\",\"\",\"20120\",\"\",\"001\",,30000,\"源泉所得税\",\"\",0,0,1,0,0,0",
    "990001,1,\"2016/04/27\",\"52130\",\"10100\",\"\",\"\",40000,40000,\"家賃\",\"\",,,0,0,0,",
};

TEST_F(BatchBooks, ImportVouchersWritesEveryLineAndReplacesVouchersOfTheSameNumber) {
    BatchRun run = import(kGoodJournal);
    ASSERT_EQ(run.rc, kExitOk) << run.err.toStdString();
    EXPECT_EQ(journalLines(), 4);
    EXPECT_TRUE(run.messages.join(' ').contains(QStringLiteral("仕訳 4 行（伝票 3 件")))
        << run.messages.join(' ').toStdString();
    {
        Statement st = books().prepare(QStringLiteral(
            "SELECT \"hizuke\",\"LHcode\",\"Lkingaku\",\"Rkingaku\",\"tekiyou1\",\"FlgT\" FROM \"denpyou1\" "
            "WHERE \"SNo\"=10001"));
        ASSERT_TRUE(st.step());
        EXPECT_EQ(st.date(0), QDate(2016, 4, 5));
        EXPECT_EQ(st.text(1), QStringLiteral("001")); // the sub-account code takes three digits
        EXPECT_EQ(st.money(2), Money::fromYen(100000));
        EXPECT_EQ(st.money(3), Money::fromYen(100000));
        EXPECT_EQ(st.text(4), QStringLiteral("事業収益／4月分"));
        EXPECT_EQ(st.integer(5), 1);
    }

    // Voucher 10002 comes again with one line only: its two old lines go.
    run =
        import({"10002,1,\"2016/04/26\",\"51010\",\"10100\",\"\",\"\",5000,5000,\"訂正\",\"\",0,0,1,0,0,0"});
    ASSERT_EQ(run.rc, kExitOk) << run.err.toStdString();
    EXPECT_EQ(journalLines(), 3);
    EXPECT_EQ(
        books().scalar(QStringLiteral("SELECT \"Lkingaku\" FROM \"denpyou1\" WHERE \"SNo\"=10002")).toInt(),
        5000);
}

struct BadImportCase {
    const char* name;
    QStringList lines; // after the header
    int badLine;       // the line number the refusal names
    const char* reason;
    bool withHeader = true;
};

void PrintTo(const BadImportCase& c, std::ostream* os) {
    *os << c.name;
}

const QString kOk = QStringLiteral(
    "10001,1,\"2016/04/05\",\"10100\",\"41410\",\"\",\"\",1000,1000,\"会費\",\"\",0,0,1,0,0,0");

QString lineWith(const char* changed) {
    return QString::fromUtf8(changed);
}

const BadImportCase kBadImports[] = {
    {"NoHeader", {kOk}, 1, "見出し行", false},
    {"TooFewItems", {kOk, lineWith("10002,1,\"2016/04/05\",\"10100\"")}, 3, "項目が 4 個"},
    {"ImpossibleDate",
     {lineWith("10001,1,\"2016/02/30\",\"10100\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "日付「2016/02/30」"},
    {"BeforeFiscalYear",
     {lineWith("10001,1,\"2016/03/31\",\"10100\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "会計期首"},
    {"UnknownAccount",
     {kOk, lineWith("10002,1,\"2016/04/05\",\"19999\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     3,
     "「19999」は科目にありません"},
    {"HeadingLine",
     {lineWith("10001,1,\"2016/04/05\",\"10000\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "仕訳を入力できません"},
    {"SubAccountMissing",
     {lineWith("10001,1,\"2016/04/05\",\"10120\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "補助科目コードが必要"},
    {"SubAccountNotRegistered",
     {lineWith("10001,1,\"2016/04/05\",\"10120\",\"41410\",\"9\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "「009」は登録されていません"},
    {"TransferSubAccountNotRegistered",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"10350\",\"\",\"925\",1,1,\"\",\"\",0,0,1,0,0,0"),
      lineWith("10002,1,\"2016/04/05\",\"71500\",\"10100\",\"920\",\"\",1,1,\"\",\"\",0,0,1,0,0,0")},
     3,
     "「920」は登録されていません"},
    {"AmountNotANumber",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"41410\",\"\",\"\",1x,1,\"\",\"\",0,0,1,0,0,0")},
     2,
     "円単位の金額ではありません"},
    {"CodeWithoutAmount",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"41410\",\"\",\"\",1,,\"\",\"\",0,0,1,0,0,0")},
     2,
     "貸方金額がありません"},
    {"Unbalanced",
     {kOk, lineWith("10002,1,\"2016/04/05\",\"51010\",\"10100\",\"\",\"\",500,400,\"\",\"\",0,0,1,0,0,0")},
     3,
     "一致しません"},
    {"DuplicateLine", {kOk, kOk}, 3, "重複"},
    {"UnregisteredUnit",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,5,0,0,0")},
     2,
     "会計 5 は登録されていない"},
    {"AdjustingFlagOutOfRange",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"41410\",\"\",\"\",1,1,\"\",\"\",0,0,1,2,0,0")},
     2,
     "FlgU"},
    {"TwoDatesInOneVoucher",
     {lineWith("10001,1,\"2016/04/05\",\"10100\",\"\",\"\",\"\",1,,\"\",\"\",0,0,1,0,0,0"),
      lineWith("10001,2,\"2016/04/06\",\"\",\"41410\",\"\",\"\",,1,\"\",\"\",0,0,1,0,0,0")},
     3,
     "日付が 2 行目と違います"},
};

class BadImportTest : public BatchBooks, public ::testing::WithParamInterface<BadImportCase> {};

TEST_P(BadImportTest, RefusesTheWholeFileNamingTheLine) {
    const BadImportCase& c = GetParam();
    // A voucher already in the journal stays as it is.
    ASSERT_EQ(import({kGoodJournal[0]}).rc, kExitOk);
    BatchRun run = import(c.lines, c.withHeader);
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("%1行目: ").arg(c.badLine))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.reason))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("仕訳は取り込んでいません"))) << run.err.toStdString();
    EXPECT_EQ(journalLines(), 1);
    EXPECT_EQ(books().scalar(QStringLiteral("SELECT \"Lkingaku\" FROM \"denpyou1\"")).toInt(), 100000);
}

INSTANTIATE_TEST_SUITE_P(Lines, BadImportTest, ::testing::ValuesIn(kBadImports),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchBooks, ImportVouchersArgumentsAndMissingFolders) {
    EXPECT_EQ(runVerb(appDir, {"import-vouchers", "--data", "2016"}).rc, kExitUsage);
    BatchRun run = runVerb(appDir, {"import-vouchers", "--data", "2016", "--file", folders.path("none.csv")});
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.contains(QStringLiteral("読めません"))) << run.err.toStdString();
    writeJournal(folders.path("in.csv"), {kOk});
    run = runVerb(appDir, {"import-vouchers", "--data", "2099", "--file", folders.path("in.csv")});
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.contains(QStringLiteral("がありません"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(appDir + QStringLiteral("2099"))); // no data folder is made
}

// The rows of a written CSV file, each split into its items.
std::vector<QStringList> readCsv(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    std::vector<QStringList> rows;
    for (const QString& line : cp932::decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows.push_back(splitCsvLine(line));
    return rows;
}

// The item of `column` in the row whose first item is `key`.
QString item(const std::vector<QStringList>& rows, const QString& key, const QString& column) {
    const qsizetype c = rows.empty() ? -1 : rows.front().indexOf(column);
    for (const auto& r : rows)
        if (c >= 0 && r.value(0) == key)
            return r.value(c);
    return QStringLiteral("<none>");
}

TEST_F(BatchBooks, TotalsWritesTheThreeWorkTablesWithAllTheirColumns) {
    ASSERT_EQ(import(kGoodJournal).rc, kExitOk);
    ASSERT_EQ(
        import(
            {"10003,1,\"2017/03/31\",\"51070\",\"10540\",\"\",\"\",7000,7000,\"減価償却\",\"\",0,0,1,1,0,0"})
            .rc,
        kExitOk);
    const QString out = folders.path(QStringLiteral("out"));
    struct Case {
        QStringList options;
        const char* cash;        // 残高合計 of 現金 10100
        const char* expenses;    // 借方 of 経常費用計 59900
        const char* accumulated; // 残高合計 of 10540, a debit-nature account credited only
    };
    const Case cases[] = {
        // 500,000 opening − 270,000 salaries − 20,000 (unit 1's half of the common rent).
        {{}, "210000", "327000", "-7000"},
        {{"--adjusting", "1"}, "210000", "320000", "0"},
        {{"--adjusting", "2"}, "210000", "7000", "-7000"},
        {{"--from", "2016-04-26"}, "210000", "27000", "-7000"},
    };
    for (const Case& c : cases) {
        QStringList args = {"totals",     "--data", "2016",       "--unit", "1", "--from",
                            "2016-04-01", "--to",   "2017-03-31", "--out",  out};
        for (int i = 0; i + 1 < c.options.size(); i += 2) {
            const qsizetype at = args.indexOf(c.options[i]);
            if (at >= 0)
                args[at + 1] = c.options[i + 1];
            else
                args << c.options[i] << c.options[i + 1];
        }
        // Common lines are apportioned by the allocation percentages: 50 % to unit 1.
        books().run(
            QStringLiteral("UPDATE \"kamoku\" SET \"A00\"=100,\"A01\"=50,\"A02\"=50 WHERE \"code\"='52130'"));
        BatchRun run = runVerb(appDir, args);
        ASSERT_EQ(run.rc, kExitOk) << run.err.toStdString();
        const auto kamoku = readCsv(out + QStringLiteral("/kamoku.csv"));
        SCOPED_TRACE(c.options.join(' ').toStdString());
        EXPECT_EQ(item(kamoku, "10100", "残高合計"), QString::fromUtf8(c.cash));
        EXPECT_EQ(item(kamoku, "59900", "借方"), QString::fromUtf8(c.expenses));
        EXPECT_EQ(item(kamoku, "10540", "残高合計"), QString::fromUtf8(c.accumulated));
    }

    // Every column of each work table, in table order.
    Session s;
    openBatchSession(s, appDir, QStringLiteral("2016"), QDate(2016, 5, 1));
    for (const QString& table : totalsTables()) {
        const auto rows = readCsv(out + '/' + table + QStringLiteral(".csv"));
        ASSERT_FALSE(rows.empty()) << table.toStdString();
        QStringList names;
        for (const auto& col : s.www.columns(table))
            names << col.name;
        EXPECT_EQ(rows.front(), names) << table.toStdString();
        EXPECT_EQ(static_cast<int>(rows.size()) - 1, s.www.rowCount(table)) << table.toStdString();
    }
    const auto funds = readCsv(out + QStringLiteral("/kamoku2.csv"));
    // 現金 210,000 + 普通預金 100,000 − 預り金 30,000.
    EXPECT_EQ(item(funds, "13500", "残高合計"), QStringLiteral("280000"));
}

TEST_F(BatchBooks, TotalsStopsOnAnInvalidSubAccountAndWritesNothing) {
    // A sub-account outside 921..925 registered on the endowment deposit (FlgG 11), and a
    // line on it written past the import's checks.
    books().insertRow(QStringLiteral("hojokamoku"), {{QStringLiteral("kamoku_CD"), QStringLiteral("10350")},
                                                     {QStringLiteral("hojo_CD"), QStringLiteral("001")},
                                                     {QStringLiteral("補助科目名"), QStringLiteral("誤り")}});
    books().insertRow(QStringLiteral("Mhojokamoku"), {{QStringLiteral("B_ID"), 1},
                                                      {QStringLiteral("kamoku_CD"), QStringLiteral("10350")},
                                                      {QStringLiteral("hojo_CD"), QStringLiteral("001")}});
    books().insertRow(QStringLiteral("denpyou1"), {{QStringLiteral("SNo"), 10007},
                                                   {QStringLiteral("Sub_No"), 1},
                                                   {QStringLiteral("hizuke"), QDate(2016, 6, 1)},
                                                   {QStringLiteral("Lcode"), QStringLiteral("10350")},
                                                   {QStringLiteral("Rcode"), QStringLiteral("10100")},
                                                   {QStringLiteral("LHcode"), QStringLiteral("001")},
                                                   {QStringLiteral("Lkingaku"), 1000},
                                                   {QStringLiteral("Rkingaku"), 1000},
                                                   {QStringLiteral("FlgT"), 1}});
    // The import refuses such a line before it reaches the journal.
    BatchRun refused =
        import({"10008,1,\"2016/06/02\",\"10350\",\"10100\",\"1\",\"\",5,5,\"\",\"\",0,0,1,0,0,0"});
    EXPECT_EQ(refused.rc, kExitFailed);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("「001」は 921～925 の範囲にありません")))
        << refused.err.toStdString();

    const QString out = folders.path(QStringLiteral("out"));
    BatchRun run = runVerb(appDir, {"totals", "--data", "2016", "--unit", "1", "--from", "2016-04-01", "--to",
                                    "2017-03-31", "--out", out});
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.contains(engine_text::invalidSubAccount())) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("10007"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/kamoku.csv")));
}

TEST_F(BatchBooks, TotalsRefusesBadOptions) {
    const QString out = folders.path(QStringLiteral("out"));
    const QStringList base = {"totals", "--data", "2016", "--from", "2016-04-01", "--to", "2017-03-31"};
    struct Case {
        QStringList extra;
        int rc;
        const char* text;
    };
    const Case cases[] = {
        {{"--unit", "1"}, kExitUsage, "--out DIR"},
        {{"--out", out}, kExitUsage, "--unit N"},
        {{"--unit", "1", "--out", out, "--adjusting", "3"}, kExitUsage, "--adjusting"},
        {{"--unit", "0", "--out", out}, kExitFailed, "1～19"},
        {{"--unit", "7", "--out", out}, kExitFailed, "会計 7 は登録されていません"},
    };
    for (const Case& c : cases) {
        BatchRun run = runVerb(appDir, base + c.extra);
        EXPECT_EQ(run.rc, c.rc) << c.extra.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.text))) << run.err.toStdString();
    }
    BatchRun run = runVerb(appDir, {"totals", "--data", "2016", "--unit", "1", "--from", "2016-05-01", "--to",
                                    "2016-04-30", "--out", out});
    EXPECT_EQ(run.rc, kExitFailed);
    EXPECT_TRUE(run.err.contains(engine_text::fromAfterTo())) << run.err.toStdString();
}

// The check pairs of the trial balance, from the work tables after a totals run.
struct CheckPairs {
    Money debit, credit;            // 借方合計, 貸方合計
    Money netAssetsBs, netAssetsPl; // 正味財産合計 (B/S), (P/L)
    Money fundNet, carriedForward;  // 流動資産－流動負債 (B/S), 次期繰越収支差額 (C/F)
};

Money sum(Database& www, const QString& sql) {
    Statement st = www.prepare(sql);
    return st.step() && !st.isNull(0) ? st.money(0) : Money::zero();
}

CheckPairs checkPairs(Database& www) {
    CheckPairs p;
    const QString balanceSheet = QStringLiteral(
        "SELECT SUM(\"残高合計\") FROM \"kamoku\" WHERE \"FlgB\"=1 AND \"FlgA\"=0 AND \"FlgC\"=%1");
    p.debit = sum(www, balanceSheet.arg(0));
    p.credit = sum(www, balanceSheet.arg(1));
    p.netAssetsBs = sum(www, QStringLiteral("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgG\"=140"));
    p.netAssetsPl = sum(www, QStringLiteral("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgG\"=141"));
    const QString funds =
        QStringLiteral("SELECT SUM(\"残高合計\") FROM \"kamoku\" WHERE \"FlgG\"=1 AND \"FlgC\"=%1");
    p.fundNet = sum(www, funds.arg(0)) - sum(www, funds.arg(1));
    p.carriedForward = sum(www, QStringLiteral("SELECT \"残高合計\" FROM \"kamoku2\" WHERE \"FlgB\"=2 AND "
                                               "\"FlgC\"=0 AND \"code\"='#0020'"));
    return p;
}

class DemoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folders = new test::TempFolders;
        appDir = folders->path(QStringLiteral("demo-app/"));
        run = new BatchRun(runVerb(appDir, {"demo"}, QDate(2026, 12, 11)));
    }
    static void TearDownTestSuite() {
        delete run;
        delete folders;
    }
    static test::TempFolders* folders;
    static QString appDir;
    static BatchRun* run;
};

test::TempFolders* DemoTest::folders = nullptr;
QString DemoTest::appDir;
BatchRun* DemoTest::run = nullptr;

TEST_F(DemoTest, MakesAProgramFolderOnANewDataFolder) {
    ASSERT_EQ(run->rc, kExitOk) << run->err.toStdString();
    EXPECT_TRUE(run->messages.join(' ').contains(QStringLiteral("デモの法人")))
        << run->messages.join(' ').toStdString();
    EXPECT_TRUE(hasProgramFolder(appDir));
    Database hm;
    hm.open(appDir + QStringLiteral("k9.db"), Database::Kind::Program);
    EXPECT_EQ(hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\"")).toString(),
              QStringLiteral("demo/"));
    EXPECT_FALSE(hm.scalar(QStringLiteral("SELECT \"法人名\" FROM \"HeadM\"")).toString().isEmpty());

    Database aaa;
    aaa.open(appDir + QStringLiteral("demo/k9.db"), Database::Kind::Data);
    EXPECT_EQ(aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\"")).toDate(), QDate(2026, 4, 1));
    EXPECT_EQ(aaa.scalar(QStringLiteral("SELECT COUNT(*) FROM \"BUMON\" WHERE \"code\" BETWEEN 1 AND 19 AND "
                                        "\"Bumonmei\"<>''"))
                  .toInt(),
              3);
    EXPECT_GT(aaa.rowCount(QStringLiteral("kamoku")), 150); // the standard template
    const int vouchers =
        aaa.scalar(QStringLiteral("SELECT COUNT(DISTINCT \"SNo\") FROM \"denpyou1\"")).toInt();
    EXPECT_GE(vouchers, 300);
    EXPECT_LE(vouchers, 1000);
    for (const char* kind :
         {"\"FlgT\"=0", "\"FlgU\"=1", "\"FlgV\"=1", "\"FlgT\"=1", "\"FlgT\"=2", "\"FlgT\"=3"})
        EXPECT_GT(
            aaa.scalar(
                   QStringLiteral("SELECT COUNT(*) FROM \"denpyou1\" WHERE %1").arg(QString::fromUtf8(kind)))
                .toInt(),
            0)
            << kind;
    EXPECT_EQ(aaa.scalar(QStringLiteral(
                             "SELECT MIN(\"hizuke\") >= '2026-04-01' AND MAX(\"hizuke\") <= '2027-03-31' "
                             "FROM \"denpyou1\""))
                  .toInt(),
              1);
}

TEST_F(DemoTest, EveryCheckPairOfTheTrialBalanceAgrees) {
    ASSERT_EQ(run->rc, kExitOk) << run->err.toStdString();
    Session session;
    openBatchSession(session, appDir, QString::fromLatin1(kDemoDataPath), QDate(2026, 12, 11));
    for (int unit = 1; unit <= 3; ++unit) {
        selectBatchUnit(session, unit);
        for (int adjusting = 0; adjusting <= 2; ++adjusting)
            for (int unsettled = 0; unsettled <= 1; ++unsettled) {
                SCOPED_TRACE(testing::Message()
                             << "unit " << unit << " adjusting " << adjusting << " unsettled " << unsettled);
                runTotals(session, {QDate(2026, 4, 1), QDate(2027, 3, 31), adjusting, unsettled});
                const CheckPairs p = checkPairs(session.www);
                EXPECT_GT(p.debit.yen(), 0);
                EXPECT_EQ(p.debit.raw(), p.credit.raw()) << p.debit.yen() << " / " << p.credit.yen();
                EXPECT_GT(p.netAssetsBs.yen(), 0);
                EXPECT_EQ(p.netAssetsBs.raw(), p.netAssetsPl.raw())
                    << p.netAssetsBs.yen() << " / " << p.netAssetsPl.yen();
                EXPECT_NE(p.fundNet.raw(), 0);
                EXPECT_EQ(p.fundNet.raw(), p.carriedForward.raw())
                    << p.fundNet.yen() << " / " << p.carriedForward.yen();
            }
    }
}

TEST_F(DemoTest, RefusesToOverwriteAnExistingDemo) {
    ASSERT_EQ(run->rc, kExitOk) << run->err.toStdString();
    BatchRun again = runVerb(appDir, {"demo"}, QDate(2026, 12, 11));
    EXPECT_EQ(again.rc, kExitFailed);
    EXPECT_TRUE(again.err.contains(QStringLiteral("既にあります"))) << again.err.toStdString();
}

} // namespace
} // namespace k9
