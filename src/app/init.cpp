// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/init.h"

#include "app/messages.h"
#include "store/database.h"
#include "store/folders.h"
#include "store/schema.h"
#include "store/session.h"
#include "store/taxsettings.h"

namespace k9 {

QString InitResult::message() const {
    QStringList lines{msg::checkDataPath()};
    lines << errors;
    return lines.join(QLatin1Char('\n'));
}

int defaultFiscalYear(const QDate& today) {
    return today.month() < 3 ? today.year() - 1 : today.year();
}

bool ensureHeadDefaults(Database& aaa, const QDate& today) {
    const QString head = QStringLiteral("Head");
    auto st = aaa.prepare(QStringLiteral("SELECT rowid, \"会計期首\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
    bool hasRow = st.step();
    if (hasRow && !st.isNull(1) && !st.text(1).trimmed().isEmpty())
        return false;
    const long long rowid = hasRow ? st.integer(0) : 0;
    st = Statement();

    const int year = defaultFiscalYear(today);
    const QDate start(year, 4, 1);
    const std::vector<std::pair<QString, QVariant>> values = {
        {QStringLiteral("会計期首"), start},
        {QStringLiteral("自期日"), start},
        {QStringLiteral("至期日"), QDate(year + 1, 3, 31)},
        {QStringLiteral("PM1"), 1},
        {QStringLiteral("PM2"), 1}};
    // The defaults make the folder usable at all, so they are written after a view-only
    // login too, as the schema steps are.
    Database::Exemption structural(aaa);
    Transaction tx(aaa);
    if (hasRow)
        aaa.updateRows(head, values, QStringLiteral("rowid = ?1"), {rowid});
    else
        aaa.insertRow(head, values);
    tx.commit();
    return true;
}

std::vector<QString> ensureUnitRows(Session& session) {
    Database& aaa = session.aaa;
    // Missing unit rows are structure, added after a view-only login too.
    Database::Exemption structural(aaa);
    std::vector<QString> names;
    Transaction tx(aaa);
    auto find =
        aaa.prepare(QStringLiteral("SELECT \"Bumonmei\", \"F1\", \"F2\" FROM \"BUMON\" WHERE \"code\" = ?1"));
    for (int code = 0; code <= session.maxUnitIndex; ++code) {
        find.bind(1, code);
        QString name;
        int kind = 0;
        int access = 0;
        bool found = find.step();
        if (found) {
            name = find.text(0);
            kind = static_cast<int>(find.integer(1));
            access = static_cast<int>(find.integer(2));
        }
        find.reset();
        if (!found)
            aaa.insertRow(QStringLiteral("BUMON"), {{QStringLiteral("code"), code}});
        if (code == 0 && name.isEmpty()) {
            name = QStringLiteral("合　計");
            aaa.updateRows(QStringLiteral("BUMON"), {{QStringLiteral("Bumonmei"), name}},
                           QStringLiteral("\"code\" = 0"));
        }
        session.unitKind[code] = kind;
        session.unitAccessCode[code] = access;
        names.push_back(name);
    }
    tx.commit();
    return names;
}

InitResult runInit(Session& session, const QDate& today) {
    InitResult result;
    session.setCurrentUnit(-1, QString());
    try {
        session.workDir = session.appDir + QStringLiteral("WKData/");
        session.connectDatabases();
        forceFolders(session.dataDir());
    } catch (const K9Error& e) {
        result.errors << e.message();
        return result;
    }
    try {
        dataFolderSchema(session.aaa);
    } catch (const K9Error& e) {
        result.errors << e.message();
    }
    try {
        ensureHeadDefaults(session.aaa, today);
        forceFolders(session.workDir);
        workFolderSchema(session.www);
        result.unitNames = ensureUnitRows(session);
        session.setCurrentUnit(-1, QString());
        loadTaxSettings(session);
    } catch (const K9Error& e) {
        result.errors << e.message();
    }
    return result;
}

} // namespace k9
