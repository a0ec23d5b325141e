// SPDX-License-Identifier: GPL-3.0-or-later
// What would be lost if an account (or a fund-statement line) left the chart: journal
// lines posted to it, the units' amounts kept on its master rows, the fund-statement lines
// linked to it by code and its sub-accounts. The chart editor counts these before it
// deletes a line or changes a stored line's key, and refuses or asks accordingly.
#pragma once

#include <QString>

namespace k9 {

class Database;

struct AccountUses {
    int journalLines = 0;   // denpyou1 lines with the code as debit (Lcode) or credit (Rcode)
    int unitAmountRows = 0; // units whose Mkamoku row of the code holds an amount or a note
    int fundLines = 0;      // kamoku2 lines carrying the code
    int subAccounts = 0;    // hojokamoku rows of the account

    bool any() const { return journalLines > 0 || unitAmountRows > 0 || fundLines > 0 || subAccounts > 0; }
    bool operator==(const AccountUses&) const = default;
};

// Counts the uses of account `code` in the folder `chart` (a data folder, or a template
// folder where the tables of the books are absent and count as unused). Raises StoreError
// when a table cannot be read.
AccountUses countAccountUses(Database& chart, const QString& code);

struct FundLineUses {
    int unitAmountRows = 0; // units whose Mkamoku2 row of the SNo holds an amount or a note

    bool any() const { return unitAmountRows > 0; }
};

FundLineUses countFundLineUses(Database& chart, long long sNo);

// The decision on taking a line out of the chart.
enum class RemovalVerdict {
    Proceed, // nothing is lost and no question is needed
    Confirm, // ask `message` (Yes/No); only Yes proceeds
    Refuse   // show `message`; nothing changes
};

struct RemovalCheck {
    RemovalVerdict verdict = RemovalVerdict::Proceed;
    QString message;
};

// Deleting an account: refused while journal lines are posted to it (the vouchers would
// point at an account that no longer exists); otherwise a confirmation that lists what is
// lost (the units' amounts, fund-statement links, sub-accounts), or a plain "delete?" when
// nothing is.
RemovalCheck accountDeletionCheck(const AccountUses& uses, const QString& code, const QString& name);

// Changing the code of a stored account: the old code's uses are lost the same way (its
// master rows and sub-accounts go at the editor's close), so the same rule applies; with
// no uses the change goes ahead without a question.
RemovalCheck accountCodeChangeCheck(const AccountUses& uses, const QString& code, const QString& name,
                                    const QString& newCode);

// Deleting a fund-statement line: a confirmation, naming the units' amounts when its
// master rows hold any.
RemovalCheck fundLineDeletionCheck(const FundLineUses& uses, long long sNo, const QString& name);

// Changing the SNo of a stored fund-statement line: a confirmation when its master rows
// hold amounts (they go at the editor's close), otherwise no question.
RemovalCheck fundLineSerialChangeCheck(const FundLineUses& uses, long long sNo, const QString& name,
                                       long long newSNo);

} // namespace k9
