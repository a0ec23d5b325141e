// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/schema.h"

#include "store/database.h"

namespace k9 {
namespace {

void createAll(Database& db, const std::vector<TableDef>& defs) {
    for (const auto& def : defs)
        createTable(db, def);
}

int widthOf(Database& db, const QString& table, const QString& column) {
    auto c = db.column(table, column);
    return c ? c->width : -1;
}

QStringList sharedColumns(Database& db, const QString& source, const QString& target) {
    QStringList out;
    for (const auto& s : db.columns(source))
        for (const auto& t : db.columns(target))
            if (s.name.compare(t.name, Qt::CaseInsensitive) == 0) {
                out << t.name;
                break;
            }
    return out;
}

// Runs one upgrade step in its own transaction, naming the step in the raised error.
template <typename F> void step(Database& db, const QString& what, F&& body) {
    try {
        Transaction tx(db);
        body();
        tx.commit();
    } catch (const K9Error& e) {
        db.invalidateSchemaCache();
        throw StoreError(QStringLiteral("%1の更新に失敗しました。（%2）").arg(what, e.message()));
    }
}

// Replaces `table` by the layout of `def`: rename to XXXX, create anew, copy by name.
// XXXX stays in the folder afterwards, as a record of the old rows.
void recreateKeepingRows(Database& db, const QString& table, const TableDef& def) {
    dropTableIfExists(db, QStringLiteral("XXXX"));
    renameTable(db, table, QStringLiteral("XXXX"));
    createTable(db, def);
    int before = db.rowCount(QStringLiteral("XXXX"));
    int copied = copyByName(db, QStringLiteral("XXXX"), table);
    if (copied != before)
        throw StoreError(QStringLiteral("%1 の行を写せませんでした。").arg(table));
}

} // namespace

void createTable(Database& db, const TableDef& def) {
    db.exec(createTableSql(def));
    for (const auto& sql : createIndexSql(def))
        db.exec(sql);
}

void dropTableIfExists(Database& db, const QString& table) {
    db.exec(QStringLiteral("DROP TABLE IF EXISTS ") + quoteId(table));
}

void renameTable(Database& db, const QString& from, const QString& to) {
    QStringList indexes;
    {
        auto st = db.prepare(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type='index' AND tbl_name=?1 COLLATE NOCASE AND sql IS NOT NULL"));
        st.bind(1, from);
        while (st.step())
            indexes << st.text(0);
    }
    for (const auto& idx : indexes)
        db.exec(QStringLiteral("DROP INDEX ") + quoteId(idx));
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoteId(from), quoteId(to)));
}

void rebuildAndCopy(Database& db, const QString& oldTable, const TableDef& newDef) {
    Transaction tx(db);
    TableDef bare = newDef;
    bare.indexes.clear();
    dropTableIfExists(db, newDef.name);
    createTable(db, bare);
    QStringList cols = sharedColumns(db, oldTable, newDef.name);
    QStringList quoted;
    for (const auto& c : cols)
        quoted << quoteId(c);
    int before = db.rowCount(oldTable);
    db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                .arg(quoteId(newDef.name), quoted.join(','), quoteId(oldTable)));
    int after = db.rowCount(newDef.name);
    if (after != before)
        throw StoreError(QStringLiteral("%1 の %2 行のうち %3 行しか写せませんでした。").arg(oldTable).arg(before).arg(after));
    renameTable(db, oldTable, oldTable + QStringLiteral("$old"));
    dropTableIfExists(db, oldTable + QStringLiteral("$old"));
    db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoteId(newDef.name), quoteId(oldTable)));
    createTable(db, newDef.renamed(oldTable));
    tx.commit();
    db.invalidateSchemaCache();
}

int copyByName(Database& db, const QString& source, const QString& target) {
    QStringList cols = sharedColumns(db, source, target);
    if (cols.isEmpty())
        return 0;
    std::vector<ColumnInfo> targetCols;
    QStringList quoted, marks;
    for (const auto& c : cols) {
        targetCols.push_back(*db.column(target, c));
        quoted << quoteId(c);
        marks << QStringLiteral("?%1").arg(marks.size() + 1);
    }
    Transaction tx(db);
    auto read = db.prepare(QStringLiteral("SELECT %1 FROM %2").arg(quoted.join(','), quoteId(source)));
    auto write = db.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoteId(target), quoted.join(','), marks.join(',')));
    int copied = 0;
    while (read.step()) {
        for (int i = 0; i < cols.size(); ++i)
            write.bind(i + 1, db.fitValue(targetCols[i], read.value(i)));
        write.run();
        ++copied;
    }
    tx.commit();
    return copied;
}

void programFolderSchema(Database& hm) {
    Database::Exemption structural(hm);
    step(hm, QStringLiteral("HeadM/Regist"), [&] {
        createTable(hm, tables::headM().withColumn("PathName3", "CHARACTER", 100));
        createTable(hm, tables::regist());
    });
    if (!hm.hasColumn("HeadM", "PathName3"))
        step(hm, QStringLiteral("HeadM"), [&] { hm.exec("ALTER TABLE \"HeadM\" ADD \"PathName3\" CHARACTER(100)"); });
    if (widthOf(hm, "Regist", "S1") == 50)
        step(hm, QStringLiteral("Regist"), [&] { rebuildAndCopy(hm, "Regist", tables::regist().renamed("Regist$")); });
    if (!hm.tableExists("PathRec"))
        step(hm, QStringLiteral("PathRec"), [&] { createTable(hm, tables::pathRec()); });
}

void dataFolderSchema(Database& aaa) {
    Database::Exemption structural(aaa);
    static const QStringList required = {"kamoku",      "kamoku2", "Mkamoku", "Mkamoku2", "hojokamoku", "Mhojokamoku",
                                         "Head",        "denpyou1", "BUMON",  "kariire",  "syohizei"};
    bool missing = false;
    for (const auto& t : required)
        missing = missing || !aaa.tableExists(t);
    if (missing)
        step(aaa, QStringLiteral("データフォルダの表"), [&] { createAll(aaa, tables::dataFolder()); });

    if (widthOf(aaa, "Head", "職印１") == 6)
        step(aaa, QStringLiteral("Head"), [&] {
            rebuildAndCopy(aaa, "Head", tables::dataHead().renamed("Head$").withColumn("法人名", "CHARACTER", 100));
        });
    if (widthOf(aaa, "BUMON", "Path") == 50)
        step(aaa, QStringLiteral("BUMON"), [&] {
            TableDef old{"BUMON$",
                         {{"code", "INTEGER"},
                          {"Bumonmei", "CHARACTER", 40},
                          {"Path", "CHARACTER", 200},
                          {"F1", "INTEGER"},
                          {"F2", "INTEGER"},
                          {"F3", "INTEGER"}},
                         {"code"},
                         {}};
            rebuildAndCopy(aaa, "BUMON", old);
        });
    if (!aaa.hasColumn("Mkamoku", "前年実績"))
        step(aaa, QStringLiteral("Mkamoku"), [&] {
            aaa.exec("ALTER TABLE \"Mkamoku\" ADD \"前年実績\" MONEY");
            aaa.exec("ALTER TABLE \"Mkamoku\" ADD \"差異２\" MONEY");
            aaa.exec("ALTER TABLE \"Mkamoku\" ADD \"実績比\" FLOAT");
        });
    if (!aaa.hasColumn("kamoku", "B01"))
        step(aaa, QStringLiteral("kamoku"), [&] {
            for (int i = 0; i <= 25; ++i)
                aaa.exec(QStringLiteral("ALTER TABLE \"kamoku\" ADD \"B%1\" INTEGER").arg(i, 2, 10, QLatin1Char('0')));
        });
    if (!aaa.hasColumn("kamoku2", "FlgI"))
        step(aaa, QStringLiteral("kamoku2"), [&] { rebuildAndCopy(aaa, "kamoku2", tables::kamoku2().renamed("kamoku2$$")); });
    if (!aaa.hasColumn("BUMON", "F4"))
        step(aaa, QStringLiteral("BUMON"), [&] { recreateKeepingRows(aaa, "BUMON", tables::bumon()); });
    if (aaa.rowCount("syohizei") == 0)
        step(aaa, QStringLiteral("syohizei"), [&] {
            auto ins = aaa.prepare(QStringLiteral("INSERT INTO \"syohizei\" (\"zeiID\",\"zeimei\",\"zeiritu\",\"kubun\","
                                                  "\"P1\",\"P2\",\"P3\",\"P4\") VALUES (?1,?2,?3,?4,?5,?6,?7,?8)"));
            for (const auto& s : tables::syohizeiSeed()) {
                ins.bind(1, s.zeiID).bind(2, QString::fromUtf8(s.zeimei)).bind(3, s.zeiritu).bind(4, s.kubun);
                ins.bind(5, s.p1).bind(6, s.p2).bind(7, s.p3).bind(8, s.p4);
                ins.run();
            }
        });
}

void workFolderSchema(Database& www) {
    step(www, QStringLiteral("作業フォルダの表"), [&] { createAll(www, tables::workFolder()); });
    if (!www.hasColumn("kamoku", "前年実績") || www.hasColumn("kamoku", "B00"))
        step(www, QStringLiteral("作業用 kamoku"), [&] { recreateKeepingRows(www, "kamoku", tables::workKamoku()); });
    if (!www.hasColumn("TEKIYOU", "BMNFlg"))
        step(www, QStringLiteral("TEKIYOU"), [&] { www.exec("ALTER TABLE \"TEKIYOU\" ADD \"BMNFlg\" SMALLINT"); });
    if (widthOf(www, "Head", "職印１") == 6) {
        step(www, QStringLiteral("作業用 Head"),
             [&] { rebuildAndCopy(www, "Head", tables::workHead().renamed("Head$")); });
        if (widthOf(www, "Head", "法人名") == 40)
            step(www, QStringLiteral("作業用 Head"),
                 [&] { rebuildAndCopy(www, "Head", tables::workHead().renamed("Head$")); });
    }
}

} // namespace k9
