// SPDX-License-Identifier: GPL-3.0-or-later
// Access codes of the units and the rights switch; see accesscodes.h.
#include "app/accesscodes.h"

#include "store/database.h"
#include "store/session.h"

namespace k9 {

std::vector<GridColumn> accessCodeColumns() {
    return {{QStringLiteral("code"), QStringLiteral("code"), false, Qt::ImhDigitsOnly},
            {QStringLiteral("Bumonmei"), QStringLiteral("会計の名称"), true, Qt::ImhNone},
            {QStringLiteral("F2"), QStringLiteral("*****"), true, Qt::ImhDigitsOnly}};
}

QString accessCodeRowFilter() {
    return QStringLiteral("\"code\" > 0");
}

int loadRightsMode(Database& hm) {
    QVariant v = hm.scalar(QStringLiteral("SELECT \"PM8\" FROM \"HeadM\" ORDER BY rowid LIMIT 1"));
    return v.isValid() && !v.isNull() ? v.toInt() : 0;
}

void saveRightsMode(Session& session, int mode) {
    Transaction tx(session.hm);
    if (session.hm.rowCount(QStringLiteral("HeadM")) == 0)
        session.hm.insertRow(QStringLiteral("HeadM"), {{QStringLiteral("PM8"), mode}});
    else
        session.hm.updateRows(QStringLiteral("HeadM"), {{QStringLiteral("PM8"), mode}},
                              QStringLiteral("rowid = (SELECT MIN(rowid) FROM \"HeadM\")"));
    tx.commit();
    session.rightsMode = mode;
}

} // namespace k9
