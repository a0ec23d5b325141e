// SPDX-License-Identifier: GPL-3.0-or-later
// A generated corporation for the engine benchmarks: a program folder with the standard
// chart template, three accounting units with opening balances, budgets and allocation
// percentages, and a year's journal of a chosen size with common, adjusting, unsettled,
// sub-account and split lines.
#pragma once

#include "store/session.h"

#include <QTemporaryDir>
#include <memory>

namespace k9::bench {

struct CorporationShape {
    int journalLines = 100000;
    // Share of the journal's lines, in percent, posted to unit 1 and as common lines; the
    // rest is split between units 2 and 3.
    int unit1Percent = 50;
    int commonPercent = 20;
};

class Corporation {
public:
    explicit Corporation(const CorporationShape& shape);
    Session& session() { return m_session; }
    int journalLines() const { return m_shape.journalLines; }

private:
    void buildChart();
    void setUnitFigures();
    void writeJournal();

    CorporationShape m_shape;
    QTemporaryDir m_dir;
    Session m_session;
};

} // namespace k9::bench
