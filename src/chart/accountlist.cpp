// SPDX-License-Identifier: GPL-3.0-or-later
// The account picker's list, its display choice and its jump rule.
#include "chart/accountlist.h"

#include "chart/postable.h"
#include "chart/storedvalues.h"
#include "store/database.h"
#include "store/registrows.h"

namespace k9 {

namespace {
constexpr int kAccountPickerRegistId = 2;
}

bool AccountLine::isPostable() const {
    return isPostableAccount(flags);
}

std::vector<AccountLine> loadAccountLines(Database& www) {
    std::vector<AccountLine> lines;
    auto st = www.prepare(QStringLiteral("SELECT code, \"科目名\", FlgA, FlgB, FlgC, FlgD, FlgG, FlgH, FlgJ "
                                         "FROM kamoku ORDER BY code"));
    while (st.step()) {
        AccountLine l;
        l.code = stored::text(st, 0);
        l.name = stored::text(st, 1);
        l.flags.flgA = stored::flag(st, 2);
        l.flags.flgB = stored::flag(st, 3);
        l.flags.flgC = stored::flag(st, 4);
        l.flags.flgD = stored::flag(st, 5);
        l.flags.flgG = stored::flag(st, 6);
        l.flags.flgH = stored::flag(st, 7);
        l.flgJ = stored::flag(st, 8);
        lines.push_back(std::move(l));
    }
    return lines;
}

bool isShown(AccountDisplay display, const AccountLine& line) {
    if (display == AccountDisplay::All)
        return true;
    return !flagIs(line.flags.flgA, 0) || flagIs(line.flgJ, 1);
}

std::optional<AccountDisplay> readAccountDisplay(Database& hm) {
    const auto row = readRegistRow(hm, kAccountPickerRegistId, {QStringLiteral("P1")});
    if (!row)
        return std::nullopt;
    return registInt(row->front(), 0, 1, 0) == 1 ? AccountDisplay::MarkedOnly : AccountDisplay::All;
}

bool storeAccountDisplay(Database& hm, AccountDisplay display) {
    if (hm.writeProtected())
        return false;
    writeRegistRow(hm, kAccountPickerRegistId, {{QStringLiteral("P1"), static_cast<int>(display)}});
    return true;
}

void AccountPickerState::setLines(std::vector<AccountLine> lines) {
    const QString keep = currentRow() >= 0 ? line(currentRow()).code : QString();
    m_lines = std::move(lines);
    refilter(keep);
}

void AccountPickerState::setDisplay(AccountDisplay display) {
    const QString keep = currentRow() >= 0 ? line(currentRow()).code : QString();
    m_display = display;
    refilter(keep);
}

void AccountPickerState::refilter(const QString& keepCode) {
    m_shown.clear();
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (isShown(m_display, m_lines[i]))
            m_shown.push_back(i);
    const int row = keepCode.isEmpty() ? -1 : rowOfCode(keepCode);
    setCurrentRow(row < 0 ? 0 : row);
}

bool AccountPickerState::isSelectable(int row) const {
    return line(row).isPostable();
}

int AccountPickerState::rowOfCode(const QString& code) const {
    for (int r = 0; r < rowCount(); ++r)
        if (line(r).code == code)
            return r;
    return -1;
}

int AccountPickerState::nearestRow(const QString& code) const {
    for (int r = 0; r < rowCount(); ++r)
        if (line(r).code >= code)
            return r;
    return rowCount() - 1;
}

std::optional<PickedAccount> AccountPickerState::current() const {
    if (currentRow() < 0)
        return std::nullopt;
    const AccountLine& l = line(currentRow());
    return PickedAccount{l.code, l.name, l.flags.flgC, l.flags.flgD, l.isPostable()};
}

} // namespace k9
