// SPDX-License-Identifier: GPL-3.0-or-later
// The grid-to-spreadsheet export of every "エクセル" / "エクセル出力" button: the visible
// columns and rows of a grid, with its header texts and its amounts as numbers, written to
// an .xlsx file in the work folder and opened with the desktop's spreadsheet application.
#pragma once

#include "reports/spreadsheet.h"

#include <QList>
#include <QString>

class QAbstractItemModel;
class QTableView;

namespace k9 {

class Prompter;

struct GridExportOptions {
    // Written above the headers; also names the sheet and the file. May be empty.
    QString title;
    // The work folder: files go to its "xlsx" folder (the system temporary folder when it
    // is empty or cannot be written).
    QString workDir;
    // Model columns whose texts are amounts ("1,234", "-500"), for models that do not
    // answer kSheetCellRole. Texts that do not read as amounts stay texts.
    QList<int> amountColumns;
};

// The sheet of a grid. With a view, the columns are the view's visible ones in their
// on-screen order and hidden rows are left out; without one, every column and row. A
// cell is the model's kSheetCellRole value when it gives one; otherwise an amount for the
// listed amount columns, a date or whole number when the edit value is one, else the
// displayed text. A row's emphasis comes from kSheetEmphasisRole on its first column.
SheetData sheetFromGrid(const QAbstractItemModel& model, const QTableView* view = nullptr,
                        const GridExportOptions& options = {});

enum class GridExportResult {
    Opened,         // written and handed to the desktop
    SavedNotOpened, // written, but the desktop could not open it (the user was told where)
    Failed          // not written (the user was told)
};

struct GridExportOutcome {
    GridExportResult result = GridExportResult::Failed;
    QString file; // the file written; empty when Failed
};

// Writes the grid's sheet to a new file and opens it. A failed write shows
// "Ｅｘｃｅｌ出力中にエラーが発生しました。"; when the desktop cannot open the file the same
// text is shown followed by where the file was saved, so the user can open it.
GridExportOutcome exportGrid(Prompter& prompter, const QAbstractItemModel& model, const QTableView* view,
                             const GridExportOptions& options);

} // namespace k9
