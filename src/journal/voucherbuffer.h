// SPDX-License-Identifier: GPL-3.0-or-later
// The voucher being typed or corrected: twenty lines, each with a debit and a credit side
// and two descriptions. Lines without an amount are not stored, so a saved voucher may have
// gaps in its line numbers; the buffer always keeps lines 1..20 in order.
#pragma once

#include "store/money.h"

#include <QString>
#include <array>
#include <optional>

namespace k9 {

inline constexpr int kVoucherLines = 20;

enum class Side { Debit, Credit };

// One side of a journal line: account, sub-account, amount and consumption-tax class.
struct VoucherSide {
    QString code;                  // Lcode / Rcode
    QString name;                  // the account's name without spaces
    QString subCode;               // LHcode / RHcode
    QString subName;               // the unit's name of the sub-account
    Money amount;                  // Lkingaku / Rkingaku; empty = no amount
    std::optional<int> tax;        // LflgS / RflgS; empty = outside consumption tax
    QString taxName;               // display name of the class
    std::optional<int> defaultTax; // the account's FlgF (LflgF / RflgF)
    bool hasSubAccounts = false;   // the account's FlgD is 1

    bool isBlank() const { return code.isEmpty() && subCode.isEmpty() && amount.isEmpty() && !tax; }
    // Clears everything but the code (what leaving an empty code does to the rest).
    void clear() { *this = VoucherSide(); }
};

struct VoucherLine {
    int subNo = 0; // 1..20
    VoucherSide debit;
    VoucherSide credit;
    QString tekiyou1;
    QString tekiyou2;
    std::optional<int> flgW; // kept as loaded, never set by the entry

    VoucherSide& side(Side s) { return s == Side::Debit ? debit : credit; }
    const VoucherSide& side(Side s) const { return s == Side::Debit ? debit : credit; }
    bool hasAmount() const { return !debit.amount.isEmpty() || !credit.amount.isEmpty(); }
    bool hasCode() const { return !debit.code.isEmpty() || !credit.code.isEmpty(); }
    bool isBlank() const {
        return debit.isBlank() && credit.isBlank() && tekiyou1.isEmpty() && tekiyou2.isEmpty();
    }
};

struct VoucherTotals {
    Money debit = Money::zero();
    Money credit = Money::zero();
    bool balanced() const { return debit == credit; }
};

class VoucherBuffer {
public:
    VoucherBuffer() { clear(); }

    // Empties every line and numbers them 1..20.
    void clear();
    VoucherLine& line(int row) { return m_lines[static_cast<size_t>(row)]; }
    const VoucherLine& line(int row) const { return m_lines[static_cast<size_t>(row)]; }
    static constexpr int size() { return kVoucherLines; }

    // "行挿入": an empty line before `row` (0-based); line 20 drops off. Refused (false) on the
    // last line and when line 20 carries a code, so nothing typed is pushed out.
    bool insertLine(int row);
    // "行削除": removes `row`; the following lines move up and line 20 is empty.
    void deleteLine(int row);
    // "*" in the debit code: the line above's codes, names, sub-accounts, amounts, tax
    // classes and descriptions. Refused (false) on the first line.
    bool copyLineAbove(int row);

    VoucherTotals totals() const;
    // Whether any line holds anything (a code, an amount, a class or a description).
    bool isBlank() const;
    // The number of lines that will be stored (those with an amount on either side).
    int storedLineCount() const;

private:
    void renumber();
    std::array<VoucherLine, kVoucherLines> m_lines;
};

// Amount typing: "." is ignored, "/" appends "000" to the digits typed so far. Returns the
// new text of the field, or nullopt when the key is an ordinary one for the field to handle.
std::optional<QString> amountKey(const QString& text, QChar key);
// Reads a typed amount: whole yen with optional separators and sign; empty text is no amount.
// nullopt when the text is not an amount.
std::optional<Money> parseAmount(const QString& text);

} // namespace k9
