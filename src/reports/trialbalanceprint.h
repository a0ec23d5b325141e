// SPDX-License-Identifier: GPL-3.0-or-later
// The trial-balance printouts (Tshisanhyou1PForm): the print settings kept in Regist row 202
// and shared with the other statements through the session, the zero-line, small-account
// and shading rules, and the two layouts — A, one statement in trial-balance form, and B,
// the balance sheet or the net-assets statement with a line per sub-account.
#pragma once

#include "reports/report.h"
#include "reports/trialbalance.h"

namespace k9 {

class Database;
struct Session;

inline constexpr int kTrialPrintRegistId = 202;

// The dialog's choices. The radio indexes are stored as they are: for the two zero choices
// and the small accounts 0 is "印刷する" and 1 "印刷しない".
struct TrialPrintSettings : PrintLook {
    int smallAccounts = 0; // P2 "小科目の印刷": 1 leaves small accounts (FlgE 1) out
    bool operator==(const TrialPrintSettings&) const = default;
};

// Regist row 202 of the program folder; the defaults when the row is missing. Values out of
// range fall back to the defaults.
TrialPrintSettings loadTrialPrintSettings(Database& hm);
// Writes row 202, creating it when missing.
void saveTrialPrintSettings(Database& hm, const TrialPrintSettings& settings);
// Sets PrintZeroLines, PrintSmallAccounts, PrintShading, ZeroHideLevel, PrintRowHeight,
// PrintNameFontSize and PrintAmountFontSize of the session.
void applyTrialPrintSettings(Session& session, const TrialPrintSettings& settings);

// " 試算表（貸借対照表）" etc., followed by " 【整理伝票を除く】" (adjusting mode 1) or
// " 【整理伝票のみ】" (mode 2).
QString trialPrintTitle(TrialTab tab, int adjustingMode);

// Whether a line is printed: small accounts (FlgE 1) are left out when asked; with
// zeroLines 1 a line whose 前残高, 借方, 貸方 and 残高合計 (and 予算 outside the balance
// sheet) are all 0 and whose FlgA is below ZeroHideLevel is left out. Heading lines (FlgA
// blank or 9) always print.
bool printedLine(const TrialLine& line, TrialTab tab, const TrialPrintSettings& settings);

// Layout A of one statement. The balance sheet is grouped by FlgC (debit side, then credit
// side); in the net-assets statement each part (a heading line without indentation,
// "Ⅰ　…の部") starts a new page.
ReportDocument trialBalanceLayoutA(const TrialBalance& tb, TrialTab tab, const TrialPrintSettings& settings,
                                   const ReportHeader& header, int adjustingMode);

// Layout B of the balance sheet or the net-assets statement: an account with sub-accounts
// prints one row per sub-account, its own name and amounts on the first row only and no
// rule between its rows; net-assets lines with FlgG 150 are left out; amounts one point
// smaller.
ReportDocument trialBalanceLayoutB(const TrialBalance& tb, TrialTab tab, const TrialPrintSettings& settings,
                                   const ReportHeader& header, int adjustingMode);

// 補助科目による金額集計 (Tshisanhyou2's printout).
ReportDocument subAccountTotalsReport(const SubAccountTotals& totals, const ReportHeader& header);
// "<account>の摘要名による金額集計" (Tshisanhyou3).
ReportDocument descriptionTotalsReport(const QString& accountName, const DescriptionTotals& totals,
                                       const ReportHeader& header);
// "<group>の明細書印刷": the journal sides of one description group.
ReportDocument descriptionDetailReport(const QString& group, const std::vector<DescriptionDetailLine>& lines,
                                       const ReportHeader& header);
// 損益科目(PL)と資金科目(CF)の金額チェック表 (Tshisanhyou_CHK_Rep).
ReportDocument fundCheckReport(const std::vector<FundCheckLine>& lines, const ReportHeader& header);

} // namespace k9
