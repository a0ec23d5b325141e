// SPDX-License-Identifier: GPL-3.0-or-later
// The totals engine's in-memory chart: the accounts (kamoku), the fund-statement lines
// (kamoku2) and the sub-accounts (hojokamoku) of the selected unit, each with its flags and
// amount columns, plus the period and the two voucher options of a run. The computations
// take these plain values and return new ones; the work-folder layer loads and stores them.
#pragma once

#include "store/money.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace k9::totals {

// The sixteen amount columns of an account or statement line, in table order.
enum class Col : int {
    InitialBudget, // 当初予算
    Correction1,   // 補正額１ … 補正額５
    Correction2,
    Correction3,
    Correction4,
    Correction5,
    Budget,       // 予算
    PriorBudget,  // 前年度予算
    BudgetChange, // 予算増減額
    Opening,      // 期首繰越
    Before,       // 前残高
    Debit,        // 借方
    Credit,       // 貸方
    Net,          // 残高
    Closing,      // 残高合計
    Variance,     // 差異
};
inline constexpr int kAmountCount = 16;

// The column names of the sixteen amounts, in Col order.
const std::array<QString, kAmountCount>& amountColumnNames();
// The ratio column 比.
QString ratioColumnName();

struct Amounts {
    std::array<Money, kAmountCount> values{};
    Money& operator[](Col c) { return values[static_cast<int>(c)]; }
    const Money& operator[](Col c) const { return values[static_cast<int>(c)]; }
};

// One line of kamoku or kamoku2. Blank flags count as 0, except FlgA, whose blank (a
// heading line) differs from 0 (an input line).
struct ChartLine {
    long long rowId = 0; // where the line is stored, for writing the figures back
    long long sNo = 0;   // kamoku2 only
    std::string code;    // UTF-8, blanks at either end removed
    QString name;
    std::optional<int> flgA;
    int flgB = 0;
    int flgC = 0;
    int flgD = 0;
    int flgE = 0;
    int flgG = 0;
    int flgH = 0;
    Amounts amounts;
    std::optional<double> ratio; // 比; empty is blank

    bool levelIs(int level) const { return flgA.has_value() && *flgA == level; }
};

// One sub-account row of hojokamoku: the amounts the engine reads and fills.
struct SubAccountLine {
    long long rowId = 0;
    std::string accountCode; // UTF-8, blanks at either end removed
    std::string code;
    Money opening; // 期首繰越
    Money before;  // 前残高
    Money debit;   // 借方
    Money credit;  // 貸方
    Money net;     // 残高
    Money closing; // 残高合計
};

struct ChartRows {
    std::vector<ChartLine> accounts;  // kamoku in code order
    std::vector<ChartLine> fundLines; // kamoku2 in SNo order
    std::vector<SubAccountLine> subAccounts;
};

// A date as the number yyyymmdd, which orders like the date; 0 for an invalid date.
inline int dayNumber(const QDate& d) {
    return d.isValid() ? d.year() * 10000 + d.month() * 100 + d.day() : 0;
}

// The dates of a run: the fiscal-year start, the first and the last day of the period.
struct Period {
    int start = 0;
    int from = 0;
    int to = 0;
    static Period of(const QDate& start, const QDate& from, const QDate& to) {
        return {dayNumber(start), dayNumber(from), dayNumber(to)};
    }
};

// 整理伝票の扱い (0 含める, 1 除く, 2 整理伝票のみ) and 未決済伝票の扱い (0 含める, 1 除く).
struct VoucherOptions {
    int adjustingMode = 0;
    int unsettledMode = 0;
};

// FlgA as the decimal text the original compared by character codes ("10" < "2"); a blank
// FlgA is the empty text. Returns <0, 0 or >0 like strcmp.
int compareLevelText(const std::optional<int>& flgA, const char* text);

} // namespace k9::totals
