// SPDX-License-Identifier: GPL-3.0-or-later
// The trial balance (試算表) read from the totals engine's work copies: the lines of its three
// tabs (balance sheet, statement of changes in net assets, receipts and payments), the
// check pair under each tab, the "０円科目の表示" rule, the sub-account totals
// (Tshisanhyou2), the description totals and their journal detail (Tshisanhyou3) and the
// activity-versus-fund-statement check (Tshisanhyou_CHK). Nothing here writes the books;
// the screen, the printouts and batch mode all read through these functions.
#pragma once

#include "reports/chartlines.h"
#include "store/money.h"

#include <QDate>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace k9 {

class Database;

enum class TrialTab { BalanceSheet = 0, NetAssets = 1, Funds = 2 };
inline constexpr int kTrialTabCount = 3;

// "貸借対照表（試算表）", "正味財産増減計算書（試算表）", "収支計算書(試算表）".
QString trialTabCaption(TrialTab tab);

// One line of a tab: an account of kamoku or a line of kamoku2 with the engine's figures.
using TrialLine = ChartLine;

// A column of a tab's grid: the field and the grid title.
using TrialColumn = LineColumn;
const std::vector<TrialColumn>& trialColumns(TrialTab tab);

// The two boxes under a tab.
struct CheckPair {
    QString leftLabel;
    Money left;
    QString rightLabel;
    Money right;
    bool agrees() const { return left.raw() == right.raw(); }
};

// One sub-account of hojokamoku with its figures and its account's name from kamoku.
struct SubAccountTotalLine {
    QString accountCode;
    QString accountName;
    QString subCode;
    QString subName;
    Money before;
    Money debit;
    Money credit;
    Money net;
    Money closing;
};

struct TrialBalance {
    QDate fiscalYearStart; // head.会計期首
    QDate from;            // head.自期日
    QDate to;              // head.至期日
    std::array<std::vector<TrialLine>, kTrialTabCount> tabs;
    std::array<CheckPair, kTrialTabCount> checks;
    // The sub-accounts of each account code, in hojo_CD order (the printout with
    // sub-accounts).
    std::map<QString, std::vector<SubAccountTotalLine>> subAccounts;

    const std::vector<TrialLine>& lines(TrialTab tab) const { return tabs[static_cast<std::size_t>(tab)]; }
    const CheckPair& check(TrialTab tab) const { return checks[static_cast<std::size_t>(tab)]; }
};

// Reads the trial balance from the work folder after a totals run: the balance-sheet tab is
// kamoku FlgB 1 in (FlgC, code) order, the net-assets tab kamoku FlgB 2 in code order, the
// fund tab kamoku2 FlgB 2 in SNo order; the period from the work head. Raises StoreError
// when a work table is missing.
TrialBalance loadTrialBalance(Database& www);

// The check pairs: 借方合計 / 貸方合計 (残高合計 of the balance-sheet input lines per FlgC),
// 正味財産合計（B/S） / （P/L） (the FlgG 140 and 141 lines), 流動資産－流動負債（B/S） (the
// fund accounts FlgG 1, FlgC 0 less FlgC 1) / 次期繰越収支差額（C/F） (kamoku2 "#0020", FlgC
// 0, FlgB 2). A missing line counts 0.
std::array<CheckPair, kTrialTabCount> trialCheckPairs(Database& www);

// "０円科目の表示" = "しない": the balance-sheet tab shows a line when 残高合計 or 前残高 is
// not 0, the other two when 残高合計 or 予算 is not 0 (a blank amount is not "not 0").
bool shownWhenZeroLinesHidden(const TrialLine& line, TrialTab tab);
std::vector<TrialLine> visibleTrialLines(const TrialBalance& tb, TrialTab tab, bool showZeroLines);

// --- 補助科目集計 (Tshisanhyou2) ---

// The account chooser: first "00000" with "　　　（　す　べ　て　表　示　）　　　　" (every
// account), then every account that has sub-accounts, by code.
struct SubAccountChoice {
    QString code;
    QString name;
};
inline constexpr const char* kAllAccountsCode = "00000";
std::vector<SubAccountChoice> subAccountChoices(Database& www);

struct SubAccountTotals {
    std::vector<SubAccountTotalLine> lines;
    SubAccountTotalLine sum; // the sums of 前残高, 借方, 貸方, 残高 and 残高合計
};
// The sub-accounts of one account ("00000": of every account) by (account, sub-account).
SubAccountTotals subAccountTotals(Database& www, const QString& accountCode);

// --- 摘要名集計 (Tshisanhyou3) ---

struct DescriptionTotalLine {
    QString group; // tekiyoumei
    long long count = 0;
    Money before;  // kin0
    Money debit;   // kinL
    Money credit;  // kinR
    Money closing; // kin1
};
struct DescriptionTotals {
    std::vector<DescriptionTotalLine> lines;
    DescriptionTotalLine sum;
};
// The engine's description summary (WTBL7) of one account, by description group.
DescriptionTotals descriptionTotals(Database& www, const QString& accountCode);

// One journal side of the account, for the detail printout of a description group.
struct DescriptionDetailLine {
    long long row = 0;     // running number from 0
    long long voucher = 0; // SNo
    long long subNo = 0;
    QString group;
    QDate date;
    QString text;           // the full tekiyou1
    QString counterAccount; // the other side's account name
    Money carried;          // kurikoshi: before the period, signed by the account's nature
    Money debit;            // Lkin
    Money credit;           // Rkin
};
// The description group of a journal text: tekiyou1 before its first "／", cut to 40 CP932
// bytes; "その他" when nothing is left.
QString descriptionGroup(const QString& tekiyou1);
// Every journal side of the account in the work journal, without the option filters: lines
// from the fiscal-year start to the day before the period are carried forward, lines in the
// period are movements; others are left out. In journal order.
std::vector<DescriptionDetailLine> descriptionDetail(Database& www, const QString& accountCode);

// --- 損益科目と資金科目のチェック (Tshisanhyou_CHK) ---

struct FundCheckLine {
    long long code = 0; // kamoku_ID
    QString name;       // kamokumei
    std::optional<int> flgA;
    int flgB = 0;
    int flgC = 0;
    int flgH = 0;
    Money plDebit;    // kin1: the activity account's 借方
    Money cfDebit;    // kin2: its fund-statement line's 借方
    Money debitDiff;  // kin3
    Money plCredit;   // kin4
    Money cfCredit;   // kin5
    Money creditDiff; // kin6
};
// Every activity line of kamoku (FlgB 2) by code; input lines carry their figures and those
// of the kamoku2 line with the same (FlgC, code).
std::vector<FundCheckLine> fundCheckLines(Database& www);

} // namespace k9
