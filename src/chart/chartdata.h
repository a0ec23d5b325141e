// SPDX-License-Identifier: GPL-3.0-or-later
// A folder's chart of accounts read into memory: the accounts (kamoku) in code order, the
// fund-statement lines (kamoku2) in SNo order and the sub-accounts (hojokamoku). Blank
// flags stay blank here, because several rules tell a blank flag from an explicit 0.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;

using Flag = std::optional<int>;

// The value a blank flag counts as where no rule tells blank from 0.
inline int flagValue(const Flag& f) {
    return f.value_or(0);
}
inline bool flagIs(const Flag& f, int v) {
    return f.has_value() && *f == v;
}
inline bool flagIn(const Flag& f, int lo, int hi) {
    return f.has_value() && *f >= lo && *f <= hi;
}

// The classification flags FlgA … FlgH shared by accounts and fund-statement lines.
struct LineFlags {
    Flag flgA, flgB, flgC, flgD, flgE, flgF, flgG, flgH;
};

struct ChartAccount : LineFlags {
    QString code;
    QString name;
    Flag a00;           // allocation total: blank, 0 or 100
    int unitShares = 0; // A01 … A20 summed

    bool isBalanceSheet() const { return flagIs(flgB, 1); }
    bool isActivity() const { return flagIs(flgB, 2); }
    bool isInput() const { return flagIs(flgA, 0); }
};

struct ChartFundLine : LineFlags {
    std::optional<long long> sNo;
    QString code;
    QString name;

    bool isInput() const { return flagIs(flgA, 0); }
};

struct ChartSubAccount {
    QString accountCode;
    QString code;
    QString name;
};

struct ChartData {
    std::vector<ChartAccount> accounts;   // code order
    std::vector<ChartFundLine> fundLines; // SNo order
    std::vector<ChartSubAccount> subAccounts;

    const ChartAccount* account(const QString& code) const;
    // Accounts carrying FlgG = role, in code order.
    std::vector<const ChartAccount*> accountsWithRole(int role) const;
};

// Reads kamoku, kamoku2 and hojokamoku of db. Precondition: the three tables exist.
ChartData loadChart(Database& db);

} // namespace k9
