// SPDX-License-Identifier: GPL-3.0-or-later
// Roll-up passes over the chart's subtotal and total lines.
#include "engine/rollup.h"

#include <array>
#include <cstdint>

namespace k9::totals {
namespace {

using Sum = std::array<std::int64_t, kAmountCount>;

constexpr int kDebit = static_cast<int>(Col::Debit);
constexpr int kCredit = static_cast<int>(Col::Credit);

// The line's value in each column, negated on a debit-nature line.
void addSigned(Sum& sum, const ChartLine& line) {
    const bool negate = line.flgC == 0;
    for (int c = 0; c < kAmountCount; ++c) {
        const std::int64_t v = line.amounts.values[c].raw();
        sum[c] += negate ? -v : v;
    }
}

void addPlain(Sum& sum, const ChartLine& line) {
    for (int c = 0; c < kAmountCount; ++c)
        sum[c] += line.amounts.values[c].raw();
}

// Writes a sum into a total line; exactly 0 is left blank.
void write(ChartLine& line, const Sum& sum, bool negate) {
    for (int c = 0; c < kAmountCount; ++c) {
        const std::int64_t v = negate ? -sum[c] : sum[c];
        line.amounts.values[c] = v == 0 ? Money() : Money::fromRaw(v);
    }
}

// A signed total takes its sum negated when it is itself of debit nature.
void take(ChartLine& line, const Sum& sum) {
    write(line, sum, line.flgC == 0);
}

} // namespace

void computeBalance(ChartLine& line, VarianceBase balanceSheetBase) {
    Amounts& a = line.amounts;
    if (line.flgC == 0)
        a[Col::Net] = a[Col::Debit] - a[Col::Credit];
    else if (line.flgC == 1)
        a[Col::Net] = a[Col::Credit] - a[Col::Debit];
    else
        return;
    a[Col::Closing] = a[Col::Net] + a[Col::Before];
    if (line.flgB != 1)
        a[Col::Variance] = a[Col::Closing] - a[Col::Budget];
    else if (balanceSheetBase == VarianceBase::BeforePeriod)
        a[Col::Variance] = a[Col::Closing] - a[Col::Before];
    else
        a[Col::Variance] = a[Col::Closing] - a[Col::Opening];
}

void passSmallAccounts(std::vector<ChartLine>& lines, const std::vector<int>& order) {
    Sum s{};
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        ChartLine& line = lines[*it];
        if (compareLevelText(line.flgA, "1") > 0)
            s = Sum{};
        if (line.levelIs(1)) {
            take(line, s);
            s = Sum{};
        } else if (line.levelIs(0) && line.flgE == 1) {
            addSigned(s, line);
        }
    }
}

void passMiddleAndMajor(std::vector<ChartLine>& lines, const std::vector<int>& order) {
    Sum middle{};
    Sum major{};
    for (int i : order) {
        ChartLine& line = lines[i];
        if (!line.levelIs(9) && compareLevelText(line.flgA, "3") > 0) {
            middle = Sum{};
            major = Sum{};
        }
        if (line.levelIs(3)) {
            take(line, major);
            major = Sum{};
            middle = Sum{};
        } else if (line.levelIs(2)) {
            take(line, middle);
            middle = Sum{};
        } else if (line.levelIs(0)) {
            addSigned(middle, line);
            addSigned(major, line);
        }
    }
}

void passBlocks(std::vector<ChartLine>& lines, const std::vector<int>& order, bool sections) {
    Sum block{};
    Sum section{};
    for (int i : order) {
        ChartLine& line = lines[i];
        if (line.levelIs(4)) {
            take(line, block);
            block = Sum{};
        } else if (sections && line.levelIs(5)) {
            take(line, section);
            block = Sum{};
            section = Sum{};
        } else if (line.levelIs(0)) {
            addSigned(block, line);
            addSigned(section, line);
        }
        if (sections && line.levelIs(11)) {
            block = Sum{};
            section = Sum{};
        }
    }
}

void passDifferences(std::vector<ChartLine>& lines, const std::vector<int>& order, bool fundStatement) {
    Sum sinceLast{};
    Sum running{};
    for (int i : order) {
        ChartLine& line = lines[i];
        if (line.levelIs(7) || (fundStatement && line.levelIs(8))) {
            write(line, running, false);
        } else if (line.levelIs(6)) {
            write(line, sinceLast, false);
            sinceLast = Sum{};
        } else if (line.levelIs(0) || (fundStatement && line.levelIs(10))) {
            const bool negate = line.flgC == 0;
            for (int c = 0; c < kAmountCount; ++c) {
                std::int64_t v = line.amounts.values[c].raw();
                if (negate && c != kDebit && c != kCredit)
                    v = -v;
                sinceLast[c] += v;
                running[c] += v;
            }
        }
    }
}

void passBalanceSheetSmall(std::vector<ChartLine>& lines, const std::vector<int>& order) {
    Sum s{};
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        ChartLine& line = lines[*it];
        if (line.levelIs(1)) {
            write(line, s, false);
            s = Sum{};
        } else if (line.levelIs(0) && line.flgE == 1) {
            addPlain(s, line);
        }
    }
}

void passBalanceSheetMiddleAndMajor(std::vector<ChartLine>& lines, const std::vector<int>& order) {
    Sum middle{};
    Sum major{};
    for (int i : order) {
        ChartLine& line = lines[i];
        if (line.levelIs(3)) {
            write(line, major, false);
            major = Sum{};
            middle = Sum{};
        } else if (line.levelIs(2)) {
            write(line, middle, false);
            middle = Sum{};
        } else if (line.levelIs(0)) {
            addPlain(middle, line);
            addPlain(major, line);
        }
    }
}

void passBalanceSheetBlocks(std::vector<ChartLine>& lines, const std::vector<int>& order) {
    Sum block{};
    Sum section{};
    for (int i : order) {
        ChartLine& line = lines[i];
        if (line.levelIs(4)) {
            write(line, block, false);
            block = Sum{};
            if (line.flgC == 0)
                section = Sum{};
        } else if (line.levelIs(5)) {
            write(line, section, false);
            block = Sum{};
        } else if (line.levelIs(0)) {
            addPlain(block, line);
            addPlain(section, line);
        }
    }
}

std::optional<double> budgetRatio(const ChartLine& line) {
    const std::int64_t budget = line.amounts[Col::Budget].raw();
    if (budget == 0)
        return std::nullopt;
    const double ratio =
        static_cast<double>(line.amounts[Col::Closing].raw()) / static_cast<double>(budget) * 100.0;
    if (ratio > 1000.0)
        return std::nullopt;
    return ratio;
}

std::vector<ChartLine> finishLines(std::vector<ChartLine> lines) {
    for (auto& line : lines) {
        const bool heading = !line.flgA.has_value() || *line.flgA == 9;
        for (auto& v : line.amounts.values)
            v = heading ? Money() : v.orZero();
    }
    return lines;
}

} // namespace k9::totals
