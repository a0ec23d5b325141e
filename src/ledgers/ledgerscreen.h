// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the general ledger screen without its window: which account or sub-account
// is shown, the last build, and the texts of the boxes around the grid ("件数", "累計合計",
// the period). The screen calls these after its pickers close.
#pragma once

#include "ledgers/ledger.h"

namespace k9::ledger {

class LedgerScreenState {
public:
    explicit LedgerScreenState(Session& session) : m_session(session) {}

    // "科目選択" closed on `code`: the account ledger is built (WTBL2 rewritten).
    void showAccount(const QString& code);
    // "補助科目" closed on (code, sub).
    void showSubAccount(const QString& code, const QString& sub);
    // Builds the shown ledger again (after a period change or a voucher correction).
    void rebuild();

    // LedgerAccountCode: "00000" before any choice.
    const QString& accountCode() const { return m_code; }
    const QString& subCode() const { return m_sub; }
    bool showsSubAccount() const { return !m_sub.isEmpty(); }
    const Ledgers& ledgers() const { return m_ledgers; }
    const std::vector<LedgerRow>& rows() const { return m_ledgers.rows; }
    // The shown ledger, or nullptr when the account is not in the chart.
    const LedgerSummary* shown() const {
        return m_ledgers.ledgers.empty() ? nullptr : &m_ledgers.ledgers.front();
    }

    // "件数", and the three "累計合計" boxes formatted with thousands separators.
    QString lineCountText() const;
    QString debitText() const;
    QString creditText() const;
    QString balanceText() const;
    // The stored period as "yyyy/MM/dd" "～" "yyyy/MM/dd".
    QString periodText() const;

    // The voucher of a grid row, nullopt when the row has none ("選択行には伝票が存在しません。").
    std::optional<long long> voucherAt(int row) const;
    static QString noVoucherMessage();
    // The row with display order `sNo` in the shown ledger, or 0.
    int rowOfSNo(int sNo) const;

private:
    Session& m_session;
    QString m_code = QStringLiteral("00000");
    QString m_sub;
    Ledgers m_ledgers;
};

} // namespace k9::ledger
