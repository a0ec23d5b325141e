// SPDX-License-Identifier: GPL-3.0-or-later
// Building a sheet from a grid and handing the written file to the desktop.
#include "reports/ui/gridexport.h"

#include "store/prompter.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableView>

namespace k9 {
namespace {

SheetCell cellOf(const QAbstractItemModel& model, const QModelIndex& index, bool amountColumn) {
    const QVariant typed = model.data(index, kSheetCellRole);
    if (typed.isValid() && typed.canConvert<SheetCell>())
        return typed.value<SheetCell>();
    const QString shown = model.data(index, Qt::DisplayRole).toString();
    if (amountColumn) {
        if (auto m = Money::parse(shown))
            return SheetCell::ofAmount(*m);
        return SheetCell::ofText(shown);
    }
    const QVariant edit = model.data(index, Qt::EditRole);
    switch (edit.typeId()) {
    case QMetaType::QDate:
        return SheetCell::ofDate(edit.toDate());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return SheetCell::ofInteger(edit.toLongLong());
    default:
        return SheetCell::ofText(shown);
    }
}

SheetEmphasis emphasisOf(const QAbstractItemModel& model, int row) {
    const QVariant v = model.data(model.index(row, 0), kSheetEmphasisRole);
    if (!v.isValid())
        return SheetEmphasis::Item;
    switch (v.toInt()) {
    case static_cast<int>(SheetEmphasis::Subtotal):
        return SheetEmphasis::Subtotal;
    case static_cast<int>(SheetEmphasis::Total):
        return SheetEmphasis::Total;
    default:
        return SheetEmphasis::Item;
    }
}

// Shows the wait cursor while a file is written.
class WaitCursor {
public:
    WaitCursor() {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

SheetData sheetFromGrid(const QAbstractItemModel& model, const QTableView* view,
                        const GridExportOptions& options) {
    std::vector<int> columns;
    if (view && view->horizontalHeader()) {
        const QHeaderView* header = view->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (logical >= 0 && !header->isSectionHidden(logical))
                columns.push_back(logical);
        }
    } else {
        for (int c = 0; c < model.columnCount(); ++c)
            columns.push_back(c);
    }

    SheetData sheet;
    sheet.title = options.title;
    for (int c : columns)
        sheet.headers << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < model.rowCount(); ++r) {
        if (view && view->isRowHidden(r))
            continue;
        SheetRow row;
        row.emphasis = emphasisOf(model, r);
        for (int c : columns)
            row.cells.push_back(cellOf(model, model.index(r, c), options.amountColumns.contains(c)));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

GridExportOutcome exportGrid(Prompter& prompter, const QAbstractItemModel& model, const QTableView* view,
                             const GridExportOptions& options) {
    GridExportOutcome outcome;
    const QString file = uniqueSpreadsheetPath(spreadsheetExportFolder(options.workDir), options.title);
    try {
        WaitCursor wait;
        writeSheetAsXlsx(sheetFromGrid(model, view, options), file);
    } catch (const K9Error& e) {
        prompter.error(e.message());
        return outcome;
    }
    outcome.file = file;
    if (!prompter.openWithDesktop(file)) {
        outcome.result = GridExportResult::SavedNotOpened;
        prompter.warning(spreadsheetFailureMessage() +
                         QStringLiteral("\n\nファイルは次の場所に保存しました。\n") +
                         QDir::toNativeSeparators(file));
        return outcome;
    }
    outcome.result = GridExportResult::Opened;
    return outcome;
}

} // namespace k9
