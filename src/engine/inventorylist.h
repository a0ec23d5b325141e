// SPDX-License-Identifier: GPL-3.0-or-later
// The property-inventory work list (財産目録の計算): the balance-sheet lines down to the
// asset total, the liabilities down to their block total, and assets minus liabilities.
#pragma once

#include "engine/totalsmodel.h"

#include <optional>
#include <vector>

namespace k9::totals {

// One row of WTBL. An empty row (a spacer) has no level, no label and no amount.
struct InventoryRow {
    std::optional<int> flgA;
    std::optional<int> flgE;
    QString label;                // kamokumei, indented with full-width spaces
    std::optional<double> amount; // kingaku in yen; blank when the line's 残高合計 is blank
};

// The label of the closing row.
QString netAssetsLabel();

// Walks the balance-sheet lines (FlgB 1) in code order:
// - FlgA 9: the name, no amount;
// - FlgA 3: one full-width space + name, 残高合計;
// - FlgA 1, or FlgA 0 with FlgE not 1: two spaces + name; FlgE 1: four spaces + name;
// - FlgA 4: six spaces + name; a debit-side one (FlgC 0) adds to the net total and is
//   followed by an empty row; a credit-side one subtracts and ends the walk.
// Other lines are left out. Then an empty row and "差引純資産" with the net total.
std::vector<InventoryRow> buildInventoryList(const std::vector<ChartLine>& accounts);

} // namespace k9::totals
