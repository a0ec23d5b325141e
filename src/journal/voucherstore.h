// SPDX-License-Identifier: GPL-3.0-or-later
// The journal (data-folder denpyou1) as voucher entry sees it: numbering of new vouchers,
// reading one voucher, writing it in one transaction, deleting it, and stepping through the
// voucher numbers. Every query is a keyed lookup on (SNo, Sub_No); none reads the whole
// journal except countVouchers.
#pragma once

#include "journal/voucherbuffer.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;

// VoucherNumbering: 0 = one serial over all units, 1 = a serial per unit.
inline constexpr int kSingleSerial = 0;
inline constexpr int kSerialPerUnit = 1;
// Per-unit blocks: unit u numbers u×10000+1 …, unit 0 (automatic allocation) from 990001.
inline constexpr int kUnitBlock = 10000;
inline constexpr int kAllocationBlockStart = 990001;

// The numbers a unit's new vouchers take under a scheme: [first, last].
struct NumberBlock {
    int first = 1;
    int last = 0x7fffffff;
};
NumberBlock numberBlock(int scheme, int unit);

// The number a new voucher of `unit` takes: one above the highest number already used in
// the scheme's block (by a line of any unit, so the number is free), or the block's first
// number; nullopt when the block's last number is taken (older single-serial numbers can
// fill a unit's block), and saving then refuses with a message naming the unit.
std::optional<int> nextVoucherNumber(Database& aaa, int scheme, int unit);

// Whether any journal line carries the number.
bool voucherExists(Database& aaa, int sNo);

// The voucher header written to every line.
struct VoucherHeader {
    int sNo = 0;
    QDate date;
    int unit = 0;           // FlgT
    bool adjusting = false; // FlgU = 1
    bool unsettled = false; // FlgV = 1
};

// One stored voucher. `lines` holds the stored rows in Sub_No order (all of them, even
// beyond twenty).
struct StoredLine {
    int subNo = 0;
    QString lcode, rcode, lhcode, rhcode;
    Money lkingaku, rkingaku;
    QString tekiyou1, tekiyou2;
    std::optional<int> lflgS, rflgS, flgT, flgU, flgV, flgW;
};
struct StoredVoucher {
    VoucherHeader header;
    std::vector<StoredLine> lines;
};
// The voucher's rows, or nullopt when no line carries the number.
std::optional<StoredVoucher> readVoucher(Database& aaa, int sNo);

// Replaces the voucher: in one transaction deletes every line of header.sNo (when
// `replace`) and inserts one row per buffer line with an amount on either side, Sub_No being
// the line's number. A new voucher (`replace` false) never deletes: the caller gives a
// number that no line carries, and the insert fails rather than overwrite one. Returns the
// number of rows written. Raises StoreError (nothing written) on failure.
int writeVoucher(Database& aaa, const VoucherHeader& header, const VoucherBuffer& buffer, bool replace);

// A new voucher: allocates the number inside the transaction (nextVoucherNumber) and writes
// the lines. Returns the number given. Raises StoreError when the block is full.
int writeNewVoucher(Database& aaa, int scheme, VoucherHeader header, const VoucherBuffer& buffer);

// Deletes every line of the voucher in one statement. Returns the rows deleted.
int deleteVoucher(Database& aaa, int sNo);

// The voucher list for browsing: every voucher (scheme 0), or those of one unit (scheme 1).
struct VoucherList {
    std::optional<int> unit; // FlgT filter; nullopt = all units
    static VoucherList forScheme(int scheme, int unit) {
        return scheme == kSerialPerUnit ? VoucherList{unit} : VoucherList{};
    }
};
std::optional<int> firstVoucher(Database& aaa, const VoucherList& list);
std::optional<int> lastVoucher(Database& aaa, const VoucherList& list);
std::optional<int> voucherAfter(Database& aaa, const VoucherList& list, int sNo);
std::optional<int> voucherBefore(Database& aaa, const VoucherList& list, int sNo);
bool voucherInList(Database& aaa, const VoucherList& list, int sNo);
// The number of vouchers in the list (reads the journal; used on opening only).
int countVouchers(Database& aaa, const VoucherList& list);

// The work table wkdenpyo holding the twenty lines on screen: dropped and created again.
void recreateWorkVoucherTable(Database& www);
// Replaces wkdenpyo's rows with the buffer's twenty lines (one transaction on the work folder).
void writeWorkVoucherTable(Database& www, const VoucherBuffer& buffer, int sNo, int unit,
                           const QString& unitName, bool adjusting, bool unsettled);

} // namespace k9
