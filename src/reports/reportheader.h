// SPDX-License-Identifier: GPL-3.0-or-later
// The page header every printout of the selected unit shares: the period captions in the
// year's date style, the corporation and unit names with their labels, and the five seal
// captions, read from the unit's report header (the work Head).
#pragma once

#include "reports/report.h"

namespace k9 {

struct Session;

// The header with `title` for the selected unit. Names fall back to the session's
// CorporationName (or the program folder's HeadM.法人名) and CurrentUnitName where the work
// Head leaves them empty; a missing work Head gives empty captions.
ReportHeader unitReportHeader(Session& session, const QString& title);

} // namespace k9
