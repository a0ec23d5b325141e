// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-statement engine over the chart and journal in memory.
#include "engine/fundtotals.h"

#include "engine/lineselection.h"
#include "engine/rollup.h"

#include <algorithm>

namespace k9::totals {

FundPosting::FundPosting(const ChartRows& chart, const Period& period, const VoucherOptions& options)
    : m_period(period), m_options(options), m_accounts(chart.accounts), m_lines(chart.fundLines) {
    for (auto& line : m_lines) {
        for (Col c : {Col::Before, Col::Debit, Col::Credit, Col::Net, Col::Closing, Col::Variance})
            line.amounts[c] = Money();
        line.ratio.reset();
    }
    for (int i = 0; i < static_cast<int>(m_accounts.size()); ++i)
        m_accountIndex.add(m_accounts[i].code, i);
    // Lines are looked up by (FlgC, code); among equal keys the lowest SNo comes first. A
    // blank code links to no account.
    std::vector<int> byKey(m_lines.size());
    for (int i = 0; i < static_cast<int>(byKey.size()); ++i)
        byKey[i] = i;
    std::stable_sort(byKey.begin(), byKey.end(), [&](int a, int b) {
        const ChartLine& x = m_lines[a];
        const ChartLine& y = m_lines[b];
        return x.flgC != y.flgC ? x.flgC < y.flgC : x.code < y.code;
    });
    for (int i : byKey) {
        const ChartLine& line = m_lines[i];
        if (!line.code.empty()) {
            if (line.flgC == 0)
                m_payments.add(line.code, i);
            else if (line.flgC == 1)
                m_receipts.add(line.code, i);
        }
        m_flgHTargets.try_emplace(line.flgH, i);
    }
}

void FundPosting::postDebit(Kind kind, int line, Money amount, bool movement) {
    Amounts& a = m_lines[line].amounts;
    if (movement)
        a[Col::Debit] += amount;
    else if (kind == Kind::Payment)
        a[Col::Before] += amount;
    else
        a[Col::Before] -= amount;
}

void FundPosting::postCredit(Kind kind, int line, Money amount, bool movement) {
    Amounts& a = m_lines[line].amounts;
    if (movement)
        a[Col::Credit] += amount;
    else if (kind == Kind::Receipt)
        a[Col::Before] += amount;
    else
        a[Col::Before] -= amount;
}

void FundPosting::post(const JournalLine& l) {
    const LinePlacement place = placeLine(l.day, l.flgU, l.flgV, m_period, m_options);
    if (place == LinePlacement::Ignored)
        return;
    const bool movement = place == LinePlacement::InPeriod;
    // A split line belongs to a compound voucher whose other side lies on other lines.
    const bool split = l.lAmount.raw() != l.rAmount.raw();

    const int da = m_accountIndex.find(l.lcode);
    const int ca = m_accountIndex.find(l.rcode);
    const int debitG = da >= 0 ? m_accounts[da].flgG : 0;
    const int debitB = da >= 0 ? m_accounts[da].flgB : 0;
    const int creditG = ca >= 0 ? m_accounts[ca].flgG : 0;
    const int creditH = ca >= 0 ? m_accounts[ca].flgH : 0;
    const int creditB = ca >= 0 ? m_accounts[ca].flgB : 0;

    Kind debitKind = Kind::None;
    int debitLine = m_payments.find(l.lcode);
    if (debitLine >= 0)
        debitKind = Kind::Payment;
    else if ((debitLine = m_receipts.find(l.lcode)) >= 0)
        debitKind = Kind::Receipt;
    Kind creditKind = Kind::None;
    int creditLine = m_receipts.find(l.rcode);
    if (creditLine >= 0)
        creditKind = Kind::Receipt;
    else if ((creditLine = m_payments.find(l.rcode)) >= 0)
        creditKind = Kind::Payment;

    // Case Y: both sides have fund lines and one of them is an activity account.
    if (debitKind != Kind::None && creditKind != Kind::None && (debitB == 2 || creditB == 2)) {
        if (debitB == 2 && creditB == 1)
            return;
        postDebit(debitKind, debitLine, l.lAmount, movement);
        postCredit(creditKind, creditLine, l.rAmount, movement);
        return;
    }
    // Case X: fund movements, posted against a fund account or on a split line.
    if (debitKind != Kind::None && (creditG == 1 || split))
        postDebit(debitKind, debitLine, l.lAmount, movement);
    if (creditH >= 21 && creditH <= 50) {
        const auto target = m_flgHTargets.find(creditH);
        creditKind = Kind::Receipt;
        creditLine = target == m_flgHTargets.end() ? -1 : target->second;
    }
    if (creditKind != Kind::None && creditLine >= 0 && (debitG == 1 || split))
        postCredit(creditKind, creditLine, l.rAmount, movement);
}

FundTotals FundPosting::finish() {
    // 3.3 opening fund balance.
    const int opening = m_receipts.find(kOpeningFundCode);
    if (opening >= 0) {
        Amounts& a = m_lines[opening].amounts;
        for (const auto& account : m_accounts) {
            if (!account.levelIs(0) || account.flgG != 1)
                continue;
            if (account.flgC == 0)
                a[Col::Before] += account.amounts[Col::Opening];
            else if (account.flgC == 1)
                a[Col::Before] -= account.amounts[Col::Opening];
        }
    }
    // 3.4 balances, roll-up, differences, ratios.
    for (auto& line : m_lines)
        computeBalance(line, VarianceBase::Opening);
    std::vector<int> order(m_lines.size());
    for (int i = 0; i < static_cast<int>(order.size()); ++i)
        order[i] = i;
    passSmallAccounts(m_lines, order);
    passMiddleAndMajor(m_lines, order);
    passBlocks(m_lines, order, false);
    passDifferences(m_lines, order, true);
    for (auto& line : m_lines)
        line.ratio = line.flgB == 2 && !line.levelIs(5) ? budgetRatio(line) : std::nullopt;
    return FundTotals{std::move(m_lines)};
}

FundTotals computeFundTotals(const ChartRows& chart, JournalSource& journal, const Period& period,
                             const VoucherOptions& options) {
    FundPosting posting(chart, period, options);
    journal.forEach([&](const JournalLine& line) { posting.post(line); });
    return posting.finish();
}

} // namespace k9::totals
