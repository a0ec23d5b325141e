// SPDX-License-Identifier: GPL-3.0-or-later
// The passes that fill subtotal and total lines from the input lines beneath them, by
// position in the chart, line level (FlgA) and nature (FlgC). Shared by the activity and
// balance-sheet engine and the fund-statement engine. Each pass works column by column on
// the sixteen amounts; `order` lists the positions of the lines the pass walks, first to
// last in chart order.
#pragma once

#include "engine/totalsmodel.h"

#include <vector>

namespace k9::totals {

// 残高, 残高合計 and 差異 of one line from its 前残高, 借方 and 貸方: FlgC 0 → 残高 = 借方 −
// 貸方; FlgC 1 → 貸方 − 借方; 残高合計 = 残高 + 前残高; 差異 = 残高合計 − 予算, except on
// balance-sheet lines (FlgB 1), where it is 残高合計 − 前残高 (accounts) or 残高合計 −
// 期首繰越 (fund-statement lines). A line of another FlgC is left as it is.
enum class VarianceBase { BeforePeriod, Opening };
void computeBalance(ChartLine& line, VarianceBase balanceSheetBase);

// Signed roll-ups (members counted with their nature, a FlgC 0 total negates its sum; a
// total whose sum is exactly 0 is left blank).
// Small-account pass (last to first): a line whose FlgA as text is above "1" clears the sum;
// a FlgA 1 line takes the sum of the FlgE 1 input lines that follow it.
void passSmallAccounts(std::vector<ChartLine>& lines, const std::vector<int>& order);
// Middle and major totals (first to last): FlgA 4–8 clear both sums; FlgA 3 takes the sum
// since the previous 3 and clears both; FlgA 2 takes the sum since the previous 2 or 3.
void passMiddleAndMajor(std::vector<ChartLine>& lines, const std::vector<int>& order);
// Block and section totals (first to last): FlgA 4 takes the block sum and clears it; with
// sections, FlgA 5 takes the section sum and clears both, and FlgA 11 clears both after it.
void passBlocks(std::vector<ChartLine>& lines, const std::vector<int>& order, bool sections);
// Difference lines (first to last): FlgA 6 gets credit-nature minus debit-nature inputs
// since the previous 6 and clears it; FlgA 7 (and, for the fund statement, 8) gets the same
// from the first line. Debit and credit columns add plain values. Fund statement: FlgA 10
// lines count as inputs.
void passDifferences(std::vector<ChartLine>& lines, const std::vector<int>& order, bool fundStatement);

// Balance-sheet roll-ups: plain sums, totals written without negation (blank when 0).
// Pass E (last to first): FlgA 1 takes the FlgE 1 inputs below it; only a FlgA 1 line clears.
void passBalanceSheetSmall(std::vector<ChartLine>& lines, const std::vector<int>& order);
// Pass F: FlgA 3 takes L and clears L and M; FlgA 2 takes M and clears M.
void passBalanceSheetMiddleAndMajor(std::vector<ChartLine>& lines, const std::vector<int>& order);
// Pass G: FlgA 4 takes B and clears it, a debit-side one (FlgC 0) also clears P; FlgA 5
// takes P and clears B.
void passBalanceSheetBlocks(std::vector<ChartLine>& lines, const std::vector<int>& order);

// 残高合計 ÷ 予算 × 100 when 予算 is not 0; blank above 1000.
std::optional<double> budgetRatio(const ChartLine& line);

// Finishing: every blank amount becomes 0; then a heading line (FlgA blank or 9) gets all
// sixteen amounts blank. The ratio is untouched.
std::vector<ChartLine> finishLines(std::vector<ChartLine> lines);

} // namespace k9::totals
