// SPDX-License-Identifier: GPL-3.0-or-later
// The posting rule of the account pickers and the colours of their lines.
#include "chart/postable.h"

namespace k9 {

std::optional<PostingRefusal> postingRefusal(const LineFlags& f) {
    if (!flagIs(f.flgA, 0))
        return PostingRefusal::NotInputLine;
    if (flagIs(f.flgG, 110) || flagIs(f.flgG, 112) || flagIs(f.flgG, 119) || flagIs(f.flgG, 120))
        return PostingRefusal::ComputedLine;
    if (flagIs(f.flgH, 130))
        return PostingRefusal::ConsolidationLine;
    if (flagIs(f.flgB, 1) && flagIn(f.flgG, 901, 919))
        return PostingRefusal::FedBalanceSheetLine;
    if (flagIs(f.flgB, 2) && flagIn(f.flgH, 21, 49))
        return PostingRefusal::UnlinkedActivityLine;
    return std::nullopt;
}

PickerLineColour accountLineColour(const LineFlags& flags) {
    if (flagIs(flags.flgD, 1))
        return PickerLineColour::Red;
    return isPostableAccount(flags) ? PickerLineColour::Normal : PickerLineColour::Blue;
}

bool isSelectableFundLine(const Flag& flgA, const QString& code) {
    return flagIs(flgA, 0) && code != kClosingFundLineCode && code != kOpeningFundLineCode;
}

PickerLineColour fundLineColour(const Flag& flgA, const Flag& flgD, const QString& code) {
    if (flagIs(flgD, 1))
        return PickerLineColour::Red;
    return isSelectableFundLine(flgA, code) ? PickerLineColour::Normal : PickerLineColour::Blue;
}

} // namespace k9
