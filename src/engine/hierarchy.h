// SPDX-License-Identifier: GPL-3.0-or-later
// The names above an account in the chart (大科目, 中科目, the account, 小科目), for the
// headings of the general ledger and the fund ledger.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace k9::totals {

struct LedgerNames {
    QString major;   // LedgerMajorName: the first 大科目計 (FlgA 3) at or below the account
    QString middle;  // LedgerMiddleName: the first 中科目計 (FlgA 2) at or below it
    QString account; // LedgerAccountName: the account, or the FlgA 1 head of a small account
    QString minor;   // LedgerMinorName: the small account (FlgE 1) itself
};

struct HierarchyLine {
    QString name;
    std::optional<int> flgA;
    int flgE = 0;
};

// The names for the line at `index` of `lines` (chart order), every space removed:
// walking backwards from the line itself, the first FlgE 1 line gives the minor name, and
// the first input line with FlgE not 1, or FlgA 1 line, gives the account name and ends
// the walk; from there walking forwards, the first FlgA 2 line gives the middle name and a
// FlgA 3 line the major name, ending the walk, which also ends at a line above level 3.
LedgerNames ledgerNames(const std::vector<HierarchyLine>& lines, std::size_t index);

} // namespace k9::totals
