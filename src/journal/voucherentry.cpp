// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/voucherentry.h"

#include "journal/journaltexts.h"
#include "store/database.h"
#include "store/prompter.h"
#include "store/registrows.h"
#include "store/session.h"
#include "store/unitchart.h"

#include <QHash>

namespace k9 {

namespace {
constexpr int kVoucherEntryRegistId = 1;
} // namespace
namespace {

int sideIndex(Side side) {
    return side == Side::Debit ? 0 : 1;
}

void setDateFields(VoucherEntry& e, const QDate& d) {
    e.year = QString::number(d.year());
    e.month = QString::number(d.month());
    e.day = QString::number(d.day());
}

} // namespace

VoucherEntry::VoucherEntry(Session& session, Prompter& prompter) : m_session(session), m_prompter(prompter) {}

int VoucherEntry::scheme() const {
    return m_session.voucherNumbering == kSerialPerUnit ? kSerialPerUnit : kSingleSerial;
}

QString VoucherEntry::unitName(int unit) const {
    if (unit == 0)
        return journaltext::kAllocationUnitName;
    for (const auto& u : m_units)
        if (u.unit == unit)
            return u.name;
    return {};
}

bool VoucherEntry::open(std::optional<int> voucherToOpen) {
    int unit = m_session.currentUnit;
    if (voucherToOpen && *voucherToOpen >= kAllocationBlockStart)
        unit = 0;
    if (unit < 0 || m_session.currentUnitText.isEmpty())
        unit = 1;

    // The voucher-entry settings row (Regist ID 1) is kept for the screen's options.
    if (!m_session.hm.writeProtected() && m_session.hm.tableExists(QStringLiteral("Regist")))
        writeRegistRow(m_session.hm, kVoucherEntryRegistId, {});

    if (!voucherToOpen) {
        loadUnitChart(m_session.aaa, m_session.www, unit);
        m_rememberedDate.reset();
    }

    m_units.clear();
    Statement st = m_session.aaa.prepare(QStringLiteral("SELECT code, Bumonmei FROM BUMON ORDER BY code"));
    while (st.step()) {
        const int code = static_cast<int>(st.integer(0));
        m_units.push_back({code, code == 0 ? journaltext::kAllocationUnitName : st.text(1).trimmed()});
    }

    recreateWorkVoucherTable(m_session.www);
    if (!m_session.aaa.tableExists(QStringLiteral("denpyou1"))) {
        m_prompter.error(journaltext::kJournalTrouble);
        return false;
    }
    setUnit(unit);
    if (voucherToOpen)
        loadVoucher(*voucherToOpen);
    else
        loadNew();
    return true;
}

void VoucherEntry::setUnit(int unit) {
    m_unit = unit;
    m_unitName = unitName(unit);
    QString sessionName = m_unitName;
    if (unit == 0) {
        Statement st = m_session.aaa.prepare(QStringLiteral("SELECT Bumonmei FROM BUMON WHERE code = 0"));
        if (st.step())
            sessionName = st.text(0).trimmed();
    }
    m_session.setCurrentUnit(unit, sessionName);
    refreshSubAccountNames(m_session.aaa, m_session.www, unit);
    refreshUnitMarks(m_session.aaa, m_session.www, unit);
    m_chart.load(m_session.www, m_session.aaa, m_session.taxClassNames);
    m_voucherCount = countVouchers(m_session.aaa, list());
}

void VoucherEntry::afterUnitChange() {
    // The lines on screen take the unit's own sub-account names.
    for (int row = 0; row < kVoucherLines; ++row) {
        VoucherLine& l = m_buffer.line(row);
        for (Side s : {Side::Debit, Side::Credit}) {
            VoucherSide& side = l.side(s);
            if (!side.subCode.isEmpty())
                side.subName = m_chart.subAccountName(side.code, side.subCode).value_or(QString());
        }
    }
}

void VoucherEntry::fillWorkTable() {
    writeWorkVoucherTable(m_session.www, m_buffer, m_voucherNo, m_unit, m_unitName, adjusting, unsettled);
}

void VoucherEntry::loadNew() {
    m_newMode = true;
    m_readOnly = false;
    m_modified = false;
    m_voucherNo = nextVoucherNumber(m_session.aaa, scheme(), m_unit).value_or(0);
    setDateFields(*this, m_rememberedDate.value_or(QDate::currentDate()));
    m_buffer.clear();
    adjusting = false;
    unsettled = false;
    for (auto& l : m_codeChanged)
        l[0] = l[1] = false;
    fillWorkTable();
}

void VoucherEntry::loadVoucher(int sNo) {
    const auto stored = readVoucher(m_session.aaa, sNo);
    if (!stored) {
        loadNew();
        return;
    }
    m_newMode = false;
    m_modified = false;
    m_voucherNo = sNo;
    m_readOnly = stored->lines.size() > static_cast<size_t>(kVoucherLines);
    m_buffer.clear();
    for (auto& l : m_codeChanged)
        l[0] = l[1] = false;
    const int shown = std::min(static_cast<int>(stored->lines.size()), kVoucherLines);
    for (int row = 0; row < shown; ++row) {
        const StoredLine& s = stored->lines[static_cast<size_t>(row)];
        VoucherLine& l = m_buffer.line(row);
        auto fill = [this](VoucherSide& side, const QString& code, const QString& sub, Money amount,
                           std::optional<int> tax) {
            side.code = code;
            side.subCode = sub;
            side.amount = amount;
            side.tax = tax;
            if (const EntryAccount* a = m_chart.account(code)) {
                side.name = a->name;
                side.hasSubAccounts = a->flgD.value_or(0) == 1;
                side.defaultTax = a->flgF;
            }
            if (!sub.isEmpty())
                side.subName = m_chart.subAccountName(code, sub).value_or(QString());
            side.taxName = m_chart.taxClassName(tax);
        };
        fill(l.debit, s.lcode, s.lhcode, s.lkingaku, s.lflgS);
        fill(l.credit, s.rcode, s.rhcode, s.rkingaku, s.rflgS);
        l.tekiyou1 = s.tekiyou1;
        l.tekiyou2 = s.tekiyou2;
        l.flgW = s.flgW;
    }
    const VoucherHeader& h = stored->header;
    if (h.date.isValid())
        setDateFields(*this, h.date);
    adjusting = h.adjusting;
    unsettled = h.unsettled;
    m_unit = h.unit;
    m_unitName = unitName(h.unit);
    fillWorkTable();
    if (m_readOnly)
        m_prompter.warning(journaltext::tooManyLines(sNo, static_cast<int>(stored->lines.size())));
}

bool VoucherEntry::hasUnsavedChanges() const {
    return m_modified && !m_readOnly && (!m_newMode || !m_buffer.isBlank());
}

std::optional<QString> VoucherEntry::checkYear(const QString& text) {
    if (!text.trimmed().isEmpty() && text.trimmed().toInt() > 3000)
        return journaltext::kYearTooLarge;
    return std::nullopt;
}

std::optional<QString> VoucherEntry::checkMonth(const QString& text) {
    if (text.trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const int m = text.trimmed().toInt(&ok);
    if (!ok || m < 1 || m > 12)
        return journaltext::kMonthInvalid;
    return std::nullopt;
}

bool VoucherEntry::changeUnit(int unit) {
    if (unit == m_unit || unit < 0 || unit >= static_cast<int>(m_session.unitKind.size()))
        return false;
    if (m_session.unitKind[static_cast<size_t>(unit)] >= 2) {
        m_prompter.warning(journaltext::kSubtotalUnit);
        return false;
    }
    if (!m_newMode && !confirmLeave())
        return false;
    const bool newMode = m_newMode;
    setUnit(unit);
    if (newMode) {
        // The lines stay: a copied voucher is saved into the unit chosen now.
        m_voucherNo = nextVoucherNumber(m_session.aaa, scheme(), m_unit).value_or(0);
        afterUnitChange();
        fillWorkTable();
    } else if (scheme() == kSerialPerUnit) {
        const auto last = lastVoucher(m_session.aaa, list());
        if (last)
            loadVoucher(*last);
        else
            loadNew();
    } else {
        loadNew();
    }
    return true;
}

void VoucherEntry::codeFieldEntered(int row, Side side) {
    m_codeChanged[row][sideIndex(side)] = false;
}

bool VoucherEntry::setAccount(int row, Side side, const QString& code) {
    VoucherSide& s = m_buffer.line(row).side(side);
    const QString old = s.code;
    const QString typed = code.trimmed();
    const EntryAccount* a = m_chart.account(typed);
    const bool accepted = a && a->acceptsEntry();
    s.code = accepted ? typed : QString();
    s.name = accepted ? a->name : QString();
    s.hasSubAccounts = accepted && a->flgD.value_or(0) == 1;
    if (!s.hasSubAccounts) {
        s.subCode.clear();
        s.subName.clear();
    }
    s.defaultTax = accepted ? a->flgF : std::nullopt;
    if (s.code != old)
        m_codeChanged[row][sideIndex(side)] = true;
    if (side == Side::Debit) {
        m_session.pickedDebitCode = s.code;
        m_session.pickedDebitName = s.name;
        m_session.pickedCreditCode.clear();
    } else {
        m_session.pickedCreditCode = s.code;
        m_session.pickedCreditName = s.name;
    }
    m_modified = true;
    return s.hasSubAccounts;
}

void VoucherEntry::clearSide(int row, Side side) {
    m_buffer.line(row).side(side).clear();
    m_modified = true;
}

void VoucherEntry::setSubAccount(int row, Side side, const QString& code) {
    VoucherSide& s = m_buffer.line(row).side(side);
    s.subCode = code.trimmed();
    s.subName =
        s.subCode.isEmpty() ? QString() : m_chart.subAccountName(s.code, s.subCode).value_or(QString());
    m_modified = true;
}

void VoucherEntry::setAmount(int row, Side side, Money amount) {
    VoucherSide& s = m_buffer.line(row).side(side);
    if (s.amount == amount)
        return;
    s.amount = amount;
    m_modified = true;
}

bool VoucherEntry::creditAmountEnter(int row) {
    VoucherLine& l = m_buffer.line(row);
    if (!l.debit.code.isEmpty() && l.credit.amount.isEmpty() && !l.debit.amount.isEmpty()) {
        l.credit.amount = l.debit.amount;
        m_modified = true;
    }
    if (m_unit == 0 && l.credit.amount != l.debit.amount) {
        m_prompter.warning(journaltext::kCompoundWhileTyping);
        return false;
    }
    return true;
}

bool VoucherEntry::amountEnter(int row, Side side) {
    VoucherSide& s = m_buffer.line(row).side(side);
    if (s.defaultTax && *s.defaultTax != 0) {
        if (!s.tax && m_codeChanged[row][sideIndex(side)]) {
            s.tax = s.defaultTax;
            m_modified = true;
        }
        s.taxName = m_chart.taxClassName(s.tax);
        return true;
    }
    if (s.tax)
        m_modified = true;
    s.tax.reset();
    s.taxName.clear();
    return false;
}

void VoucherEntry::setTaxClass(int row, Side side, std::optional<int> taxClass) {
    VoucherSide& s = m_buffer.line(row).side(side);
    if (s.tax != taxClass)
        m_modified = true;
    s.tax = taxClass;
    s.taxName = m_chart.taxClassName(taxClass);
}

void VoucherEntry::setDescription(int row, int which, const QString& text) {
    QString& d = which == 1 ? m_buffer.line(row).tekiyou1 : m_buffer.line(row).tekiyou2;
    if (d == text)
        return;
    d = text;
    m_modified = true;
}

bool VoucherEntry::copyLineAbove(int row) {
    if (!m_buffer.copyLineAbove(row))
        return false;
    m_modified = true;
    return true;
}

bool VoucherEntry::insertLine(int row) {
    if (!m_buffer.insertLine(row)) {
        m_prompter.warning(journaltext::kNoMoreInsert);
        return false;
    }
    m_modified = true;
    return true;
}

void VoucherEntry::deleteLine(int row) {
    m_buffer.deleteLine(row);
    m_modified = true;
}

std::optional<QDate> VoucherEntry::voucherDate() {
    bool okY = false, okM = false, okD = false;
    const QDate d(year.trimmed().toInt(&okY), month.trimmed().toInt(&okM), day.trimmed().toInt(&okD));
    if (!okY || !okM || !okD || !d.isValid())
        return std::nullopt;
    return d;
}

bool VoucherEntry::save() {
    if (m_readOnly) {
        m_prompter.warning(journaltext::kReadOnlyVoucher);
        return false;
    }
    try {
        return checkAndWrite();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    } catch (const std::exception& e) {
        m_prompter.error(journaltext::errorText(QString::fromUtf8(e.what())));
    }
    return false;
}

bool VoucherEntry::checkAndWrite() {
    const auto date = voucherDate();
    if (!date) {
        m_prompter.error(journaltext::errorText(journaltext::invalidDate(year, month, day)));
        return false;
    }
    if (m_session.fiscalYearStart.isValid() && *date < m_session.fiscalYearStart) {
        m_prompter.warning(journaltext::kBeforeFiscalYear);
        return false;
    }

    // The data folder's chart decides which accounts need a sub-account and which are
    // allocated over the units (A00 = 100).
    struct Stored {
        bool hasSubAccounts = false;
        bool allocated = false;
    };
    QHash<QString, Stored> cache;
    Statement q = m_session.aaa.prepare(QStringLiteral("SELECT FlgD, A00 FROM kamoku WHERE code = ?1"));
    auto lookup = [&](const QString& code) {
        auto it = cache.constFind(code);
        if (it != cache.constEnd())
            return *it;
        Stored s;
        q.reset();
        q.bindText(1, code);
        if (q.step()) {
            s.hasSubAccounts = !q.isNull(0) && q.integer(0) == 1;
            s.allocated = !q.isNull(1) && q.integer(1) == 100;
        }
        cache.insert(code, s);
        return s;
    };

    QString missingSubAccount;
    for (int row = 0; row < kVoucherLines; ++row) {
        for (Side side : {Side::Debit, Side::Credit}) {
            VoucherSide& s = m_buffer.line(row).side(side);
            if (s.code.isEmpty())
                continue;
            if (!lookup(s.code).hasSubAccounts) {
                s.subCode.clear();
                s.subName.clear();
            } else if (s.subCode.isEmpty()) {
                missingSubAccount = s.code;
            }
        }
    }
    if (!missingSubAccount.isEmpty()) {
        m_prompter.error(journaltext::noSubAccount(missingSubAccount));
        return false;
    }

    for (int row = 0; row < kVoucherLines; ++row) {
        const VoucherLine& l = m_buffer.line(row);
        if (l.debit.code.isEmpty() != l.debit.amount.isEmpty() ||
            l.credit.code.isEmpty() != l.credit.amount.isEmpty()) {
            m_prompter.error(journaltext::kIncomplete);
            return false;
        }
    }

    if (m_unit == 0) {
        for (int row = 0; row < kVoucherLines; ++row) {
            const VoucherLine& l = m_buffer.line(row);
            if (l.debit.code.isEmpty() || l.credit.code.isEmpty())
                continue;
            if (!lookup(l.debit.code).allocated && !lookup(l.credit.code).allocated) {
                m_prompter.error(journaltext::notAllocationAccount(row + 1));
                return false;
            }
        }
        for (int row = 0; row < kVoucherLines; ++row) {
            const VoucherLine& l = m_buffer.line(row);
            if (l.debit.amount != l.credit.amount) {
                m_prompter.error(journaltext::compoundInAllocation(row + 1));
                return false;
            }
        }
    }

    if (!m_buffer.totals().balanced() || m_buffer.storedLineCount() == 0) {
        m_prompter.error(journaltext::kIncomplete);
        return false;
    }

    if (m_newMode && !nextVoucherNumber(m_session.aaa, scheme(), m_unit)) {
        m_prompter.error(journaltext::numberBlockFull(m_unit));
        return false;
    }

    VoucherHeader header;
    header.sNo = m_voucherNo;
    header.date = *date;
    header.unit = m_unit;
    header.adjusting = adjusting;
    header.unsettled = unsettled;
    try {
        if (m_newMode)
            header.sNo = writeNewVoucher(m_session.aaa, scheme(), header, m_buffer);
        else
            writeVoucher(m_session.aaa, header, m_buffer, true);
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::kWriteErrorB + QStringLiteral("\r\n") +
                         journaltext::errorText(e.message()));
        return false;
    }

    if (m_newMode) {
        ++m_voucherCount;
        m_rememberedDate = *date;
        loadNew();
    } else {
        loadVoucher(header.sNo);
    }
    return true;
}

bool VoucherEntry::startNew() {
    if (!confirmLeave())
        return false;
    loadNew();
    return true;
}

void VoucherEntry::revert() {
    if (m_newMode)
        loadNew();
    else
        loadVoucher(m_voucherNo);
}

bool VoucherEntry::deleteCurrent() {
    if (m_newMode)
        return false;
    if (!m_prompter.confirm(journaltext::kDeleteQuestion, MessageIcon::Warning))
        return false;
    const int sNo = m_voucherNo;
    try {
        deleteVoucher(m_session.aaa, sNo);
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
        return false;
    }
    m_voucherCount = std::max(0, m_voucherCount - 1);
    auto next = voucherAfter(m_session.aaa, list(), sNo);
    if (!next)
        next = voucherBefore(m_session.aaa, list(), sNo);
    if (next)
        loadVoucher(*next);
    else
        loadNew();
    return true;
}

bool VoucherEntry::copyCurrent() {
    if (m_readOnly) {
        m_prompter.warning(journaltext::kReadOnlyVoucher);
        return false;
    }
    if (!m_prompter.confirm(journaltext::kCopyQuestion, MessageIcon::Information))
        return false;
    m_newMode = true;
    m_voucherNo = nextVoucherNumber(m_session.aaa, scheme(), m_unit).value_or(0);
    m_modified = true;
    fillWorkTable();
    return true;
}

bool VoucherEntry::browse(Move move) {
    auto target = [&]() -> std::optional<int> {
        const VoucherList l = list();
        if (m_newMode) {
            switch (move) {
            case Move::First:
                return firstVoucher(m_session.aaa, l);
            case Move::Prior:
            case Move::Last:
                return lastVoucher(m_session.aaa, l);
            case Move::Next:
                return std::nullopt;
            }
            return std::nullopt;
        }
        switch (move) {
        case Move::First:
            return firstVoucher(m_session.aaa, l);
        case Move::Prior:
            return voucherBefore(m_session.aaa, l, m_voucherNo);
        case Move::Next:
            return voucherAfter(m_session.aaa, l, m_voucherNo);
        case Move::Last:
            return lastVoucher(m_session.aaa, l);
        }
        return std::nullopt;
    };
    auto t = target();
    if (!t || (!m_newMode && *t == m_voucherNo))
        return false;
    if (hasUnsavedChanges()) {
        if (!confirmLeave())
            return false;
        t = target(); // saving may have added a voucher or moved to a new one
        if (!t)
            return false;
    }
    loadVoucher(*t);
    return true;
}

bool VoucherEntry::openNumber(int sNo) {
    if (!voucherInList(m_session.aaa, list(), sNo))
        return false;
    if (!confirmLeave())
        return false;
    loadVoucher(sNo);
    return true;
}

bool VoucherEntry::confirmLeave() {
    if (!hasUnsavedChanges())
        return true;
    const Answer a =
        m_prompter.ask(m_newMode ? journaltext::kUnsavedQuestion : journaltext::kUnsavedCorrectionQuestion,
                       MessageIcon::Warning, Buttons::YesNoCancel);
    if (a == Answer::Yes)
        return save();
    if (a == Answer::No) {
        m_modified = false;
        return true;
    }
    return false;
}

} // namespace k9
