// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-line picker's list: the data folder's fund-statement lines (kamoku2) in SNo
// order. The closing- and opening-fund lines ("#0020", "#1020") and every line whose FlgA
// is not "0" can never be chosen.
#pragma once

#include "chart/chartdata.h"
#include "chart/jumpcursor.h"

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;

struct FundLine {
    long long sNo = 0;
    QString code;
    QString name;
    Flag flgA;
    Flag flgC;
    Flag flgD;

    bool isSelectable() const;
};

// The data-folder kamoku2 in SNo order (lines without SNo are left out).
std::vector<FundLine> loadFundLines(Database& aaa);

class FundLinePickerState : public PickerCursor {
public:
    void setLines(std::vector<FundLine> lines);
    int rowCount() const override { return static_cast<int>(m_lines.size()); }
    bool isSelectable(int row) const override { return line(row).isSelectable(); }
    const FundLine& line(int row) const { return m_lines[static_cast<size_t>(row)]; }
    // The first line whose SNo is equal to or above sNo; the last line when all are below.
    int nearestRow(long long sNo) const;
    void positionNear(long long sNo) { setCurrentRow(nearestRow(sNo)); }
    // "連番ジャンプ": moves to the nearest line for the typed number; false (no move) when the
    // text is not a number.
    bool jumpToTypedNumber(const QString& text);
    // The current line when it may be chosen; the picker never returns another line.
    std::optional<FundLine> chosen() const;

protected:
    int jumpRow(const QString& digits) const override { return nearestRow(digits.toLongLong()); }

private:
    std::vector<FundLine> m_lines;
};

} // namespace k9
