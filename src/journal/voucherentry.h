// SPDX-License-Identifier: GPL-3.0-or-later
// The state of transfer voucher entry without its window: the voucher's unit, number, date
// and flags, the twenty lines, new mode and edit mode, the checks and the saving, browsing,
// copying and deleting of vouchers. The screen TInput3 draws this state and turns keys into
// these calls; the tests drive it directly. Messages and questions go through the Prompter.
#pragma once

#include "journal/entrychart.h"
#include "journal/voucherbuffer.h"
#include "journal/voucherstore.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Prompter;
struct Session;

// One item of the unit drop-down.
struct EntryUnitItem {
    int unit = 0;
    QString name;
};

class VoucherEntry {
public:
    VoucherEntry(Session& session, Prompter& prompter);

    // Opening: the voucher's unit from the session (unit 0 for a voucher above 990000 handed
    // in, unit 1 when none is selected), the unit's working chart reloaded in new mode, the
    // unit list, the work table wkdenpyo, the unit change applied, then the voucher handed in
    // (edit mode) or a new one. False when the journal cannot be read ("問題が発生！！" shown):
    // the screen closes.
    bool open(std::optional<int> voucherToOpen = std::nullopt);

    // --- state shown on screen
    bool isNewMode() const { return m_newMode; }
    // A voucher of more than twenty lines: shown, never corrected or copied.
    bool isReadOnly() const { return m_readOnly; }
    int voucherNo() const { return m_voucherNo; }
    int voucherCount() const { return m_voucherCount; }
    int entryUnit() const { return m_unit; }
    QString entryUnitText() const { return QString::number(m_unit); }
    QString entryUnitName() const { return m_unitName; }
    const std::vector<EntryUnitItem>& units() const { return m_units; }
    int scheme() const;

    // The date fields as typed, and the two ticks.
    QString year, month, day;
    bool adjusting = false;
    bool unsettled = false;

    const VoucherBuffer& buffer() const { return m_buffer; }
    const VoucherLine& line(int row) const { return m_buffer.line(row); }
    VoucherTotals totals() const { return m_buffer.totals(); }
    const EntryChart& chart() const { return m_chart; }

    // Lines changed since the voucher was loaded or saved.
    bool isModified() const { return m_modified; }
    void setModified() { m_modified = true; }
    // Whether leaving now would lose typed lines.
    bool hasUnsavedChanges() const;

    // --- header checks (on leaving the fields): the message, or nullopt when the value is fine
    static std::optional<QString> checkYear(const QString& text);
    static std::optional<QString> checkMonth(const QString& text);

    // "会計" drop-down. Refuses a subtotal column ("ここは[小計]であるので、選択できません。") and,
    // in edit mode, asks before dropping changed lines. New mode keeps the lines (the copy of
    // a voucher to another unit) and shows the unit's next number; edit mode shows the unit's
    // last voucher (per-unit numbering) or the voucher again. The session's selected unit,
    // the unit's sub-account names and the accounts' unit marks (FlgJ) follow. False when
    // the unit did not change.
    bool changeUnit(int unit);

    // --- typing a line
    // The cursor entered a code field (the default tax class is applied again only after the
    // code changed since).
    void codeFieldEntered(int row, Side side);
    // A chosen account code (typed in full, or picked). Unknown codes and codes that do not
    // take entries leave the side's code and name empty. Sets the picked code and name of the
    // side (a debit also empties the picked credit code). Returns true when the cursor goes to
    // the sub-account code (the account has sub-accounts).
    bool setAccount(int row, Side side, const QString& code);
    // Leaving an empty code: the rest of the side is cleared.
    void clearSide(int row, Side side);
    // A sub-account code; the name is the unit's, empty when the code is unknown.
    void setSubAccount(int row, Side side, const QString& code);
    void setAmount(int row, Side side, Money amount);
    // Enter in the credit amount: an empty credit amount on a line with a debit code takes the
    // debit amount. In unit 0 a credit amount different from the debit amount is refused
    // ("自動按分仕訳では複合仕訳は出来ません。…") and false returned: the cursor stays.
    bool creditAmountEnter(int row);
    // Enter in an amount: true when the cursor goes to the side's tax class (the account has
    // a default class, which fills an empty class after the code changed); otherwise the
    // class is cleared and the cursor moves on.
    bool amountEnter(int row, Side side);
    void setTaxClass(int row, Side side, std::optional<int> taxClass);
    void setDescription(int row, int which, const QString& text);
    // "*" in a debit code: the line above. False on the first line.
    bool copyLineAbove(int row);
    // "行挿入" ("これ以上の挿入は出来ません。" when refused) and "行削除".
    bool insertLine(int row);
    void deleteLine(int row);

    // --- voucher operations
    // "書込（F7)": checks, numbers and writes the voucher. True when written; then a new
    // voucher starts (keeping the date) or the corrected voucher is shown again.
    bool save();
    // "新規登録(F5)": asks first when changed lines would be lost.
    bool startNew();
    // "編集前に戻す": the voucher as stored (or an empty new voucher), dropping changes.
    void revert();
    // "伝票削除": asks, deletes every line of the voucher and shows the voucher now at its
    // place in the list (a new voucher when none is left).
    bool deleteCurrent();
    // "伝票複写": asks, then the lines on screen become a new voucher of the entry's unit.
    bool copyCurrent();

    enum class Move { First, Prior, Next, Last };
    // Navigator and PageUp / PageDown, asking first when changed lines would be lost. In new
    // mode "previous" and "last" go to the last voucher. False when nothing changed.
    bool browse(Move move);
    // "伝票番号検索": the voucher with the number, in edit mode; false (nothing changes) when it
    // is not in the list.
    bool openNumber(int sNo);
    // The question before an action that reloads or closes the screen:
    // "入力されたデータはまだ保存されていませんので、保存します。" (Yes saves, No drops the lines,
    // Cancel stays). True when the action may go on.
    bool confirmLeave();

private:
    void loadNew();
    void loadVoucher(int sNo);
    void setUnit(int unit);
    void afterUnitChange();
    void fillWorkTable();
    std::optional<QDate> voucherDate();
    bool checkAndWrite();
    VoucherList list() const { return VoucherList::forScheme(scheme(), m_unit); }
    QString unitName(int unit) const;

    Session& m_session;
    Prompter& m_prompter;
    EntryChart m_chart;
    VoucherBuffer m_buffer;
    std::vector<EntryUnitItem> m_units;
    bool m_newMode = true;
    bool m_readOnly = false;
    bool m_modified = false;
    int m_voucherNo = 0;
    int m_voucherCount = 0;
    int m_unit = 1;
    QString m_unitName;
    std::optional<QDate> m_rememberedDate;
    bool m_codeChanged[kVoucherLines][2] = {};
};

} // namespace k9
