// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger screen's state.
#include "ledgers/ledgerscreen.h"

#include "engine/workstore.h"
#include "store/session.h"

namespace k9::ledger {

void LedgerScreenState::showAccount(const QString& code) {
    m_ledgers = showAccountLedger(m_session, code);
    m_code = code.trimmed();
    m_sub.clear();
}

void LedgerScreenState::showSubAccount(const QString& code, const QString& sub) {
    m_ledgers = showSubAccountLedger(m_session, code, sub);
    m_code = code.trimmed();
    m_sub = sub.trimmed();
}

void LedgerScreenState::rebuild() {
    if (showsSubAccount())
        showSubAccount(m_code, m_sub);
    else
        showAccount(m_code);
}

QString LedgerScreenState::lineCountText() const {
    return QString::number(shown() ? shown()->lineCount : 0);
}

QString LedgerScreenState::debitText() const {
    return shown() ? shown()->debit.format() : QString();
}

QString LedgerScreenState::creditText() const {
    return shown() ? shown()->credit.format() : QString();
}

QString LedgerScreenState::balanceText() const {
    return shown() ? shown()->balance.format() : QString();
}

QString LedgerScreenState::periodText() const {
    const totals::StoredPeriod p = totals::loadStoredPeriod(m_session.www);
    const QString format = QStringLiteral("yyyy/MM/dd");
    return p.from.toString(format) + QStringLiteral("～") + p.to.toString(format);
}

std::optional<long long> LedgerScreenState::voucherAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_ledgers.rows.size())
        return std::nullopt;
    return m_ledgers.rows[static_cast<std::size_t>(row)].voucher;
}

QString LedgerScreenState::noVoucherMessage() {
    return QStringLiteral("選択行には伝票が存在しません。");
}

int LedgerScreenState::rowOfSNo(int sNo) const {
    for (std::size_t i = 0; i < m_ledgers.rows.size(); ++i)
        if (m_ledgers.rows[i].sNo == sNo)
            return static_cast<int>(i);
    return 0;
}

} // namespace k9::ledger
