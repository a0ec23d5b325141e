// SPDX-License-Identifier: GPL-3.0-or-later
// Init: connects the data and work folders of DataPath, creates or upgrades their tables,
// fills a new fiscal year's Head defaults, ensures the unit rows 0..19 of BUMON and reads
// the unit list. Run at start-up and again after the data path, the unit register, the
// fiscal-year folder list or a new fiscal year changes what the session works on.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace k9 {

class Database;
struct Session;

struct InitResult {
    // Texts of the unit list, one per unit code 0..MaxUnitIndex (BUMON.Bumonmei). When a
    // step failed it holds the units read before the failure.
    std::vector<QString> unitNames;
    // The reason of each failed step; empty when Init succeeded.
    QStringList errors;

    bool ok() const { return errors.isEmpty(); }
    // What the user is shown when a step failed: the check-the-path message, then one line
    // per reason.
    QString message() const;
};

// The fiscal year a first start falls in: today's year, minus one in January and February.
// (March already belongs to the coming fiscal year, which starts on 1 April.)
int defaultFiscalYear(const QDate& today);

// Runs Init for the session's AppDir and DataPath. `today` decides the fiscal year of a new
// data folder. Session values set: WorkDir, UnitKind, UnitAccessCode, CurrentUnit (−1) and
// the tax settings. Never throws: a failed data-folder schema step is recorded and Init goes
// on; a failure in a later step is recorded and ends Init.
InitResult runInit(Session& session, const QDate& today);

// Head defaults of a new fiscal year: when the data folder's Head has no 会計期首, sets
// 会計期首 and 自期日 to 1 April of defaultFiscalYear(today), 至期日 to 31 March of the next
// year, PM1 = 1 (per-unit voucher serial) and PM2 = 1 (Western dates). Adds the Head row
// when there is none. Returns true when it wrote the defaults.
bool ensureHeadDefaults(Database& aaa, const QDate& today);

// Ensures the BUMON rows 0..maxUnit (one transaction), names an empty row 0 "合　計", and
// stores each row's F1 and F2 in UnitKind and UnitAccessCode. Returns the unit names.
std::vector<QString> ensureUnitRows(Session& session);

} // namespace k9
