// SPDX-License-Identifier: GPL-3.0-or-later
// Fixture of the chart-editor tests: fresh folders whose BUMON holds rows 0..19 with the
// given unit names, and small helpers that write chart lines, sub-accounts, master rows
// and journal lines directly.
#pragma once

#include "store/database.h"
#include "support/fixture.h"

#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace k9::test {

using Values = std::vector<std::pair<QString, QVariant>>;

inline Values with(Values base, const Values& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

inline void addAccount(Database& db, const QString& code, const QString& name, const Values& flags = {}) {
    db.insertRow(QStringLiteral("kamoku"),
                 with({{QStringLiteral("code"), code}, {QStringLiteral("科目名"), name}}, flags));
}

inline void addFundLine(Database& db, long long sNo, const QString& code, const QString& name,
                        const Values& flags = {}) {
    db.insertRow(
        QStringLiteral("kamoku2"),
        with({{QStringLiteral("SNo"), sNo}, {QStringLiteral("code"), code}, {QStringLiteral("科目名"), name}},
             flags));
}

inline void addSubAccount(Database& db, const QString& account, const QString& code, const QString& name) {
    db.insertRow(QStringLiteral("hojokamoku"), {{QStringLiteral("kamoku_CD"), account},
                                                {QStringLiteral("hojo_CD"), code},
                                                {QStringLiteral("補助科目名"), name}});
}

inline void addUnitSubAccount(Database& db, int unit, const QString& account, const QString& code,
                              const QVariant& name) {
    db.insertRow(QStringLiteral("Mhojokamoku"), {{QStringLiteral("B_ID"), unit},
                                                 {QStringLiteral("kamoku_CD"), account},
                                                 {QStringLiteral("hojo_CD"), code},
                                                 {QStringLiteral("補助科目名"), name}});
}

inline void addJournalLine(Database& db, int sNo, const QString& debit, const QString& credit) {
    db.insertRow(QStringLiteral("denpyou1"), {{QStringLiteral("SNo"), sNo},
                                              {QStringLiteral("Sub_No"), 1},
                                              {QStringLiteral("hizuke"), QStringLiteral("2015-05-01")},
                                              {QStringLiteral("Lcode"), debit},
                                              {QStringLiteral("Rcode"), credit},
                                              {QStringLiteral("Lkingaku"), 1000},
                                              {QStringLiteral("Rkingaku"), 1000},
                                              {QStringLiteral("FlgT"), 1}});
}

// Folders with BUMON rows 0..19; the units in `names` carry those names, the others none.
struct ChartFolders : SessionFixture {
    explicit ChartFolders(const std::map<int, QString>& names = {{0, QStringLiteral("合　計")},
                                                                 {1, QStringLiteral("一般会計")},
                                                                 {2, QStringLiteral("事業会計")}}) {
        for (int unit = 0; unit <= 19; ++unit) {
            auto it = names.find(unit);
            session.aaa.insertRow(
                QStringLiteral("BUMON"),
                {{QStringLiteral("code"), unit},
                 {QStringLiteral("Bumonmei"), it == names.end() ? QVariant() : QVariant(it->second)}});
        }
    }
    Database& aaa() { return session.aaa; }
    Database& www() { return session.www; }

    // The value of one column of one row, through a statement with ?1, ?2 … parameters.
    QVariant cell(const QString& sql, const std::vector<QVariant>& params = {}) {
        return aaa().scalar(sql, params);
    }
    int count(const QString& sql, const std::vector<QVariant>& params = {}) {
        return cell(sql, params).toInt();
    }
};

} // namespace k9::test
