// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger (勘定元帳): for one account, one sub-account, or a range of them, the
// carry-forward row with the balance before the period, every journal line of the stored
// period that touches the ledger with its counter account and running balance, a subtotal
// row after each month and the total row. Reads the work copies the totals run left
// (前残高 of kamoku and hojokamoku, the unit's denpyou1, the period in the work Head) and
// writes the rows into the work table WTBL2, which the screen, the printout and the exports
// read.
#pragma once

#include "engine/totalsmodel.h"
#include "store/money.h"
#include "store/tabledefs.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace k9 {
class Database;
struct Session;
} // namespace k9

namespace k9::ledger {

// The label of the carry-forward row, of the total row, and the counter account of a line
// whose other side lies on other lines of a compound voucher.
QString carryForwardLabel();
QString totalLabel();
QString compoundCounterName();
// " ＊＊ 04 月　計　＊＊" for month 4 (month 0 when the ledger lists no line).
QString monthTotalLabel(int month);
// The carry-forward label of an all-accounts build: "【" + the account name without spaces +
// "】   繰り越し", cut before a double-byte character that would begin at byte 40.
QString namedCarryForwardLabel(const QString& accountName);

enum class RowKind { CarryForward, Line, MonthTotal, Total };

// One row of WTBL2. Blank amounts are empty Money, a blank date an invalid QDate.
struct LedgerRow {
    RowKind kind = RowKind::Line;
    int sNo = 0;                      // display order within the ledger, 0 = carry-forward
    std::optional<long long> voucher; // Denpyou_No: the journal line's SNo
    std::optional<int> subNo;         // Sub_No
    QDate date;                       // hizuke: only on the first listed line of a date
    QString tekiyou1;                 // description 1, or the label of the other rows
    QString tekiyou2;
    QString ownSubName;     // Ahojokamoku: the ledger side's sub-account name
    Money debit;            // Lkingaku: debited to the ledger
    Money credit;           // Rkingaku: credited to the ledger
    Money balance;          // zandaka: blank when the next listed line has the same date
    QString counterName;    // aitekamoku: spaces removed, or "諸　口"
    QString counterCode;    // aiteCode: blank with "諸　口"
    QString counterSubName; // Bhojokamoku
    QString key;            // Bumonmei: account code, or account code + sub-account code
    QString taxClass;       // zei: LflgS when not blank, else RflgS

    bool isMonthTotal() const { return kind == RowKind::MonthTotal; } // Flg 1
};

// One ledger of a build and its rows' place in Ledgers::rows.
struct LedgerSummary {
    QString key;
    QString accountCode;
    QString subCode; // empty for an account ledger
    QString accountName;
    QString subName;
    int nature = 0;    // the account's FlgC: 0 debit nature, 1 credit nature
    int lineCount = 0; // 件数: listed journal lines
    Money debit;       // 累計合計: the period's debit sum
    Money credit;      // the period's credit sum
    Money balance;     // the final running balance
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
    bool isSubAccount() const { return !subCode.isEmpty(); }
    // LedgerTitleName: the account name, or 科目名 + "・" + 補助科目名.
    QString titleName() const;
};

struct Ledgers {
    std::vector<LedgerRow> rows; // every ledger's rows, ledger after ledger
    std::vector<LedgerSummary> ledgers;
};

// Which journal lines a build lists and where its running balances start: the fiscal-year
// start, the stored period and the two voucher options of the last totals run.
struct LedgerPeriod {
    QDate start;
    QDate from;
    QDate to;
    totals::VoucherOptions options;
};

// The period stored in the work Head with the session's fiscal-year start and options.
// Raises K9Error when the work Head holds no period.
LedgerPeriod storedLedgerPeriod(Session& session);

// The layout of WTBL2.
const TableDef& ledgerTable();

// Builds ledgers from the work copies and returns them without touching WTBL2. Account
// ledgers come in code order, sub-account ledgers in (account, sub-account) order.
//  - accountLedger: the account `code`; no ledger when the code is not in the work kamoku.
//  - allAccountLedgers: every input account (FlgA 0), the carry-forward label naming the
//    account ("【現金】   繰り越し").
//  - accountRangeLedgers: every input account with from ≤ code ≤ to (codes as text).
//  - subAccountLedger: the pair (code, sub); a pair missing from the work hojokamoku still
//    lists its lines but has no carry-forward row (its balance starts at 0).
//  - subAccountRangeLedgers: every sub-account of an account of the chart whose account
//    code + sub-account code lies between `first` and `last` ("00000000" … "99999999" for
//    all).
// A single ledger reads the journal with one query over that account's lines; a range
// reads the period's journal once and hands each line to the ledgers of its two sides.
// Raises StoreError when a work table cannot be read.
Ledgers accountLedger(Database& www, const LedgerPeriod& period, const QString& code);
Ledgers allAccountLedgers(Database& www, const LedgerPeriod& period);
Ledgers accountRangeLedgers(Database& www, const LedgerPeriod& period, const QString& from,
                            const QString& to);
Ledgers subAccountLedger(Database& www, const LedgerPeriod& period, const QString& code, const QString& sub);
Ledgers subAccountRangeLedgers(Database& www, const LedgerPeriod& period, const QString& first,
                               const QString& last);

// Drops and recreates WTBL2 and writes the rows, in one transaction.
void storeLedgerRows(Database& www, const std::vector<LedgerRow>& rows);

// The screen's builds: the ledger of the stored period and the session's options, written
// into WTBL2 and returned.
Ledgers showAccountLedger(Session& session, const QString& code);
Ledgers showSubAccountLedger(Session& session, const QString& code, const QString& sub);

// The rows of WTBL2 as stored, in ledger and display order (for a screen that reopens on
// the last build).
std::vector<LedgerRow> loadLedgerRows(Database& www);

} // namespace k9::ledger
