// SPDX-License-Identifier: GPL-3.0-or-later
// The demo corporation: a program folder whose data path points at a new data folder with
// a public-interest foundation on the standard chart, three accounting units, opening
// balances, budgets, allocation percentages on the administrative expenses and a year of
// vouchers (common lines apportioned over the units, adjusting and unsettled lines). It
// lets a new user open every screen on books that look real.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace k9 {

// The data path of the demo, relative to the program folder.
inline constexpr const char* kDemoDataPath = "demo/";

struct DemoSummary {
    QString dataDir; // absolute, ending with '/'
    QDate fiscalYearStart;
    int units = 0;
    int vouchers = 0;
    int lines = 0;
};

// Makes appDir a program folder (as "batch prepare" does) and builds the demo corporation
// in appDir/demo/ for the fiscal year `today` falls in, storing demo/ as the data path.
// The chart comes from the standard template, the journal goes through the journal CSV
// import. Raises K9Error when appDir/demo/ already holds a data folder, or when a step
// fails (the data folder is then left as far as it got and can be deleted).
DemoSummary buildDemo(const QString& appDir, const QDate& today);

// The demo's journal for the fiscal year from `fiscalYearStart`, as journal CSV text
// (CP932), numbered per unit (unit × 10000 + n, common lines from 990001).
QByteArray demoJournalCsv(const QDate& fiscalYearStart);

// What batch mode prints after building the demo.
QString demoSummaryText(const DemoSummary& summary);

} // namespace k9
