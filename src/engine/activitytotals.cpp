// SPDX-License-Identifier: GPL-3.0-or-later
// The activity and balance-sheet engine over the chart and journal in memory.
#include "engine/activitytotals.h"

#include "engine/lineselection.h"
#include "engine/rollup.h"
#include "store/cp932.h"

#include <algorithm>
#include <cstring>

namespace k9::totals {
namespace {

constexpr std::string_view kSlash = "\xEF\xBC\x8F"; // "／"
constexpr std::string_view kOther = "その他";
constexpr int kDescriptionBytes = 40;

constexpr int kFirstTarget = 901;
constexpr int kLastTarget = 924;

bool between(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// The six columns the net-asset lines exchange: 前残高 … 差異.
constexpr std::array<Col, 6> kSix = {Col::Before, Col::Debit,   Col::Credit,
                                     Col::Net,    Col::Closing, Col::Variance};
using Six = std::array<Money, 6>;

Six sixOf(const ChartLine& line) {
    Six s;
    for (size_t k = 0; k < kSix.size(); ++k)
        s[k] = line.amounts[kSix[k]];
    return s;
}

// Balance-sheet lines in the balance-sheet order (FlgC, FlgB, code); the accounts are in
// code order already, so a stable sort on the flags keeps code order within them.
std::vector<int> balanceSheetOrder(const std::vector<ChartLine>& accounts) {
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(accounts.size()); ++i)
        if (accounts[i].flgB == 1)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return accounts[a].flgC < accounts[b].flgC; });
    return order;
}

std::vector<int> activityOrder(const std::vector<ChartLine>& accounts) {
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(accounts.size()); ++i)
        if (accounts[i].flgB == 2)
            order.push_back(i);
    return order;
}

// Step 2.6: the net-asset lines 111, 131, 141 and the balance-sheet lines fed by them.
void fillNetAssetLines(std::vector<ChartLine>& accounts) {
    std::array<std::int64_t, kAmountCount> general{};
    std::array<std::int64_t, kAmountCount> restricted{};
    for (const auto& line : accounts) {
        if (line.flgB != 2)
            continue;
        auto* into = (line.flgG == 112 || line.flgG == 114)   ? &general
                     : (line.flgG == 132 || line.flgG == 134) ? &restricted
                                                              : nullptr;
        if (into)
            for (int c = 0; c < kAmountCount; ++c)
                (*into)[c] += line.amounts.values[c].raw();
    }
    for (auto& line : accounts) {
        if (line.flgB != 2)
            continue;
        for (int c = 0; c < kAmountCount; ++c) {
            if (line.flgG == 111)
                line.amounts.values[c] = Money::fromRaw(general[c]);
            else if (line.flgG == 131)
                line.amounts.values[c] = Money::fromRaw(restricted[c]);
            else if (line.flgG == 141)
                line.amounts.values[c] = Money::fromRaw(general[c] + restricted[c]);
        }
    }

    // Backward walk: activity lines come before the balance-sheet lines they feed.
    Six general111;
    Six restricted131;
    general111.fill(Money::zero());
    restricted131.fill(Money::zero());
    std::array<Six, 20> perNumber;
    for (auto& s : perNumber)
        s.fill(Money::zero());
    for (auto it = accounts.rbegin(); it != accounts.rend(); ++it) {
        ChartLine& line = *it;
        if (line.flgG == 111)
            general111 = sixOf(line);
        else if (line.flgG == 131)
            restricted131 = sixOf(line);
        else if (line.flgG == 110 || line.flgG == 130) {
            const Six& from = line.flgG == 110 ? general111 : restricted131;
            for (size_t k = 0; k < kSix.size(); ++k)
                line.amounts[kSix[k]] = from[k];
        }
        if (!between(line.flgG, 901, 920))
            continue;
        Six& t = perNumber[line.flgG - 901];
        if (line.flgB == 2) {
            for (size_t k = 0; k < kSix.size(); ++k)
                t[k] += line.amounts[kSix[k]];
        } else if (line.flgB == 1) {
            for (size_t k = 0; k < kSix.size(); ++k)
                line.amounts[kSix[k]] += t[k];
        }
    }
}

// Rows whose groups meet after the cut to 40 CP932 bytes are merged, then kin1 and kin2
// are computed and blank amounts become 0.
std::vector<DescriptionRow> finishDescriptions(std::vector<DescriptionRow> rows,
                                               const std::vector<ChartLine>& accounts) {
    std::vector<DescriptionRow> merged;
    merged.reserve(rows.size());
    CodeIndex index;
    for (auto& row : rows) {
        if (row.group.size() > static_cast<size_t>(kDescriptionBytes))
            row.group = cp932::truncate(QString::fromStdString(row.group), kDescriptionBytes).toStdString();
        std::string key(reinterpret_cast<const char*>(&row.account), sizeof(int));
        key += row.group;
        const int at = index.find(key);
        if (at < 0) {
            index.add(key, static_cast<int>(merged.size()));
            merged.push_back(std::move(row));
            continue;
        }
        DescriptionRow& into = merged[at];
        if (!row.before.isEmpty())
            into.before += row.before;
        if (!row.debit.isEmpty())
            into.debit += row.debit;
        if (!row.credit.isEmpty())
            into.credit += row.credit;
        into.count += row.count;
    }
    for (auto& row : merged) {
        const bool credit = accounts[row.account].flgC == 1;
        row.closing = credit ? row.before + (row.credit - row.debit) : row.before + (row.debit - row.credit);
        row.change = row.closing - row.before;
        row.before = row.before.orZero();
        row.debit = row.debit.orZero();
        row.credit = row.credit.orZero();
    }
    return merged;
}

} // namespace

std::string_view descriptionGroup(std::string_view tekiyou1) {
    std::string_view group = tekiyou1.substr(0, tekiyou1.find(kSlash));
    group = trimTrailingBlanks(group);
    return group.empty() ? kOther : group;
}

int subAccountNumber(std::string_view code) {
    code = trimBlanks(code);
    if (code.empty() || code.size() > 9)
        return 0;
    int n = 0;
    for (char c : code) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

ActivityPosting::ActivityPosting(const ChartRows& chart, const Period& period, const VoucherOptions& options)
    : m_period(period), m_options(options), m_accounts(chart.accounts), m_subAccounts(chart.subAccounts) {
    m_targets.fill(-1);
    // Step 2.2: opening values, in code order.
    Money n110 = Money::zero();
    Money n130 = Money::zero();
    for (int i = 0; i < static_cast<int>(m_accounts.size()); ++i) {
        ChartLine& line = m_accounts[i];
        Amounts& a = line.amounts;
        a[Col::Before] = a[Col::Opening];
        for (Col c : {Col::Debit, Col::Credit, Col::Net, Col::Closing, Col::Variance})
            a[c] = Money();
        line.ratio.reset();
        if (line.flgG == 110) {
            n110 = a[Col::Opening].orZero();
            a[Col::Before] = Money::zero();
        }
        if (line.flgG == 112)
            a[Col::Before] = n110;
        if (line.flgG == 130) {
            n130 = a[Col::Opening].orZero();
            a[Col::Before] = Money::zero();
        }
        if (line.flgB == 1 && between(line.flgG, 901, 920))
            n130 += a[Col::Opening];
        if (line.flgG == 132)
            a[Col::Before] = n130;
        if (between(line.flgG, 921, 924) ||
            (line.flgB == 1 && line.flgC == 1 && between(line.flgG, 901, 920)))
            m_targets[line.flgG - kFirstTarget] = i;
        m_accountIndex.add(line.code, i);
    }
    for (int i = 0; i < static_cast<int>(m_subAccounts.size()); ++i) {
        SubAccountLine& sub = m_subAccounts[i];
        sub.before = sub.opening;
        sub.debit = sub.credit = sub.net = sub.closing = Money();
        m_subIndex.add(sub.accountCode, sub.code, i);
    }
}

int ActivityPosting::target(int number) const {
    return between(number, kFirstTarget, kLastTarget) ? m_targets[number - kFirstTarget] : -1;
}

void ActivityPosting::fault(long long sNo) {
    if (m_faults.empty() || m_faults.back() != sNo)
        m_faults.push_back(sNo);
}

void ActivityPosting::describe(int account, std::string_view group, bool byDate, Money amount,
                               bool debitSide) {
    char buffer[192];
    std::string spill;
    std::string_view key;
    const size_t size = sizeof(int) + group.size();
    if (size <= sizeof buffer) {
        std::memcpy(buffer, &account, sizeof(int));
        std::memcpy(buffer + sizeof(int), group.data(), group.size());
        key = std::string_view(buffer, size);
    } else {
        spill.assign(reinterpret_cast<const char*>(&account), sizeof(int));
        spill.append(group);
        key = spill;
    }
    int at = m_descriptionIndex.find(key);
    if (at < 0) {
        at = static_cast<int>(m_descriptions.size());
        m_descriptionIndex.add(key, at);
        DescriptionRow row;
        row.account = account;
        row.group = std::string(group);
        m_descriptions.push_back(std::move(row));
    }
    DescriptionRow& row = m_descriptions[at];
    ++row.count;
    const int nature = m_accounts[account].flgC;
    if (debitSide) {
        if (byDate)
            row.debit += amount;
        else if (nature == 1)
            row.before -= amount;
        else
            row.before += amount;
    } else {
        if (byDate)
            row.credit += amount;
        else if (nature == 0)
            row.before -= amount;
        else
            row.before += amount;
    }
}

// Posts one side on its account's sub-account and, for the FlgG 11 and 920 accounts, on the
// transfer target named by the sub-account code.
void ActivityPosting::postSubAccount(const JournalLine& line, int account, bool debitSide, bool movement) {
    const std::string_view code = debitSide ? line.lcode : line.rcode;
    const std::string_view subCode = debitSide ? line.lhcode : line.rhcode;
    const int s = m_subIndex.find(code, subCode);
    if (s < 0)
        return;
    const ChartLine& owner = m_accounts[account];
    const Money amount = debitSide ? line.lAmount : line.rAmount;
    const bool stopped = !m_faults.empty();
    if (!stopped) {
        SubAccountLine& sub = m_subAccounts[s];
        if (movement)
            (debitSide ? sub.debit : sub.credit) += amount;
        else if (owner.flgC == (debitSide ? 0 : 1))
            sub.before += amount;
        else if (owner.flgC == (debitSide ? 1 : 0))
            sub.before -= amount;
    }
    const bool routesAll = owner.flgG == 11;
    const bool routesDebits = owner.flgG == 920 && debitSide;
    if (!routesAll && !routesDebits)
        return;
    const int number = subAccountNumber(subCode);
    if (routesAll ? !between(number, 921, 925) : !between(number, 901, 920)) {
        fault(line.sNo);
        return;
    }
    const int t = target(number);
    if (stopped || t < 0)
        return;
    Amounts& a = m_accounts[t].amounts;
    // FlgG 11 mirrors the posting on the opposite side; FlgG 920 repeats the debit.
    const bool onDebit = routesAll ? !debitSide : true;
    if (movement) {
        a[onDebit ? Col::Debit : Col::Credit] += amount;
    } else {
        // The target's 前残高 moves as the posted account's own 前残高 does.
        const int increasing = debitSide ? 0 : 1;
        if (owner.flgC == increasing)
            a[Col::Before] += amount;
        else if (owner.flgC == 1 - increasing)
            a[Col::Before] -= amount;
    }
}

void ActivityPosting::post(const JournalLine& line) {
    const LinePlacement place = placeLine(line.day, line.flgU, line.flgV, m_period, m_options);
    if (place == LinePlacement::Ignored)
        return;
    const int debitAccount = m_accountIndex.find(line.lcode);
    const int creditAccount = m_accountIndex.find(line.rcode);
    if (debitAccount < 0 && creditAccount < 0)
        return;
    const bool movement = place == LinePlacement::InPeriod;
    const bool byDate = line.day >= m_period.from;
    const std::string_view group = descriptionGroup(line.tekiyou1);

    if (debitAccount >= 0) {
        if (m_faults.empty()) {
            describe(debitAccount, group, byDate, line.lAmount, true);
            Amounts& a = m_accounts[debitAccount].amounts;
            const int nature = m_accounts[debitAccount].flgC;
            if (movement)
                a[Col::Debit] += line.lAmount;
            else if (nature == 0)
                a[Col::Before] += line.lAmount;
            else if (nature == 1)
                a[Col::Before] -= line.lAmount;
        }
        postSubAccount(line, debitAccount, true, movement);
    }
    if (creditAccount >= 0) {
        if (m_faults.empty()) {
            describe(creditAccount, group, byDate, line.rAmount, false);
            Amounts& a = m_accounts[creditAccount].amounts;
            const int nature = m_accounts[creditAccount].flgC;
            if (movement)
                a[Col::Credit] += line.rAmount;
            else if (nature == 1)
                a[Col::Before] += line.rAmount;
            else if (nature == 0)
                a[Col::Before] -= line.rAmount;
        }
        postSubAccount(line, creditAccount, false, movement);
    }
}

ActivityTotals ActivityPosting::finish() {
    ActivityTotals out;
    if (!m_faults.empty()) {
        std::sort(m_faults.begin(), m_faults.end());
        m_faults.erase(std::unique(m_faults.begin(), m_faults.end()), m_faults.end());
        out.faultyVouchers = std::move(m_faults);
        return out;
    }
    std::vector<ChartLine>& accounts = m_accounts;
    // 2.4 balances.
    for (auto& line : accounts)
        computeBalance(line, VarianceBase::BeforePeriod);
    // 2.5 activity roll-up.
    const std::vector<int> activity = activityOrder(accounts);
    passSmallAccounts(accounts, activity);
    passMiddleAndMajor(accounts, activity);
    passBlocks(accounts, activity, true);
    passDifferences(accounts, activity, false);
    // 2.6 net-asset lines.
    fillNetAssetLines(accounts);
    // 2.7 balance sheet.
    for (auto& line : accounts)
        if (line.flgB == 1)
            computeBalance(line, VarianceBase::BeforePeriod);
    const std::vector<int> sheet = balanceSheetOrder(accounts);
    passBalanceSheetSmall(accounts, sheet);
    passBalanceSheetMiddleAndMajor(accounts, sheet);
    passBalanceSheetBlocks(accounts, sheet);
    // 2.8 ratios.
    for (auto& line : accounts)
        line.ratio = line.flgB == 2 ? budgetRatio(line) : std::nullopt;
    // 2.9 description summary.
    out.descriptions = finishDescriptions(std::move(m_descriptions), accounts);
    // 2.10 sub-account balances.
    for (auto& sub : m_subAccounts) {
        const int account = m_accountIndex.find(sub.accountCode);
        if (account < 0)
            continue;
        const int nature = accounts[account].flgC;
        if (nature == 0)
            sub.net = sub.debit - sub.credit;
        else if (nature == 1)
            sub.net = sub.credit - sub.debit;
        else
            continue;
        sub.closing = sub.net + sub.before;
    }
    out.accounts = std::move(m_accounts);
    out.subAccounts = std::move(m_subAccounts);
    return out;
}

ActivityTotals computeActivityTotals(const ChartRows& chart, JournalSource& journal, const Period& period,
                                     const VoucherOptions& options) {
    ActivityPosting posting(chart, period, options);
    journal.forEach([&](const JournalLine& line) { posting.post(line); });
    return posting.finish();
}

} // namespace k9::totals
