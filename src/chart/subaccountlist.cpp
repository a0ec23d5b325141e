// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the sub-account pickers' lists and their positioning.
#include "chart/subaccountlist.h"

#include "chart/storedvalues.h"
#include "store/database.h"

namespace k9 {

namespace {

std::vector<SubAccountLine> readLines(Statement& st) {
    std::vector<SubAccountLine> lines;
    while (st.step())
        lines.push_back({stored::text(st, 0), stored::text(st, 1), stored::text(st, 2), stored::text(st, 3)});
    return lines;
}

const QString kSelect = QStringLiteral("SELECT h.kamoku_CD, k.\"科目名\", h.hojo_CD, h.\"補助科目名\" "
                                       "FROM hojokamoku h LEFT JOIN kamoku k ON k.code = h.kamoku_CD ");

} // namespace

std::vector<SubAccountLine> loadSubAccountLines(Database& www, const QString& accountCode) {
    auto st = www.prepare(kSelect + QStringLiteral("WHERE h.kamoku_CD = ?1 ORDER BY h.hojo_CD"));
    st.bind(1, accountCode);
    return readLines(st);
}

std::vector<SubAccountLine> loadAllSubAccountLines(Database& www) {
    auto st = www.prepare(kSelect + QStringLiteral("ORDER BY h.kamoku_CD, h.hojo_CD"));
    return readLines(st);
}

void SubAccountPickerState::setLines(std::vector<SubAccountLine> lines) {
    m_lines = std::move(lines);
    setCurrentRow(0);
}

void SubAccountPickerState::positionNear(const QString& code) {
    for (int r = 0; r < rowCount(); ++r)
        if (line(r).code >= code) {
            setCurrentRow(r);
            return;
        }
    setCurrentRow(rowCount() - 1);
}

std::optional<SubAccountLine> SubAccountPickerState::current() const {
    if (currentRow() < 0)
        return std::nullopt;
    return line(currentRow());
}

void AllSubAccountPickerState::setLines(std::vector<SubAccountLine> lines) {
    m_lines = std::move(lines);
    setCurrentRow(0);
}

int AllSubAccountPickerState::nearestRow(const QString& accountCode) const {
    for (int r = 0; r < rowCount(); ++r)
        if (line(r).accountCode >= accountCode)
            return r;
    return rowCount() - 1;
}

std::optional<SubAccountLine> AllSubAccountPickerState::current() const {
    if (currentRow() < 0)
        return std::nullopt;
    return line(currentRow());
}

} // namespace k9
