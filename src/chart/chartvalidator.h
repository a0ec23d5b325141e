// SPDX-License-Identifier: GPL-3.0-or-later
// Structural checks of a chart of accounts: the codes, names, line levels and role lines
// that the totals engine, the statements, the trial-balance check pairs and year-end
// processing rely on. Used when the shipped templates are built, and usable on any folder
// that holds kamoku, kamoku2 and hojokamoku.
#pragma once

#include <QStringList>

namespace k9 {

class Database;
struct ChartData;

// Every structural fault of db's chart as one Japanese sentence each; an empty list means
// the chart is sound. A missing table is reported as a fault, not raised. Database
// failures while reading raise StoreError.
QStringList validateChart(Database& db);

// The same checks on a chart already in memory.
QStringList validateChart(const ChartData& chart);

} // namespace k9
