// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account pickers' lists, read from the unit's working copy (work-folder
// hojokamoku, which carries the unit's own names): one account's sub-accounts for the
// entry screens, every account's for the general ledger.
#pragma once

#include "chart/jumpcursor.h"

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;

struct SubAccountLine {
    QString accountCode;
    QString accountName; // looked up in the work-folder kamoku; empty when not found
    QString code;
    QString name;
};

// The sub-accounts of one account in code order.
std::vector<SubAccountLine> loadSubAccountLines(Database& www, const QString& accountCode);
// Every sub-account in (account code, code) order, with the account's name.
std::vector<SubAccountLine> loadAllSubAccountLines(Database& www);

// One account's list (Thojo_SEL): Enter or a double-click chooses the current row; digits
// are ordinary keys.
class SubAccountPickerState : public PickerCursor {
public:
    void setLines(std::vector<SubAccountLine> lines);
    int rowCount() const override { return static_cast<int>(m_lines.size()); }
    bool isSelectable(int) const override { return true; }
    const SubAccountLine& line(int row) const { return m_lines[static_cast<size_t>(row)]; }
    // Moves to the row with this code, or the first row at or above it.
    void positionNear(const QString& code);
    std::optional<SubAccountLine> current() const;

protected:
    int jumpRow(const QString&) const override { return currentRow(); }
    bool usesJumpBuffer() const override { return false; }

private:
    std::vector<SubAccountLine> m_lines;
};

// Every account's list (Thojo_SEL2): digits jump to the first row whose account code is
// equal to or above them; Enter without digits chooses the current row.
class AllSubAccountPickerState : public PickerCursor {
public:
    void setLines(std::vector<SubAccountLine> lines);
    int rowCount() const override { return static_cast<int>(m_lines.size()); }
    bool isSelectable(int) const override { return true; }
    const SubAccountLine& line(int row) const { return m_lines[static_cast<size_t>(row)]; }
    // The first row whose account code is equal to or above `accountCode`; the last row when
    // every code is below it.
    int nearestRow(const QString& accountCode) const;
    void positionNear(const QString& accountCode) { setCurrentRow(nearestRow(accountCode)); }
    std::optional<SubAccountLine> current() const;

protected:
    int jumpRow(const QString& digits) const override { return nearestRow(digits); }

private:
    std::vector<SubAccountLine> m_lines;
};

} // namespace k9
