// SPDX-License-Identifier: GPL-3.0-or-later
// The one spreadsheet writer behind every "エクセル" / "エクセル出力" button: a plain sheet of
// typed cells (texts, amounts, whole numbers, dates) with an emphasis per row, written to
// an .xlsx file that any office suite opens. Screens build the sheet from their grid
// (reports/ui/gridexport.h); reports may build it from their computed rows.
#pragma once

#include "store/errors.h"
#include "store/money.h"

#include <QDate>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <vector>

namespace k9 {

// One cell. Amounts are written as numbers with the format "#,##0", so the spreadsheet can
// add them; an empty amount, an invalid date and an empty text give an empty cell.
struct SheetCell {
    enum class Kind { Empty, Text, Amount, Integer, Date };
    Kind kind = Kind::Empty;
    QString text;
    Money amount;
    long long integer = 0;
    QDate date;

    static SheetCell empty() { return {}; }
    static SheetCell ofText(const QString& text);
    static SheetCell ofAmount(Money amount);
    static SheetCell ofInteger(long long value);
    static SheetCell ofDate(const QDate& date);

    bool operator==(const SheetCell&) const = default;
};

// Item lines are plain; subtotal lines bold; total lines bold with a rule above.
enum class SheetEmphasis { Item, Subtotal, Total };

struct SheetRow {
    std::vector<SheetCell> cells;
    SheetEmphasis emphasis = SheetEmphasis::Item;
};

// A sheet: an optional title line, one line of column headers and the rows.
struct SheetData {
    QString title;
    QStringList headers;
    std::vector<SheetRow> rows;
};

// An item model role through which a grid's model may hand the export a typed cell
// (a SheetCell in a QVariant); models that do not answer it are read from their texts.
inline constexpr int kSheetCellRole = Qt::UserRole + 0x4B39;
// A role on column 0 giving the row's SheetEmphasis as an int.
inline constexpr int kSheetEmphasisRole = kSheetCellRole + 1;

// The export failed: the file could not be written. message() is the text shown to the
// user; detail() says what went wrong, for the program's own diagnostics.
class SpreadsheetError : public K9Error {
public:
    SpreadsheetError(const QString& message, const QString& detail) : K9Error(message), m_detail(detail) {}
    const QString& detail() const { return m_detail; }

private:
    QString m_detail;
};

// The message every failed spreadsheet export shows: "Ｅｘｃｅｌ出力中にエラーが発生しました。"
QString spreadsheetFailureMessage();

// Writes the sheet to `file` (replacing it). The first sheet is named after the title
// (characters a sheet name cannot hold are dropped) or "Sheet1". The header line is
// frozen; column widths follow the widest text. Throws SpreadsheetError when the file
// cannot be written.
void writeSheetAsXlsx(const SheetData& sheet, const QString& file);

// Where exports go: the folder "xlsx" under the work folder when it can be made, else the
// system temporary folder. Ends with '/'.
QString spreadsheetExportFolder(const QString& workDir);

// A file name in `folder` that does not exist yet: the stem (characters not allowed in
// file names replaced by "_", "k9" when empty), the date and time, and ".xlsx".
QString uniqueSpreadsheetPath(const QString& folder, const QString& stem);

} // namespace k9

Q_DECLARE_METATYPE(k9::SheetCell)
