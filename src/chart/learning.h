// SPDX-License-Identifier: GPL-3.0-or-later
// The learning lists of voucher entry, kept in the work folder: WKTBL0 holds the debit
// accounts used most recently (renNo 1 = the latest), WKTBL1 for each debit account the
// credit accounts used with it. Every change rewrites the affected rows in one transaction.
#pragma once

#include <QString>
#include <vector>

namespace k9 {

class Database;
struct Session;

// One row of a learning list with the account's name from the work-folder kamoku (as
// stored; empty when the account is gone).
struct LearnedAccount {
    int renNo = 0;
    QString code;
    QString name;
};

// WKTBL0 in renNo order.
std::vector<LearnedAccount> debitLearningList(Database& www);
// The WKTBL1 rows of one debit account in renNo order (code = code2).
std::vector<LearnedAccount> creditLearningList(Database& www, const QString& debitCode);

// The debit list is cut only when it holds more than this many rows before a new code is
// added, so it settles at one row more (21); a longer list rebuilt from the journal keeps
// its length.
inline constexpr int kDebitLearningCut = 20;

// Moves `code` to row 1 of WKTBL0, or adds it there (deleting the last row first when the
// list holds more than kDebitLearningCut rows); the other rows keep their order and are
// numbered 2, 3, … Returns the number of rows afterwards.
int recordDebitUse(Database& www, const QString& code);
// Moves the pair to row 1 of the debit account's rows in WKTBL1, or adds it there (no size
// limit); the debit account's other rows keep their order.
void recordCreditUse(Database& www, const QString& debitCode, const QString& creditCode);

// Voucher entry's calls on leaving the code fields: record PickedDebitCode when it has
// AccountCodeLength characters; record the pair (PickedDebitCode, PickedCreditCode) when
// both have. Return whether anything was recorded.
bool recordDebitUse(Session& session);
bool recordCreditUse(Session& session);

// "不要科目の削除": deletes the row and numbers the remaining rows 1, 2, … in their order.
void removeDebitLearningRow(Database& www, int renNo);
void removeCreditLearningRow(Database& www, const QString& debitCode, int renNo);

} // namespace k9
