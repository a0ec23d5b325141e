// SPDX-License-Identifier: GPL-3.0-or-later
// The individual structural checks behind validateChart(), one function per rule. Each
// appends a Japanese sentence per fault to `problems`. Internal to the chart subsystem.
#pragma once

#include "chart/chartdata.h"

#include <QStringList>

namespace k9::chartcheck {

// How lines are named in the messages.
QString spaceless(const QString& text);
QString label(const ChartAccount& a);
QString label(const ChartFundLine& l);
bool isDigits(const QString& code, int length);

// Codes, names and flag values (chartchecks_lines.cpp).
void accountCodes(const ChartData& chart, QStringList& problems);
void fundLineNumbers(const ChartData& chart, QStringList& problems);
void names(const ChartData& chart, QStringList& problems);
void flagValues(const ChartData& chart, QStringList& problems);
void levelPlacement(const ChartData& chart, QStringList& problems);
void statementOrder(const ChartData& chart, QStringList& problems);
void smallAccountRuns(const ChartData& chart, QStringList& problems);
void totalMembers(const ChartData& chart, QStringList& problems);
void subAccounts(const ChartData& chart, QStringList& problems);
void allocation(const ChartData& chart, QStringList& problems);

// Role lines read by the totals engine and the statements (chartchecks_roles.cpp).
void netAssetRoles(const ChartData& chart, QStringList& problems);
void restrictedNetAssets(const ChartData& chart, QStringList& problems);
void endowmentRouting(const ChartData& chart, QStringList& problems);
void balanceSheetTotals(const ChartData& chart, QStringList& problems);
void fundAccounts(const ChartData& chart, QStringList& problems);
void fundLineCodes(const ChartData& chart, QStringList& problems);
void fundBalanceLines(const ChartData& chart, QStringList& problems);
void fundRedirects(const ChartData& chart, QStringList& problems);
void interUnitAccounts(const ChartData& chart, QStringList& problems);
void unusedRoles(const ChartData& chart, QStringList& problems);

} // namespace k9::chartcheck
