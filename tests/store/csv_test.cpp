// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV writer and reader: line splitting, item texts, export with the overwrite
// question, import in one transaction, the round trip, and the key-matched table copy.
#include "store/cp932.h"
#include "store/csv.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
[[maybe_unused]] static void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? "|" : "") << l[i].toStdString();
    *os << ']';
}

namespace k9 {
namespace {

QByteArray readFile(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& file, const QString& text) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cp932::encode(text));
}

// Every row of a query, each value as text ("<NULL>" for NULL).
std::vector<QStringList> rows(Database& db, const QString& sql) {
    std::vector<QStringList> out;
    auto st = db.prepare(sql);
    while (st.step()) {
        QStringList r;
        for (int i = 0; i < st.columnCount(); ++i)
            r << (st.isNull(i) ? QStringLiteral("<NULL>") : st.value(i).toString());
        out.push_back(r);
    }
    return out;
}

// ---------------------------------------------------------------- splitting

struct SplitCase {
    const char* line;
    QStringList items;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.line;
}

class CsvSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CsvSplit, FollowsTheCommaTextRule) {
    EXPECT_EQ(splitCsvLine(QString::fromUtf8(GetParam().line)), GetParam().items) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvSplit,
    ::testing::Values(SplitCase{"a,b,c", {"a", "b", "c"}}, SplitCase{"\"a,b\",c", {"a,b", "c"}},
                      SplitCase{"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                      SplitCase{"a b,c", {"a", "b", "c"}}, SplitCase{"a,,b", {"a", "", "b"}},
                      SplitCase{"a,", {"a", ""}}, SplitCase{",a", {"", "a"}},
                      SplitCase{"  a ,  b  ", {"a", "b"}}, SplitCase{"\"\"", {""}},
                      SplitCase{"\"\",\"\"", {"", ""}}, SplitCase{"\"a\"b,c", {"a", "b", "c"}},
                      SplitCase{"", {}}, SplitCase{"   ", {}},
                      SplitCase{"a\tb\x01"
                                "c",
                                {"a", "b", "c"}},
                      SplitCase{"\"open,x", {"open,x"}}, SplitCase{"\" keep  blanks \"", {" keep  blanks "}},
                      SplitCase{"\"全角　空白\",１２３", {"全角　空白", "１２３"}},
                      SplitCase{"1,\"1,234\",-5", {"1", "1,234", "-5"}}));

TEST(CsvSplitLimit, KeepsAtMostOneThousandItems) {
    QStringList many;
    for (int i = 0; i < 1005; ++i)
        many << QString::number(i);
    const QStringList items = splitCsvLine(many.join(','));
    ASSERT_EQ(items.size(), 1000);
    EXPECT_EQ(items.last(), "999");
}

// ---------------------------------------------------------------- item texts

struct TextCase {
    QVariant value;
    const char* type;
    const char* text;
    bool quoted;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.type << " " << c.text;
}

class CsvItemText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CsvItemText, WritesNumbersBareAndEverythingElseQuoted) {
    const TextCase& c = GetParam();
    bool quoted = !c.quoted;
    EXPECT_EQ(csvText(c.value, QString::fromUtf8(c.type), &quoted), QString::fromUtf8(c.text)) << c.type;
    EXPECT_EQ(quoted, c.quoted) << c.type;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvItemText,
    ::testing::Values(TextCase{QVariant(1000LL), "MONEY", "1000", false},
                      TextCase{QVariant(1234.5), "MONEY", "1234.5", false},
                      TextCase{QVariant(-0.25), "MONEY", "-0.25", false},
                      TextCase{QVariant(-1500LL), "MONEY", "-1500", false},
                      TextCase{QVariant(), "MONEY", "", false},
                      TextCase{QVariant(7LL), "SMALLINT", "7", false},
                      TextCase{QVariant(123456LL), "INTEGER", "123456", false},
                      TextCase{QVariant(0.1), "FLOAT", "0.1", false},
                      TextCase{QVariant(QString("2015-04-01")), "DATE", "2015/04/01", true},
                      TextCase{QVariant(1LL), "BOOLEAN", "True", true},
                      TextCase{QVariant(0LL), "BOOLEAN", "False", true},
                      TextCase{QVariant(QString("00101")), "CHARACTER(5)", "00101", true},
                      TextCase{QVariant(QString("現金")), "VARCHAR(40)", "現金", true},
                      TextCase{QVariant(), "CHARACTER(40)", "", true},
                      TextCase{QVariant(42LL), "", "42", false}, TextCase{QVariant(2.5), "", "2.5", false},
                      TextCase{QVariant(QString("")), "", "", true}, TextCase{QVariant(), "", "", true}));

TEST(CsvWriterLine, QuotesAndDoublesQuotesAndEndsWithCrLf) {
    CsvWriter w;
    w.addHeader({"a", "b\"c"});
    w.addRow({{"1", false}, {"x,\"y\"", true}, {"", true}, {"", false}});
    EXPECT_EQ(w.bytes(), QByteArray("\"a\",\"b\"\"c\"\r\n1,\"x,\"\"y\"\"\",\"\",\r\n"));
    EXPECT_EQ(w.lineCount(), 2);
}

TEST(CsvWriterLine, WritesCp932AndRefusesWhatCp932CannotCarry) {
    CsvWriter w;
    w.addRow({{QStringLiteral("髙①"), true}});
    EXPECT_EQ(w.bytes(), QByteArray("\"\xFB\xFC\x87\x40\"\r\n"));
    EXPECT_THROW(w.addRow({{QStringLiteral("😀"), true}}), EncodingError);
}

// ---------------------------------------------------------------- export

class CsvExport : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
    RecordingPrompter prompter;
    QString file = fx.folders.path("out.csv");

    void SetUp() override {
        aaa.insertRow("denpyou1", {{"SNo", 2},
                                   {"Sub_No", 1},
                                   {"hizuke", QDate(2015, 4, 2)},
                                   {"Lcode", "50101"},
                                   {"Rcode", "11101"},
                                   {"Lkingaku", 1500},
                                   {"Rkingaku", 1500},
                                   {"tekiyou1", QStringLiteral("髙橋㈱")},
                                   {"FlgT", 1}});
        aaa.insertRow("denpyou1",
                      {{"SNo", 1}, {"Sub_No", 1}, {"hizuke", QDate(2015, 4, 1)}, {"Lkingaku", 3}});
    }
};

TEST_F(CsvExport, WritesAHeaderOfColumnNamesAndOneLinePerRowInKeyOrder) {
    ASSERT_TRUE(exportTableCsv(aaa, "denpyou1", file, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    const QByteArray expected =
        "\"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\",\"Lkingaku\",\"Rkingaku\","
        "\"tekiyou1\",\"tekiyou2\",\"LflgS\",\"RflgS\",\"FlgT\",\"FlgU\",\"FlgV\",\"FlgW\"\r\n"
        "1,1,\"2015/04/01\",\"\",\"\",\"\",\"\",3,,\"\",\"\",,,,,,\r\n"
        "2,1,\"2015/04/"
        "02\",\"50101\",\"11101\",\"\",\"\",1500,1500,\"\xFB\xFC\x8B\xB4\x87\x8A\",\"\",,,1,,,\r\n";
    EXPECT_EQ(readFile(file), expected);
}

TEST_F(CsvExport, WritesOnlyTheNamedColumnsInTheirOrder) {
    ASSERT_TRUE(exportTableCsv(aaa, "denpyou1", file, prompter, {"Lkingaku", "SNo"}));
    EXPECT_EQ(readFile(file), QByteArray("\"Lkingaku\",\"SNo\"\r\n3,1\r\n1500,2\r\n"));
    EXPECT_THROW(exportTableCsv(aaa, "denpyou1", file, prompter, {"nothing"}), StoreError);
    EXPECT_THROW(exportTableCsv(aaa, "nothing", file, prompter), StoreError);
}

TEST_F(CsvExport, QueryExportUsesTheResultLabelsAndParameters) {
    ASSERT_TRUE(
        exportQueryCsv(aaa,
                       "SELECT FlgT AS \"部門コード\", '' AS \"部門名\", hizuke, Lkingaku AS \"借方金額\" "
                       "FROM denpyou1 WHERE SNo>=:PM1 AND SNo<=:PM2 ORDER BY SNo, Sub_No",
                       {2, 9}, file, prompter));
    EXPECT_EQ(cp932::decode(readFile(file)),
              QStringLiteral(
                  "\"部門コード\",\"部門名\",\"hizuke\",\"借方金額\"\r\n1,\"\",\"2015/04/02\",1500\r\n"));
}

struct OverwriteCase {
    Answer answer;
    bool written;
};

void PrintTo(const OverwriteCase& c, std::ostream* os) {
    *os << (c.answer == Answer::Yes ? "yes" : c.answer == Answer::No ? "no" : "cancel");
}

class CsvOverwrite : public CsvExport, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(CsvOverwrite, AsksBeforeWritingOverAFileAndWritesOnlyOnYes) {
    writeFile(file, "old");
    prompter.answers = {GetParam().answer};
    EXPECT_EQ(exportTableCsv(aaa, "denpyou1", file, prompter), GetParam().written);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("同名のファイルがあります。上書をしてもよいですか？"));
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_EQ(readFile(file) == "old", !GetParam().written);

    prompter.clear();
    prompter.answers = {GetParam().answer};
    writeFile(file, "old");
    EXPECT_EQ(exportQueryCsv(aaa, "SELECT SNo FROM denpyou1", {}, file, prompter), GetParam().written);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(readFile(file) == "old", !GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Answers, CsvOverwrite,
                         ::testing::Values(OverwriteCase{Answer::Yes, true}, OverwriteCase{Answer::No, false},
                                           OverwriteCase{Answer::Cancel, false}));

// ---------------------------------------------------------------- round trip

TEST(CsvRoundTrip, ReadsBackEveryExportedRowUnchanged) {
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
    const QStringList texts = {QStringLiteral("支払,手数料"),
                               QStringLiteral("\"引用\"の\"\"二重\""),
                               QStringLiteral("①㈱髙～"),
                               QStringLiteral("  前後に空白  "),
                               QStringLiteral("全角　空白と,カンマ"),
                               QStringLiteral("a \"b\", c"),
                               QStringLiteral("ｶﾀｶﾅ\\円"),
                               QStringLiteral("\""),
                               QStringLiteral(",")};
    int sno = 1;
    for (const auto& t : texts) {
        aaa.insertRow("denpyou1", {{"SNo", sno},
                                   {"Sub_No", 1},
                                   {"hizuke", QDate(2015, 4, sno)},
                                   {"Lcode", "50101"},
                                   {"Lkingaku", sno * 1001 - 5000},
                                   {"Rkingaku", 1234.5},
                                   {"tekiyou1", t},
                                   {"tekiyou2", sno % 2 ? QVariant() : QVariant(t)},
                                   {"FlgT", sno % 3}});
        ++sno;
    }
    RecordingPrompter prompter;
    const QString file = fx.folders.path("round.csv");
    ASSERT_TRUE(exportTableCsv(aaa, "denpyou1", file, prompter));

    // The work folder's journal has the same layout; it holds a row that must go.
    fx.session.www.insertRow("denpyou1", {{"SNo", 99}, {"Sub_No", 1}});
    EXPECT_EQ(importCsv(fx.session.www, file, "denpyou1", 0), texts.size());
    const QString all = "SELECT * FROM denpyou1 ORDER BY SNo, Sub_No";
    EXPECT_EQ(rows(fx.session.www, all), rows(aaa, all));
}

// ---------------------------------------------------------------- import

class CsvImport : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
    QString file = fx.folders.path("in.csv");

    void SetUp() override {
        account("50101", 2, 10);
        account("50102", 2, 20);
        account("11101", 0, 30);
    }
    void account(const QString& code, int flgB, int a01) {
        aaa.insertRow(
            "kamoku",
            {{"code", code}, {"科目名", QStringLiteral("元") + code}, {"FlgB", flgB}, {"A01", a01}});
    }
    QStringList allocationColumns() {
        QStringList c = {"code", "科目名"};
        for (int i = 0; i <= 20; ++i)
            c << QStringLiteral("A%1").arg(i, 2, 10, QLatin1Char('0'));
        return c;
    }
};

TEST_F(CsvImport, KeyCountOneUpdatesMatchingRowsAndAppendsTheOthers) {
    writeFile(file, "\"code\",\"科目名\",\"A00\",\"A01\",\"A02\"\r\n"
                    "\"50101\",\"給料\",100,60,40\r\n"
                    "\"59999\",\"新規\",100,100\r\n");
    CsvImportOptions options;
    options.columns = allocationColumns();
    EXPECT_EQ(importCsv(aaa, file, "kamoku", 1, options), 2);
    EXPECT_EQ(rows(aaa, "SELECT code, 科目名, FlgB, A00, A01, A02 FROM kamoku ORDER BY code"),
              (std::vector<QStringList>{{"11101", "元11101", "0", "<NULL>", "30", "<NULL>"},
                                        {"50101", "給料", "2", "100", "60", "40"},
                                        {"50102", "元50102", "2", "<NULL>", "20", "<NULL>"},
                                        {"59999", "新規", "<NULL>", "100", "100", "<NULL>"}}));
}

TEST_F(CsvImport, UnderAFilterOnlyRowsInsideItAreUpdatedAndNoneIsAppended) {
    writeFile(file, "header\r\n"
                    "\"50101\",\"按分1\",100,70\r\n"
                    "\"11101\",\"現金\",100,70\r\n"
                    "\"59999\",\"新規\",100,70\r\n");
    CsvImportOptions options;
    options.columns = allocationColumns();
    options.filter = "FlgB=:PM1";
    options.filterParams = {2};
    EXPECT_EQ(importCsv(aaa, file, "kamoku", 1, options), 1);
    EXPECT_EQ(rows(aaa, "SELECT code, 科目名, A01 FROM kamoku ORDER BY code"),
              (std::vector<QStringList>{
                  {"11101", "元11101", "30"}, {"50101", "按分1", "70"}, {"50102", "元50102", "20"}}));
}

TEST_F(CsvImport, KeyCountZeroEmptiesTheTableAndAssignsByPositionAsFarAsTheLineGoes) {
    writeFile(file, "h\r\n\"60000\",\"短い\"\r\n\r\n\"60001\",\"長い\",1,2,3\r\n");
    EXPECT_EQ(importCsv(aaa, file, "kamoku", 0), 2);
    EXPECT_EQ(rows(aaa, "SELECT code, 科目名, FlgA, FlgB, FlgC, FlgD FROM kamoku ORDER BY code"),
              (std::vector<QStringList>{{"60000", "短い", "<NULL>", "<NULL>", "<NULL>", "<NULL>"},
                                        {"60001", "長い", "1", "2", "3", "<NULL>"}}));
}

TEST_F(CsvImport, RemovesDigitGroupCommasFromNumbersButKeepsThemInTexts) {
    writeFile(file, "h\r\n1,1,\"2015/4/1\",\"1,2\",\"\",\"\",\"\",\"1,234,567\",\"-2,000\",\"a,b\"\r\n");
    ASSERT_EQ(importCsv(aaa, file, "denpyou1", 2), 1);
    EXPECT_EQ(rows(aaa, "SELECT hizuke, Lcode, Lkingaku, Rkingaku, tekiyou1 FROM denpyou1"),
              (std::vector<QStringList>{{"2015-04-01", "1,2", "1234567", "-2000", "a,b"}}));
}

TEST_F(CsvImport, AMissingFileChangesNothing) {
    EXPECT_EQ(importCsv(aaa, fx.folders.path("none.csv"), "kamoku", 0), 0);
    EXPECT_EQ(aaa.rowCount("kamoku"), 3);
}

struct BadValueCase {
    const char* item; // the bad item on the third line
    int position;     // its place among the journal's columns
    const char* message;
};

class CsvImportRollback : public CsvImport, public ::testing::WithParamInterface<BadValueCase> {};

TEST_P(CsvImportRollback, ABadValueUndoesTheWholeImportAndNamesLineAndColumn) {
    aaa.insertRow("denpyou1", {{"SNo", 7}, {"Sub_No", 1}, {"Lkingaku", 70}});
    aaa.insertRow("denpyou1", {{"SNo", 8}, {"Sub_No", 1}, {"Lkingaku", 80}});
    QStringList bad = {"2", "1", "\"2015/04/02\"", "\"50101\"", "\"11101\"", "\"\"", "\"\"", "500", "500"};
    bad[GetParam().position] = QString::fromUtf8(GetParam().item);
    writeFile(file,
              "h\r\n1,1,\"2015/04/01\",\"50101\",\"11101\",\"\",\"\",100,100\r\n" + bad.join(',') + "\r\n");
    try {
        importCsv(aaa, file, "denpyou1", 0);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(GetParam().message));
    }
    EXPECT_EQ(rows(aaa, "SELECT SNo, Lkingaku FROM denpyou1 ORDER BY SNo"),
              (std::vector<QStringList>{{"7", "70"}, {"8", "80"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, CsvImportRollback,
    ::testing::Values(BadValueCase{"abc", 7, "3行目の「Lkingaku」の値「abc」を変換できません。"},
                      BadValueCase{"\"2015/02/30\"", 2,
                                   "3行目の「hizuke」の値「2015/02/30」を変換できません。"},
                      BadValueCase{"x1", 0, "3行目の「SNo」の値「x1」を変換できません。"},
                      BadValueCase{"1.5", 1, "3行目の「Sub_No」の値「1.5」を変換できません。"}));

TEST_F(CsvImport, RefusesAKeyCountAboveThree) {
    writeFile(file, "h\r\n");
    EXPECT_THROW(importCsv(aaa, file, "kamoku", 4), StoreError);
}

// ---------------------------------------------------------------- table copy

class CopyTableByKeyTest : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Database& aaa = fx.session.aaa;
};

TEST_F(CopyTableByKeyTest, CreatesAMissingTargetWithTheSourcesLayoutAndIndexes) {
    aaa.insertRow("kamoku2", {{"SNo", 10}, {"科目名", QStringLiteral("資産の部")}, {"code", "10000"}});
    aaa.insertRow("kamoku2", {{"SNo", 20}, {"科目名", QStringLiteral("流動資産")}, {"FlgA", 2}});
    EXPECT_EQ(copyTableByKey(aaa, "kamoku2", "kamoku2copy", 1), 2);
    const auto& from = aaa.columns("kamoku2");
    const auto& to = aaa.columns("kamoku2copy");
    ASSERT_EQ(to.size(), from.size());
    for (size_t i = 0; i < from.size(); ++i) {
        EXPECT_EQ(to[i].name, from[i].name);
        EXPECT_EQ(to[i].type, from[i].type);
        EXPECT_EQ(to[i].width, from[i].width);
        EXPECT_EQ(to[i].primaryKey, from[i].primaryKey);
    }
    EXPECT_EQ(aaa.scalar("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name IN "
                         "('kamoku2copy.CCode','kamoku2copy.FlgCBcode')")
                  .toInt(),
              2);
    const QString sql = "SELECT * FROM %1 ORDER BY SNo";
    EXPECT_EQ(rows(aaa, sql.arg("kamoku2copy")), rows(aaa, sql.arg("kamoku2")));
}

TEST_F(CopyTableByKeyTest, OverwritesRowsWithTheSameKeyAndAppendsTheOthers) {
    aaa.insertRow("hojokamoku",
                  {{"kamoku_CD", "11201"}, {"hojo_CD", "001"}, {"補助科目名", QStringLiteral("新A")}});
    aaa.insertRow("hojokamoku",
                  {{"kamoku_CD", "11201"}, {"hojo_CD", "002"}, {"補助科目名", QStringLiteral("新B")}});
    Database other;
    other.open(fx.folders.path("other.db"), Database::Kind::Data);
    other.exec(
        "CREATE TABLE hojokamoku (kamoku_CD CHARACTER(5), hojo_CD CHARACTER(3), 補助科目名 CHARACTER(20), "
        "PRIMARY KEY (kamoku_CD, hojo_CD))");
    other.insertRow("hojokamoku",
                    {{"kamoku_CD", "11201"}, {"hojo_CD", "001"}, {"補助科目名", QStringLiteral("旧A")}});
    other.insertRow("hojokamoku",
                    {{"kamoku_CD", "11201"}, {"hojo_CD", "003"}, {"補助科目名", QStringLiteral("旧C")}});
    EXPECT_EQ(copyTableByKey(aaa, "hojokamoku", other, "hojokamoku", 2), 2);
    EXPECT_EQ(rows(other, "SELECT hojo_CD, 補助科目名 FROM hojokamoku ORDER BY hojo_CD"),
              (std::vector<QStringList>{{"001", "新A"}, {"002", "新B"}, {"003", "旧C"}}));
}

TEST_F(CopyTableByKeyTest, CopiesOnlyTheFilteredRows) {
    for (int unit : {1, 2, 1})
        aaa.insertRow("Mkamoku", {{"B_ID", unit},
                                  {"code", QStringLiteral("5010%1").arg(aaa.rowCount("Mkamoku"))},
                                  {"予算", 1000 * unit}});
    Database other;
    other.open(fx.folders.path("other.db"), Database::Kind::Data);
    EXPECT_EQ(copyTableByKey(aaa, "Mkamoku", other, "Mkamoku", 2, {"B_ID=:PM1", {1}}), 2);
    EXPECT_EQ(rows(other, "SELECT B_ID, code, 予算 FROM Mkamoku ORDER BY code"),
              (std::vector<QStringList>{{"1", "50100", "1000"}, {"1", "50102", "1000"}}));
}

TEST_F(CopyTableByKeyTest, KeyCountZeroOverwritesTheFirstRowOrAppendsToAnEmptyTarget) {
    aaa.insertRow("Head", {{"法人名", QStringLiteral("新法人")}, {"PM2", 1}});
    EXPECT_EQ(copyTableByKey(aaa, "Head", "Head2", 0), 1);
    EXPECT_EQ(rows(aaa, "SELECT 法人名, PM2 FROM Head2"), (std::vector<QStringList>{{"新法人", "1"}}));
    aaa.exec("UPDATE Head SET 法人名='改名', PM2=0");
    EXPECT_EQ(copyTableByKey(aaa, "Head", "Head2", 0), 1);
    EXPECT_EQ(rows(aaa, "SELECT 法人名, PM2 FROM Head2"), (std::vector<QStringList>{{"改名", "0"}}));
}

TEST_F(CopyTableByKeyTest, RefusesTablesWhoseColumnsDoNotLineUp) {
    aaa.exec("CREATE TABLE twisted (hojo_CD CHARACTER(3), kamoku_CD CHARACTER(5), 補助科目名 CHARACTER(20))");
    aaa.insertRow("hojokamoku", {{"kamoku_CD", "11201"}, {"hojo_CD", "001"}});
    EXPECT_THROW(copyTableByKey(aaa, "hojokamoku", "twisted", 2), StoreError);
    EXPECT_EQ(aaa.rowCount("twisted"), 0);
}

} // namespace
} // namespace k9
