// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet writer: a sheet written to .xlsx and read back from the file's XML parts
// (texts, amounts as numbers with the #,##0 format, dates, emphasis), its failure message,
// and where export files go.
#include "reports/spreadsheet.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

using namespace k9;

namespace {

std::string s(const QString& q) {
    return q.toStdString();
}

// One part of an .xlsx file, through the system's unzip. Empty when unzip is missing.
QByteArray zipPart(const QString& file, const QString& part) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, part});
    if (!p.waitForFinished(10000))
        return {};
    return p.readAllStandardOutput();
}

bool haveUnzip() {
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

struct ReadCell {
    QString value; // the text of a string cell, the number of a number cell
    bool number = false;
    int style = 0;
};

// The cells of the first sheet by reference ("A1"), shared strings resolved.
std::map<QString, ReadCell> readCells(const QString& file) {
    QStringList shared;
    {
        QXmlStreamReader x(zipPart(file, QStringLiteral("xl/sharedStrings.xml")));
        QString current;
        bool inSi = false;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si")) {
                inSi = true;
                current.clear();
            } else if (x.isStartElement() && x.name() == QLatin1String("t") && inSi) {
                current += x.readElementText();
            } else if (x.isEndElement() && x.name() == QLatin1String("si")) {
                shared << current;
                inSi = false;
            }
        }
    }
    std::map<QString, ReadCell> cells;
    QXmlStreamReader x(zipPart(file, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref;
    ReadCell cell;
    bool isShared = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("c")) {
            ref = x.attributes().value(QLatin1String("r")).toString();
            isShared = x.attributes().value(QLatin1String("t")) == QLatin1String("s");
            cell = ReadCell();
            cell.style = x.attributes().value(QLatin1String("s")).toInt();
            cells[ref] = cell;
        } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            if (isShared) {
                cells[ref].value = shared.value(v.toInt());
            } else {
                cells[ref].value = v;
                cells[ref].number = true;
            }
        }
    }
    return cells;
}

// numFmtId of each cell style (index into cellXfs), and the custom format codes by id.
struct Styles {
    std::vector<int> numFmtOfXf;
    std::vector<bool> boldOfXf;
    std::map<int, QString> formatCodes;
};

Styles readStyles(const QString& file) {
    Styles st;
    QXmlStreamReader x(zipPart(file, QStringLiteral("xl/styles.xml")));
    bool inCellXfs = false;
    bool inFonts = false;
    std::vector<bool> fontBold;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("numFmt"))
            st.formatCodes[x.attributes().value(QLatin1String("numFmtId")).toInt()] =
                x.attributes().value(QLatin1String("formatCode")).toString();
        else if (x.isStartElement() && x.name() == QLatin1String("fonts"))
            inFonts = true;
        else if (x.isEndElement() && x.name() == QLatin1String("fonts"))
            inFonts = false;
        else if (inFonts && x.isStartElement() && x.name() == QLatin1String("font"))
            fontBold.push_back(false);
        else if (inFonts && x.isStartElement() && x.name() == QLatin1String("b"))
            fontBold.back() = true;
        else if (x.isStartElement() && x.name() == QLatin1String("cellXfs"))
            inCellXfs = true;
        else if (x.isEndElement() && x.name() == QLatin1String("cellXfs"))
            inCellXfs = false;
        else if (inCellXfs && x.isStartElement() && x.name() == QLatin1String("xf")) {
            st.numFmtOfXf.push_back(x.attributes().value(QLatin1String("numFmtId")).toInt());
            const size_t font = x.attributes().value(QLatin1String("fontId")).toUInt();
            st.boldOfXf.push_back(font < fontBold.size() && fontBold[font]);
        }
    }
    return st;
}

SheetData sampleSheet() {
    SheetData sheet;
    sheet.title = QStringLiteral("勘定科目の一覧");
    sheet.headers = {QStringLiteral("科目ｺｰﾄﾞ"), QStringLiteral("科目名"), QStringLiteral("金額"),
                     QStringLiteral("FlgA"), QStringLiteral("日付")};
    sheet.rows.push_back({{SheetCell::ofText("10100"), SheetCell::ofText(QStringLiteral("　現金預金")),
                           SheetCell::ofAmount(Money::fromYen(1234567)), SheetCell::ofInteger(0),
                           SheetCell::ofDate(QDate(2015, 4, 1))},
                          SheetEmphasis::Item});
    sheet.rows.push_back(
        {{SheetCell::ofText("20100"), SheetCell::ofText(QStringLiteral("①未払金")),
          SheetCell::ofAmount(Money::fromYen(-500)), SheetCell::empty(), SheetCell::ofAmount(Money())},
         SheetEmphasis::Subtotal});
    sheet.rows.push_back({{SheetCell::empty(), SheetCell::ofText(QStringLiteral("合　計")),
                           SheetCell::ofAmount(Money::fromYen(1234067))},
                          SheetEmphasis::Total});
    return sheet;
}

} // namespace

TEST(Spreadsheet, WrittenFileIsAWorkbook) {
    test::TempFolders dir;
    const QString file = dir.path("out.xlsx");
    writeSheetAsXlsx(sampleSheet(), file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(f.size(), 1000);
    EXPECT_EQ(f.read(2), QByteArray("PK"));
}

TEST(Spreadsheet, CellsReadBackWithTheirTypes) {
    if (!haveUnzip())
        GTEST_SKIP() << "unzip is not installed";
    test::TempFolders dir;
    const QString file = dir.path("out.xlsx");
    writeSheetAsXlsx(sampleSheet(), file);
    const auto cells = readCells(file);
    const Styles styles = readStyles(file);

    struct Expect {
        const char* ref;
        QString value;
        bool number;
    };
    const Expect expected[] = {
        {"A1", QStringLiteral("勘定科目の一覧"), false}, {"A2", QStringLiteral("科目ｺｰﾄﾞ"), false},
        {"B2", QStringLiteral("科目名"), false},         {"E2", QStringLiteral("日付"), false},
        {"A3", QStringLiteral("10100"), false},          {"B3", QStringLiteral("　現金預金"), false},
        {"C3", QStringLiteral("1234567"), true},         {"D3", QStringLiteral("0"), true},
        {"E3", QStringLiteral("42095"), true}, // 2015-04-01 as a spreadsheet date
        {"B4", QStringLiteral("①未払金"), false},        {"C4", QStringLiteral("-500"), true},
        {"B5", QStringLiteral("合　計"), false},         {"C5", QStringLiteral("1234067"), true},
    };
    for (const auto& e : expected) {
        auto it = cells.find(QString::fromLatin1(e.ref));
        ASSERT_NE(it, cells.end()) << e.ref;
        EXPECT_EQ(s(it->second.value), s(e.value)) << e.ref;
        EXPECT_EQ(it->second.number, e.number) << e.ref;
    }
    // Empty amounts and empty cells are not written on item lines.
    EXPECT_EQ(cells.count(QStringLiteral("D4")), 0u);
    EXPECT_EQ(cells.count(QStringLiteral("E4")), 0u);

    // Amounts carry the format #,##0 (built in as id 3, or written out); the date its own
    // yyyy/mm/dd format; whole numbers the general format.
    auto format = [&](const char* ref) {
        const int id = styles.numFmtOfXf.at(static_cast<size_t>(cells.at(QString::fromLatin1(ref)).style));
        if (id == 3)
            return std::string("#,##0");
        auto it = styles.formatCodes.find(id);
        return it == styles.formatCodes.end() ? std::to_string(id) : s(it->second);
    };
    EXPECT_EQ(format("C3"), "#,##0");
    EXPECT_EQ(format("C4"), "#,##0");
    EXPECT_EQ(format("C5"), "#,##0");
    EXPECT_EQ(format("E3"), "yyyy/mm/dd");
    EXPECT_EQ(format("D3"), "0");

    // Emphasis: item plain, subtotal and total bold; the total's rule runs over blank cells.
    auto bold = [&](const char* ref) {
        return bool(styles.boldOfXf.at(static_cast<size_t>(cells.at(QString::fromLatin1(ref)).style)));
    };
    EXPECT_FALSE(bold("B3"));
    EXPECT_TRUE(bold("B4"));
    EXPECT_TRUE(bold("B5"));
    EXPECT_TRUE(bold("A2"));
    EXPECT_EQ(cells.count(QStringLiteral("A5")), 1u);
}

TEST(Spreadsheet, SheetWithoutTitleStartsWithTheHeaders) {
    if (!haveUnzip())
        GTEST_SKIP() << "unzip is not installed";
    test::TempFolders dir;
    SheetData sheet = sampleSheet();
    sheet.title.clear();
    const QString file = dir.path("plain.xlsx");
    writeSheetAsXlsx(sheet, file);
    const auto cells = readCells(file);
    EXPECT_EQ(s(cells.at(QStringLiteral("A1")).value), "科目ｺｰﾄﾞ");
    EXPECT_EQ(s(cells.at(QStringLiteral("C2")).value), "1234567");
    const QByteArray workbook = zipPart(file, QStringLiteral("xl/workbook.xml"));
    EXPECT_TRUE(workbook.contains("name=\"Sheet1\""));
}

TEST(Spreadsheet, SheetIsNamedAfterTheTitleWithoutForbiddenCharacters) {
    if (!haveUnzip())
        GTEST_SKIP() << "unzip is not installed";
    test::TempFolders dir;
    SheetData sheet;
    sheet.title = QStringLiteral("収支[計算]書/2015:*?");
    sheet.headers = {QStringLiteral("A")};
    const QString file = dir.path("named.xlsx");
    writeSheetAsXlsx(sheet, file);
    const QString workbook = QString::fromUtf8(zipPart(file, QStringLiteral("xl/workbook.xml")));
    EXPECT_TRUE(workbook.contains(QStringLiteral("name=\"収支計算書2015\""))) << s(workbook);
}

TEST(Spreadsheet, UnwritableFileFailsWithTheExportMessage) {
    test::TempFolders dir;
    const QString file = dir.path("missing-folder/sub/out.xlsx");
    try {
        writeSheetAsXlsx(sampleSheet(), file);
        FAIL() << "no error raised";
    } catch (const SpreadsheetError& e) {
        EXPECT_EQ(s(e.message()), "Ｅｘｃｅｌ出力中にエラーが発生しました。");
        EXPECT_FALSE(e.detail().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST(Spreadsheet, ExportFolderIsUnderTheWorkFolder) {
    test::TempFolders dir;
    const QString work = dir.path("WKData/");
    const QString folder = spreadsheetExportFolder(work);
    EXPECT_EQ(s(folder), s(QDir::cleanPath(work + "xlsx") + '/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(s(spreadsheetExportFolder(QString())), s(QDir::cleanPath(QDir::tempPath()) + '/'));
}

TEST(Spreadsheet, ExportFileNamesNeverCollide) {
    test::TempFolders dir;
    const QString first = uniqueSpreadsheetPath(dir.path(""), QStringLiteral("勘定科目 (B/S)"));
    EXPECT_TRUE(first.endsWith(QStringLiteral(".xlsx")));
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith(QStringLiteral("勘定科目_(B_S)_"))) << s(first);
    QFile f(first);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString second = uniqueSpreadsheetPath(dir.path(""), QStringLiteral("勘定科目 (B/S)"));
    EXPECT_NE(s(first), s(second));
    EXPECT_TRUE(QFileInfo(uniqueSpreadsheetPath(dir.path(""), QString())).fileName().startsWith("k9_"));
}
