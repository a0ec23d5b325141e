// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a SheetData as an .xlsx workbook through libxlsxwriter.
#include "reports/spreadsheet.h"

#include "store/cp932.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <xlsxwriter.h>

namespace k9 {
namespace {

// The longest text a spreadsheet cell holds.
constexpr int kMaxCellText = 32767;
// Widths of columns, in characters of the default font.
constexpr double kMinColumnWidth = 4.0;
constexpr double kMaxColumnWidth = 60.0;

const char* kAmountFormat = "#,##0";
const char* kDateFormat = "yyyy/mm/dd";

// Releases a workbook that was not closed (a failure before workbook_close).
struct WorkbookGuard {
    lxw_workbook* wb = nullptr;
    ~WorkbookGuard() {
        if (wb)
            lxw_workbook_free(wb);
    }
};

[[noreturn]] void fail(const QString& detail) {
    throw SpreadsheetError(spreadsheetFailureMessage(), detail);
}

void check(lxw_error rc, const char* what) {
    if (rc != LXW_NO_ERROR)
        fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromUtf8(lxw_strerror(rc))));
}

QString sheetName(const QString& title) {
    QString name;
    for (QChar c : title) {
        // Sheet names cannot hold these characters, nor line breaks or tabs.
        if (QStringLiteral("[]:*?/\\").contains(c) || c.unicode() < 0x20)
            continue;
        name += c;
    }
    while (name.startsWith('\''))
        name.remove(0, 1);
    while (name.endsWith('\''))
        name.chop(1);
    name = name.trimmed().left(31);
    return name;
}

// The width a cell needs: CP932 bytes approximate the character cells of the sheet font
// (a full-width character takes two).
double cellWidth(const SheetCell& cell) {
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return 0;
    case SheetCell::Kind::Text:
        return cp932::byteWidth(cell.text);
    case SheetCell::Kind::Amount:
        return cell.amount.format().size();
    case SheetCell::Kind::Integer:
        return QString::number(cell.integer).size();
    case SheetCell::Kind::Date:
        return 10;
    }
    return 0;
}

struct Formats {
    lxw_format* title = nullptr;
    lxw_format* header = nullptr;
    // [emphasis][kind]: plain, amount, date
    lxw_format* plain[3] = {};
    lxw_format* amount[3] = {};
    lxw_format* date[3] = {};
};

Formats makeFormats(lxw_workbook* wb) {
    Formats f;
    f.title = workbook_add_format(wb);
    format_set_bold(f.title);
    format_set_font_size(f.title, 12);
    f.header = workbook_add_format(wb);
    format_set_bold(f.header);
    format_set_bottom(f.header, LXW_BORDER_THIN);
    format_set_bg_color(f.header, 0xE7E6E6);
    for (int e = 0; e < 3; ++e) {
        f.plain[e] = workbook_add_format(wb);
        f.amount[e] = workbook_add_format(wb);
        f.date[e] = workbook_add_format(wb);
        format_set_num_format(f.amount[e], kAmountFormat);
        format_set_num_format(f.date[e], kDateFormat);
        if (e > 0) {
            for (lxw_format* fmt : {f.plain[e], f.amount[e], f.date[e]})
                format_set_bold(fmt);
        }
        if (e == 2) {
            for (lxw_format* fmt : {f.plain[e], f.amount[e], f.date[e]})
                format_set_top(fmt, LXW_BORDER_THIN);
        }
    }
    return f;
}

int emphasisIndex(SheetEmphasis e) {
    switch (e) {
    case SheetEmphasis::Item:
        return 0;
    case SheetEmphasis::Subtotal:
        return 1;
    case SheetEmphasis::Total:
        return 2;
    }
    return 0;
}

void writeCell(lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const SheetCell& cell, const Formats& f,
               int e) {
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        // A total line's rule runs across the whole line.
        if (e == 2)
            check(worksheet_write_blank(ws, row, col, f.plain[e]), "write blank");
        return;
    case SheetCell::Kind::Text: {
        QByteArray utf8 = cell.text.left(kMaxCellText).toUtf8();
        check(worksheet_write_string(ws, row, col, utf8.constData(), f.plain[e]), "write text");
        return;
    }
    case SheetCell::Kind::Amount:
        check(worksheet_write_number(ws, row, col, cell.amount.toDouble(), f.amount[e]), "write amount");
        return;
    case SheetCell::Kind::Integer:
        check(worksheet_write_number(ws, row, col, static_cast<double>(cell.integer), f.plain[e]),
              "write number");
        return;
    case SheetCell::Kind::Date: {
        lxw_datetime dt{};
        dt.year = cell.date.year();
        dt.month = cell.date.month();
        dt.day = cell.date.day();
        check(worksheet_write_datetime(ws, row, col, &dt, f.date[e]), "write date");
        return;
    }
    }
}

} // namespace

SheetCell SheetCell::ofText(const QString& text) {
    SheetCell c;
    if (!text.isEmpty()) {
        c.kind = Kind::Text;
        c.text = text;
    }
    return c;
}

SheetCell SheetCell::ofAmount(Money amount) {
    SheetCell c;
    if (!amount.isEmpty()) {
        c.kind = Kind::Amount;
        c.amount = amount;
    }
    return c;
}

SheetCell SheetCell::ofInteger(long long value) {
    SheetCell c;
    c.kind = Kind::Integer;
    c.integer = value;
    return c;
}

SheetCell SheetCell::ofDate(const QDate& date) {
    SheetCell c;
    if (date.isValid()) {
        c.kind = Kind::Date;
        c.date = date;
    }
    return c;
}

QString spreadsheetFailureMessage() {
    return QStringLiteral("Ｅｘｃｅｌ出力中にエラーが発生しました。");
}

void writeSheetAsXlsx(const SheetData& sheet, const QString& file) {
    const QByteArray path = QFile::encodeName(file);
    WorkbookGuard guard;
    guard.wb = workbook_new(path.constData());
    if (!guard.wb)
        fail(QStringLiteral("workbook_new failed for %1").arg(file));
    lxw_workbook* wb = guard.wb;

    const QString name = sheetName(sheet.title);
    QByteArray nameUtf8 = name.toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb, name.isEmpty() ? nullptr : nameUtf8.constData());
    if (!ws)
        ws = workbook_add_worksheet(wb, nullptr);
    if (!ws)
        fail(QStringLiteral("workbook_add_worksheet failed"));
    const Formats f = makeFormats(wb);

    size_t columnCount = static_cast<size_t>(sheet.headers.size());
    for (const auto& r : sheet.rows)
        columnCount = std::max(columnCount, r.cells.size());
    if (columnCount > LXW_COL_MAX)
        fail(QStringLiteral("too many columns: %1").arg(columnCount));
    std::vector<double> widths(columnCount, 0.0);

    lxw_row_t row = 0;
    if (!sheet.title.isEmpty()) {
        QByteArray t = sheet.title.left(kMaxCellText).toUtf8();
        check(worksheet_write_string(ws, row, 0, t.constData(), f.title), "write title");
        ++row;
    }
    if (!sheet.headers.isEmpty()) {
        for (qsizetype c = 0; c < sheet.headers.size(); ++c) {
            const QString& h = sheet.headers[c];
            QByteArray utf8 = h.left(kMaxCellText).toUtf8();
            check(worksheet_write_string(ws, row, static_cast<lxw_col_t>(c), utf8.constData(), f.header),
                  "write header");
            widths[static_cast<size_t>(c)] =
                std::max<double>(widths[static_cast<size_t>(c)], cp932::byteWidth(h));
        }
        ++row;
        worksheet_freeze_panes(ws, row, 0);
    }
    for (const auto& r : sheet.rows) {
        if (row >= LXW_ROW_MAX)
            fail(QStringLiteral("too many rows"));
        const int e = emphasisIndex(r.emphasis);
        for (size_t c = 0; c < columnCount; ++c) {
            const SheetCell cell = c < r.cells.size() ? r.cells[c] : SheetCell();
            writeCell(ws, row, static_cast<lxw_col_t>(c), cell, f, e);
            widths[c] = std::max(widths[c], cellWidth(cell));
        }
        ++row;
    }
    for (size_t c = 0; c < columnCount; ++c) {
        double w = std::clamp(widths[c] + 2.0, kMinColumnWidth, kMaxColumnWidth);
        check(worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), w, nullptr),
              "set column");
    }

    lxw_error rc = workbook_close(wb);
    guard.wb = nullptr; // workbook_close frees the workbook whatever it returns
    if (rc != LXW_NO_ERROR)
        fail(QStringLiteral("workbook_close %1: %2").arg(file, QString::fromUtf8(lxw_strerror(rc))));
}

QString spreadsheetExportFolder(const QString& workDir) {
    if (!workDir.isEmpty()) {
        QString folder = QDir(workDir).filePath(QStringLiteral("xlsx"));
        if (QDir().mkpath(folder) && QFileInfo(folder).isWritable())
            return QDir::cleanPath(folder) + '/';
    }
    return QDir::cleanPath(QDir::tempPath()) + '/';
}

QString uniqueSpreadsheetPath(const QString& folder, const QString& stem) {
    QString s;
    for (QChar c : stem) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.isSpace() || c.unicode() < 0x20)
            s += '_';
        else
            s += c;
    }
    if (s.isEmpty())
        s = QStringLiteral("k9");
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("%1_%2.xlsx").arg(s, stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1_%2_%3.xlsx").arg(s, stamp).arg(n));
    return path;
}

} // namespace k9
