// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reportheader.h"

#include "store/captions.h"
#include "store/database.h"
#include "store/session.h"

namespace k9 {

ReportHeader unitReportHeader(Session& session, const QString& title) {
    ReportHeader h;
    h.title = title;
    h.corporationLabel = session.corporationLabel;
    h.unitLabel = session.unitLabel;
    h.corporationName = session.corporationName;
    h.unitName = session.currentUnitName;
    if (h.corporationName.trimmed().isEmpty() && session.hm.isOpen() &&
        session.hm.tableExists(QStringLiteral("HeadM")))
        h.corporationName =
            session.hm.scalar(QStringLiteral("SELECT \"法人名\" FROM \"HeadM\" ORDER BY rowid LIMIT 1"))
                .toString()
                .trimmed();
    if (!session.www.isOpen() || !session.www.tableExists(QStringLiteral("Head")))
        return h;
    Statement st =
        session.www.prepare(QStringLiteral("SELECT \"会計期首\", \"自期日\", \"至期日\", \"法人名\", "
                                           "\"施設名\", \"職印１\", \"職印２\", \"職印３\", "
                                           "\"職印４\", \"職印５\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
    if (!st.step())
        return h;
    const QDate start = st.date(0);
    const HeaderCaptions captions = headerCaptions(session, start.isValid() ? start : session.fiscalYearStart,
                                                   st.date(1), st.date(2), false);
    h.periodFrom = captions.from;
    h.periodTo = captions.to;
    if (!st.text(3).trimmed().isEmpty())
        h.corporationName = st.text(3).trimmed();
    if (!st.text(4).trimmed().isEmpty())
        h.unitName = st.text(4).trimmed();
    for (int i = 0; i < 5; ++i)
        h.seals[static_cast<std::size_t>(i)] = st.isNull(5 + i) ? QString() : st.text(5 + i).trimmed();
    return h;
}

} // namespace k9
