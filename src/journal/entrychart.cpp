// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/entrychart.h"

#include "store/database.h"
#include "store/textutil.h"

namespace k9 {
namespace {

std::optional<int> optionalInt(const Statement& st, int i) {
    if (st.isNull(i) || st.text(i).trimmed().isEmpty())
        return std::nullopt;
    return static_cast<int>(st.integer(i));
}

QString subKey(const QString& account, const QString& code) {
    return account.trimmed() + QLatin1Char('/') + code.trimmed();
}

} // namespace

bool EntryAccount::acceptsEntry() const {
    if (!flgA || *flgA != 0)
        return false;
    if (flgB && *flgB == 2 && flgH && *flgH >= 21 && *flgH <= 49)
        return false;
    return true;
}

void EntryChart::load(Database& www, Database& aaa, const std::array<QString, 51>& taxClassNames) {
    m_accounts.clear();
    Statement st =
        www.prepare(QStringLiteral("SELECT code, \"科目名\", FlgA, FlgB, FlgD, FlgF, FlgH FROM kamoku"));
    while (st.step()) {
        EntryAccount a;
        a.name = removeSpaces(st.text(1));
        a.flgA = optionalInt(st, 2);
        a.flgB = optionalInt(st, 3);
        a.flgD = optionalInt(st, 4);
        a.flgF = optionalInt(st, 5);
        a.flgH = optionalInt(st, 6);
        m_accounts.insert(st.text(0).trimmed(), a);
    }
    loadSubAccounts(www);
    m_taxNames.clear();
    if (aaa.tableExists(QStringLiteral("syohizei"))) {
        Statement tax = aaa.prepare(QStringLiteral("SELECT zeiID, kubun FROM syohizei"));
        while (tax.step()) {
            if (tax.isNull(0) || tax.isNull(1) || tax.text(1).trimmed().isEmpty())
                continue;
            const int id = static_cast<int>(tax.integer(0));
            if (id >= 0 && id < static_cast<int>(taxClassNames.size()))
                m_taxNames.insert(id, taxClassNames[static_cast<size_t>(id)]);
        }
    }
}

void EntryChart::loadSubAccounts(Database& www) {
    m_subAccounts.clear();
    Statement st = www.prepare(QStringLiteral("SELECT kamoku_CD, hojo_CD, \"補助科目名\" FROM hojokamoku"));
    while (st.step())
        m_subAccounts.insert(subKey(st.text(0), st.text(1)), removeSpaces(st.text(2)));
}

const EntryAccount* EntryChart::account(const QString& code) const {
    auto it = m_accounts.constFind(code.trimmed());
    return it == m_accounts.constEnd() ? nullptr : &*it;
}

std::optional<QString> EntryChart::subAccountName(const QString& accountCode, const QString& code) const {
    auto it = m_subAccounts.constFind(subKey(accountCode, code));
    if (it == m_subAccounts.constEnd())
        return std::nullopt;
    return *it;
}

QString EntryChart::taxClassName(std::optional<int> taxClass) const {
    if (!taxClass)
        return {};
    return m_taxNames.value(*taxClass);
}

void refreshUnitMarks(Database& aaa, Database& www, int unit) {
    if (unit < 0 || unit > 25)
        return;
    const QString column = QStringLiteral("B%1").arg(unit, 2, 10, QLatin1Char('0'));
    if (!aaa.hasColumn(QStringLiteral("kamoku"), column))
        return;
    Statement st = aaa.prepare(QStringLiteral("SELECT code, %1 FROM kamoku").arg(quoteId(column)));
    Transaction tx(www);
    Statement upd = www.prepare(QStringLiteral("UPDATE kamoku SET FlgJ = ?1 WHERE code = ?2"));
    while (st.step()) {
        upd.reset();
        if (st.isNull(1))
            upd.bindNull(1);
        else
            upd.bindInt(1, st.integer(1));
        upd.bindText(2, st.text(0));
        upd.run();
    }
    tx.commit();
}

} // namespace k9
