// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-statement engine (資金収支関係の計算): posts the journal's fund movements to the
// receipt and payment lines of kamoku2, adds the opening fund balance to "#1020", and fills
// the balances, roll-ups, differences and ratios. A pure computation in memory.
#pragma once

#include "engine/codeindex.h"
#include "engine/journalsource.h"
#include "engine/totalsmodel.h"

#include <unordered_map>
#include <vector>

namespace k9::totals {

// The code of the receipt line that receives the opening fund balance.
inline constexpr const char* kOpeningFundCode = "#1020";

struct FundTotals {
    std::vector<ChartLine> fundLines; // kamoku2 in SNo order
};

class FundPosting {
public:
    FundPosting(const ChartRows& chart, const Period& period, const VoucherOptions& options);
    void post(const JournalLine& line);
    FundTotals finish();

private:
    enum class Kind { None, Payment, Receipt };
    void postDebit(Kind kind, int line, Money amount, bool movement);
    void postCredit(Kind kind, int line, Money amount, bool movement);

    Period m_period;
    VoucherOptions m_options;
    const std::vector<ChartLine>& m_accounts;
    std::vector<ChartLine> m_lines;
    CodeIndex m_accountIndex;
    CodeIndex m_payments; // FlgC 0 lines by code
    CodeIndex m_receipts; // FlgC 1 lines by code
    std::unordered_map<int, int> m_flgHTargets;
};

FundTotals computeFundTotals(const ChartRows& chart, JournalSource& journal, const Period& period,
                             const VoucherOptions& options);

} // namespace k9::totals
