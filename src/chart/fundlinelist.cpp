// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the fund-statement lines for the fund-line picker, and its positioning.
#include "chart/fundlinelist.h"

#include "chart/postable.h"
#include "chart/storedvalues.h"
#include "store/database.h"

namespace k9 {

bool FundLine::isSelectable() const {
    return isSelectableFundLine(flgA, code);
}

std::vector<FundLine> loadFundLines(Database& aaa) {
    std::vector<FundLine> lines;
    auto st = aaa.prepare(QStringLiteral("SELECT SNo, code, \"科目名\", FlgA, FlgC, FlgD FROM kamoku2 "
                                         "WHERE SNo IS NOT NULL ORDER BY SNo"));
    while (st.step()) {
        FundLine l;
        l.sNo = st.integer(0);
        l.code = stored::text(st, 1);
        l.name = stored::text(st, 2);
        l.flgA = stored::flag(st, 3);
        l.flgC = stored::flag(st, 4);
        l.flgD = stored::flag(st, 5);
        lines.push_back(std::move(l));
    }
    return lines;
}

void FundLinePickerState::setLines(std::vector<FundLine> lines) {
    m_lines = std::move(lines);
    setCurrentRow(0);
}

int FundLinePickerState::nearestRow(long long sNo) const {
    for (int r = 0; r < rowCount(); ++r)
        if (line(r).sNo >= sNo)
            return r;
    return rowCount() - 1;
}

bool FundLinePickerState::jumpToTypedNumber(const QString& text) {
    bool ok = false;
    const long long n = text.trimmed().toLongLong(&ok);
    if (!ok || rowCount() <= 0)
        return false;
    positionNear(n);
    return true;
}

std::optional<FundLine> FundLinePickerState::chosen() const {
    if (currentRow() < 0 || !isSelectable(currentRow()))
        return std::nullopt;
    return line(currentRow());
}

} // namespace k9
