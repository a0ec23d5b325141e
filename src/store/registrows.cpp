// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/registrows.h"

#include "store/database.h"

namespace k9 {

std::optional<QVariantList> readRegistRow(Database& hm, int id, const QStringList& columns) {
    QStringList quoted;
    for (const QString& c : columns)
        quoted << QLatin1Char('"') + c + QLatin1Char('"');
    Statement st = hm.prepare(
        QStringLiteral("SELECT %1 FROM \"Regist\" WHERE \"ID\" = ?1").arg(quoted.join(QStringLiteral(", "))));
    st.bindInt(1, id);
    if (!st.step())
        return std::nullopt;
    QVariantList out;
    for (int i = 0; i < columns.size(); ++i)
        out << st.value(i);
    return out;
}

void writeRegistRow(Database& hm, int id, const std::vector<std::pair<QString, QVariant>>& values) {
    Transaction tx(hm);
    const bool found =
        values.empty()
            ? hm.scalar(QStringLiteral("SELECT 1 FROM \"Regist\" WHERE \"ID\" = ?1"), {id}).isValid()
            : hm.updateRows(QStringLiteral("Regist"), values, QStringLiteral("\"ID\" = ?1"), {id}) > 0;
    if (!found) {
        auto row = values;
        row.insert(row.begin(), {QStringLiteral("ID"), id});
        hm.insertRow(QStringLiteral("Regist"), row);
    }
    tx.commit();
}

int registInt(const QVariant& value, int lo, int hi, int fallback) {
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    return ok && n >= lo && n <= hi ? n : fallback;
}

} // namespace k9
