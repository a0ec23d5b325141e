// SPDX-License-Identifier: GPL-3.0-or-later
// The selected unit's view of the journal: the data folder's lines of the unit and its
// share of the common lines (FlgT 0), apportioned by the allocation percentages of the
// accounts shared by all units (FlgB 2). The totals engine, the ledgers, the monthly
// totals, voucher printing, the tax screens and the quarterly report read this view from
// the work folder's denpyou1.
#pragma once

#include "store/money.h"

#include <QHash>
#include <QString>
#include <array>

namespace k9 {

class Database;
struct Session;

// Allocation percentages of one account: index i holds unit i's percentage (A01 … A20);
// index 0 is not used.
using AllocationPercents = std::array<int, 21>;

// Unit `unit`'s share of a common amount. Every unit 1..20 gets the integer part of
// percent × amount / 100 (amounts in whole yen); what truncation leaves over goes to the unit
// with the largest percentage (the first of equal largest; a unit with 0 never takes it, so
// with all percentages 0 nothing is handed out). Units outside 1..20 get 0.
Money apportionShare(Money amount, const AllocationPercents& percents, int unit);

// The accounts of the data folder's chart with FlgB = 2, by code (trailing blanks removed),
// with their A01 … A20 (empty counts as 0).
QHash<QString, AllocationPercents> loadAllocationAccounts(Database& aaa);

// Refills the work denpyou1 from the data folder's journal for `unit`, in (SNo, Sub_No)
// order, in one transaction on the work folder:
// - unit 1..19: the unit's own lines and the common lines (FlgT 0 or empty). On a common
//   line whose debit account is an allocation account both amounts become the unit's share
//   of the debit amount; then, when the credit account is one, both become the unit's share
//   of that credit amount. Other common lines keep their full amounts.
// - unit 0: every line.
// Every written line carries FlgT = unit. A common line whose two amounts are both 0 (or
// empty) after apportioning is left out. Returns the number of lines written. Raises
// StoreError when a table cannot be read or written.
int buildUnitJournal(Database& aaa, Database& www, int unit);

// The same for the session's selected unit. Raises StoreError when no unit is selected.
int buildUnitJournal(Session& session);

} // namespace k9
