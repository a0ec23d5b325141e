// SPDX-License-Identifier: GPL-3.0-or-later
// Which journal lines a run counts and where: ignored, before the period (into 前残高) or in
// the period (借方/貸方). The same rule serves the activity and fund engines and the ledgers.
#pragma once

#include "engine/totalsmodel.h"

namespace k9::totals {

enum class LinePlacement { Ignored, BeforePeriod, InPeriod };

// The place of a line dated `day` (yyyymmdd) with adjusting flag FlgU and unsettled flag
// FlgV:
// - adjusting state: mode 0 → 0; mode 1 → 1 for an adjusting line (FlgU 1), else 0;
//   mode 2 → 0 for an adjusting line, else 2;
// - unsettled state: mode 0 → 0; mode 1 → 1 for an unsettled line (FlgV 1), else 0;
// - the line counts when start ≤ day ≤ to, its unsettled state is 0 and its adjusting
//   state is 0 or the mode is 2;
// - a counting line is in the period when its adjusting state is not 2 and day ≥ from;
//   otherwise it counts before the period.
// Modes outside their ranges act as 0. A line without a date (day 0) is ignored.
constexpr LinePlacement placeLine(int day, int flgU, int flgV, const Period& period,
                                  const VoucherOptions& options) {
    int adjusting = 0;
    if (options.adjustingMode == 1)
        adjusting = flgU == 1 ? 1 : 0;
    else if (options.adjustingMode == 2)
        adjusting = flgU == 1 ? 0 : 2;
    const int unsettled = options.unsettledMode == 1 && flgV == 1 ? 1 : 0;
    if (day == 0 || day < period.start || day > period.to || unsettled != 0)
        return LinePlacement::Ignored;
    if (adjusting != 0 && options.adjustingMode != 2)
        return LinePlacement::Ignored;
    if (adjusting != 2 && day >= period.from)
        return LinePlacement::InPeriod;
    return LinePlacement::BeforePeriod;
}

inline LinePlacement placeLine(const QDate& date, int flgU, int flgV, const QDate& start, const QDate& from,
                               const QDate& to, const VoucherOptions& options) {
    return placeLine(dayNumber(date), flgU, flgV, Period::of(start, from, to), options);
}

} // namespace k9::totals
