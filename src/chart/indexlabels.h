// SPDX-License-Identifier: GPL-3.0-or-later
// Index labels for ledger binders (TIndex): the accounts (general ledger) or fund-statement
// lines (fund ledger) chosen by class, line level and use in the period are read from the
// work-folder copy of the selected unit, and their names, without spaces, are laid out on
// A4 tab-label sheets of 42 labels (six columns, seven rows). Each label carries the name in
// its upper half and again, turned half a turn, in its lower half, so that both faces of
// the folded tab read upright. A sheet is painted on any QPainter, which serves the
// preview, the printer, PDF files and PNG images alike.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <vector>

class QPainter;

namespace k9 {

class Database;

namespace indexlabels {

// Which chart the labels come from: the accounts `kamoku` in code order (general ledger)
// or the fund-statement lines `kamoku2` in line order (fund ledger).
enum class Source { Accounts, FundLines };

// The two label sheets the printout is laid out for.
enum class Sheet { KpcT691bR, LbpT691bR };

// Classes of the chart in the order of the choices: 資産, 負債, 収入, 支出.
enum ClassIndex { Assets = 0, Liabilities = 1, Income = 2, Expenses = 3 };
// Line levels in the order of the choices: 大科目 (FlgA 3), 中科目 (2), 小科目の計科目 (1),
// 入力科目 (0).
enum LevelIndex { Major = 0, Middle = 1, MinorTotal = 2, Input = 3 };

struct Choices {
    std::array<bool, 4> classes{true, true, true, true}; // by ClassIndex
    std::array<bool, 4> levels{true, true, true, true};  // by LevelIndex
    bool usedOnly = false;                               // 使用科目のみ (else 全ての科目)
    Sheet sheet = Sheet::KpcT691bR;
};

// The classes a source offers: the fund-statement lines are receipts and payments only, so
// 資産科目 and 負債科目 are never chosen there whatever the choices say.
bool classOffered(Source source, ClassIndex cls);

// Why the choices select nothing: a message asking to tick at least one class or at least
// one level, or an empty text when the choices are complete.
QString choiceProblem(Source source, const Choices& choices);

// The selection as a statement with ?N parameters and their values. The conditions are
// fixed fragments; the chosen levels and classes are bound values.
struct Query {
    QString sql;
    std::vector<QVariant> params;
};
// Precondition: choiceProblem(source, choices) is empty.
Query labelQuery(Source source, const Choices& choices);

// The names of the chosen lines of the work folder `www`, in code order (accounts) or line
// order (fund lines), every half-width and full-width space removed. Raises K9Error with
// choiceProblem's text when the choices select nothing, and StoreError when the work copy
// cannot be read.
QStringList labelNames(Database& www, Source source, const Choices& choices);

// Sheet geometry in millimetres from the paper's top-left corner: the first label's corner,
// the label size and the distance from one label to the next across and down.
struct SheetLayout {
    Sheet sheet;
    const char* name; // the sheet's caption, "KPC-T691B-R"
    double leftMm;
    double topMm;
    double labelWidthMm;
    double labelHeightMm;
    double pitchXMm;
    double pitchYMm;
};
inline constexpr int kColumns = 6;
inline constexpr int kRows = 7;
inline constexpr int kLabelsPerSheet = kColumns * kRows;

const std::array<SheetLayout, 2>& sheetLayouts();
const SheetLayout& sheetLayout(Sheet sheet);

// Sheets needed for `labels` names (0 for none).
int sheetCount(int labels);
// Label `slot` (0..41, row by row from the top left) of a sheet, in report pixels (1/96 inch)
// from the paper's corner.
QRectF labelRect(const SheetLayout& layout, int slot);
// The names on sheet `sheet` (0-based): names 42·sheet … 42·sheet + 41.
QStringList namesOnSheet(const QStringList& names, int sheet);

// Paints sheet `sheet` (0-based) of the names. The painter's coordinates must be report
// pixels with (0, 0) at the corner of the paper. `outlines` draws each label's edge and fold
// (for looking at a sheet on screen; label stock has its own cuts).
void paintLabelSheet(QPainter& painter, Sheet sheet, const QStringList& names, int sheetIndex,
                     bool outlines = false);
// Sheet `sheetIndex` as an A4 image at `dpi` dots per inch on white. Needs a QGuiApplication.
QImage renderLabelSheet(Sheet sheet, const QStringList& names, int sheetIndex, int dpi = 96,
                        bool outlines = false);

} // namespace indexlabels
} // namespace k9
