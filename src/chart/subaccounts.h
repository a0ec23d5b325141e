// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-accounts (補助科目): the common list hojokamoku of a chart folder and the per-unit
// copies Mhojokamoku of the data folder. Holds the code rule, the count of what would be
// lost with a sub-account, the editing behind THojokamoku, the seeding of the units' rows
// ("会計別名称変更") and the per-unit names behind Tkamoku_hojo.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;
struct Session;

// A sub-account code is exactly three characters from "001" to "999" in text order.
inline constexpr int kSubAccountCodeLength = 3;
bool isValidSubAccountCode(const QString& code);
// What the code column keeps when the cursor leaves it: the code, or empty when invalid.
QString subAccountCodeOnLeaving(const QString& typed);

// What depends on one sub-account: journal lines of the data folder carrying it on either
// side, and units whose Mhojokamoku row holds an amount (any money column other than
// blank or 0). Tables missing from the folder (a chart template) count nothing.
struct SubAccountUses {
    int journalLines = 0;
    int unitsWithAmounts = 0;
};
SubAccountUses countSubAccountUses(Database& folder, const QString& accountCode, const QString& code);

// The answer to a change that would take a sub-account code away (deleting it, or giving it
// another code): refused with a message, or a question that only Yes lets through.
struct SubAccountChangeCheck {
    bool refused = false;
    QString text;
};
SubAccountChangeCheck subAccountDeletionCheck(const QString& code, const QString& name,
                                              const SubAccountUses& uses);
// A code change that leaves nothing behind needs no question (empty text).
SubAccountChangeCheck subAccountRecodeCheck(const QString& code, const QString& name,
                                            const SubAccountUses& uses);

// THojokamoku's rows: one account's sub-accounts in code order and, below them, a row
// being typed. A row is stored as soon as it has a valid code; a stored row's code and name
// are written at each change. Database errors propagate as StoreError.
class SubAccountEditor {
public:
    struct Row {
        QString storedCode; // the key in hojokamoku; empty while the row is not stored
        QString code;       // as shown (empty after an invalid code was cleared)
        QString name;
        bool isStored() const { return !storedCode.isEmpty(); }
    };

    SubAccountEditor(Database& chartFolder, QString accountCode);
    const QString& accountCode() const { return m_accountCode; }
    Database& folder() { return m_db; }

    void reload();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int r) const { return m_rows.at(static_cast<size_t>(r)); }

    // The Down key on the last row: a new row below, unless the last row is already an
    // untouched new one. Returns whether a row was added.
    bool appendRow();
    bool canAppendRow() const;

    enum class CodeResult {
        Kept,      // the code is shown; stored when the row is stored or could be added
        Cleared,   // the code was invalid and is cleared
        Duplicate, // another sub-account of the account has this code; the row keeps its old code
    };
    // Leaving the code column with `typed`. An invalid code is cleared. A valid code stores a
    // new row (kamoku_CD from the account) or re-keys a stored row. The caller checks a
    // re-key of a stored row first (subAccountRecodeCheck).
    CodeResult setCode(int r, const QString& typed);
    // Writes the name (cut to the column's width) when the row is stored.
    void setName(int r, const QString& name);
    // Uses of the row's stored sub-account (nothing for a row not stored).
    SubAccountUses uses(int r);
    // Deletes the row: a stored row from hojokamoku; a row not stored just disappears.
    void removeRow(int r);
    // Closing: rows still without a valid code are dropped, stored rows keep their stored code.
    void discardUnstored();

private:
    bool codeTaken(const QString& code, int exceptRow) const;
    Database& m_db;
    QString m_accountCode;
    std::vector<Row> m_rows;
};

// "会計別名称変更", first step: for every unit 0..20 whose BUMON row has a name, every common
// sub-account gets its Mhojokamoku row (added when missing) and an empty unit name is filled
// with the common name. A name of one blank is not empty. One transaction on the data folder.
void seedUnitSubAccountNames(Database& aaa);
void seedUnitSubAccountNames(Session& session);

// A BUMON row as the per-unit name editor lists it.
struct UnitEntry {
    int unit = 0;
    QString name; // as stored
};
// Every BUMON row in table (code) order.
std::vector<UnitEntry> loadUnitEntries(Database& aaa);

struct UnitSubAccountName {
    QString code;
    QString name; // as stored: empty stands for the common name, " " hides the name
};
// The unit's Mhojokamoku rows of one account in code order.
std::vector<UnitSubAccountName> loadUnitSubAccountNames(Database& aaa, int unit, const QString& accountCode);
// Stores the unit's name of one sub-account (cut to 20 bytes; an empty name is stored blank
// and a one-blank name as " ").
void storeUnitSubAccountName(Database& aaa, int unit, const QString& accountCode, const QString& code,
                             const QString& name);

// The unit the per-unit name editor starts on: the session's unit, or — when none is
// selected (CurrentUnit -1 or an empty CurrentUnitText) — unit 1, which then becomes the
// session's selected unit through Session::setCurrentUnit.
int nameEditorStartUnit(Session& session);

} // namespace k9
