// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unitselection.h"

#include "app/messages.h"
#include "app/settings.h"
#include "store/database.h"
#include "store/prompter.h"
#include "store/registrows.h"
#include "store/session.h"

#include <map>

namespace k9 {
namespace {

const QString kHead = QStringLiteral("Head");

bool isSeal(const QString& column) {
    static const QStringList seals = {QStringLiteral("職印１"), QStringLiteral("職印２"),
                                      QStringLiteral("職印３"), QStringLiteral("職印４"),
                                      QStringLiteral("職印５")};
    return seals.contains(column);
}

bool isEmptyValue(const QVariant& v) {
    return !v.isValid() || v.isNull() ||
           (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty());
}

// The first row of a table as column name → value, with its rowid; empty when there is none.
struct Row {
    long long rowid = 0;
    std::map<QString, QVariant> values;
    bool exists = false;
};

Row firstRow(Database& db, const QString& table) {
    Row row;
    auto st =
        db.prepare(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid LIMIT 1").arg(quoteId(table)));
    if (!st.step())
        return row;
    row.exists = true;
    row.rowid = st.integer(0);
    for (int i = 1; i < st.columnCount(); ++i)
        row.values[st.columnName(i)] = st.value(i);
    return row;
}

// Writes `values` into the first row of the work Head, adding the row when there is none.
void writeWorkHead(Database& www, const Row& row, const std::vector<std::pair<QString, QVariant>>& values) {
    Transaction tx(www);
    if (row.exists)
        www.updateRows(kHead, values, QStringLiteral("rowid = ?1"), {row.rowid});
    else
        www.insertRow(kHead, values);
    tx.commit();
}

} // namespace

bool cashEntryButtonHidden(Database& hm) {
    const auto row = readRegistRow(hm, kCashEntryRegistId, {QStringLiteral("P1")});
    return row && registInt(row->front(), 0, 1, 0) == 1;
}

void applyCashEntrySetting(MainMenuState& menu, bool cashEntryHidden, bool totalSelected) {
    menu.cashEntryVisible = !cashEntryHidden && !totalSelected;
    menu.transferEntryHeight = cashEntryHidden ? 50 : 40;
}

namespace {

void showTotalButtons(MainMenuState& menu) {
    menu.consolidationVisible = true;
    menu.transferEntryVisible = false;
    menu.cashEntryVisible = false;
    menu.summaryVisible = false;
    menu.reportPanelVisible = false;
}

} // namespace

UnitClick clickUnitEntry(const Session& session, const MainMenuState& menu, int entry,
                         const QString& entryText, bool cashEntryHidden) {
    UnitClick click;
    click.menu = menu;
    if (entry < 0 || entry > session.maxUnitIndex || entryText.trimmed().isEmpty())
        return click;
    if (session.unitKind[entry] >= 2) {
        click.message = msg::subtotalUnit();
        return click;
    }
    if (session.rightsMode == 1) {
        QString code = QStringLiteral("%1").arg(session.unitAccessCode[entry], 4, 10, QLatin1Char('0'));
        if (code != session.loginPassword) {
            click.message = msg::noRights();
            return click;
        }
    }
    click.selected = true;
    if (entry == 0) {
        showTotalButtons(click.menu);
        return click;
    }
    click.menu.consolidationVisible = false;
    click.menu.summaryVisible = false;
    click.menu.transferEntryVisible = true;
    click.menu.reportPanelVisible = true;
    applyCashEntrySetting(click.menu, cashEntryHidden, false);
    return click;
}

MainMenuState mainTabShown(const Session& session, const MainMenuState& menu, int selectedEntry,
                           bool cashEntryHidden) {
    MainMenuState next = menu;
    next.unitDataPanelVisible = session.voucherNumbering != 0;
    if (selectedEntry == 0)
        showTotalButtons(next);
    applyCashEntrySetting(next, cashEntryHidden, selectedEntry == 0);
    return next;
}

void refreshWorkHead(Session& session) {
    Row data = firstRow(session.aaa, kHead);
    Row work = firstRow(session.www, kHead);
    std::vector<std::pair<QString, QVariant>> values;
    for (const auto& col : session.www.columns(kHead)) {
        auto fromData = data.values.find(col.name);
        QVariant dataValue = fromData == data.values.end() ? QVariant() : fromData->second;
        if (col.name == QStringLiteral("法人名"))
            values.emplace_back(col.name, session.corporationName);
        else if (col.name == QStringLiteral("施設名"))
            values.emplace_back(col.name, session.currentUnitName);
        else if (col.name == QStringLiteral("会計期首") || isSeal(col.name))
            values.emplace_back(col.name, dataValue);
        else if (isEmptyValue(work.values[col.name]))
            values.emplace_back(col.name, dataValue);
    }
    writeWorkHead(session.www, work, values);
}

void leaveUnitList(Session& session, int selectedEntry, const QString& entryText) {
    session.setCurrentUnit(selectedEntry < 0 ? -1 : selectedEntry, entryText);
    refreshWorkHead(session);
    auto st = session.aaa.prepare(
        QStringLiteral("SELECT \"PM1\", \"PM2\", \"会計期首\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
    if (st.step()) {
        session.voucherNumbering = static_cast<int>(st.integer(0));
        session.datePrintStyle = static_cast<int>(st.integer(1));
        session.fiscalYearStart = st.date(2);
    }
}

void resetWorkHeadPeriod(Session& session) {
    QVariant stored =
        session.aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
    QDate start = QDate::fromString(stored.toString().left(10), Qt::ISODate);
    QVariant from;
    QVariant to;
    if (start.isValid()) {
        from = start;
        to = start.addYears(1).addDays(-1);
    }
    writeWorkHead(session.www, firstRow(session.www, kHead),
                  {{QStringLiteral("自期日"), from}, {QStringLiteral("至期日"), to}});
}

bool requireUnit(const Session& session, Prompter& prompter) {
    if (session.currentUnit >= 0)
        return true;
    prompter.message(msg::unitNotSelected());
    return false;
}

} // namespace k9
