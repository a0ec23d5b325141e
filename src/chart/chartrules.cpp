// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the chart editor that need no window.
#include "chart/chartrules.h"

#include "chart/chartmessages.h"
#include "chart/pickertexts.h"
#include "store/cp932.h"
#include "store/database.h"

namespace k9 {
namespace {

const QString kTransferIn = QStringLiteral("からの繰入");
const QString kTransferOut = QStringLiteral("への繰出");
constexpr int kAccountCodeLength = 5;

// Sets the transfer role on the lines of one table; `order` is the table's key.
int applyTransferRoles(Database& chart, const QString& table) {
    if (!chart.tableExists(table))
        return 0;
    // FlgA "reads 0": compared as text, so a blank FlgA never qualifies.
    return chart.run(
        QStringLiteral("UPDATE %1 SET \"FlgG\" = ?1 WHERE \"FlgG\" IS NULL AND \"FlgA\" IS NOT NULL "
                       "AND CAST(\"FlgA\" AS TEXT) = '0' "
                       "AND (instr(\"科目名\", ?2) > 0 OR instr(\"科目名\", ?3) > 0)")
            .arg(quoteId(table)),
        {kTransferRole, kTransferIn, kTransferOut});
}

} // namespace

bool takesTransferRole(const Flag& flgA, const QString& name, const Flag& flgG) {
    return flagIs(flgA, 0) && !flgG.has_value() &&
           (name.contains(kTransferIn) || name.contains(kTransferOut));
}

int applyTransferRoles(Database& chart) {
    Transaction tx(chart);
    int changed = applyTransferRoles(chart, QStringLiteral("kamoku"));
    changed += applyTransferRoles(chart, QStringLiteral("kamoku2"));
    tx.commit();
    return changed;
}

std::optional<QString> accountCodeRefusal(const QString& code) {
    if (code.size() == kAccountCodeLength && cp932::byteWidth(code) == kAccountCodeLength)
        return std::nullopt;
    return chartmsg::invalidAccountCode();
}

std::optional<QString> fundLineSerialRefusal(const std::optional<long long>& sNo) {
    if (sNo.has_value())
        return std::nullopt;
    return chartmsg::missingSerial();
}

LineColour lineColour(const Flag& flgD, const Flag& flgG) {
    if (flagIs(flgG, 11) || flagIs(flgG, 920))
        return LineColour::Blue;
    if (flagIs(flgD, 1))
        return LineColour::Red;
    return LineColour::Normal;
}

JumpResult jumpToCode(const QStringList& codes, const QString& key, JumpDirection direction,
                      std::optional<int> current) {
    const int n = static_cast<int>(codes.size());
    if (n == 0)
        return {};
    const int step = direction == JumpDirection::TowardEnd ? 1 : -1;
    int origin;
    int first;
    if (current && *current >= 0 && *current < n) {
        origin = *current;
        first = origin + step;
    } else {
        origin = direction == JumpDirection::TowardEnd ? 0 : n - 1;
        first = origin;
    }
    const QString wanted = key.trimmed();
    for (int row = first; row >= 0 && row < n; row += step)
        if (codes[row].trimmed() == wanted)
            return {row, true};
    return {origin, false};
}

SubAccountClick subAccountDoubleClick(const Flag& flgA, const Flag& flgD) {
    if (!flagIs(flgA, 0))
        return SubAccountClick::NotInputAccount;
    return flagIs(flgD, 1) ? SubAccountClick::OpenEditor : SubAccountClick::Nothing;
}

QString subAccountCodeHint(const Flag& flgH) {
    return flagIs(flgH, 210) || flagIs(flgH, 220) ? pickertext::kBorrowingCodeHint
                                                  : pickertext::kSampleCodeHint;
}

bool subAccountPanelVisible(const Flag& flgD, const Flag& flgG, bool editingTemplate) {
    return !editingTemplate && flagIs(flgD, 1) && !flagIs(flgG, 11) && !flagIs(flgG, 920);
}

} // namespace k9
