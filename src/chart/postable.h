// SPDX-License-Identifier: GPL-3.0-or-later
// Which chart lines a journal line may be posted to, and how the pickers colour the lines
// they offer. Pure functions of an account's classification flags; blank flags stay blank.
#pragma once

#include "chart/chartdata.h"

#include <QString>
#include <optional>

namespace k9 {

// Why an account cannot carry a journal line.
enum class PostingRefusal {
    NotInputLine,         // FlgA does not read "0" (a blank FlgA is a heading, not 0)
    ComputedLine,         // FlgG 110, 112, 119 or 120: brought-forward and result lines
    ConsolidationLine,    // FlgH 130
    FedBalanceSheetLine,  // a balance-sheet line (FlgB 1) fed by the totals, FlgG 901..919
    UnlinkedActivityLine, // an activity line (FlgB 2) whose fund link FlgH is 21..49
};

// The first rule the account breaks, or nullopt for a postable input account.
std::optional<PostingRefusal> postingRefusal(const LineFlags& flags);
inline bool isPostableAccount(const LineFlags& flags) {
    return !postingRefusal(flags).has_value();
}

// How a picker draws a line. Red (the account has sub-accounts) wins over blue (the line
// cannot be chosen).
enum class PickerLineColour { Normal, Blue, Red };

// Account picker: blue when not postable, red when FlgD is 1.
PickerLineColour accountLineColour(const LineFlags& flags);

// The fund-statement lines of the closing and opening fund balances, never chosen.
inline const QString kClosingFundLineCode = QStringLiteral("#0020");
inline const QString kOpeningFundLineCode = QStringLiteral("#1020");

// A fund-statement line may be chosen when its FlgA reads "0" and it is not one of the two
// fund-balance lines.
bool isSelectableFundLine(const Flag& flgA, const QString& code);
// Fund-line picker: blue when not selectable, red when FlgD is 1.
PickerLineColour fundLineColour(const Flag& flgA, const Flag& flgD, const QString& code);

} // namespace k9
