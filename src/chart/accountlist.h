// SPDX-License-Identifier: GPL-3.0-or-later
// The account picker's list: the unit's working chart (work-folder kamoku) in code order,
// limited by the display choice "表示選択", with the jump to the nearest code and the
// remembered choice in the program folder's Regist row 2.
#pragma once

#include "chart/chartdata.h"
#include "chart/jumpcursor.h"

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;

// One line of the working chart as the picker shows it. Names keep their indentation.
struct AccountLine {
    QString code;
    QString name;
    LineFlags flags;
    Flag flgJ; // the unit's display mark, copied from B<unit> by voucher entry

    bool isPostable() const;
};

// The work-folder kamoku in code order. Raises StoreError when it cannot be read.
std::vector<AccountLine> loadAccountLines(Database& www);

// "表示選択": every line, or only the heading and total lines plus the input accounts marked
// for the unit (FlgA other than 0 — a blank FlgA is a heading — or FlgJ = 1).
enum class AccountDisplay { All = 0, MarkedOnly = 1 };
bool isShown(AccountDisplay display, const AccountLine& line);

// The choice kept in Regist row ID = 2, column P1 (0 = すべて表示, 1 = 選択した科目のみ);
// nullopt when the row is missing. A blank P1 reads as すべて表示.
std::optional<AccountDisplay> readAccountDisplay(Database& hm);
// Stores the choice, appending row 2 when missing; one transaction. Returns false without
// writing when the program folder refuses writes (view-only login).
bool storeAccountDisplay(Database& hm, AccountDisplay display);

// What a picker hands back: the account under the cursor when it closed.
struct PickedAccount {
    QString code;
    QString name; // as stored; callers remove the spaces (removeSpaces) where they show it
    Flag flgC;
    Flag flgD;
    bool postable = false;
};

// The account picker's state: the lines shown under the display choice and the cursor.
class AccountPickerState : public PickerCursor {
public:
    // Replaces the lines; the cursor stays on the same code when it is still shown.
    void setLines(std::vector<AccountLine> lines);
    void reload(Database& www) { setLines(loadAccountLines(www)); }

    AccountDisplay display() const { return m_display; }
    // Applies a display choice: the cursor returns to the code it was on when that code is
    // still shown, else it goes to the first line.
    void setDisplay(AccountDisplay display);

    int rowCount() const override { return static_cast<int>(m_shown.size()); }
    bool isSelectable(int row) const override;
    const AccountLine& line(int row) const { return m_lines[m_shown[static_cast<size_t>(row)]]; }
    // The shown line with exactly this code, or -1.
    int rowOfCode(const QString& code) const;
    // The first shown line whose code is equal to or above `code` in code order; the last
    // line when every code is below it.
    int nearestRow(const QString& code) const;
    void positionNear(const QString& code) { setCurrentRow(nearestRow(code)); }
    std::optional<PickedAccount> current() const;

protected:
    int jumpRow(const QString& digits) const override { return nearestRow(digits); }

private:
    void refilter(const QString& keepCode);
    std::vector<AccountLine> m_lines;
    std::vector<size_t> m_shown;
    AccountDisplay m_display = AccountDisplay::All;
};

} // namespace k9
