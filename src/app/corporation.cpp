// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/corporation.h"

#include "store/database.h"
#include "store/session.h"
#include "store/textutil.h"

namespace k9 {

bool registerCorporationName(Session& session, const QString& typed, CorporationNameButton button) {
    if (button == CorporationNameButton::Ok) {
        const QString name = removeSpaces(typed);
        if (name.isEmpty())
            return false;
        session.corporationName = name;
    }
    Transaction tx(session.hm);
    if (session.hm.updateRows(QStringLiteral("HeadM"), {{QStringLiteral("法人名"), typed}}, QString()) == 0)
        session.hm.insertRow(QStringLiteral("HeadM"), {{QStringLiteral("法人名"), typed}});
    tx.commit();
    return true;
}

} // namespace k9
