// SPDX-License-Identifier: GPL-3.0-or-later
// The activity and balance-sheet engine (消費収支関係の計算): opening values, posting of the
// journal to the accounts, their sub-accounts and the FlgG 11 / 920 transfer targets, the
// description summary, balances, the activity and balance-sheet roll-ups, the net-asset
// lines and the ratios. A pure computation over the chart and the journal in memory.
#pragma once

#include "engine/codeindex.h"
#include "engine/journalsource.h"
#include "engine/totalsmodel.h"

#include <array>
#include <string>
#include <vector>

namespace k9::totals {

// One row of the description summary (WTBL7): an account and a description group.
struct DescriptionRow {
    int account = -1;  // position in the accounts
    std::string group; // UTF-8: 摘要 up to its first "／", at most 40 CP932 bytes, or "その他"
    Money before;      // kin0: before the period, signed by the account's nature
    Money debit;       // kinL
    Money credit;      // kinR
    Money closing;     // kin1
    Money change;      // kin2 = kin1 − kin0
    int count = 0;     // Cnt: line sides summed into the row
};

struct ActivityTotals {
    std::vector<ChartLine> accounts;
    std::vector<SubAccountLine> subAccounts;
    std::vector<DescriptionRow> descriptions;
    // Voucher numbers (SNo) of the counting lines that carry an invalid sub-account code on
    // a FlgG 11 or FlgG 920 account, ascending. When any is found the computation stops:
    // the figures above are then incomplete and must not be stored.
    std::vector<long long> faultyVouchers;
    bool stopped() const { return !faultyVouchers.empty(); }
};

// Posting one line at a time, so that one read of the journal can feed several engines.
class ActivityPosting {
public:
    ActivityPosting(const ChartRows& chart, const Period& period, const VoucherOptions& options);
    void post(const JournalLine& line);
    // Balances, roll-ups, net-asset lines, ratios, the summary and the sub-account balances.
    ActivityTotals finish();

private:
    void describe(int account, std::string_view group, bool byDate, Money amount, bool debitSide);
    void postSubAccount(const JournalLine& line, int account, bool debitSide, bool movement);
    void fault(long long sNo);
    int target(int number) const;

    Period m_period;
    VoucherOptions m_options;
    std::vector<ChartLine> m_accounts;
    std::vector<SubAccountLine> m_subAccounts;
    CodeIndex m_accountIndex;
    SubAccountIndex m_subIndex;
    std::array<int, 24> m_targets; // transfer targets 901 … 924
    CodeIndex m_descriptionIndex;
    std::vector<DescriptionRow> m_descriptions;
    std::vector<long long> m_faults;
};

ActivityTotals computeActivityTotals(const ChartRows& chart, JournalSource& journal, const Period& period,
                                     const VoucherOptions& options);

// The description group of a 摘要 before the cut to 40 bytes: the text before its first "／"
// without trailing blanks, or "その他" when nothing is left.
std::string_view descriptionGroup(std::string_view tekiyou1);

// A sub-account code read as a number: its digits, or 0 when it is not a number.
int subAccountNumber(std::string_view code);

} // namespace k9::totals
