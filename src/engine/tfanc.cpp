// SPDX-License-Identifier: GPL-3.0-or-later
// TFanc over the data folder's chart.
#include "engine/tfanc.h"

#include "store/database.h"
#include "store/session.h"

namespace k9 {
namespace {

// The chart in order, and the position of the line whose key column equals `key`.
std::vector<totals::HierarchyLine> readChart(Database& aaa, const QString& table, const QString& keyColumn,
                                             const QVariant& key, std::optional<std::size_t>& found) {
    std::vector<totals::HierarchyLine> lines;
    Statement st = aaa.prepare(QStringLiteral("SELECT \"科目名\",\"FlgA\",\"FlgE\",%1 FROM %2 ORDER BY %1")
                                   .arg(quoteId(keyColumn), quoteId(table)));
    while (st.step()) {
        totals::HierarchyLine line;
        line.name = st.text(0);
        line.flgA = st.isNull(1) ? std::nullopt : std::optional<int>(static_cast<int>(st.integer(1)));
        line.flgE = static_cast<int>(st.integer(2));
        if (!found) {
            const bool same = key.typeId() == QMetaType::QString
                                  ? st.text(3).trimmed() == key.toString()
                                  : !st.isNull(3) && st.integer(3) == key.toLongLong();
            if (same)
                found = lines.size();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

const totals::LedgerNames& TFanc::kamokumei(const QString& code) {
    std::optional<std::size_t> found;
    const auto lines = readChart(m_session.aaa, QStringLiteral("kamoku"), QStringLiteral("code"),
                                 QVariant(code.trimmed()), found);
    m_names = found ? totals::ledgerNames(lines, *found) : totals::LedgerNames{};
    return m_names;
}

const totals::LedgerNames& TFanc::kamokumei2(long long sNo) {
    std::optional<std::size_t> found;
    const auto lines = readChart(m_session.aaa, QStringLiteral("kamoku2"), QStringLiteral("SNo"),
                                 QVariant(static_cast<qlonglong>(sNo)), found);
    m_names = found ? totals::ledgerNames(lines, *found) : totals::LedgerNames{};
    return m_names;
}

} // namespace k9
