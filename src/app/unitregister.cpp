// SPDX-License-Identifier: GPL-3.0-or-later
// Unit register actions: names, first chart from a template, unit move and deletion; see
// unitregister.h.
#include "app/unitregister.h"

#include "app/registermessages.h"
#include "chart/templates.h"
#include "store/database.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace k9 {
namespace {

const QString kBumon = QStringLiteral("BUMON");
const QString kKamoku = QStringLiteral("kamoku");
// The BUMON columns a move swaps: everything that describes the unit after its code.
const QStringList kSwappedBumonColumns = {QStringLiteral("Bumonmei"), QStringLiteral("Path"),
                                          QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3")};
// Per-unit masters and their unit column.
const std::vector<std::pair<QString, QString>> kUnitTables = {
    {QStringLiteral("Mkamoku"), QStringLiteral("B_ID")},
    {QStringLiteral("Mkamoku2"), QStringLiteral("B_ID")},
    {QStringLiteral("Mhojokamoku"), QStringLiteral("B_ID")},
    {QStringLiteral("denpyou1"), QStringLiteral("FlgT")}};
// Parking values of the swap; no unit uses them.
constexpr int kParkX = -1;
constexpr int kParkY = -2;

QString unitColumn(QChar prefix, int unit) {
    return QStringLiteral("%1%2").arg(prefix).arg(unit, 2, 10, QLatin1Char('0'));
}

int templateIndex(int choice) {
    const int count = static_cast<int>(chartTemplates().size());
    return choice >= 0 && choice < count ? choice : 0;
}

// Copies every row of `table` from one database into the same-named table of another, by
// column name; texts are cut to the target's widths.
void copyRowsByName(Database& from, Database& to, const QString& table) {
    QStringList names;
    std::vector<ColumnInfo> targetCols;
    for (const auto& t : to.columns(table))
        if (from.hasColumn(table, t.name)) {
            names << quoteId(t.name);
            targetCols.push_back(t);
        }
    if (names.isEmpty())
        return;
    QStringList marks;
    for (int i = 1; i <= names.size(); ++i)
        marks << QStringLiteral("?%1").arg(i);
    auto read = from.prepare(QStringLiteral("SELECT %1 FROM %2").arg(names.join(','), quoteId(table)));
    auto write = to.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoteId(table), names.join(','), marks.join(',')));
    while (read.step()) {
        for (int i = 0; i < names.size(); ++i)
            write.bind(i + 1, to.fitValue(targetCols[static_cast<size_t>(i)], read.value(i)));
        write.run();
    }
}

// One unit's row of BUMON: the swapped columns, or nothing when the row is missing.
std::optional<std::vector<QVariant>> bumonRow(Database& db, int code) {
    QStringList cols;
    for (const auto& c : kSwappedBumonColumns)
        cols << quoteId(c);
    auto st = db.prepare(QStringLiteral("SELECT %1 FROM \"BUMON\" WHERE \"code\" = ?1").arg(cols.join(',')));
    st.bind(1, code);
    if (!st.step())
        return std::nullopt;
    std::vector<QVariant> values;
    for (int i = 0; i < kSwappedBumonColumns.size(); ++i)
        values.push_back(st.value(i));
    return values;
}

void writeBumonRow(Database& db, int code, const std::vector<QVariant>& values, bool exists) {
    std::vector<std::pair<QString, QVariant>> set;
    for (int i = 0; i < kSwappedBumonColumns.size(); ++i)
        set.emplace_back(kSwappedBumonColumns[i], values[static_cast<size_t>(i)]);
    if (exists) {
        db.updateRows(kBumon, set, QStringLiteral("\"code\" = ?1"), {code});
    } else {
        set.emplace_back(QStringLiteral("code"), code);
        db.insertRow(kBumon, set);
    }
}

// Renames one file; on failure adds the message.
bool renameFile(const QString& dir, const QString& from, const QString& to, QStringList& problems) {
    if (QFile::rename(dir + from, dir + to))
        return true;
    problems << msg::footnoteNotRenamed(from, to);
    return false;
}

QString halfWidthDigits(const QString& text) {
    QString s = text.trimmed();
    for (QChar& c : s)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(c.unicode() - 0xFF10 + '0');
    return s;
}

} // namespace

std::vector<GridColumn> unitRegisterColumns() {
    return {{QStringLiteral("code"), QStringLiteral("code"), false, Qt::ImhDigitsOnly},
            {QStringLiteral("Bumonmei"), QStringLiteral("会計の名称"), true, Qt::ImhNone}};
}

QString unitRegisterRowFilter() {
    return QStringLiteral("\"code\" BETWEEN %1 AND %2").arg(kFirstUnit).arg(kLastUnit);
}

void prepareUnitRegister(Session& session) {
    session.aaa.updateRows(kBumon, {{QStringLiteral("Bumonmei"), QStringLiteral("合　計")}},
                           QStringLiteral("\"code\" = 0 AND COALESCE(\"Bumonmei\", '') = ''"));
}

bool dataChartIsEmpty(Session& session) {
    return session.aaa.rowCount(kKamoku) == 0;
}

QString templateFolder(const Session& session, int choice) {
    const auto& t = chartTemplates()[static_cast<size_t>(templateIndex(choice))];
    QString dir = QFileInfo(templateDatabaseFile(session.appDir, t.folder)).absolutePath();
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

void copyTemplateChart(Session& session, int choice) {
    const auto& t = chartTemplates()[static_cast<size_t>(templateIndex(choice))];
    const QString file = templateDatabaseFile(session.appDir, t.folder);
    if (!QFileInfo(file).isFile())
        throw StoreError(msg::templateMissing(t.title, file));
    Database source;
    source.open(file, Database::Kind::Other);
    const QStringList chartTables = {kKamoku, QStringLiteral("kamoku2"), QStringLiteral("hojokamoku")};
    for (const auto& table : chartTables)
        if (!source.tableExists(table))
            throw StoreError(msg::templateTableMissing(t.title, table));
    Transaction tx(session.aaa);
    for (const auto& table : chartTables)
        copyRowsByName(source, session.aaa, table);
    tx.commit();
}

RegisterOutcome runPrepareChart(Session& session, Prompter& prompter, int choice) {
    try {
        if (dataChartIsEmpty(session)) {
            if (!prompter.confirm(msg::templateQuestion(), MessageIcon::Warning, Buttons::YesNo))
                return RegisterOutcome::None;
            copyTemplateChart(session, choice);
        }
    } catch (const K9Error& e) {
        prompter.error(msg::storeFailure(e.message()));
        return RegisterOutcome::None;
    }
    prompter.message(msg::chartPrepared());
    session.templateDir.clear();
    return RegisterOutcome::ChartPrepared;
}

RegisterOutcome requestTemplateEdit(Session& session, int choice) {
    session.templateDir = templateFolder(session, choice);
    return RegisterOutcome::EditTemplate;
}

int unitNumberFromText(const QString& text) {
    bool ok = false;
    int n = halfWidthDigits(text).toInt(&ok);
    return ok ? n : 0;
}

bool isMovableUnit(int unit) {
    return unit >= kFirstUnit && unit <= kLastUnit;
}

int storedVoucherNumbering(Session& session) {
    auto st = session.aaa.prepare(QStringLiteral("SELECT \"PM1\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
    if (st.step())
        return static_cast<int>(st.integer(0));
    return session.voucherNumbering;
}

void swapUnits(Session& session, int x, int y) {
    Database& db = session.aaa;
    const bool perUnitSerials = storedVoucherNumbering(session) == 1;
    Transaction tx(db);

    for (const auto& [table, unit] : kUnitTables) {
        const QString park =
            QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %2 = ?2").arg(quoteId(table), quoteId(unit));
        db.run(park, {kParkX, x});
        db.run(park, {kParkY, y});
    }
    for (const auto& [table, unit] : kUnitTables) {
        const QString back =
            QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE %2 = ?2").arg(quoteId(table), quoteId(unit));
        db.run(back, {y, kParkX});
        db.run(back, {x, kParkY});
    }

    if (perUnitSerials) {
        // Two passes, so that a number leaving one unit never meets the same number still
        // held by the other unit: first to the negated new number, then back to positive.
        db.run(QStringLiteral(
            "UPDATE \"denpyou1\" SET \"SNo\" = -(\"FlgT\" * 10000 + \"SNo\" % 10000) "
            "WHERE \"FlgT\" > 0 AND \"SNo\" >= 0 AND \"SNo\" <> \"FlgT\" * 10000 + \"SNo\" % 10000"));
        db.run(
            QStringLiteral("UPDATE \"denpyou1\" SET \"SNo\" = -\"SNo\" WHERE \"SNo\" < 0 AND \"FlgT\" > 0"));
    }

    if (x != y) {
        QStringList sets;
        for (QChar prefix : {QLatin1Char('A'), QLatin1Char('B')}) {
            const QString cx = unitColumn(prefix, x);
            const QString cy = unitColumn(prefix, y);
            if (db.hasColumn(kKamoku, cx) && db.hasColumn(kKamoku, cy))
                sets << QStringLiteral("%1 = %2, %2 = %1").arg(quoteId(cx), quoteId(cy));
        }
        if (!sets.isEmpty())
            db.run(QStringLiteral("UPDATE \"kamoku\" SET ") + sets.join(QStringLiteral(", ")));

        auto rowX = bumonRow(db, x);
        auto rowY = bumonRow(db, y);
        const std::vector<QVariant> empty(static_cast<size_t>(kSwappedBumonColumns.size()));
        writeBumonRow(db, x, rowY ? *rowY : empty, rowX.has_value());
        writeBumonRow(db, y, rowX ? *rowX : empty, rowY.has_value());
    }
    tx.commit();
}

QStringList swapFootnoteFiles(const QString& dataDir, int x, int y) {
    QStringList problems;
    if (x == y)
        return problems;
    const QString dir = dataDir.endsWith(QLatin1Char('/')) ? dataDir : dataDir + QLatin1Char('/');
    const QString fx = QStringLiteral("cyuki%1.txt").arg(x);
    const QString fy = QStringLiteral("cyuki%1.txt").arg(y);
    const bool hasX = QFileInfo(dir + fx).isFile();
    const bool hasY = QFileInfo(dir + fy).isFile();
    if (hasX && hasY) {
        const QString parked = QStringLiteral("cyuki%1-%2.swap").arg(x).arg(y);
        QFile::remove(dir + parked);
        if (!renameFile(dir, fx, parked, problems))
            return problems;
        if (!renameFile(dir, fy, fx, problems)) {
            QFile::rename(dir + parked, dir + fx);
            return problems;
        }
        renameFile(dir, parked, fy, problems);
    } else if (hasX) {
        renameFile(dir, fx, fy, problems);
    } else if (hasY) {
        renameFile(dir, fy, fx, problems);
    }
    return problems;
}

bool runUnitMove(Session& session, Prompter& prompter, const QString& fromText, const QString& toText) {
    if (!prompter.confirm(msg::unitMoveQuestion(), MessageIcon::Information, Buttons::YesNo))
        return false;
    const int x = unitNumberFromText(fromText);
    const int y = unitNumberFromText(toText);
    if (!isMovableUnit(x) || !isMovableUnit(y)) {
        prompter.message(msg::invalidUnitNumbers(), MessageIcon::Warning);
        return false;
    }
    try {
        swapUnits(session, x, y);
    } catch (const K9Error& e) {
        prompter.error(msg::storeFailure(e.message()));
        return false;
    }
    for (const auto& problem : swapFootnoteFiles(session.dataDir(), x, y))
        prompter.error(problem);
    return true;
}

std::vector<int> unitsWithAllocation(Session& session, int from, int to) {
    std::vector<int> units;
    Database& db = session.aaa;
    for (int n = from; n <= to; ++n) {
        const QString col = unitColumn(QLatin1Char('A'), n);
        if (!db.hasColumn(kKamoku, col))
            continue;
        QVariant found = db.scalar(
            QStringLiteral("SELECT 1 FROM \"kamoku\" WHERE COALESCE(%1, 0) <> 0 LIMIT 1").arg(quoteId(col)));
        if (found.isValid())
            units.push_back(n);
    }
    return units;
}

void deleteUnits(Session& session, int from, int to) {
    Database& db = session.aaa;
    Transaction tx(db);
    db.updateRows(kBumon, {{QStringLiteral("Bumonmei"), QVariant()}, {QStringLiteral("F1"), QVariant()}},
                  QStringLiteral("\"code\" BETWEEN ?1 AND ?2"), {from, to});
    for (const auto& [table, unit] : kUnitTables)
        db.run(QStringLiteral("DELETE FROM %1 WHERE %2 BETWEEN ?1 AND ?2").arg(quoteId(table), quoteId(unit)),
               {from, to});
    tx.commit();
}

bool runUnitDelete(Session& session, Prompter& prompter, const QString& fromText, const QString& toText) {
    if (!prompter.confirm(msg::unitDeleteQuestion(), MessageIcon::Information, Buttons::YesNo))
        return false;
    const int from = unitNumberFromText(fromText);
    const int to = unitNumberFromText(toText);
    if (!isMovableUnit(from) || !isMovableUnit(to)) {
        prompter.message(msg::invalidUnitNumbers(), MessageIcon::Warning);
        return false;
    }
    if (from > to)
        return false;
    try {
        auto allocated = unitsWithAllocation(session, from, to);
        if (!allocated.empty()) {
            QStringList units;
            for (int n : allocated)
                units << QString::number(n);
            if (!prompter.confirm(msg::allocationStillSet(units), MessageIcon::Warning, Buttons::YesNo))
                return false;
        }
        deleteUnits(session, from, to);
    } catch (const K9Error& e) {
        prompter.error(msg::storeFailure(e.message()));
        return false;
    }
    return true;
}

} // namespace k9
