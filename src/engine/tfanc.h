// SPDX-License-Identifier: GPL-3.0-or-later
// TFanc, the account hierarchy lookup of the ledger headings: the 大科目, 中科目, account and
// 小科目 names above an account of the data folder's chart, or above a fund-statement line.
#pragma once

#include "engine/hierarchy.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace k9 {

struct Session;

class TFanc {
public:
    explicit TFanc(Session& session) : m_session(session) {}

    // Looks the account code up in the data folder's kamoku (code order) and sets the four
    // names, spaces removed; all four are empty when the code is not in the chart. The chart
    // is read once per TFanc, so one object serves a whole printout.
    const totals::LedgerNames& kamokumei(const QString& code);
    // The same over the data folder's kamoku2 (SNo order), keyed by the line number SNo.
    const totals::LedgerNames& kamokumei2(long long sNo);

    // The names of the last lookup.
    const totals::LedgerNames& names() const { return m_names; }

private:
    // A chart as read once: its lines in order and the key of each line.
    struct Chart {
        bool loaded = false;
        std::vector<totals::HierarchyLine> lines;
        std::vector<QVariant> keys;
    };
    const Chart& chart(Chart& cache, const QString& table, const QString& keyColumn);

    Session& m_session;
    totals::LedgerNames m_names;
    Chart m_accounts;
    Chart m_fundLines;
};

} // namespace k9
