// SPDX-License-Identifier: GPL-3.0-or-later
// The print look a print dialog keeps (PrintLook, in report.h): where it lies in the
// dialog's Regist row and how it becomes the session's shared print values. The dialogs keep
// "０円の科目" in P1, "網掛け" in P8 and the row height and the two font sizes in S1, S2
// and S5; only "大科目の0円" has a column of each dialog's own.
#pragma once

#include "reports/report.h"

#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace k9 {

struct Session;

// The Regist columns of the look, in the order printLookFrom reads them.
QStringList printLookColumns(const QString& majorZeroColumn);
// The look from the values of printLookColumns (the first six values); values out of range
// give the defaults.
PrintLook printLookFrom(const QVariantList& values);
// The look as Regist column values.
std::vector<std::pair<QString, QVariant>> printLookValues(const PrintLook& look,
                                                          const QString& majorZeroColumn);

// Sets the session's shared print values from a print dialog's choices: PrintZeroLines,
// ZeroHideLevel, PrintShading, PrintRowHeight, the two font sizes, and PrintSmallAccounts.
void applyPrintLook(Session& session, const PrintLook& look, int smallAccounts);

} // namespace k9
