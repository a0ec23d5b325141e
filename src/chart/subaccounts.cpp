// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-account codes, their uses, THojokamoku's editing, the seeding of the units' rows and
// the per-unit names.
#include "chart/subaccounts.h"

#include "chart/pickertexts.h"
#include "chart/storedvalues.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/session.h"

namespace k9 {

namespace {
const QString kCommon = QStringLiteral("hojokamoku");
const QString kUnitTable = QStringLiteral("Mhojokamoku");
const QString kName = QStringLiteral("補助科目名");
constexpr int kLastUnit = 20;
constexpr int kNameWidth = 20;
} // namespace

bool isValidSubAccountCode(const QString& code) {
    return code.size() == kSubAccountCodeLength && code >= QLatin1String("001") &&
           code <= QLatin1String("999");
}

QString subAccountCodeOnLeaving(const QString& typed) {
    return isValidSubAccountCode(typed) ? typed : QString();
}

SubAccountUses countSubAccountUses(Database& folder, const QString& accountCode, const QString& code) {
    SubAccountUses uses;
    if (folder.tableExists(QStringLiteral("denpyou1")))
        uses.journalLines =
            folder
                .scalar(QStringLiteral("SELECT COUNT(*) FROM denpyou1 "
                                       "WHERE (Lcode = ?1 AND LHcode = ?2) OR (Rcode = ?1 AND RHcode = ?2)"),
                        {accountCode, code})
                .toInt();
    if (folder.tableExists(kUnitTable)) {
        static const QStringList money = {
            QStringLiteral("予算"),     QStringLiteral("期首繰越"), QStringLiteral("前残高"),
            QStringLiteral("借方"),     QStringLiteral("貸方"),     QStringLiteral("残高"),
            QStringLiteral("残高合計"), QStringLiteral("差異"),     QStringLiteral("比")};
        QStringList held;
        for (const auto& column : money)
            if (folder.hasColumn(kUnitTable, column))
                held << QStringLiteral("COALESCE(%1, 0) <> 0").arg(quoteId(column));
        if (!held.isEmpty())
            uses.unitsWithAmounts =
                folder
                    .scalar(QStringLiteral("SELECT COUNT(DISTINCT B_ID) FROM Mhojokamoku "
                                           "WHERE kamoku_CD = ?1 AND hojo_CD = ?2 AND (%1)")
                                .arg(held.join(QStringLiteral(" OR "))),
                            {accountCode, code})
                    .toInt();
    }
    return uses;
}

SubAccountChangeCheck subAccountDeletionCheck(const QString& code, const QString& name,
                                              const SubAccountUses& uses) {
    if (uses.journalLines > 0)
        return {true, pickertext::subAccountUsedInJournal(code, name, uses.journalLines)};
    if (uses.unitsWithAmounts > 0)
        return {false, pickertext::subAccountHasUnitAmounts(code, name, uses.unitsWithAmounts)};
    return {false, pickertext::subAccountDeleteQuestion(code, name)};
}

SubAccountChangeCheck subAccountRecodeCheck(const QString& code, const QString& name,
                                            const SubAccountUses& uses) {
    if (uses.journalLines > 0)
        return {true, pickertext::subAccountRecodeUsedInJournal(code, name, uses.journalLines)};
    if (uses.unitsWithAmounts > 0)
        return {false, pickertext::subAccountRecodeHasUnitAmounts(code, name, uses.unitsWithAmounts)};
    return {};
}

// ---------------------------------------------------------------- SubAccountEditor

SubAccountEditor::SubAccountEditor(Database& chartFolder, QString accountCode)
    : m_db(chartFolder), m_accountCode(std::move(accountCode)) {
    reload();
}

void SubAccountEditor::reload() {
    m_rows.clear();
    auto st =
        m_db.prepare(QStringLiteral("SELECT hojo_CD, \"補助科目名\" FROM hojokamoku WHERE kamoku_CD = ?1 "
                                    "ORDER BY hojo_CD"));
    st.bind(1, m_accountCode);
    while (st.step()) {
        const QString code = stored::text(st, 0);
        m_rows.push_back({code, code, stored::text(st, 1)});
    }
}

bool SubAccountEditor::canAppendRow() const {
    if (m_rows.empty())
        return true;
    const Row& last = m_rows.back();
    return last.isStored() || !last.code.isEmpty() || !last.name.isEmpty();
}

bool SubAccountEditor::appendRow() {
    if (!canAppendRow())
        return false;
    m_rows.push_back(Row{});
    return true;
}

bool SubAccountEditor::codeTaken(const QString& code, int exceptRow) const {
    for (int r = 0; r < rowCount(); ++r)
        if (r != exceptRow && m_rows[static_cast<size_t>(r)].storedCode == code)
            return true;
    return m_db
        .scalar(QStringLiteral("SELECT 1 FROM hojokamoku WHERE kamoku_CD = ?1 AND hojo_CD = ?2"),
                {m_accountCode, code})
        .isValid();
}

SubAccountEditor::CodeResult SubAccountEditor::setCode(int r, const QString& typed) {
    Row& row = m_rows.at(static_cast<size_t>(r));
    const QString code = subAccountCodeOnLeaving(typed);
    if (code.isEmpty()) {
        row.code.clear();
        return CodeResult::Cleared;
    }
    if (row.isStored() && code == row.storedCode) {
        row.code = code;
        return CodeResult::Kept;
    }
    if (codeTaken(code, r))
        return CodeResult::Duplicate;
    if (row.isStored()) {
        m_db.updateRows(kCommon, {{QStringLiteral("hojo_CD"), code}},
                        QStringLiteral("kamoku_CD = ?1 AND hojo_CD = ?2"), {m_accountCode, row.storedCode});
    } else {
        m_db.insertRow(kCommon, {{QStringLiteral("kamoku_CD"), m_accountCode},
                                 {QStringLiteral("hojo_CD"), code},
                                 {kName, row.name}});
    }
    row.storedCode = code;
    row.code = code;
    return CodeResult::Kept;
}

void SubAccountEditor::setName(int r, const QString& name) {
    Row& row = m_rows.at(static_cast<size_t>(r));
    if (row.isStored()) {
        m_db.updateRows(kCommon, {{kName, name}}, QStringLiteral("kamoku_CD = ?1 AND hojo_CD = ?2"),
                        {m_accountCode, row.storedCode});
        const QVariant kept = m_db.scalar(
            QStringLiteral("SELECT \"補助科目名\" FROM hojokamoku WHERE kamoku_CD = ?1 AND hojo_CD = ?2"),
            {m_accountCode, row.storedCode});
        row.name = kept.toString();
    } else {
        row.name = cp932::truncate(name, kNameWidth);
    }
}

SubAccountUses SubAccountEditor::uses(int r) {
    const Row& row = m_rows.at(static_cast<size_t>(r));
    if (!row.isStored())
        return {};
    return countSubAccountUses(m_db, m_accountCode, row.storedCode);
}

void SubAccountEditor::removeRow(int r) {
    const Row row = m_rows.at(static_cast<size_t>(r));
    if (row.isStored())
        m_db.run(QStringLiteral("DELETE FROM hojokamoku WHERE kamoku_CD = ?1 AND hojo_CD = ?2"),
                 {m_accountCode, row.storedCode});
    m_rows.erase(m_rows.begin() + r);
}

void SubAccountEditor::discardUnstored() {
    std::vector<Row> kept;
    for (Row& row : m_rows)
        if (row.isStored()) {
            row.code = row.storedCode;
            kept.push_back(row);
        }
    m_rows = std::move(kept);
}

// ---------------------------------------------------------------- seeding and unit names

void seedUnitSubAccountNames(Database& aaa) {
    const QString namedUnits = QStringLiteral("SELECT code FROM BUMON WHERE code BETWEEN 0 AND %1 "
                                              "AND COALESCE(Bumonmei, '') <> ''")
                                   .arg(kLastUnit);
    Transaction tx(aaa);
    aaa.run(
        QStringLiteral("UPDATE Mhojokamoku SET \"補助科目名\" = "
                       "(SELECT h.\"補助科目名\" FROM hojokamoku h "
                       " WHERE h.kamoku_CD = Mhojokamoku.kamoku_CD AND h.hojo_CD = Mhojokamoku.hojo_CD) "
                       "WHERE COALESCE(\"補助科目名\", '') = '' AND B_ID IN (") +
        namedUnits +
        QStringLiteral(") AND EXISTS (SELECT 1 FROM hojokamoku h "
                       " WHERE h.kamoku_CD = Mhojokamoku.kamoku_CD AND h.hojo_CD = Mhojokamoku.hojo_CD)"));
    aaa.run(
        QStringLiteral("INSERT INTO Mhojokamoku (B_ID, kamoku_CD, hojo_CD, \"補助科目名\") "
                       "SELECT b.code, h.kamoku_CD, h.hojo_CD, h.\"補助科目名\" FROM (") +
        namedUnits +
        QStringLiteral(") b, hojokamoku h WHERE NOT EXISTS (SELECT 1 FROM Mhojokamoku m "
                       " WHERE m.B_ID = b.code AND m.kamoku_CD = h.kamoku_CD AND m.hojo_CD = h.hojo_CD)"));
    tx.commit();
}

void seedUnitSubAccountNames(Session& session) {
    seedUnitSubAccountNames(session.aaa);
}

std::vector<UnitEntry> loadUnitEntries(Database& aaa) {
    std::vector<UnitEntry> units;
    auto st = aaa.prepare(QStringLiteral("SELECT code, Bumonmei FROM BUMON ORDER BY code"));
    while (st.step())
        units.push_back({static_cast<int>(st.integer(0)), stored::text(st, 1)});
    return units;
}

std::vector<UnitSubAccountName> loadUnitSubAccountNames(Database& aaa, int unit, const QString& accountCode) {
    std::vector<UnitSubAccountName> names;
    auto st = aaa.prepare(QStringLiteral("SELECT hojo_CD, \"補助科目名\" FROM Mhojokamoku "
                                         "WHERE B_ID = ?1 AND kamoku_CD = ?2 ORDER BY hojo_CD"));
    st.bindInt(1, unit);
    st.bind(2, accountCode);
    while (st.step())
        names.push_back({stored::text(st, 0), stored::text(st, 1)});
    return names;
}

void storeUnitSubAccountName(Database& aaa, int unit, const QString& accountCode, const QString& code,
                             const QString& name) {
    aaa.updateRows(kUnitTable, {{kName, name}},
                   QStringLiteral("B_ID = ?1 AND kamoku_CD = ?2 AND hojo_CD = ?3"),
                   {unit, accountCode, code});
}

int nameEditorStartUnit(Session& session) {
    if (session.currentUnit >= 0 && !session.currentUnitText.isEmpty())
        return session.currentUnit;
    constexpr int kFirstUnit = 1;
    const QVariant name =
        session.aaa.scalar(QStringLiteral("SELECT Bumonmei FROM BUMON WHERE code = ?1"), {kFirstUnit});
    session.setCurrentUnit(kFirstUnit, name.toString());
    return kFirstUnit;
}

} // namespace k9
