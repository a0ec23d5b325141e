// SPDX-License-Identifier: GPL-3.0-or-later
// The printouts of the three statements (TkessansyoPForm, "印　刷　Ａ"): the print settings
// kept in Regist row 201, the range, zero-line and shading rules, page numbering from the
// first page number, the unit's footnote file printed under the balance sheet, and the
// statements as files for batch mode (CSV, or layout A as PDF).
#pragma once

#include "reports/report.h"
#include "statements/statements.h"
#include "store/csv.h"

namespace k9 {

class Database;
class Prompter;
struct Session;

inline constexpr int kStatementPrintRegistId = 201;

// "印刷範囲": 0 "小区分以上", 1 "中区分以上", 2 "大区分以上".
enum class PrintRange { Small = 0, Middle = 1, Major = 2 };

// The dialog's choices, stored as the radio indexes: for the two zero choices 0 is
// "印刷する" and 1 "印刷しない"; for "改ページ" and "ページ数の印刷" 0 is "す　る" and 1 "しない".
struct StatementPrintSettings : PrintLook {
    int range = 0;       // P2 "印刷範囲"
    int pageBreak = 1;   // P4 "改ページ": 0 starts the balance sheet's credit side on a new page
    int pageNumbers = 0; // P5 "ページ数の印刷"
    int firstPage = 1;   // S3 "開始ページ番号"
    bool operator==(const StatementPrintSettings&) const = default;
};

// Regist row 201 of the program folder; the defaults when the row is missing. Values out of
// range fall back to the defaults.
StatementPrintSettings loadStatementPrintSettings(Database& hm);
// Writes row 201 in one transaction, creating it when missing.
void saveStatementPrintSettings(Database& hm, const StatementPrintSettings& settings);
// Sets the session's shared print values (PrintZeroLines, PrintSmallAccounts as the range,
// PrintShading, ZeroHideLevel, row height and font sizes).
void applyStatementPrintSettings(Session& session, const StatementPrintSettings& settings);

// Whether a line falls within "印刷範囲": 小区分以上 every line; 中区分以上 no small account
// (FlgE 1); 大区分以上 only lines of level 2 and above. On the net-assets statement the
// brought-forward net assets (FlgG 112) stay in every range.
bool inPrintRange(const StatementLine& line, StatementKind kind, PrintRange range);
// Amounts a layout also requires to be 0 before it counts a line as all-zero: the
// receipts-and-payments layouts Ｂ and Ｃ add 差異, Ｂ also 当初予算.
struct ZeroLineAmounts {
    bool variance = false;      // 差異
    bool initialBudget = false; // 当初予算
};
// Whether layout A prints a line: within the range, and with "０円の科目" "印刷しない" not an
// all-zero line below ZeroHideLevel (balance sheet: 残高合計 and 前残高; the others:
// 残高合計 and 予算, plus the amounts in `also`). Lines without a level always print.
bool printedStatementLine(const StatementLine& line, StatementKind kind, const StatementPrintSettings& s,
                          ZeroLineAmounts also = {});

// "貸  借  対  照  表", "正 味 財 産 増 減 計 算 書", "収　支　計　算　書".
QString statementPrintTitle(StatementKind kind);
// The printed name in layout A: the stored name (with its indentation) on the balance sheet,
// the display name (after "／") on the other two.
QString statementPrintName(const StatementLine& line, StatementKind kind);

// The page header of a statement for the selected unit: the title, "（単位　　円）" with the
// fiscal year, the period — the end date alone ("…現在") on the balance sheet, from and to on
// the others — the corporation and unit names and the seals.
ReportHeader statementReportHeader(Session& session, const Statements& st, StatementKind kind);

// The unit's footnote file: "cyuki" + CurrentUnitText + ".txt" in the data folder.
QString footnoteFile(const Session& session);
// Its lines (stored in CP932); empty when the file does not exist.
QStringList footnoteLines(const Session& session);
// The text the footnote editor opens with: the unit's file, else the template "cyuki.txt" in
// the program folder, else empty. Line ends are "\n".
QString loadFootnoteText(const Session& session);
// Writes the text to the unit's footnote file in CP932 with CRLF line ends, replacing the
// file only once the new one is complete. K9Error (with the message to show) when a
// character has no CP932 form or the file cannot be written; the old file then stays.
void saveFootnoteText(const Session& session, const QString& text);

// Layout "印　刷　Ａ" of one statement. The balance sheet is grouped by FlgC (debit side,
// then credit side; the credit side on a new page when "改ページ" is "す　る") and ends with
// the band "（注）" and the footnote lines when there are any.
ReportDocument statementLayoutA(const Statements& st, StatementKind kind, const StatementPrintSettings& s,
                                const ReportHeader& header, const QStringList& footnotes = {});

// Page numbers of a statement printout: "- " + (page + first page number − 1) + " -" on each
// page with "ページ数の印刷" "す　る", none with "しない".
void setStatementPageNumbers(ReportDocument& doc, const StatementPrintSettings& s);

// Layout A of the three statements for the selected unit.
std::vector<ReportDocument> statementDocuments(Session& session, const Statements& st,
                                               const StatementPrintSettings& s);

// The CSV lines: for each statement its caption, a header (code, the layout's column titles),
// then one line per printed row (code and name quoted, amounts as plain yen, 比 with one
// decimal); an empty line between statements.
CsvWriter statementsCsv(const Statements& st, const StatementPrintSettings& s);

enum class StatementFileFormat { Csv, Pdf };
// Reads the statements of the work folder (after runTotals) and writes them to `file` with
// the Regist 201 print settings. Asks before replacing an existing file; returns false when
// the answer was not Yes. K9Error when the file cannot be written or PDF has no graphics
// environment; StoreError when the work tables cannot be read.
bool writeStatements(Session& session, StatementFileFormat format, const QString& file, Prompter& prompter);

} // namespace k9
