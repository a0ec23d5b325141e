// SPDX-License-Identifier: GPL-3.0-or-later
// A line of the unit's work chart (kamoku or kamoku2) with the figures the totals engine put
// on it, as the trial balance and the statements read it: codes, names and flags, the budget
// columns, the balances and movements, the variance and the ratio. One reader fills it from
// any query over the work tables (absent columns stay blank), and one column description
// turns it into grid text and spreadsheet cells.
#pragma once

#include "reports/spreadsheet.h"
#include "store/money.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace k9 {

class Database;

struct ChartLine {
    QString code;
    QString name; // 科目名 as stored, with its indentation
    std::optional<int> flgA;
    int flgB = 0;
    int flgC = 0;
    int flgD = 0;
    int flgE = 0;
    int flgG = 0;
    int flgH = 0;
    long long sNo = 0;                  // kamoku2 lines
    Money initialBudget;                // 当初予算
    std::array<Money, 5> corrections{}; // 補正額１…補正額５
    Money budget;                       // 予算 (the previous year's figure on the net-assets statement)
    Money opening;                      // 期首繰越
    Money before;                       // 前残高
    Money debit;                        // 借方
    Money credit;                       // 貸方
    Money closing;                      // 残高合計
    Money variance;                     // 差異
    std::optional<double> ratio;        // 比
    QString note;                       // 注記
};

// A grid column: the field it shows and its title.
struct LineColumn {
    enum class Kind { Code, Name, Amount, Ratio };
    QString field;
    QString title;
    Kind kind = Kind::Amount;
};

// Every row of the query as a line. Columns the query does not give stay blank.
std::vector<ChartLine> readChartLines(Database& www, const QString& sql);

// The value of a line in an amount field (予算, 前残高, 借方, 貸方, 残高合計, 差異, 期首繰越,
// 当初予算); other fields give a blank Money.
Money lineAmount(const ChartLine& line, const QString& field);
// 比 as the grids show it: at most one decimal ("50", "33.3").
QString ratioText(double ratio);
// The grid text: amounts with thousands separators, 比 as ratioText.
QString lineCellText(const ChartLine& line, const LineColumn& column);
// The typed cells of the lines for a grid or a spreadsheet: amounts stay numbers; total
// lines (FlgA 1 to 8) are marked as subtotals.
std::vector<SheetRow> chartLineSheetRows(const std::vector<ChartLine>& lines,
                                         const std::vector<LineColumn>& columns);

// Whether a printed line is on grey under the "網掛け" choice: 1 大科目 (FlgA 3), 2 also
// 準大科目 (FlgA 2), 3 also the small-account totals (FlgA 1); 0 none.
bool shadedLine(const ChartLine& line, int shading);
// Subtotals and totals (FlgA 3 and above; headings, FlgA 9, aside) print bold.
bool boldLine(const ChartLine& line);

// True when the amount is neither blank nor 0.
inline bool notZero(const Money& m) {
    return !m.isEmpty() && m.raw() != 0;
}

} // namespace k9
