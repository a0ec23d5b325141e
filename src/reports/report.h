// SPDX-License-Identifier: GPL-3.0-or-later
// The one banded report renderer. A print layout (trial balance, statements, lists) builds a
// ReportDocument: the page header (period, title, corporation and unit, the five seal
// boxes), the column headers, and the rows it has already computed, each with its
// emphasis, shading and group. The renderer never adds amounts: it cuts the rows into pages
// (paginate) and paints a page on any QPainter, which serves the print preview, the
// printer, PDF files and PNG images alike. Sizes are report pixels (1/96 inch).
#pragma once

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QImage;
class QPainter;

namespace k9 {

// The two faces of the printouts: "ＭＳ 明朝" for names, "ＭＳ ゴシック" for headings.
enum class ReportFace { Mincho, Gothic };

// The installed family for a face name of the printouts: "ＭＳ 明朝" and "ＭＳ Ｐ明朝" give IPA
// Mincho, "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" IPA Gothic; Noto CJK when the IPA fonts are absent.
QString reportFontFamily(const QString& faceName);
QString reportFontFamily(ReportFace face);
QFont reportFont(ReportFace face, double pointSize, bool bold = false);

// Light grey of shaded rows, RGB(217, 217, 217).
QColor reportShading();

struct ReportColumn {
    QString caption;
    double width = 80;    // relative width; the columns are fitted to the printable width
    bool amount = false;  // printed in the amount font, right-aligned
    bool centred = false; // a text column printed centred
};

struct ReportRow {
    enum class Kind {
        Detail,      // an ordinary line
        GroupHeader, // opens a group; never left alone at the foot of a page
        Total        // a sum line, bold with a rule above
    };
    Kind kind = Kind::Detail;
    QStringList cells;   // one text per column; missing cells print empty
    bool shaded = false; // printed on reportShading()
    QColor fill;         // a row's own background; when valid it is used instead of the shading
    bool bold = false;
    bool ruleAbove = true;         // the separator between this row and the one above
    bool spansRow = false;         // the first cell prints across the whole row, without column rules
    bool keepWithPrevious = false; // stays on the page of the row above when the block fits a page
    QString group;                 // a change of group between two rows is a group break
};

struct ReportHeader {
    QString title;
    QString periodFrom; // "令和2年 4月 1日から"
    QString periodTo;   // "令和3年 3月31日まで"
    QString corporationLabel;
    QString corporationName;
    QString unitLabel;
    QString unitName;
    std::array<QString, 5> seals; // captions of the seal boxes; an empty caption draws no box
    QString subtitle;             // an optional line under the title (an account name)
};

struct ReportDocument {
    ReportHeader header;
    std::vector<ReportColumn> columns;
    std::vector<ReportRow> rows;
    double rowHeight = 16;       // PrintRowHeight
    double nameFontSize = 9;     // PrintNameFontSize, the text columns
    double amountFontSize = 9;   // PrintAmountFontSize, the amount columns
    bool newPageOnGroup = false; // every group after the first starts a new page
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString footer = QStringLiteral("[PAGE#] / [TOTALPAGES#]");
    int firstPageNumber = 1; // the number "[PAGE#]" gives on the first page
};

// The print choices every statement-like printout shares (the session's PrintZeroLines,
// ZeroHideLevel, PrintShading, PrintRowHeight and the two font sizes), as the print
// dialogs keep them: for the two zero choices 0 is "印刷する" and 1 "印刷しない".
struct PrintLook {
    int zeroLines = 1;      // "０円の科目": 1 leaves all-zero lines out
    int majorZero = 1;      // "大科目の0円": 0 keeps all-zero 大科目 (FlgA 3) lines
    int shading = 0;        // "網掛け": 0 none, 1 FlgA 3, 2 FlgA 2–3, 3 FlgA 1–3
    int rowHeight = 16;     // "行間隔"
    int nameFontSize = 9;   // "科目名のフォントサイズ"
    int amountFontSize = 9; // "金額のフォントサイズ"
    // ZeroHideLevel: all-zero lines whose FlgA is below it are left out.
    int zeroHideLevel() const { return majorZero == 0 ? 3 : 4; }
    bool operator==(const PrintLook&) const = default;
};

// An empty document with the header, its title, and the row height and fonts of `look`.
ReportDocument lookedDocument(const ReportHeader& header, const QString& title, const PrintLook& look);

// The rows of each page, as indexes into ReportDocument::rows. A document without rows has
// one empty page.
struct ReportPages {
    std::vector<std::vector<int>> pages;
    int count() const { return static_cast<int>(pages.size()); }
};

// Page geometry in report pixels: A4 with fixed margins, the header band, the column header
// and the footer.
struct ReportGeometry {
    double pageWidth = 0;
    double pageHeight = 0;
    double margin = 36;
    double headerHeight = 118;
    double columnHeaderHeight = 26;
    double footerHeight = 24;
    double bodyTop() const { return margin + headerHeight + columnHeaderHeight; }
    double bodyHeight() const { return pageHeight - bodyTop() - footerHeight - margin; }
    double printableWidth() const { return pageWidth - 2 * margin; }
};
ReportGeometry reportGeometry(const ReportDocument& doc);

// Cuts the rows into pages: as many rows of rowHeight as the body holds; with
// newPageOnGroup a change of group starts a new page; a group header that would end a page
// moves to the next one; a block of rows kept with the row above moves to the next page
// whole when it would be cut and fits on one page.
ReportPages paginate(const ReportDocument& doc);

// The footer text with "[PAGE#]" and "[TOTALPAGES#]" replaced: "2 / 5".
QString pageFooterText(const QString& pattern, int page, int totalPages);

// Paints page `page` (0-based) of the document. The painter's coordinates must be report
// pixels with (0, 0) at the corner of the paper.
void paintReportPage(QPainter& painter, const ReportDocument& doc, const ReportPages& pages, int page);

// Writes the documents one after the other into a PDF file (fonts embedded); each document
// keeps its own page numbering. Returns the number of pages written. Needs a
// QGuiApplication. Raises K9Error when the file cannot be written.
int writeReportPdf(const std::vector<ReportDocument>& docs, const QString& file);

// Page `page` as an image at `dpi` dots per inch on white. Needs a QGuiApplication.
QImage renderReportPage(const ReportDocument& doc, int page, int dpi = 96);

} // namespace k9
