// SPDX-License-Identifier: GPL-3.0-or-later
// Repair of the data and work folders: integrity check, index rebuild, the Mkamoku key,
// WKTBL0 renumbering and compaction, each step on its own so one failure stops nothing.
#include "app/repair.h"

#include "store/database.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/tabledefs.h"

#include <QSet>

namespace k9 {
namespace {

const QString kRepairDone = QStringLiteral("データ修復及びインデックスの再構築が終わりました。");
const QString kMkamoku = QStringLiteral("Mkamoku");
const QString kWorkTable0 = QStringLiteral("WKTBL0");

// Empty when the database passes SQLite's integrity check, else what the check found.
QString integrityProblem(Database& db) {
    try {
        Statement st(db, QStringLiteral("PRAGMA integrity_check(5)"));
        QStringList lines;
        while (st.step())
            lines << st.text(0);
        if (lines == QStringList{QStringLiteral("ok")})
            return QString();
        return lines.isEmpty() ? QStringLiteral("検査結果がありません") : lines.join(QStringLiteral("; "));
    } catch (const K9Error& e) {
        return e.message();
    }
}

void reindexTables(Database& db, const QStringList& tables, QStringList& problems) {
    for (const QString& table : tables) {
        try {
            if (!db.tableExists(table))
                continue;
            db.exec(QStringLiteral("REINDEX ") + quoteId(table));
        } catch (const K9Error& e) {
            problems << QStringLiteral("表「%1」（%2）の索引を再構築できませんでした。（%3）")
                            .arg(table, db.fileName(), e.message());
        }
    }
}

// True when some unique index of the table covers exactly the given columns.
bool hasUniqueKey(Database& db, const QString& table, const QStringList& keyColumns) {
    QSet<QString> wanted;
    for (const QString& c : keyColumns)
        wanted.insert(c.toLower());
    Statement list(db, QStringLiteral("SELECT name FROM pragma_index_list(?1) WHERE \"unique\" = 1"));
    list.bind(1, table);
    while (list.step()) {
        Statement info(db, QStringLiteral("SELECT name FROM pragma_index_info(?1)"));
        info.bind(1, list.text(0));
        QSet<QString> cols;
        while (info.step())
            cols.insert(info.text(0).toLower());
        if (cols == wanted)
            return true;
    }
    return false;
}

// The data-folder Mkamoku is keyed by (B_ID, code). A table from an old installation that
// lost the key gets a unique index in its place; duplicate rows make that impossible.
void ensureMkamokuKey(Database& aaa, QStringList& problems) {
    const QStringList key = tables::mkamoku().primaryKey;
    try {
        if (!aaa.tableExists(kMkamoku) || hasUniqueKey(aaa, kMkamoku, key))
            return;
    } catch (const K9Error& e) {
        problems << QStringLiteral("表「Mkamoku」の主キーを確かめられませんでした。（%1）").arg(e.message());
        return;
    }
    QStringList cols;
    for (const QString& c : key)
        cols << quoteId(c);
    try {
        aaa.exec(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                     .arg(quoteId(indexStorageName(kMkamoku, QStringLiteral("PrimaryKey"))),
                          quoteId(kMkamoku), cols.join(QStringLiteral(", "))));
        problems << QStringLiteral("表「Mkamoku」に主キー（B_ID, code）がなかったので、作成しました。");
    } catch (const K9Error& e) {
        problems << QStringLiteral("表「Mkamoku」に主キー（B_ID, code）がなく、作成できませんでした。"
                                   "同じ会計・科目コードの行が重複しています。（%1）")
                        .arg(e.message());
    }
}

void compact(Database& db, QStringList& problems) {
    try {
        db.exec(QStringLiteral("VACUUM"));
    } catch (const K9Error& e) {
        problems << QStringLiteral("データファイル「%1」を最適化できませんでした。（%2）")
                        .arg(db.fileName(), e.message());
    }
}

} // namespace

const QStringList& repairDataTables() {
    static const QStringList names = {QStringLiteral("denpyou1"),   QStringLiteral("kamoku"),
                                      QStringLiteral("Mkamoku"),    QStringLiteral("kamoku2"),
                                      QStringLiteral("Mkamoku2"),   QStringLiteral("hojokamoku"),
                                      QStringLiteral("Mhojokamoku")};
    return names;
}

const QStringList& repairWorkTables() {
    static const QStringList names = [] {
        const char* files[] = {"Bumonbetu2.DAT", "Bumonbetu.DAT",     "denpyou1.DAT",    "DMem.DAT",
                               "DMemH.DAT",      "Head.DAT",          "hojokamoku.DAT",  "kamoku2.DAT",
                               "kamoku.DAT",     "kariiremeisai.DAT", "koteimeisai.DAT", "meisai.DAT",
                               "TEKIYOU.DAT",    "tukibetu.DAT",      "WK05.DAT",        "wkdenpyo.DAT",
                               "WKTBL0.DAT",     "WKTBL1.DAT",        "zaisan2A.DAT",    "zaisan2B.DAT"};
        QStringList out;
        for (const char* f : files)
            out << QString::fromLatin1(f).chopped(4);
        return out;
    }();
    return names;
}

void renumberWorkTable0(Database& www) {
    QString renNo;
    QStringList others;
    for (const ColumnInfo& c : www.columns(kWorkTable0)) {
        if (c.name.compare(QLatin1String("renNo"), Qt::CaseInsensitive) == 0)
            renNo = quoteId(c.name);
        else
            others << quoteId(c.name);
    }
    if (renNo.isEmpty())
        throw StoreError(QStringLiteral("表 WKTBL0 に列 renNo がありません。"));
    const QString rest =
        others.isEmpty() ? QString() : QStringLiteral(", ") + others.join(QStringLiteral(", "));
    const QString table = quoteId(kWorkTable0);

    // The rows are parked in a temporary table with their new numbers, so the key never
    // holds two equal numbers on the way.
    Transaction tx(www);
    www.exec(QStringLiteral("DROP TABLE IF EXISTS temp.k9_renumber"));
    www.exec(QStringLiteral("CREATE TEMP TABLE k9_renumber AS SELECT ROW_NUMBER() OVER (ORDER BY %1, rowid) "
                            "AS k9_no%2 FROM %3")
                 .arg(renNo, rest, table));
    www.exec(QStringLiteral("DELETE FROM ") + table);
    www.exec(QStringLiteral("INSERT INTO %1 (%2%3) SELECT k9_no%3 FROM temp.k9_renumber ORDER BY k9_no")
                 .arg(table, renNo, rest));
    www.exec(QStringLiteral("DROP TABLE temp.k9_renumber"));
    tx.commit();
}

RepairResult repairDatabases(Database& aaa, Database& www) {
    RepairResult r;
    Database* both[] = {&aaa, &www};

    for (Database* db : both) {
        const QString found = integrityProblem(*db);
        if (found.isEmpty())
            continue;
        r.damagedFiles << db->fileName();
        r.problems << QStringLiteral("データファイル「%1」に破損が見つかりました。（%2）")
                          .arg(db->fileName(), found);
    }

    reindexTables(aaa, repairDataTables(), r.problems);
    ensureMkamokuKey(aaa, r.problems);
    reindexTables(www, repairWorkTables(), r.problems);
    try {
        if (www.tableExists(kWorkTable0))
            renumberWorkTable0(www);
    } catch (const K9Error& e) {
        r.problems << QStringLiteral("表「WKTBL0」の連番を振り直せませんでした。（%1）").arg(e.message());
    }
    compact(aaa, r.problems);
    compact(www, r.problems);

    for (Database* db : both) {
        if (!r.damagedFiles.contains(db->fileName()))
            continue;
        if (integrityProblem(*db).isEmpty()) {
            r.problems
                << QStringLiteral("データファイル「%1」は索引の再構築で修復されました。").arg(db->fileName());
        } else {
            r.stillDamagedFiles << db->fileName();
            r.problems << QStringLiteral(
                              "データファイル「%1」は修復できませんでした。"
                              "障害が生じる前にバックアップをしたデータファイルで復旧させてください。")
                              .arg(db->fileName());
        }
    }
    return r;
}

QString repairFinishedMessage(const RepairResult& result) {
    if (result.problems.isEmpty())
        return kRepairDone;
    return kRepairDone + QLatin1Char('\n') + result.problems.join(QLatin1Char('\n'));
}

RepairResult runRepair(Session& session, Prompter& prompter) {
    RepairResult r = repairDatabases(session.aaa, session.www);
    prompter.message(repairFinishedMessage(r),
                     r.problems.isEmpty() ? MessageIcon::Information : MessageIcon::Warning);
    return r;
}

} // namespace k9
