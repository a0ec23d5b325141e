// SPDX-License-Identifier: GPL-3.0-or-later
// Fixture of the unit register tests: a program folder after Init (BUMON rows 0..19,
// per-unit voucher serials) with units 3 and 5 named and holding masters, journal lines,
// allocation columns and footnote files, a common line, and helpers to read the data back.
#pragma once

#include "appfixture.h"
#include "chart/templates.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace k9::test {

struct UnitFolder : AppFolder {
    UnitFolder() {
        init();
        Database& db = session.aaa;
        Transaction tx(db);
        setUnit(3, QStringLiteral("本部会計"), 1, 1234, 0);
        setUnit(5, QStringLiteral("事業会計"), 1, 0, 1);
        for (const char* code : {"10100", "50100"})
            db.insertRow("Mkamoku", {{"B_ID", 3}, {"code", QString::fromLatin1(code)}, {"科目名", "現金"}});
        db.insertRow("Mkamoku", {{"B_ID", 5}, {"code", "10100"}, {"科目名", "現金（事業）"}});
        db.insertRow("Mkamoku2", {{"B_ID", 3}, {"SNo", 10}, {"科目名", "事業収入"}});
        db.insertRow("Mhojokamoku",
                     {{"B_ID", 3}, {"kamoku_CD", "10100"}, {"hojo_CD", "001"}, {"補助科目名", "小口"}});
        addLine(30012, 1, 3, 1000);
        addLine(30012, 2, 3, 2000);
        addLine(50012, 1, 5, 500);
        addLine(990001, 1, 0, 7000);
        db.insertRow("kamoku", {{"code", "10100"},
                                {"科目名", "現金"},
                                {"FlgB", 2},
                                {"A00", 100},
                                {"A03", 60},
                                {"A05", 40},
                                {"B03", 1}});
        tx.commit();
        writeFile(3, "本部の注記");
        writeFile(5, "事業の注記");
    }

    void setUnit(int code, const QString& name, int f1, int f2, int f3) {
        session.aaa.updateRows("BUMON", {{"Bumonmei", name}, {"F1", f1}, {"F2", f2}, {"F3", f3}},
                               "\"code\" = ?1", {code});
    }
    void addLine(int sno, int sub, int unit, int amount) {
        session.aaa.insertRow("denpyou1", {{"SNo", sno},
                                           {"Sub_No", sub},
                                           {"hizuke", QDate(2015, 5, 1)},
                                           {"Lcode", "50100"},
                                           {"Rcode", "10100"},
                                           {"Lkingaku", amount},
                                           {"Rkingaku", amount},
                                           {"FlgT", unit}});
    }

    QString footnote(int unit) const { return session.dataDir() + QStringLiteral("cyuki%1.txt").arg(unit); }
    void writeFile(int unit, const QString& text) {
        QFile f(footnote(unit));
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
    }
    QString readFile(int unit) const {
        QFile f(footnote(unit));
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("(none)");
        return QString::fromUtf8(f.readAll());
    }

    // Rows of a query as "v1|v2|…", in the query's order.
    QStringList rows(const QString& sql) {
        QStringList out;
        auto st = session.aaa.prepare(sql);
        while (st.step()) {
            QStringList cells;
            for (int i = 0; i < st.columnCount(); ++i)
                cells << (st.isNull(i) ? QStringLiteral("∅") : st.text(i));
            out << cells.join('|');
        }
        return out;
    }
    // Everything a move or deletion may touch, to compare before and after.
    QStringList snapshot() {
        QStringList s;
        s << rows("SELECT code, Bumonmei, Path, F1, F2, F3 FROM BUMON ORDER BY code");
        s << rows("SELECT B_ID, code, 科目名 FROM Mkamoku ORDER BY B_ID, code");
        s << rows("SELECT B_ID, SNo FROM Mkamoku2 ORDER BY B_ID, SNo");
        s << rows("SELECT B_ID, kamoku_CD, hojo_CD FROM Mhojokamoku ORDER BY B_ID, kamoku_CD");
        s << rows("SELECT SNo, Sub_No, FlgT, Lkingaku FROM denpyou1 ORDER BY SNo, Sub_No");
        s << rows("SELECT code, A03, A05, B03, B05 FROM kamoku ORDER BY code");
        s << readFile(3) << readFile(5);
        return s;
    }

    // Makes template `choice` a tiny chart: two accounts, one statement line, one
    // sub-account, and a column the data folder does not have.
    void makeTemplate(int choice) {
        const QString file = templateDatabaseFile(session.appDir, chartTemplates()[choice].folder);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile::remove(file);
        Database t;
        t.open(file, Database::Kind::Other);
        createTable(t, tables::kamoku());
        createTable(t, tables::kamoku2());
        createTable(t, tables::hojokamoku());
        t.exec("ALTER TABLE kamoku ADD \"旧列\" INTEGER");
        t.insertRow("kamoku", {{"code", "10100"}, {"科目名", "現金"}, {"FlgA", 0}, {"旧列", 9}});
        t.insertRow("kamoku", {{"code", "10200"}, {"科目名", "普通預金"}, {"FlgA", 0}});
        t.insertRow("kamoku2", {{"SNo", 1}, {"科目名", "経常収益"}, {"code", "70000"}});
        t.insertRow("hojokamoku", {{"kamoku_CD", "10200"}, {"hojo_CD", "001"}, {"補助科目名", "本店口座"}});
    }
};

} // namespace k9::test
