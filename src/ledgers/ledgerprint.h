// SPDX-License-Identifier: GPL-3.0-or-later
// What the general ledger's printout needs besides the rows: the ledgers of a printed range
// (one account, an account range, a sub-account range, all accounts or all sub-accounts),
// thinned of ledgers without lines as the user chose, and the heading texts of each ledger
// with the hierarchy names of the chart.
#pragma once

#include "engine/hierarchy.h"
#include "engine/tfanc.h"
#include "ledgers/ledger.h"

namespace k9::ledger {

// "印刷範囲の選択".
enum class PrintRange {
    Shown,           // 画面に表示されている科目を印刷する。
    AccountRange,    // 範囲指定印刷（勘定科目）
    SubAccountRange, // 範囲指定印刷（補助科目）
    AllAccounts,     // すべて印刷（勘定科目）
    AllSubAccounts,  // すべて印刷（補助科目）
};

struct PrintChoice {
    PrintRange range = PrintRange::Shown;
    // AccountRange: first and last account code. SubAccountRange: first and last account
    // code with their sub-account codes.
    QString firstCode;
    QString firstSub;
    QString lastCode;
    QString lastSub;
    // "範囲期間内に取引のない科目": true = 印刷する, false = 印刷しない.
    bool printWithoutLines = true;
};

// Whether a ledger of a printed range stays. Without listed lines it goes when the user
// chose 印刷しない, and with 印刷する when its final balance is 0 as well. Account ledgers
// also lose the balance-sheet lines that only mirror activity figures (FlgB 1 with FlgG
// 901 … 919, and FlgG 110) and, with 印刷する, the FlgG 118, 119 and 120 lines.
struct AccountRoles {
    int flgB = 0;
    int flgG = 0;
};
bool keepInPrint(const LedgerSummary& ledger, const AccountRoles& roles, bool printWithoutLines);

// The ledgers a range prints: built (account ranges with the work kamoku's input accounts,
// sub-account ranges with the work hojokamoku), thinned by keepInPrint, written into
// WTBL2 in one transaction and returned. PrintRange::Shown returns the rows of WTBL2 as
// they are. Raises K9Error when the work Head holds no period, StoreError on a table fault.
Ledgers printLedgers(Session& session, const PrintChoice& choice);

// Removes the ledgers `keep` refuses from a build (rows and summaries).
template <typename Keep> Ledgers thinLedgers(const Ledgers& all, Keep&& keep) {
    Ledgers out;
    for (const auto& l : all.ledgers) {
        if (!keep(l))
            continue;
        LedgerSummary s = l;
        s.firstRow = out.rows.size();
        out.rows.insert(out.rows.end(), all.rows.begin() + static_cast<std::ptrdiff_t>(l.firstRow),
                        all.rows.begin() + static_cast<std::ptrdiff_t>(l.firstRow + l.rowCount));
        out.ledgers.push_back(std::move(s));
    }
    return out;
}

// The heading of one printed ledger.
struct LedgerHeading {
    QString title;    // 総勘定元帳　【大科目/中科目/科目/小科目(/補助科目)】
    QString codeLine; // 科目コード + the account code
    QString period;   // from-date caption + " " + to-date caption
    QString corporation;
    QString unit;
};

// The title of a ledger from the four hierarchy names; `subName` adds "/" + it before "】".
QString ledgerTitle(const totals::LedgerNames& names, const std::optional<QString>& subName);

// The heading of `ledger`, the hierarchy names looked up in the data folder's chart through
// `fanc` (one for a whole printout, so the chart is read once). The
// ledger shown on the screen always names the sub-account box ("/" + its text, empty for
// an account ledger); ledgers of a printed range name the sub-account of sub-account
// ledgers only.
LedgerHeading ledgerHeading(Session& session, TFanc& fanc, const LedgerSummary& ledger, bool shownOnScreen);

} // namespace k9::ledger
