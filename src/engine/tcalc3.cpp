// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc3 on the work folder.
#include "engine/tcalc3.h"

#include "engine/inventorylist.h"
#include "engine/workstore.h"
#include "store/database.h"
#include "store/session.h"

namespace k9 {

void TCalc3::calcA() {
    Database& www = m_session.www;
    Transaction tx(www);
    totals::storeInventoryList(www, totals::buildInventoryList(totals::loadAccounts(www)));
    tx.commit();
}

} // namespace k9
