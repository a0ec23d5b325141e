// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the chart-of-accounts template databases from their CSV sources: parse and check
// every cell against the data-folder layout first, then replace the template's tables in
// one transaction and refuse a chart with structural faults.
#include "chart/templates.h"

#include "store/cp932.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/session.h"
#include "store/tabledefs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <algorithm>

namespace k9 {

namespace {

// One source file read and checked against its table's layout.
struct SourceTable {
    const TableDef* def = nullptr;
    QString file;
    QStringList header;
    std::vector<const ColumnDef*> columns; // the layout's column of each header name
    std::vector<std::vector<QVariant>> rows;
    std::vector<int> lineNumbers; // line of each row in the file, for messages
};

// Splits CSV text into records. Fields may be quoted ("" stands for a quote inside one);
// line breaks may be LF or CRLF; empty lines are skipped. Each record keeps its first line.
std::vector<std::pair<int, QStringList>> parseCsv(const QString& text) {
    std::vector<std::pair<int, QStringList>> records;
    QStringList fields;
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1;
    auto endRecord = [&] {
        if (fieldStarted || !fields.isEmpty() || !field.isEmpty()) {
            fields << field;
            records.emplace_back(recordLine, fields);
        }
        fields.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            recordLine = ++line;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    endRecord();
    return records;
}

const ColumnDef* findColumn(const TableDef& def, const QString& name) {
    for (const auto& c : def.columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

bool isTextColumn(const ColumnDef& c) {
    return c.type == QLatin1String("CHARACTER") || c.type == QLatin1String("VARCHAR");
}

// The stored value of one cell: NULL when empty, else the text, checked for its column.
QVariant cellValue(const ColumnDef& col, const QString& cell, const QString& where) {
    if (cell.isEmpty())
        return QVariant();
    if (isTextColumn(col)) {
        QString bad;
        if (!cp932::canEncode(cell, &bad))
            throw ChartTemplateError(
                QStringLiteral("%1: %2「%3」に Shift-JIS で表せない文字「%4」があります。")
                    .arg(where, col.name, cell, bad));
        if (col.width > 0 && cp932::byteWidth(cell) > col.width)
            throw ChartTemplateError(QStringLiteral("%1: %2「%3」が%4バイトを超えています。")
                                         .arg(where, col.name, cell, QString::number(col.width)));
        return cell;
    }
    bool ok = false;
    long long n = cell.trimmed().toLongLong(&ok);
    if (!ok)
        throw ChartTemplateError(
            QStringLiteral("%1: %2「%3」は整数ではありません。").arg(where, col.name, cell));
    return n;
}

SourceTable readSource(const QString& sourceDir, const TableDef& def) {
    SourceTable t;
    t.def = &def;
    t.file = QDir(sourceDir).filePath(def.name + QStringLiteral(".csv"));
    QFile f(t.file);
    if (!f.open(QIODevice::ReadOnly))
        throw ChartTemplateError(QStringLiteral("科目マスタの雛型ファイル %1 を読めません。").arg(t.file));
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    auto records = parseCsv(text);
    if (records.empty())
        throw ChartTemplateError(QStringLiteral("%1 に見出し行がありません。").arg(t.file));
    t.header = records.front().second;
    auto& columns = t.columns;
    for (const auto& name : t.header) {
        const ColumnDef* c = findColumn(def, name.trimmed());
        if (!c)
            throw ChartTemplateError(
                QStringLiteral("%1: 列「%2」は表 %3 にありません。").arg(t.file, name, def.name));
        if (std::find(columns.begin(), columns.end(), c) != columns.end())
            throw ChartTemplateError(
                QStringLiteral("%1: 列「%2」が見出しに二度あります。").arg(t.file, name));
        columns.push_back(c);
    }
    for (size_t r = 1; r < records.size(); ++r) {
        const auto& [line, cells] = records[r];
        QString where = QStringLiteral("%1 の %2 行目").arg(t.file, QString::number(line));
        if (cells.size() != t.header.size())
            throw ChartTemplateError(
                QStringLiteral("%1: 項目数 %2 が見出しの %3 と合いません。")
                    .arg(where, QString::number(cells.size()), QString::number(t.header.size())));
        std::vector<QVariant> values;
        for (qsizetype i = 0; i < cells.size(); ++i)
            values.push_back(cellValue(*columns[i], cells[i], where));
        t.rows.push_back(std::move(values));
        t.lineNumbers.push_back(line);
    }
    return t;
}

void loadRows(Database& db, const SourceTable& t) {
    for (size_t r = 0; r < t.rows.size(); ++r) {
        std::vector<std::pair<QString, QVariant>> values;
        for (size_t i = 0; i < t.columns.size(); ++i)
            values.emplace_back(t.columns[i]->name, t.rows[r][i]);
        try {
            db.insertRow(t.def->name, values);
        } catch (const K9Error& e) {
            throw ChartTemplateError(QStringLiteral("%1 の %2 行目を登録できません: %3")
                                         .arg(t.file, QString::number(t.lineNumbers[r]), e.message()));
        }
    }
}

} // namespace

const std::vector<ChartTemplate>& chartTemplates() {
    static const std::vector<ChartTemplate> list = {
        {QStringLiteral("Data1"), QStringLiteral("標準科目マスタ（雛型）")},
        {QStringLiteral("Data2"), QStringLiteral("簡易科目マスタ（雛型）")},
        {QStringLiteral("Data3"), QStringLiteral("NPO法人科目マスタ")},
    };
    return list;
}

QString templateDatabaseFile(const QString& appDir, const QString& folder) {
    return QDir(QDir(appDir).filePath(folder)).filePath(QString::fromLatin1(kDatabaseFile));
}

void buildTemplateDatabase(const QString& sourceDir, const QString& targetDbFile) {
    const std::vector<const TableDef*> defs = {&tables::kamoku(), &tables::kamoku2(), &tables::hojokamoku()};
    std::vector<SourceTable> sources;
    for (const TableDef* def : defs)
        sources.push_back(readSource(sourceDir, *def));

    QString folder = QFileInfo(targetDbFile).absolutePath();
    if (!QDir().mkpath(folder))
        throw ChartTemplateError(QStringLiteral("雛型のフォルダ %1 を作成できません。").arg(folder));
    Database db;
    db.open(targetDbFile, Database::Kind::Other);
    Transaction tx(db);
    for (const TableDef* def : defs) {
        dropTableIfExists(db, def->name);
        createTable(db, *def);
    }
    for (const auto& source : sources)
        loadRows(db, source);
    QStringList problems = validateChart(db);
    if (!problems.isEmpty())
        throw ChartTemplateError(QStringLiteral("科目マスタの雛型 %1 に不備があります。\n%2")
                                     .arg(sourceDir, problems.join(QLatin1Char('\n'))));
    tx.commit();
}

void installTemplates(const QString& templatesSourceRoot, const QString& appDir) {
    for (const auto& t : chartTemplates())
        buildTemplateDatabase(QDir(templatesSourceRoot).filePath(t.folder),
                              templateDatabaseFile(appDir, t.folder));
}

QString templateSourceRoot() {
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("templates"));
#ifdef K9_TEMPLATE_DIR
    candidates << QString::fromUtf8(K9_TEMPLATE_DIR);
#endif
    for (const auto& dir : candidates)
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("Data1/kamoku.csv"))))
            return QDir::cleanPath(dir);
    return QString();
}

} // namespace k9
