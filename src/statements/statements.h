// SPDX-License-Identifier: GPL-3.0-or-later
// The three statements of the selected unit (決算書): the balance sheet (貸借対照表), the
// statement of changes in net assets (正味財産増減計算書) and the receipts-and-payments
// statement (収支計算書), read from the totals engine's work copies. Every row is a line of
// the unit's chart with the figures the engine put on it; this module only chooses the
// lines, their order and their display names. The screen, the printouts and batch mode all
// read through these functions.
#pragma once

#include "reports/chartlines.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace k9 {

class Database;

enum class StatementKind { BalanceSheet = 0, NetAssets = 1, Funds = 2 };
inline constexpr int kStatementCount = 3;

// The tab captions: "貸借対照表", "正味財産増減計算書", "収支計算書".
QString statementCaption(StatementKind kind);

// One line of a statement: a kamoku line (balance sheet, net assets) or a kamoku2 line
// (receipts and payments) with the engine's figures. A blank amount stays blank.
using StatementLine = ChartLine;

// A grid column: the field and its title.
using StatementColumn = LineColumn;
// 貸借対照表: 科目名, 残高合計 "当年度", 前残高 "前年度", 差異 "増    減";
// 正味財産増減計算書: 科目名, 残高合計 "当年度", 予算 "前年度", 差異 "増　　　　減", 比;
// 収支計算書: 科目名, 予算 "予    算", 残高合計 "決    算", 差異 "差    異", 比.
const std::vector<StatementColumn>& statementColumns(StatementKind kind);

struct Statements {
    QDate fiscalYearStart; // Head.会計期首
    QDate from;            // Head.自期日
    QDate to;              // Head.至期日
    QString unitName;      // Head.施設名
    std::array<std::vector<StatementLine>, kStatementCount> lines;

    const std::vector<StatementLine>& of(StatementKind kind) const {
        return lines[static_cast<std::size_t>(kind)];
    }
};

// Reads the statements from the work folder after a totals run: the balance sheet is kamoku
// FlgB 1 in (FlgC, code) order (debit-nature lines, then credit-nature lines), the net-assets
// statement kamoku FlgB 2 in code order, the receipts-and-payments statement kamoku2 FlgB 2
// in SNo order. Raises StoreError when a work table is missing.
Statements loadStatements(Database& www);

// "０円科目の表示" = "しない": the balance sheet shows a line when 残高合計, 期首繰越 or the
// 前残高 of its "前年度" column is not 0, the other two when 残高合計 or 予算 is not 0 (a
// blank amount counts as 0).
bool shownWhenZeroLinesHidden(const StatementLine& line, StatementKind kind);
// The rows of a tab; showZeroLines false applies the rule above ("する" and nothing chosen
// yet show every line).
std::vector<StatementLine> visibleStatementLines(const Statements& st, StatementKind kind,
                                                 bool showZeroLines);

// --- display names ---

// The net-assets statement's name (and that of the receipts-and-payments layout B): the part
// of 科目名 after "／", keeping its leading indentation.
QString statementDisplayName(const StatementLine& line);
// The name of the level-indented layouts: every blank removed, then three half-width spaces
// for FlgA 0, two for FlgA 1, one for FlgA 2, none for FlgA 3 and above (and blank levels).
QString levelIndentedName(const QString& name, const std::optional<int>& flgA);

} // namespace k9
