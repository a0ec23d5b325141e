// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/database.h"

#include "store/cp932.h"

#include <QRegularExpression>
#include <cstring>
#include <sqlite3.h>

namespace k9 {
namespace {

const QString kViewOnlyMessage =
    QStringLiteral("見るだけパスワードでログインしているため、データは変更できません。");

int authorizer(void* user, int action, const char*, const char*, const char* dbName, const char*) {
    auto* db = static_cast<Database*>(user);
    if (!db->writeProtected())
        return SQLITE_OK;
    if (dbName && std::strcmp(dbName, "temp") == 0)
        return SQLITE_OK;
    switch (action) {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_ALTER_TABLE:
    case SQLITE_REINDEX:
        return SQLITE_DENY;
    default:
        return SQLITE_OK;
    }
}

QByteArray utf8(const QString& s) {
    return s.toUtf8();
}

} // namespace

QString quoteId(const QString& name) {
    QString q = name;
    q.replace('"', QStringLiteral("\"\""));
    return '"' + q + '"';
}

bool ColumnInfo::isNumeric() const {
    static const QStringList numeric = {"INTEGER", "SMALLINT", "MONEY", "FLOAT",
                                        "BOOLEAN", "AUTOINC",  "WORD"};
    return numeric.contains(type);
}

// ---------------------------------------------------------------- Statement

Statement::Statement(Database& db, const QString& sql) : m_db(&db) {
    if (!db.isOpen())
        throw StoreError(QStringLiteral("データベースが開かれていません。"));
    QByteArray s = utf8(sql);
    int rc = sqlite3_prepare_v2(db.handle(), s.constData(), static_cast<int>(s.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc, sql);
}

Statement::Statement(Statement&& o) noexcept : m_db(o.m_db), m_stmt(o.m_stmt) {
    o.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& o) noexcept {
    if (this != &o) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = o.m_db;
        m_stmt = o.m_stmt;
        o.m_stmt = nullptr;
    }
    return *this;
}

Statement::~Statement() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

void Statement::check(int rc) const {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        m_db->fail(rc, QString::fromUtf8(sqlite3_sql(m_stmt)));
}

Statement& Statement::bind(const char* name, const QVariant& value) {
    int idx = sqlite3_bind_parameter_index(m_stmt, name);
    if (idx == 0)
        throw StoreError(QStringLiteral("SQLのパラメータ %1 がありません。").arg(QString::fromUtf8(name)));
    return bind(idx, value);
}

Statement& Statement::bind(int index, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return bindInt(index, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return bindInt(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        check(sqlite3_bind_double(m_stmt, index, value.toDouble()));
        return *this;
    case QMetaType::QDate:
        return bindText(index, value.toDate().toString(Qt::ISODate));
    case QMetaType::QByteArray: {
        QByteArray b = value.toByteArray();
        check(sqlite3_bind_blob(m_stmt, index, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT));
        return *this;
    }
    default:
        return bindText(index, value.toString());
    }
}

Statement& Statement::bindText(int index, const QString& text) {
    QString bad;
    if (!cp932::canEncode(text, &bad))
        throw EncodingError(cp932::unencodableMessage(bad));
    QByteArray b = utf8(text);
    check(sqlite3_bind_text(m_stmt, index, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bindInt(int index, long long value) {
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement& Statement::bindNull(int index) {
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

Statement& Statement::bindMoney(int index, Money m) {
    return bind(index, m.toVariant());
}

bool Statement::step() {
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    check(rc);
    return false;
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}
QString Statement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}
bool Statement::isNull(int i) const {
    return sqlite3_column_type(m_stmt, i) == SQLITE_NULL;
}

QString Statement::text(int i) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    if (!p)
        return QString();
    return QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i));
}

long long Statement::integer(int i) const {
    return sqlite3_column_int64(m_stmt, i);
}
double Statement::real(int i) const {
    return sqlite3_column_double(m_stmt, i);
}

Money Statement::money(int i) const {
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_NULL:
        return Money();
    case SQLITE_INTEGER:
        return Money::fromYen(sqlite3_column_int64(m_stmt, i));
    case SQLITE_FLOAT:
        return Money::fromVariant(sqlite3_column_double(m_stmt, i));
    default:
        return Money::fromVariant(text(i));
    }
}

QDate Statement::date(int i) const {
    if (isNull(i))
        return QDate();
    return QDate::fromString(text(i).left(10), Qt::ISODate);
}

QVariant Statement::value(int i) const {
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, i));
    case SQLITE_TEXT:
        return QVariant(text(i));
    case SQLITE_BLOB: {
        const char* p = static_cast<const char*>(sqlite3_column_blob(m_stmt, i));
        return QVariant(QByteArray(p, sqlite3_column_bytes(m_stmt, i)));
    }
    default:
        return QVariant();
    }
}

int Statement::columnIndex(const QString& name) const {
    for (int i = 0; i < columnCount(); ++i)
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Money moneyAt(const Statement& st, int i) {
    return i < 0 ? Money() : st.money(i);
}

int flagAt(const Statement& st, int i) {
    return i < 0 || st.isNull(i) ? 0 : static_cast<int>(st.integer(i));
}

QString textAt(const Statement& st, int i) {
    return i < 0 || st.isNull(i) ? QString() : st.text(i);
}

// ---------------------------------------------------------------- Database

Database::~Database() {
    close();
}

void Database::open(const QString& file, Kind kind) {
    close();
    QByteArray f = utf8(file);
    int rc = sqlite3_open_v2(f.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        QString err = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        if (m_db)
            sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError(QStringLiteral("データベース %1 を開けません。(%2)").arg(file, err));
    }
    m_file = file;
    m_kind = kind;
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_set_authorizer(m_db, authorizer, this);
    if (kind == Kind::Work)
        exec(QStringLiteral("PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF; PRAGMA temp_store=MEMORY;"));
    else
        exec(QStringLiteral("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"));
}

void Database::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_columns.clear();
}

QString Database::lastError() const {
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
}

bool Database::inTransaction() const {
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

void Database::fail(int rc, const QString& context) const {
    if (rc == SQLITE_AUTH)
        throw ViewOnlyError(kViewOnlyMessage);
    QString msg = lastError();
    Q_UNUSED(context);
    throw StoreError(msg.isEmpty() ? QStringLiteral("データベースの処理に失敗しました。(%1)").arg(rc) : msg);
}

void Database::exec(const QString& sql) {
    if (!m_db)
        throw StoreError(QStringLiteral("データベースが開かれていません。"));
    char* err = nullptr;
    int rc = sqlite3_exec(m_db, utf8(sql).constData(), nullptr, nullptr, &err);
    if (err)
        sqlite3_free(err);
    if (rc != SQLITE_OK)
        fail(rc, sql);
    QString head = sql.trimmed().left(6).toUpper();
    if (head.startsWith("CREATE") || head.startsWith("ALTER") || head.startsWith("DROP"))
        m_columns.clear();
}

int Database::run(const QString& sql, const std::vector<QVariant>& params) {
    Statement st(*this, sql);
    for (size_t i = 0; i < params.size(); ++i)
        st.bind(static_cast<int>(i + 1), params[i]);
    st.run();
    QString head = sql.trimmed().left(6).toUpper();
    if (head.startsWith("CREATE") || head.startsWith("ALTER") || head.startsWith("DROP"))
        m_columns.clear();
    return sqlite3_changes(m_db);
}

QVariant Database::scalar(const QString& sql, const std::vector<QVariant>& params) {
    Statement st(*this, sql);
    for (size_t i = 0; i < params.size(); ++i)
        st.bind(static_cast<int>(i + 1), params[i]);
    if (st.step())
        return st.value(0);
    return QVariant();
}

bool Database::tableExists(const QString& table) {
    Statement st(*this,
                 QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?1 COLLATE NOCASE"));
    st.bind(1, table);
    return st.step();
}

const std::vector<ColumnInfo>& Database::columns(const QString& table) {
    QString key = table.toLower();
    auto it = m_columns.find(key);
    if (it != m_columns.end())
        return it->second;
    std::vector<ColumnInfo> cols;
    static const QRegularExpression re(QStringLiteral("^\\s*([A-Za-z]+)\\s*(?:\\(\\s*(\\d+)\\s*\\))?"));
    Statement st(*this, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?1)"));
    st.bind(1, table);
    while (st.step()) {
        ColumnInfo c;
        c.name = st.text(0);
        auto m = re.match(st.text(1));
        if (m.hasMatch()) {
            c.type = m.captured(1).toUpper();
            c.width = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
        }
        if (c.type == QLatin1String("CHAR"))
            c.type = QStringLiteral("CHARACTER");
        c.primaryKey = st.integer(2) > 0;
        cols.push_back(c);
    }
    return m_columns.emplace(key, std::move(cols)).first->second;
}

std::optional<ColumnInfo> Database::column(const QString& table, const QString& col) {
    for (const auto& c : columns(table))
        if (c.name.compare(col, Qt::CaseInsensitive) == 0)
            return c;
    return std::nullopt;
}

int Database::rowCount(const QString& table) {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + quoteId(table)).toInt();
}

QVariant Database::fitValue(const ColumnInfo& col, const QVariant& v) const {
    if (!v.isValid() || v.isNull())
        return QVariant();
    if (col.isText()) {
        QString s = v.typeId() == QMetaType::QDate ? v.toDate().toString(Qt::ISODate) : v.toString();
        if (s.isEmpty())
            return QVariant();
        QString bad;
        if (!cp932::canEncode(s, &bad))
            throw EncodingError(cp932::unencodableMessage(bad));
        if (col.width > 0)
            s = cp932::truncate(s, col.width);
        return s;
    }
    if (col.type == QLatin1String("DATE")) {
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().isValid() ? QVariant(v.toDate().toString(Qt::ISODate)) : QVariant();
        QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        s.replace('/', '-');
        QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (!d.isValid()) {
            QStringList parts = s.split('-');
            if (parts.size() == 3)
                d = QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
        }
        if (!d.isValid())
            throw ConversionError(
                QStringLiteral("「%1」は日付ではありません（%2）。").arg(v.toString(), col.name));
        return d.toString(Qt::ISODate);
    }
    if (col.type == QLatin1String("BOOLEAN")) {
        if (v.typeId() == QMetaType::QString) {
            QString s = v.toString().trimmed().toLower();
            if (s.isEmpty())
                return QVariant();
            if (s == "true" || s == "1" || s == "t")
                return 1;
            if (s == "false" || s == "0" || s == "f")
                return 0;
            throw ConversionError(
                QStringLiteral("「%1」は論理値ではありません（%2）。").arg(v.toString(), col.name));
        }
        return v.toBool() ? 1 : 0;
    }
    if (col.type == QLatin1String("MONEY")) {
        if (v.typeId() == QMetaType::QString) {
            auto m = Money::parse(v.toString());
            if (!m)
                throw ConversionError(
                    QStringLiteral("「%1」は金額ではありません（%2）。").arg(v.toString(), col.name));
            return m->toVariant();
        }
        if (v.typeId() == QMetaType::Double)
            return Money::fromVariant(v).toVariant();
        return v.toLongLong();
    }
    if (col.type == QLatin1String("FLOAT")) {
        if (v.typeId() == QMetaType::QString) {
            QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            bool ok = false;
            double d = s.toDouble(&ok);
            if (!ok)
                throw ConversionError(QStringLiteral("「%1」は数値ではありません（%2）。").arg(s, col.name));
            return d;
        }
        return v.toDouble();
    }
    if (col.isNumeric()) {
        if (v.typeId() == QMetaType::QString) {
            QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            bool ok = false;
            long long n = s.toLongLong(&ok);
            if (!ok) {
                double d = s.toDouble(&ok);
                if (ok && d == static_cast<double>(static_cast<long long>(d)))
                    n = static_cast<long long>(d);
                else
                    ok = false;
            }
            if (!ok)
                throw ConversionError(QStringLiteral("「%1」は整数ではありません（%2）。").arg(s, col.name));
            return n;
        }
        if (v.typeId() == QMetaType::Bool)
            return v.toBool() ? 1 : 0;
        return v.toLongLong();
    }
    return v;
}

void Database::insertRow(const QString& table, const std::vector<std::pair<QString, QVariant>>& values) {
    QStringList names, marks;
    std::vector<QVariant> fitted;
    for (const auto& [name, v] : values) {
        auto col = column(table, name);
        if (!col)
            throw StoreError(QStringLiteral("表 %1 に列 %2 がありません。").arg(table, name));
        names << quoteId(col->name);
        marks << QStringLiteral("?%1").arg(fitted.size() + 1);
        fitted.push_back(fitValue(*col, v));
    }
    run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quoteId(table), names.join(','), marks.join(',')),
        fitted);
}

int Database::updateRows(const QString& table, const std::vector<std::pair<QString, QVariant>>& values,
                         const QString& where, const std::vector<QVariant>& whereParams) {
    QStringList sets;
    std::vector<QVariant> params;
    for (const auto& [name, v] : values) {
        auto col = column(table, name);
        if (!col)
            throw StoreError(QStringLiteral("表 %1 に列 %2 がありません。").arg(table, name));
        params.push_back(fitValue(*col, v));
        sets << QStringLiteral("%1=?%2").arg(quoteId(col->name)).arg(params.size());
    }
    // Renumber the caller's ?N placeholders to follow the value parameters.
    QString cond = where;
    static const QRegularExpression ph(QStringLiteral("\\?(\\d+)"));
    const int offset = static_cast<int>(params.size());
    QString renumbered;
    qsizetype last = 0;
    auto it = ph.globalMatch(cond);
    while (it.hasNext()) {
        auto m = it.next();
        renumbered += cond.mid(last, m.capturedStart() - last);
        renumbered += QStringLiteral("?%1").arg(m.captured(1).toInt() + offset);
        last = m.capturedEnd();
    }
    renumbered += cond.mid(last);
    for (const auto& p : whereParams)
        params.push_back(p);
    QString sql = QStringLiteral("UPDATE %1 SET %2").arg(quoteId(table), sets.join(','));
    if (!renumbered.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE ") + renumbered;
    return run(sql, params);
}

void Database::setWriteProtected(bool on) {
    m_writeProtected = on;
}

Database::Exemption::Exemption(Database& db) : m_db(db), m_was(db.m_writeProtected) {
    db.m_writeProtected = false;
}
Database::Exemption::~Exemption() {
    m_db.m_writeProtected = m_was;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Database& db) : m_db(db) {
    static int counter = 0;
    m_savepoint = QStringLiteral("k9sp%1").arg(++counter);
    m_db.exec(QStringLiteral("SAVEPOINT ") + m_savepoint);
}

Transaction::~Transaction() {
    if (m_done || !m_db.isOpen())
        return;
    char* err = nullptr;
    QByteArray sql = QStringLiteral("ROLLBACK TO %1; RELEASE %1;").arg(m_savepoint).toUtf8();
    sqlite3_exec(m_db.handle(), sql.constData(), nullptr, nullptr, &err);
    if (err)
        sqlite3_free(err);
    m_db.invalidateSchemaCache();
}

void Transaction::commit() {
    m_db.exec(QStringLiteral("RELEASE ") + m_savepoint);
    m_done = true;
}

} // namespace k9
