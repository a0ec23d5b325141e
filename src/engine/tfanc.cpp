// SPDX-License-Identifier: GPL-3.0-or-later
// TFanc over the data folder's chart.
#include "engine/tfanc.h"

#include "store/database.h"
#include "store/session.h"

namespace k9 {
const TFanc::Chart& TFanc::chart(Chart& cache, const QString& table, const QString& keyColumn) {
    if (cache.loaded)
        return cache;
    Statement st =
        m_session.aaa.prepare(QStringLiteral("SELECT \"科目名\",\"FlgA\",\"FlgE\",%1 FROM %2 ORDER BY %1")
                                  .arg(quoteId(keyColumn), quoteId(table)));
    while (st.step()) {
        totals::HierarchyLine line;
        line.name = st.text(0);
        line.flgA = st.isNull(1) ? std::nullopt : std::optional<int>(static_cast<int>(st.integer(1)));
        line.flgE = static_cast<int>(st.integer(2));
        cache.lines.push_back(std::move(line));
        cache.keys.push_back(st.value(3));
    }
    cache.loaded = true;
    return cache;
}

const totals::LedgerNames& TFanc::kamokumei(const QString& code) {
    const Chart& c = chart(m_accounts, QStringLiteral("kamoku"), QStringLiteral("code"));
    const QString key = code.trimmed();
    m_names = {};
    for (std::size_t i = 0; i < c.keys.size(); ++i)
        if (c.keys[i].toString().trimmed() == key) {
            m_names = totals::ledgerNames(c.lines, i);
            break;
        }
    return m_names;
}

const totals::LedgerNames& TFanc::kamokumei2(long long sNo) {
    const Chart& c = chart(m_fundLines, QStringLiteral("kamoku2"), QStringLiteral("SNo"));
    m_names = {};
    for (std::size_t i = 0; i < c.keys.size(); ++i)
        if (!c.keys[i].isNull() && c.keys[i].toLongLong() == sNo) {
            m_names = totals::ledgerNames(c.lines, i);
            break;
        }
    return m_names;
}

} // namespace k9
