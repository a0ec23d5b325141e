// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV writer and reader, and the key-matched table copy.
#include "store/csv.h"

#include "store/cp932.h"
#include "store/database.h"
#include "store/prompter.h"
#include "store/tabledefs.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <map>
#include <sqlite3.h>

namespace k9 {
namespace {

constexpr int kMaxItems = 1000;
constexpr QChar kQuote(u'"');
constexpr QChar kComma(u',');

// Blanks and control characters separate items outside quotes.
bool isBlank(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

// The first word of a declared type, upper case: "CHARACTER(5)" → "CHARACTER".
QString typeWord(const QString& declared) {
    QString t = declared.trimmed().toUpper();
    const qsizetype paren = t.indexOf(QLatin1Char('('));
    if (paren >= 0)
        t = t.left(paren);
    t = t.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    return blank >= 0 ? t.left(blank) : t;
}

bool isNumericType(const QString& word) {
    static const QStringList numeric = {QStringLiteral("INTEGER"), QStringLiteral("SMALLINT"),
                                        QStringLiteral("WORD"),    QStringLiteral("AUTOINC"),
                                        QStringLiteral("MONEY"),   QStringLiteral("FLOAT")};
    return numeric.contains(word);
}

bool isNumberValue(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString shortestNumber(double d) {
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

// An amount as a plain decimal: whole yen without a point, otherwise up to four decimals.
QString decimalAmount(Money m) {
    const std::int64_t raw = m.raw();
    const std::int64_t magnitude = raw < 0 ? -raw : raw;
    QString text = QString::number(magnitude / Money::kScale);
    const std::int64_t fraction = magnitude % Money::kScale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return raw < 0 ? QLatin1Char('-') + text : text;
}

QString quoteItem(const QString& text) {
    QString q = text;
    q.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + q + kQuote;
}

QString columnList(const QStringList& names) {
    QStringList quoted;
    for (const auto& n : names)
        quoted << quoteId(n);
    return quoted.join(',');
}

void bindAll(Statement& st, const std::vector<QVariant>& params) {
    for (size_t i = 0; i < params.size(); ++i)
        st.bind(static_cast<int>(i + 1), params[i]);
}

// Binds ":PM1", ":PM2", … of a condition.
void bindNamed(Statement& st, const std::vector<QVariant>& params) {
    for (size_t i = 0; i < params.size(); ++i)
        st.bind(QStringLiteral(":PM%1").arg(i + 1).toUtf8().constData(), params[i]);
}

// The lines of a CP932 text file, without their line ends.
QStringList readLines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw K9Error(QStringLiteral("ファイル「%1」を読めません。").arg(file));
    QString text = cp932::decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Writes every row of a prepared query: a header of its column labels, then the rows.
void writeQuery(Statement& st, CsvWriter& writer) {
    const int count = st.columnCount();
    QStringList labels;
    QStringList types;
    for (int i = 0; i < count; ++i) {
        labels << st.columnName(i);
        const char* declared = sqlite3_column_decltype(st.handle(), i);
        types << (declared ? QString::fromUtf8(declared) : QString());
    }
    writer.addHeader(labels);
    std::vector<CsvField> fields(count);
    while (st.step()) {
        for (int i = 0; i < count; ++i)
            fields[i].text = csvText(st.value(i), types[i], &fields[i].quoted);
        writer.addRow(fields);
    }
}

std::vector<ColumnInfo> namedColumns(Database& db, const QString& table, const QStringList& names) {
    if (!db.tableExists(table))
        throw StoreError(QStringLiteral("表 %1 がありません。").arg(table));
    if (names.isEmpty())
        return db.columns(table);
    std::vector<ColumnInfo> out;
    for (const auto& n : names) {
        auto c = db.column(table, n);
        if (!c)
            throw StoreError(QStringLiteral("表 %1 に列 %2 がありません。").arg(table, n));
        out.push_back(*c);
    }
    return out;
}

QStringList primaryKeyOf(Database& db, const QString& table) {
    QStringList key;
    auto st = db.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1) WHERE pk>0 ORDER BY pk"));
    st.bind(1, table);
    while (st.step())
        key << st.text(0);
    return key;
}

// Creates `target` in `to` with the columns, key and indexes of `source` in `from`.
void createLike(Database& from, const QString& source, Database& to, const QString& target) {
    TableDef def;
    def.name = target;
    {
        auto st = from.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?1) ORDER BY cid"));
        st.bind(1, source);
        while (st.step())
            def.columns.push_back({st.text(0), st.text(1), 0});
    }
    def.primaryKey = primaryKeyOf(from, source);
    QStringList indexes;
    {
        auto st = from.prepare(QStringLiteral("SELECT name FROM pragma_index_list(?1) WHERE origin='c'"));
        st.bind(1, source);
        while (st.step())
            indexes << st.text(0);
    }
    const QString ownPrefix = source + QLatin1Char('.');
    for (const auto& index : indexes) {
        IndexDef idx;
        idx.name = index.startsWith(ownPrefix, Qt::CaseInsensitive) ? index.mid(ownPrefix.size()) : index;
        auto st = from.prepare(QStringLiteral("SELECT name FROM pragma_index_info(?1) ORDER BY seqno"));
        st.bind(1, index);
        while (st.step())
            idx.columns << st.text(0);
        def.indexes.push_back(idx);
    }
    to.exec(createTableSql(def));
    for (const auto& sql : createIndexSql(def))
        to.exec(sql);
}

} // namespace

QString overwriteQuestion() {
    return QStringLiteral("同名のファイルがあります。上書をしてもよいですか？");
}

void CsvWriter::addHeader(const QStringList& labels) {
    std::vector<CsvField> fields;
    fields.reserve(labels.size());
    for (const auto& l : labels)
        fields.push_back({l, true});
    addRow(fields);
}

void CsvWriter::addRow(const std::vector<CsvField>& fields) {
    QString line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += kComma;
        line += fields[i].quoted ? quoteItem(fields[i].text) : fields[i].text;
    }
    m_bytes += cp932::encode(line);
    m_bytes += "\r\n";
    ++m_lines;
}

void CsvWriter::save(const QString& file) const {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(m_bytes) != m_bytes.size() || !out.commit())
        throw K9Error(QStringLiteral("ファイル「%1」に書き込めません。").arg(file));
}

bool confirmOverwrite(const QString& file, Prompter& prompter) {
    if (!QFileInfo::exists(file))
        return true;
    return prompter.ask(overwriteQuestion(), MessageIcon::Warning, Buttons::YesNoCancel) == Answer::Yes;
}

QStringList splitCsvLine(const QString& line) {
    QStringList items;
    const qsizetype n = line.size();
    qsizetype p = 0;
    auto skipBlanks = [&] {
        while (p < n && isBlank(line.at(p)))
            ++p;
    };
    skipBlanks();
    while (p < n && items.size() < kMaxItems) {
        QString item;
        if (line.at(p) == kQuote) {
            ++p;
            while (p < n) {
                if (line.at(p) == kQuote) {
                    if (p + 1 < n && line.at(p + 1) == kQuote) {
                        item += kQuote;
                        p += 2;
                        continue;
                    }
                    ++p; // closing quote
                    break;
                }
                item += line.at(p++);
            }
        } else {
            const qsizetype start = p;
            while (p < n && !isBlank(line.at(p)) && line.at(p) != kComma)
                ++p;
            item = line.mid(start, p - start);
        }
        items << item;
        skipBlanks();
        if (p < n && line.at(p) == kComma) {
            if (p + 1 == n && items.size() < kMaxItems)
                items << QString(); // a final comma ends with an empty item
            ++p;
            skipBlanks();
        }
    }
    return items;
}

QString csvText(const QVariant& value, const QString& declaredType, bool* quoted) {
    const QString type = typeWord(declaredType);
    const bool bare = type.isEmpty() ? isNumberValue(value) : isNumericType(type);
    if (quoted)
        *quoted = !bare;
    if (!value.isValid() || value.isNull())
        return QString();
    if (type == QLatin1String("MONEY")) {
        const Money m = Money::fromVariant(value);
        return m.isEmpty() ? value.toString() : decimalAmount(m);
    }
    if (type == QLatin1String("DATE")) {
        const QDate d = QDate::fromString(value.toString().left(10), Qt::ISODate);
        return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : value.toString();
    }
    if (type == QLatin1String("BOOLEAN") && isNumberValue(value))
        return value.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    if (value.typeId() == QMetaType::Double)
        return shortestNumber(value.toDouble());
    return value.toString();
}

bool exportTableCsv(Database& db, const QString& table, const QString& file, Prompter& prompter,
                    const QStringList& columns) {
    const std::vector<ColumnInfo> cols = namedColumns(db, table, columns);
    if (!confirmOverwrite(file, prompter))
        return false;
    QStringList names;
    for (const auto& c : cols)
        names << c.name;
    const QStringList key = primaryKeyOf(db, table);
    const QString order = key.isEmpty() ? QStringLiteral("rowid") : columnList(key);
    auto st = db.prepare(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columnList(names), quoteId(table), order));
    CsvWriter writer;
    writeQuery(st, writer);
    writer.save(file);
    return true;
}

bool exportQueryCsv(Database& db, const QString& sql, const std::vector<QVariant>& params,
                    const QString& file, Prompter& prompter) {
    if (!confirmOverwrite(file, prompter))
        return false;
    auto st = db.prepare(sql);
    bindAll(st, params);
    CsvWriter writer;
    writeQuery(st, writer);
    writer.save(file);
    return true;
}

int importCsv(Database& db, const QString& file, const QString& table, int keyCount,
              const CsvImportOptions& options) {
    if (!QFileInfo(file).isFile())
        return 0;
    if (keyCount < 0 || keyCount > 3)
        throw StoreError(QStringLiteral("キーの数 %1 は扱えません。").arg(keyCount));
    const std::vector<ColumnInfo> cols = namedColumns(db, table, options.columns);
    const QStringList lines = readLines(file);
    const bool filtered = !options.filter.trimmed().isEmpty();
    const QString filterSql = filtered ? QStringLiteral(" AND (%1)").arg(options.filter) : QString();

    // Statements by the number of items a line fills.
    std::map<int, Statement> updates;
    std::map<int, Statement> inserts;
    auto updateFor = [&](int n) -> Statement& {
        auto it = updates.find(n);
        if (it != updates.end())
            return it->second;
        QStringList sets, where;
        for (int i = 0; i < n; ++i)
            sets << QStringLiteral("%1=?%2").arg(quoteId(cols[i].name)).arg(i + 1);
        for (int k = 0; k < keyCount; ++k)
            where << QStringLiteral("%1=?%2").arg(quoteId(cols[k].name)).arg(n + k + 1);
        Statement st = db.prepare(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3%4")
                .arg(quoteId(table), sets.join(','), where.join(QStringLiteral(" AND ")), filterSql));
        return updates.emplace(n, std::move(st)).first->second;
    };
    auto insertFor = [&](int n) -> Statement& {
        auto it = inserts.find(n);
        if (it != inserts.end())
            return it->second;
        QStringList names, marks;
        for (int i = 0; i < n; ++i) {
            names << cols[i].name;
            marks << QStringLiteral("?%1").arg(i + 1);
        }
        Statement st = db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoteId(table), columnList(names), marks.join(',')));
        return inserts.emplace(n, std::move(st)).first->second;
    };

    Transaction tx(db);
    if (keyCount == 0) {
        Statement clear =
            db.prepare(QStringLiteral("DELETE FROM %1%2")
                           .arg(quoteId(table),
                                filtered ? QStringLiteral(" WHERE (%1)").arg(options.filter) : QString()));
        bindNamed(clear, options.filterParams);
        clear.run();
    }
    int applied = 0;
    std::vector<QVariant> values;
    for (qsizetype lineIndex = 1; lineIndex < lines.size(); ++lineIndex) {
        const QStringList items = splitCsvLine(lines.at(lineIndex));
        if (items.isEmpty())
            continue;
        const int n =
            static_cast<int>(std::min<qsizetype>(items.size(), static_cast<qsizetype>(cols.size())));
        values.assign(n, QVariant());
        for (int i = 0; i < n; ++i) {
            QString item = items.at(i);
            if (isNumericType(cols[i].type))
                item.remove(kComma);
            try {
                values[i] = db.fitValue(cols[i], item);
            } catch (const K9Error&) {
                throw ConversionError(QStringLiteral("%1行目の「%2」の値「%3」を変換できません。")
                                          .arg(lineIndex + 1)
                                          .arg(cols[i].name, items.at(i)));
            }
        }
        if (keyCount > 0) {
            Statement& update = updateFor(n);
            for (int i = 0; i < n; ++i)
                update.bind(i + 1, values[i]);
            for (int k = 0; k < keyCount; ++k)
                update.bind(n + k + 1, k < n ? values[k] : QVariant());
            bindNamed(update, options.filterParams);
            update.run();
            if (sqlite3_changes(db.handle()) > 0) {
                ++applied;
                continue;
            }
        }
        if (filtered)
            continue; // a new row is never added under a filter
        Statement& insert = insertFor(n);
        for (int i = 0; i < n; ++i)
            insert.bind(i + 1, values[i]);
        insert.run();
        ++applied;
    }
    tx.commit();
    return applied;
}

int copyTableByKey(Database& sourceDb, const QString& source, Database& targetDb, const QString& target,
                   int keyCount, const RowFilter& filter) {
    if (!sourceDb.tableExists(source))
        throw StoreError(QStringLiteral("表 %1 がありません。").arg(source));
    if (keyCount < 0 || keyCount > 3)
        throw StoreError(QStringLiteral("キーの数 %1 は扱えません。").arg(keyCount));
    Transaction tx(targetDb);
    if (!targetDb.tableExists(target))
        createLike(sourceDb, source, targetDb, target);
    const std::vector<ColumnInfo> from = sourceDb.columns(source);
    const std::vector<ColumnInfo> to = targetDb.columns(target);
    const int n = static_cast<int>(std::min(from.size(), to.size()));
    if (keyCount > n)
        throw StoreError(QStringLiteral("表 %1 にキーの列が足りません。").arg(target));
    QStringList sourceNames, sets;
    for (int i = 0; i < n; ++i) {
        if (from[i].name.compare(to[i].name, Qt::CaseInsensitive) != 0)
            throw StoreError(QStringLiteral("表 %1 の %2 列目「%3」と表 %4 の「%5」が一致しません。")
                                 .arg(source)
                                 .arg(i + 1)
                                 .arg(from[i].name, target, to[i].name));
        sourceNames << from[i].name;
        sets << QStringLiteral("%1=?%2").arg(quoteId(to[i].name)).arg(i + 1);
    }
    QStringList where;
    for (int k = 0; k < keyCount; ++k)
        where << QStringLiteral("%1=?%2").arg(quoteId(to[k].name)).arg(n + k + 1);
    const QString condition = keyCount > 0
                                  ? where.join(QStringLiteral(" AND "))
                                  : QStringLiteral("rowid=(SELECT MIN(rowid) FROM %1)").arg(quoteId(target));
    QStringList marks;
    for (int i = 0; i < n; ++i)
        marks << QStringLiteral("?%1").arg(i + 1);

    QString select = QStringLiteral("SELECT %1 FROM %2").arg(columnList(sourceNames), quoteId(source));
    if (!filter.where.trimmed().isEmpty())
        select += QStringLiteral(" WHERE ") + filter.where;
    select += QStringLiteral(" ORDER BY rowid");

    int copied = 0;
    {
        auto read = sourceDb.prepare(select);
        bindNamed(read, filter.params);
        auto update = targetDb.prepare(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(quoteId(target), sets.join(','), condition));
        auto insert = targetDb.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                           .arg(quoteId(target), columnList(sourceNames), marks.join(',')));
        std::vector<QVariant> values(n);
        while (read.step()) {
            for (int i = 0; i < n; ++i)
                values[i] = targetDb.fitValue(to[i], read.value(i));
            for (int i = 0; i < n; ++i)
                update.bind(i + 1, values[i]);
            for (int k = 0; k < keyCount; ++k)
                update.bind(n + k + 1, values[k]);
            update.run();
            if (sqlite3_changes(targetDb.handle()) == 0) {
                for (int i = 0; i < n; ++i)
                    insert.bind(i + 1, values[i]);
                insert.run();
            }
            ++copied;
        }
    }
    tx.commit();
    return copied;
}

int copyTableByKey(Database& db, const QString& source, const QString& target, int keyCount) {
    return copyTableByKey(db, source, db, target, keyCount);
}

} // namespace k9
