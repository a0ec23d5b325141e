// SPDX-License-Identifier: GPL-3.0-or-later
// The access codes of the accounting units (権限設定, opened from 初期設定１): each unit's
// code in BUMON.F2 and the switch HeadM.PM8 that restricts the choice of a unit on the main
// menu to logins with that unit's code.
#pragma once

#include "app/gridmodel.h"

#include <vector>

namespace k9 {

class Database;
struct Session;

// Choices of "設定した権限を": 0 無効にする, 1 有効にする.
enum class RightsChoice { Off = 0, On = 1 };

// The grid's columns over BUMON rows with code > 0: code (read-only), 会計の名称 and the
// access code under the heading "*****".
std::vector<GridColumn> accessCodeColumns();
// The grid's row condition (units above the consolidated total).
QString accessCodeRowFilter();

// HeadM.PM8 (an empty value reads as 0).
int loadRightsMode(Database& hm);

// Stores the choice in HeadM.PM8 and makes it the session's RightsMode. The unit list
// reads the access codes again at the next Init.
void saveRightsMode(Session& session, int mode);

} // namespace k9
