// SPDX-License-Identifier: GPL-3.0-or-later
// The batch verb "ledger" on the demo corporation: the grid's rows written as CSV whose
// final balance is the engine's closing balance, the CSV export layout of "CSV出力", and the
// refusals of bad arguments, an unknown account and of a PDF without graphics.
#include "app/demo.h"
#include "ledgers/ledger.h"
#include "ledgers/ledgerbatch.h"
#include "ledgers/ledgerexport.h"
#include "store/cp932.h"
#include "store/csv.h"
#include "store/database.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

namespace k9 {
namespace {

struct VerbRun {
    int rc = 0;
    QString err;
};

class LedgerVerb : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folders = new test::TempFolders;
        appDir = folders->path(QStringLiteral("app/"));
        buildDemo(appDir, QDate(2026, 12, 11));
    }
    static void TearDownTestSuite() {
        delete folders;
        folders = nullptr;
    }

    VerbRun run(const QStringList& extra) {
        QStringList args = {"ledger", "--data",     "demo", "--unit",    "1",
                            "--from", "2026-04-01", "--to", "2027-03-31"};
        args << extra;
        RecordingPrompter prompter;
        QString err;
        QTextStream stream(&err);
        VerbRun r;
        r.rc = runLedgerVerb(appDir, args, prompter, stream, QDate(2026, 12, 11));
        stream.flush();
        r.err = err;
        return r;
    }

    static QStringList readLines(const QString& file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = cp932::decode(f.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }

    static test::TempFolders* folders;
    static QString appDir;
};

test::TempFolders* LedgerVerb::folders = nullptr;
QString LedgerVerb::appDir;

TEST_F(LedgerVerb, WritesTheGridRowsEndingOnTheEnginesClosingBalance) {
    const QString file = folders->path(QStringLiteral("cash.csv"));
    const VerbRun r = run({"--account", "10100", "--format", "csv", "--out", file});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QStringList lines = readLines(file);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.front(),
              QStringLiteral("\"伝票番号\",\"日付\",\"税区分\",\"相手科目\",\"摘要名１\",\"摘要名２\","
                             "\"借　　方\",\"貸　　方\",\"残　　高\""));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(",\"\",\"\",\"\",\"繰り越し\",\"\",,,")))
        << lines[1].toStdString();
    const QStringList total = splitCsvLine(lines.back());
    ASSERT_EQ(total.size(), 9);
    EXPECT_EQ(total[4], QStringLiteral("　　　　合　　　計"));

    Database www;
    www.open(appDir + QStringLiteral("WKData/k9.db"), Database::Kind::Work);
    const long long closing =
        www.scalar(QStringLiteral("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"code\"='10100'")).toLongLong();
    EXPECT_EQ(total[8].toLongLong(), closing);
    EXPECT_GT(lines.size(), 20);
    // Every listed line is in the stored ledger.
    EXPECT_EQ(www.rowCount(QStringLiteral("WTBL2")), lines.size() - 1);
}

TEST_F(LedgerVerb, RefusesBadArgumentsUnknownAccountsAndPdf) {
    const QString file = folders->path(QStringLiteral("x.csv"));
    EXPECT_EQ(run({"--format", "csv", "--out", file}).rc, 2);
    EXPECT_EQ(run({"--account", "10100", "--format", "xls", "--out", file}).rc, 2);
    EXPECT_EQ(run({"--account", "10100", "--format", "csv"}).rc, 2);
    // The printout needs a graphics environment, which this test program has none of.
    EXPECT_THROW(run({"--account", "10100", "--format", "pdf", "--out", file}), K9Error);
    EXPECT_THROW(run({"--account", "99999", "--format", "csv", "--out", file}), K9Error);
    EXPECT_THROW(run({"--account", "10100", "--sub", "777", "--format", "csv", "--out", file}), K9Error);
    EXPECT_FALSE(QFile::exists(file));
}

TEST(LedgerCsv, ExportWritesTheStoredColumnsAndAsksBeforeReplacing) {
    ledger::LedgerRow carry;
    carry.kind = ledger::RowKind::CarryForward;
    carry.tekiyou1 = QStringLiteral("繰り越し");
    carry.balance = Money::fromYen(1300);
    ledger::LedgerRow line;
    line.voucher = 4;
    line.subNo = 1;
    line.date = QDate(2015, 5, 20);
    line.counterName = QStringLiteral("諸　口");
    line.ownSubName = QStringLiteral("Ａ銀行");
    line.tekiyou1 = QStringLiteral("出張\"用品\"");
    line.credit = Money::fromYen(1234567);
    CsvWriter writer;
    ledger::writeLedgerCsv({carry, line}, writer);
    const QStringList lines = cp932::decode(writer.bytes()).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("\"Denpyou_No\",\"Sub_No\",\"hizuke\",\"aitekamoku\",\"Ahojokamoku\","
                                       "\"tekiyou1\",\"tekiyou2\",\"Lkingaku\",\"Rkingaku\",\"zandaka\""));
    EXPECT_EQ(lines[1], QStringLiteral(",,\"\",\"\",\"\",\"繰り越し\",\"\",,,1300"));
    EXPECT_EQ(lines[2],
              QStringLiteral("4,1,\"2015/05/20\",\"諸　口\",\"Ａ銀行\",\"出張\"\"用品\"\"\",\"\",,1234567,"));
    EXPECT_EQ(ledger::gridText(line, ledger::GridColumn::Credit), QStringLiteral("1,234,567"));
    EXPECT_EQ(ledger::gridText(line, ledger::GridColumn::Date), QStringLiteral("2015/05/20"));
    EXPECT_EQ(ledger::gridText(line, ledger::GridColumn::Balance), QString());

    test::TempFolders folders;
    const QString file = folders.path(QStringLiteral("元帳.CSV"));
    RecordingPrompter prompter;
    ASSERT_TRUE(ledger::exportLedgerCsv({carry}, file, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    prompter.answers = {Answer::No};
    EXPECT_FALSE(ledger::exportLedgerCsv({carry, line}, file, prompter));
    EXPECT_EQ(prompter.last(), overwriteQuestion());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(cp932::decode(f.readAll()).count(QStringLiteral("\r\n")), 2);
    EXPECT_TRUE(ledger::defaultCsvFile().endsWith(QStringLiteral("/元帳.CSV")));
}

} // namespace
} // namespace k9
