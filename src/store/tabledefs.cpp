// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/tabledefs.h"

#include "store/database.h"

namespace k9 {
namespace {

using Cols = std::vector<ColumnDef>;

ColumnDef ch(const QString& n, int w) { return {n, QStringLiteral("CHARACTER"), w}; }
ColumnDef vc(const QString& n, int w) { return {n, QStringLiteral("VARCHAR"), w}; }
ColumnDef integer(const QString& n) { return {n, QStringLiteral("INTEGER"), 0}; }
ColumnDef smallint(const QString& n) { return {n, QStringLiteral("SMALLINT"), 0}; }
ColumnDef money(const QString& n) { return {n, QStringLiteral("MONEY"), 0}; }
ColumnDef flt(const QString& n) { return {n, QStringLiteral("FLOAT"), 0}; }
ColumnDef date(const QString& n) { return {n, QStringLiteral("DATE"), 0}; }
ColumnDef boolean(const QString& n) { return {n, QStringLiteral("BOOLEAN"), 0}; }

void add(Cols& c, const Cols& more) { c.insert(c.end(), more.begin(), more.end()); }

// prefix + from..to with `digits` digits (A00 … A25, PM1 … PM15).
Cols range(const QString& prefix, int from, int to, const QString& type, int width = 0, int digits = 1) {
    Cols c;
    for (int i = from; i <= to; ++i)
        c.push_back({prefix + QStringLiteral("%1").arg(i, digits, 10, QLatin1Char('0')), type, width});
    return c;
}

// Full-width digits: 部門１ … 部門２０.
QString wideNumber(int n) {
    QString s = QString::number(n);
    for (QChar& c : s)
        c = QChar(c.unicode() - '0' + 0xFF10);
    return s;
}
Cols wideRange(const QString& prefix, int from, int to, const QString& type) {
    Cols c;
    for (int i = from; i <= to; ++i)
        c.push_back({prefix + wideNumber(i), type, 0});
    return c;
}

Cols flags() {
    Cols c;
    for (const auto& n : flagNames())
        c.push_back(smallint(n));
    return c;
}

// The money block of the per-unit account master, 当初予算 … 注記２.
Cols moneyBlockToNotes2(bool varcharNotes) {
    Cols c = {money("当初予算")};
    add(c, wideRange("補正額", 1, 5, "MONEY"));
    add(c, {money("予算"), money("前年度予算"), money("予算増減額"), money("期首繰越"), money("前残高"),
            money("借方"), money("貸方"), money("残高"), money("残高合計"), money("差異"), flt("比"),
            money("次年度予算"), money("予算増減額２")});
    if (varcharNotes)
        add(c, {vc("注記", 40), vc("注記２", 40)});
    else
        add(c, {ch("注記", 40), ch("注記２", 40)});
    return c;
}
Cols moneyBlockFull(bool varcharNotes) {
    Cols c = moneyBlockToNotes2(varcharNotes);
    add(c, {money("前年実績"), money("差異２"), flt("実績比")});
    return c;
}
Cols subAccountMoney() {
    return {money("予算"), money("期首繰越"), money("前残高"), money("借方"), money("貸方"),
            money("残高"), money("残高合計"), money("差異"), flt("比")};
}

Cols journalColumns() {
    return {integer("SNo"),   integer("Sub_No"), date("hizuke"),    ch("Lcode", 5),     ch("Rcode", 5),
            ch("LHcode", 3),  ch("RHcode", 3),   money("Lkingaku"), money("Rkingaku"),  ch("tekiyou1", 40),
            ch("tekiyou2", 40), smallint("LflgS"), smallint("RflgS"), smallint("FlgT"), smallint("FlgU"),
            smallint("FlgV"), smallint("FlgW")};
}

TableDef makeHead(const QString& name, int corpWidth) {
    Cols c = {ch("法人名", corpWidth), ch("施設名", 40), ch("代表者", 20), ch("郵便番号", 10), ch("住所", 40),
              ch("電話", 15)};
    add(c, range("PM", 1, 5, "INTEGER"));
    add(c, {date("会計期首"), date("自期日"), date("至期日"), ch("PassWord", 10), ch("PathName1", 30),
            ch("PathName2", 30)});
    for (int i = 1; i <= 5; ++i)
        c.push_back(ch("職印" + wideNumber(i), 8));
    add(c, {ch("開始科目code", 5), ch("開始科目名", 40), ch("終了科目code", 5), ch("終了科目名", 40),
            ch("開始補助code1", 5), ch("開始補助code2", 3), ch("終了補助code1", 5), ch("終了補助code2", 3),
            ch("K1", 40), ch("K2", 20), ch("K3", 40), ch("K4", 20)});
    add(c, range("chk", 0, 5, "BOOLEAN"));
    return {name, c, {}, {}};
}

TableDef makeBumon() {
    Cols c = {integer("code"), vc("Bumonmei", 40), vc("Path", 200)};
    add(c, range("F", 1, 15, "INTEGER"));
    add(c, range("S", 1, 5, "VARCHAR", 10));
    return {"BUMON", c, {"code"}, {}};
}

TableDef makeTukibetu(bool byLine) {
    Cols c;
    if (byLine)
        c.push_back(integer("SNo"));
    else
        c.push_back(ch("code", 5));
    c.push_back(ch("科目名", 40));
    add(c, flags());
    add(c, {money("予算"), money("前残高"), money("月合計"), money("予算差異")});
    add(c, range("M", 1, 15, "MONEY"));
    if (byLine) {
        c.push_back(ch("code", 5));
        return {"tukibetu2", c, {"SNo"}, {{"FlgCBcode", {"FlgC", "FlgB", "SNo"}}, {"CCode", {"FlgC", "code"}}}};
    }
    return {"tukibetu", c, {"code"}, {{"FlgCBcode", {"FlgC", "FlgB", "code"}}}};
}

TableDef makeBumonbetu(bool byLine) {
    Cols c;
    if (byLine)
        c.push_back(integer("SNo"));
    else
        c.push_back(ch("code", 5));
    c.push_back(ch("科目名", 40));
    add(c, flags());
    add(c, {money("予算"), money("前残高"), money("部門合計"), money("予算差異")});
    add(c, wideRange("部門", 1, 20, "MONEY"));
    add(c, wideRange("予算", 1, 20, "MONEY"));
    add(c, wideRange("残高", 1, 20, "MONEY"));
    if (byLine) {
        c.push_back(ch("code", 5));
        return {"Bumonbetu2", c, {"SNo"}, {{"FlgCBSNo", {"FlgC", "FlgB", "SNo"}}, {"CCode", {"FlgC", "code"}}}};
    }
    return {"Bumonbetu", c, {"code"}, {{"FlgCBcode", {"FlgC", "FlgB", "code"}}}};
}

} // namespace

QStringList flagNames() {
    return {"FlgA", "FlgB", "FlgC", "FlgD", "FlgE", "FlgF", "FlgG",
            "FlgH", "FlgI", "FlgJ", "FlgK", "FlgL", "FlgAN"};
}

QStringList TableDef::columnNames() const {
    QStringList n;
    for (const auto& c : columns)
        n << c.name;
    return n;
}

TableDef TableDef::renamed(const QString& newName) const {
    TableDef t = *this;
    t.name = newName;
    return t;
}

TableDef TableDef::withColumn(const QString& column, const QString& type, int width) const {
    TableDef t = *this;
    for (auto& c : t.columns)
        if (c.name == column) {
            c.type = type;
            c.width = width;
        }
    return t;
}

QString indexStorageName(const QString& table, const QString& index) { return table + '.' + index; }

QString createTableSql(const TableDef& def) {
    QStringList parts;
    for (const auto& c : def.columns)
        parts << quoteId(c.name) + ' ' + c.declared();
    if (!def.primaryKey.isEmpty()) {
        QStringList pk;
        for (const auto& k : def.primaryKey)
            pk << quoteId(k);
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(pk.join(", "));
    }
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(quoteId(def.name), parts.join(", "));
}

QStringList createIndexSql(const TableDef& def) {
    QStringList out;
    for (const auto& idx : def.indexes) {
        QStringList cols;
        for (const auto& k : idx.columns)
            cols << quoteId(k);
        out << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                   .arg(quoteId(indexStorageName(def.name, idx.name)), quoteId(def.name), cols.join(", "));
    }
    return out;
}

namespace tables {

const TableDef& headM() {
    static const TableDef t = [] {
        Cols c = {ch("法人名", 100), ch("施設名", 100), ch("代表者", 20), ch("郵便番号", 15), ch("住所", 100),
                  ch("電話", 15)};
        add(c, range("PM", 1, 15, "INTEGER"));
        add(c, {ch("PassWord", 10), ch("PassWord1", 10), ch("PassWord2", 10), boolean("PassCheck"),
                ch("PathName1", 100), ch("PathName2", 100), ch("PathName3", 100)});
        return TableDef{"HeadM", c, {}, {}};
    }();
    return t;
}

const TableDef& regist() {
    static const TableDef t = [] {
        Cols c = {integer("ID")};
        add(c, range("S", 1, 10, "VARCHAR", 100));
        add(c, range("P", 1, 20, "INTEGER"));
        add(c, range("F", 1, 10, "FLOAT"));
        add(c, range("D", 1, 10, "DATE"));
        return TableDef{"Regist", c, {"ID"}, {}};
    }();
    return t;
}

const TableDef& pathRec() {
    static const TableDef t{"PathRec", {integer("No"), vc("会計年度", 50), vc("データパス名", 100)}, {"No"}, {}};
    return t;
}

std::vector<TableDef> programFolder() { return {headM(), regist(), pathRec()}; }

const TableDef& dataHead() {
    static const TableDef t = makeHead("Head", 40);
    return t;
}

const TableDef& denpyou1() {
    static const TableDef t{"denpyou1", journalColumns(), {"SNo", "Sub_No"}, {{"hizuke", {"hizuke", "SNo", "Sub_No"}}}};
    return t;
}

const TableDef& bumon() {
    static const TableDef t = makeBumon();
    return t;
}

const TableDef& kamoku() {
    static const TableDef t = [] {
        Cols c = {ch("code", 5), ch("科目名", 40)};
        add(c, flags());
        add(c, range("A", 0, 25, "SMALLINT", 0, 2));
        add(c, range("B", 0, 25, "SMALLINT", 0, 2));
        return TableDef{"kamoku", c, {"code"}, {{"FlgCBcode", {"FlgC", "FlgB", "code"}}}};
    }();
    return t;
}

const TableDef& kamoku2() {
    static const TableDef t = [] {
        Cols c = {integer("SNo"), ch("科目名", 40)};
        add(c, flags());
        add(c, range("A", 0, 25, "SMALLINT", 0, 2));
        c.push_back(ch("code", 5));
        return TableDef{
            "kamoku2", c, {"SNo"}, {{"CCode", {"FlgC", "code"}}, {"FlgCBcode", {"FlgC", "FlgB", "SNo"}}}};
    }();
    return t;
}

const TableDef& hojokamoku() {
    static const TableDef t{
        "hojokamoku", {ch("kamoku_CD", 5), ch("hojo_CD", 3), ch("補助科目名", 20)}, {"kamoku_CD", "hojo_CD"}, {}};
    return t;
}

const TableDef& mkamoku() {
    static const TableDef t = [] {
        Cols c = {smallint("B_ID"), ch("code", 5), ch("科目名", 40)};
        add(c, flags());
        add(c, moneyBlockFull(false));
        return TableDef{"Mkamoku", c, {"B_ID", "code"}, {{"FlgCBcode", {"B_ID", "FlgC", "FlgB", "code"}}}};
    }();
    return t;
}

const TableDef& mkamoku2() {
    static const TableDef t = [] {
        Cols c = {smallint("B_ID"), integer("SNo"), ch("科目名", 40)};
        add(c, flags());
        add(c, moneyBlockToNotes2(false));
        c.push_back(ch("code", 5));
        return TableDef{"Mkamoku2",
                        c,
                        {"B_ID", "SNo"},
                        {{"FlgCBcode", {"B_ID", "FlgC", "FlgB", "SNo"}}, {"CCode", {"B_ID", "FlgC", "code"}}}};
    }();
    return t;
}

const TableDef& mhojokamoku() {
    static const TableDef t = [] {
        Cols c = {smallint("B_ID"), ch("kamoku_CD", 5), ch("hojo_CD", 3), ch("補助科目名", 20)};
        add(c, subAccountMoney());
        return TableDef{"Mhojokamoku", c, {"B_ID", "kamoku_CD", "hojo_CD"}, {}};
    }();
    return t;
}

const TableDef& regist2() {
    static const TableDef t = [] {
        Cols c = {integer("ID")};
        add(c, range("S", 1, 20, "VARCHAR", 50));
        add(c, range("P", 1, 20, "INTEGER"));
        add(c, range("F", 1, 10, "FLOAT"));
        add(c, range("D", 1, 10, "DATE"));
        return TableDef{"Regist2", c, {"ID"}, {}};
    }();
    return t;
}

const TableDef& kariire() {
    static const TableDef t = [] {
        Cols c = {ch("kamoku_CD", 5), ch("hojo_CD", 3), integer("bumon"), ch("補助科目名", 20)};
        add(c, subAccountMoney());
        add(c, {money("補助金"), ch("利率", 5), money("利息"), money("利息補助"), ch("返済期限", 15),
                ch("使途", 20), ch("種類", 20), ch("地番", 20), money("帳簿価額")});
        return TableDef{"kariire", c, {"kamoku_CD", "hojo_CD"}, {}};
    }();
    return t;
}

const TableDef& syohizei() {
    static const TableDef t = [] {
        Cols c = {integer("zeiID"), ch("zeimei", 20), flt("zeiritu"), integer("kubun")};
        add(c, range("P", 1, 5, "FLOAT"));
        add(c, {ch("S1", 20), ch("S2", 20), ch("S3", 20)});
        return TableDef{"syohizei", c, {"zeiID"}, {}};
    }();
    return t;
}

std::vector<TableDef> dataFolder() {
    return {dataHead(), denpyou1(),    bumon(),   kamoku(),  kamoku2(), hojokamoku(), mkamoku(),
            mkamoku2(), mhojokamoku(), regist2(), kariire(), syohizei()};
}

const TableDef& workHead() {
    static const TableDef t = makeHead("Head", 100);
    return t;
}

const TableDef& workKamoku() {
    static const TableDef t = [] {
        Cols c = {ch("code", 5), ch("科目名", 40)};
        add(c, flags());
        add(c, moneyBlockFull(false));
        return TableDef{"kamoku", c, {"code"}, {{"FlgCBcode", {"FlgC", "FlgB", "code"}}}};
    }();
    return t;
}

const TableDef& workKamoku2() {
    static const TableDef t = [] {
        Cols c = {integer("SNo"), ch("科目名", 40)};
        add(c, flags());
        add(c, moneyBlockToNotes2(false));
        c.push_back(ch("code", 5));
        return TableDef{"kamoku2",
                        c,
                        {"SNo"},
                        {{"FlgCBcode", {"FlgC", "FlgB", "SNo"}}, {"CCode", {"FlgC", "code"}}, {"FlgH", {"FlgH"}}}};
    }();
    return t;
}

const TableDef& workHojokamoku() {
    static const TableDef t = [] {
        Cols c = {ch("kamoku_CD", 5), ch("hojo_CD", 3), ch("補助科目名", 20)};
        add(c, subAccountMoney());
        return TableDef{"hojokamoku", c, {"kamoku_CD", "hojo_CD"}, {}};
    }();
    return t;
}

std::vector<TableDef> workFolder() {
    static const std::vector<TableDef> all = [] {
        std::vector<TableDef> v = {workHead(), denpyou1(), workKamoku(), workKamoku2(), workHojokamoku()};
        v.push_back(makeTukibetu(false));
        v.push_back(makeTukibetu(true));
        v.push_back(makeBumonbetu(false));
        v.push_back(makeBumonbetu(true));
        v.push_back({"WKTBL0", {smallint("renNo"), ch("code1", 5), smallint("F")}, {"renNo"}, {}});
        v.push_back({"WKTBL1",
                     {ch("code1", 5), smallint("renNo"), ch("code2", 5), smallint("F")},
                     {"code1", "renNo"},
                     {}});
        v.push_back({"TEKIYOU",
                     {ch("code1", 5), ch("code2", 5), smallint("RenNo"), ch("摘要名", 60), smallint("BMNFlg")},
                     {"code1", "code2", "RenNo"},
                     {}});
        v.push_back({"DMemH", {integer("GID"), integer("ID"), ch("Name", 20)}, {"GID", "ID"}, {}});
        {
            Cols c = {integer("GID")};
            add(c, journalColumns());
            add(c, {ch("Lkamoku", 40), ch("Rkamoku", 40), ch("LHkamoku", 20), ch("RHkamoku", 20),
                    ch("Bumonmei", 20)});
            v.push_back({"DMem", c, {"GID", "SNo", "Sub_No"}, {{"hizuke", {"hizuke"}}}});
        }
        {
            Cols c = {integer("SNo"),   integer("Sub_No"),  date("hizuke"),     ch("ACode", 5),
                      ch("AHCode", 3),  ch("BCode", 5),     ch("BHcode", 3),    money("Okingaku"),
                      money("Ikingaku"), ch("tekiyou1", 40), ch("tekiyou2", 40), smallint("LflgS"),
                      smallint("RflgS"), smallint("FlgT"),  smallint("FlgU"),   smallint("FlgV"),
                      smallint("FlgW")};
            v.push_back({"InputMoto", c, {"SNo", "Sub_No"}, {}});
        }
        {
            Cols c = journalColumns();
            add(c, {ch("Lkamokumei", 40), ch("Rkamokumei", 40), ch("LHkamokumei", 20), ch("RHkamokumei", 20),
                    boolean("chkmdy")});
            v.push_back({"wdenpyo", c, {"SNo", "Sub_No"}, {{"hizuke", {"hizuke", "SNo", "Sub_No"}}}});
        }
        {
            Cols c = {integer("SNo"), ch("code", 5), ch("科目名", 40)};
            add(c, flags());
            add(c, {money("予算"), money("前残高"), money("部門合計"), money("予算差異")});
            add(c, wideRange("部門", 1, 30, "MONEY"));
            v.push_back({"wkBmn",
                         c,
                         {"SNo"},
                         {{"Code", {"code"}}, {"FlgCBSNo", {"FlgC", "FlgB", "SNo"}}, {"CCode", {"FlgC", "code"}}}});
        }
        {
            Cols c = {smallint("B_ID"), vc("code", 5), vc("科目名", 40)};
            add(c, flags());
            add(c, moneyBlockFull(true));
            c.push_back(integer("SNo"));
            v.push_back(
                {"Mkamoku", c, {"B_ID", "code"}, {{"FlgCBcode", {"B_ID", "FlgC", "FlgB", "code"}}}});
        }
        {
            Cols c = {smallint("B_ID"), integer("SNo"), vc("科目名", 40)};
            add(c, flags());
            add(c, moneyBlockToNotes2(true));
            c.push_back(vc("code", 5));
            v.push_back({"Mkamoku2",
                         c,
                         {"B_ID", "SNo"},
                         {{"FlgCBcode", {"B_ID", "FlgC", "FlgB", "SNo"}}, {"CCode", {"B_ID", "FlgC", "code"}}}});
        }
        {
            Cols c = {smallint("B_ID"), vc("kamoku_CD", 5), vc("hojo_CD", 3), vc("補助科目名", 20)};
            add(c, subAccountMoney());
            v.push_back({"Mhojokamoku", c, {"B_ID", "kamoku_CD", "hojo_CD"}, {}});
        }
        v.push_back(makeBumon());
        return v;
    }();
    return all;
}

const TableDef* workTable(const QString& name) {
    static const std::vector<TableDef> all = workFolder();
    for (const auto& t : all)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const TableDef* dataTable(const QString& name) {
    static const std::vector<TableDef> all = dataFolder();
    for (const auto& t : all)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const std::vector<TaxClassSeed>& syohizeiSeed() {
    static const std::vector<TaxClassSeed> seed = {
        {0, "非課税科目", 1.05, 0, 105, 4, 25, 100},          {1, "課税科目", 1.05, 1, 105, 4, 25, 100},
        {2, "課税個別対応科目", 1.05, 2, 105, 4, 25, 100},    {3, "使途特定の特定収入", 1.05, 3, 105, 4, 25, 100},
        {4, "使途不特定の特定収入", 1.05, 4, 105, 4, 25, 100}, {10, "非課税科目", 1.08, 0, 108, 6.3, 17, 63},
        {11, "課税科目", 1.08, 1, 108, 6.3, 17, 63},          {12, "課税個別対応科目", 1.08, 2, 108, 6.3, 17, 63},
        {13, "使途特定の特定収入", 1.08, 3, 108, 6.3, 17, 63}, {14, "使途不特定の特定収入", 1.08, 4, 108, 6.3, 17, 63},
        {20, "非課税科目", 1.1, 0, 110, 7.8, 22, 78},         {21, "課税科目", 1.1, 1, 110, 7.8, 22, 78},
        {22, "課税個別対応科目", 1.1, 2, 110, 7.8, 22, 78},   {23, "使途特定の特定収入", 1.1, 3, 110, 7.8, 22, 78},
        {24, "使途不特定の特定収入", 1.1, 4, 110, 7.8, 22, 78},
    };
    return seed;
}

} // namespace tables
} // namespace k9
