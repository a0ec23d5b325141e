// SPDX-License-Identifier: GPL-3.0-or-later
// What voucher entry needs to know of the unit's working chart while the user types: each
// account's name (without spaces) and flags, the unit's sub-account names and the tax
// classes that carry a name. Read once when the screen opens or the unit changes, so that
// moving between fields never queries a table.
#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>

namespace k9 {

class Database;
struct Session;

struct EntryAccount {
    QString name; // without spaces
    std::optional<int> flgA, flgB, flgD, flgF, flgH;
    // The entry's own test: an input line (FlgA reads 0), and not an activity line whose fund
    // link FlgH is 21..49.
    bool acceptsEntry() const;
};

class EntryChart {
public:
    // Reads the work-folder kamoku and hojokamoku, and the data folder's syohizei.
    void load(Database& www, Database& aaa, const std::array<QString, 51>& taxClassNames);
    // Only the sub-account names (after the unit changed).
    void loadSubAccounts(Database& www);

    const EntryAccount* account(const QString& code) const;
    // The unit's name of the sub-account; nullopt when the account has no such code.
    std::optional<QString> subAccountName(const QString& accountCode, const QString& code) const;
    // The display name of a tax class: the class's name when syohizei has the class with a
    // non-empty kubun, otherwise empty.
    QString taxClassName(std::optional<int> taxClass) const;

private:
    QHash<QString, EntryAccount> m_accounts;
    QHash<QString, QString> m_subAccounts; // key: account code + "/" + code
    QHash<int, QString> m_taxNames;
};

// Sets FlgJ of every work-folder kamoku account from its column B<unit> of the data
// folder's kamoku (the accounts marked for the unit in the picker's "選択した科目のみ"). One
// transaction on the work folder.
void refreshUnitMarks(Database& aaa, Database& www, int unit);

} // namespace k9
