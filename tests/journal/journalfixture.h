// SPDX-License-Identifier: GPL-3.0-or-later
// A data folder for the voucher-entry tests: units 0..3, a small chart (cash, a deposit
// with sub-accounts, expenses, an income, a heading and an activity line linked to a fund
// line) in the common chart and in every unit's masters, and journal lines written directly.
#pragma once

#include "store/database.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QDate>
#include <QVariant>
#include <optional>

namespace k9::test {

struct JournalFixture : SessionFixture {
    RecordingPrompter prompter;

    struct Account {
        const char* code;
        const char* name;
        std::optional<int> a, b, c, d, f, h, a00;
    };

    JournalFixture() {
        session.fiscalYearStart = QDate(2015, 4, 1);
        const char* units[] = {"合　計", "本　部", "事　業", "収　益"};
        for (int u = 0; u < 4; ++u)
            session.aaa.insertRow("BUMON",
                                  {{"code", u}, {"Bumonmei", QString::fromUtf8(units[u])}, {"F1", 1}});
        const Account accounts[] = {
            {"10000", "【資産の部】", 9, 1, 0, {}, {}, {}, {}},
            {"11100", "　　現　金", 0, 1, 0, {}, {}, {}, {}},
            {"11200", "　　普通預金", 0, 1, 0, 1, {}, {}, {}},
            {"51100", "　　給料手当", 0, 2, 0, {}, 3, 50, {}},
            {"52100", "　　水道光熱費", 0, 2, 0, {}, {}, 50, 100},
            {"52900", "　　資金連動費", 0, 2, 0, {}, {}, 30, {}},
            {"71100", "　　会費収入", 0, 2, 1, {}, {}, 50, {}},
        };
        auto v = [](const std::optional<int>& x) { return x ? QVariant(*x) : QVariant(); };
        for (const auto& a : accounts) {
            session.aaa.insertRow("kamoku", {{"code", a.code},
                                             {"科目名", QString::fromUtf8(a.name)},
                                             {"FlgA", v(a.a)},
                                             {"FlgB", v(a.b)},
                                             {"FlgC", v(a.c)},
                                             {"FlgD", v(a.d)},
                                             {"FlgF", v(a.f)},
                                             {"FlgH", v(a.h)},
                                             {"A00", v(a.a00)},
                                             {"B01", 1}});
            for (int u = 0; u < 4; ++u)
                session.aaa.insertRow("Mkamoku", {{"B_ID", u},
                                                  {"code", a.code},
                                                  {"科目名", QString::fromUtf8(a.name)},
                                                  {"FlgA", v(a.a)},
                                                  {"FlgB", v(a.b)},
                                                  {"FlgC", v(a.c)},
                                                  {"FlgD", v(a.d)},
                                                  {"FlgF", v(a.f)},
                                                  {"FlgH", v(a.h)}});
        }
        for (int u = 0; u < 4; ++u) {
            session.aaa.insertRow("Mhojokamoku", {{"B_ID", u},
                                                  {"kamoku_CD", "11200"},
                                                  {"hojo_CD", "001"},
                                                  {"補助科目名", QStringLiteral("第一銀行%1").arg(u)}});
            session.aaa.insertRow("Mhojokamoku", {{"B_ID", u},
                                                  {"kamoku_CD", "11200"},
                                                  {"hojo_CD", "002"},
                                                  {"補助科目名", QStringLiteral("第二銀行%1").arg(u)}});
        }
        session.taxClassNames[3] = QStringLiteral("特定収入");
        session.setCurrentUnit(1, QStringLiteral("本　部"));
    }

    // One journal line written directly (as an import or an older program would leave it).
    void addLine(int sNo, int subNo, int unit, const QString& lcode, long long lyen, const QString& rcode,
                 long long ryen, const QDate& date = QDate(2015, 5, 1)) {
        session.aaa.insertRow("denpyou1", {{"SNo", sNo},
                                           {"Sub_No", subNo},
                                           {"hizuke", date},
                                           {"Lcode", lcode},
                                           {"Rcode", rcode},
                                           {"Lkingaku", lcode.isEmpty() ? QVariant() : QVariant(lyen)},
                                           {"Rkingaku", rcode.isEmpty() ? QVariant() : QVariant(ryen)},
                                           {"FlgT", unit}});
    }

    int lineCount(int sNo) {
        return session.aaa.scalar("SELECT COUNT(*) FROM denpyou1 WHERE SNo = ?1", {sNo}).toInt();
    }
    int journalRows() { return session.aaa.rowCount("denpyou1"); }
};

} // namespace k9::test
