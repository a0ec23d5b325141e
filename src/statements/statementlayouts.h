// SPDX-License-Identifier: GPL-3.0-or-later
// The further printouts of the receipts-and-payments statement (収支計算書) beside layout A:
// "印　刷　Ｂ" with the initial budget, the corrected budget and the account notes,
// "印　刷　Ｃ" with each line broken down by journal description (the engine's description
// summary WTBL7), and "印　刷　D" with the budget corrections. All three run over the FlgB 2
// lines of kamoku2 in SNo order as one continuous list and share the print settings, page
// numbering and shading of layout A.
#pragma once

#include "reports/report.h"
#include "statements/statements.h"
#include "statements/statementsprint.h"
#include "store/money.h"

#include <QString>
#include <vector>

namespace k9 {

class Database;

// One row of the description breakdown (WTBL7): the account it belongs to and its summary.
struct DescriptionAmount {
    QString code;
    int flgC = 0;
    int flgH = 0;
    QString description; // tekiyoumei, the description group
    Money amount;        // kin1, the closing amount of the group
};

// Every WTBL7 row of the work folder in (code, FlgC, description) order; empty when the
// table is missing (no totals run yet).
std::vector<DescriptionAmount> loadDescriptionAmounts(Database& www);

// The WTBL7 rows that belong to a receipts-and-payments line: those of the account with the
// same code on the same side (FlgC), and, for a line linked by 20 < FlgH < 50, every row of
// the accounts carrying that FlgH. Ordered by code, then description (in Shift-JIS order).
std::vector<DescriptionAmount> descriptionsOf(const StatementLine& line,
                                              const std::vector<DescriptionAmount>& all);

// "印　刷　Ｂ": title "収  支  計  算  書"; columns "科             目" (the display name after
// "／", indented by level), "当初予算", "補正後予算" (予算), "決　　　算", "差　　　異",
// "科目注記" (注記). Its range is "FlgE<>1" for 中区分以上 and every line otherwise; an
// all-zero line must also have 差異 and 当初予算 at 0 to be left out; FlgG 999 lines and end
// marks (FlgB 3) never print.
ReportDocument statementLayoutB(const Statements& st, const StatementPrintSettings& s,
                                const ReportHeader& header);

// "印　刷　Ｃ": title "収　支　計　算　書"; columns "科　　　目", "予　　　　算", "決　　　　算",
// "差　　　　異", "摘　　　　　　　要" and the description's amount. A line prints one row per
// description (one row when it has none); its name and amounts only on the first, without
// rules between its rows. An all-zero line must also have 差異 at 0 to be left out; FlgG 999
// lines, end marks and FlgA 5 lines never print; FlgA 3 and 4 rows are on light grey
// RGB(224, 224, 224).
ReportDocument statementLayoutC(const Statements& st, const std::vector<DescriptionAmount>& descriptions,
                                const StatementPrintSettings& s, const ReportHeader& header);

// "印　刷　D": title "収　支　計　算　書"; columns "科          目", "当初予算", "補正額合計"
// (補正額１ + 補正額２ + 補正額３, blank on headings and lines without a level), "流用充当"
// (補正額４), "最終予算" (予算), "決　　　算", "予算差異" (差異). Range and zero lines as
// layout A; end marks never print.
ReportDocument statementLayoutD(const Statements& st, const StatementPrintSettings& s,
                                const ReportHeader& header);

// The light grey of the level 3 and 4 rows of layout C.
QColor descriptionLayoutShading();

} // namespace k9
