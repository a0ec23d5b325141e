// SPDX-License-Identifier: GPL-3.0-or-later
// The standard-description list (TEKIYOU) behind the description picker.
#include "chart/descriptions.h"

#include "chart/pickertexts.h"
#include "chart/storedvalues.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/session.h"

#include <algorithm>

namespace k9 {

namespace {
const QString kSlash = QStringLiteral("／");
const QString kTable = QStringLiteral("TEKIYOU");
const QString kTextColumn = QStringLiteral("摘要名");
const QString kPairCondition = QStringLiteral("COALESCE(code1, '') = ?1 AND COALESCE(code2, '') = ?2");
} // namespace

QString cutAfterSlash(const QString& text) {
    const qsizetype at = text.indexOf(kSlash);
    return at < 0 ? text : text.left(at + kSlash.size());
}

QString containsPattern(const QString& text) {
    QString escaped;
    for (QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

bool descriptionsPerUnit(Database& hm) {
    const QVariant v = hm.scalar(QStringLiteral("SELECT PM15 FROM HeadM LIMIT 1"));
    return v.isValid() && !v.isNull() && v.toLongLong() == 1;
}

DescriptionNotStored::DescriptionNotStored() : K9Error(pickertext::kDescriptionPressEnter) {}

DescriptionPicker::DescriptionPicker(Database& www, DescriptionPair pair, int unit, bool perUnit)
    : m_www(www), m_pair(std::move(pair)), m_unit(unit), m_perUnit(perUnit) {
    reload();
}

DescriptionPicker DescriptionPicker::forSession(Session& session) {
    bool ok = false;
    int unit = session.currentUnitText.toInt(&ok);
    if (!ok)
        unit = session.currentUnit;
    return DescriptionPicker(session.www, {session.pickedDebitCode, session.pickedCreditCode}, unit,
                             descriptionsPerUnit(session.hm));
}

std::vector<DescriptionPicker::Row> DescriptionPicker::readRows(const QString& likePattern) {
    QString sql = QStringLiteral("SELECT rowid, RenNo, \"摘要名\" FROM TEKIYOU WHERE ") + kPairCondition;
    if (m_perUnit)
        sql += QStringLiteral(" AND BMNFlg = ?3");
    if (!likePattern.isNull())
        sql += QStringLiteral(" AND \"摘要名\" LIKE ?4 ESCAPE '\\'");
    sql += QStringLiteral(" ORDER BY RenNo");
    auto st = m_www.prepare(sql);
    st.bindText(1, m_pair.debitCode);
    st.bindText(2, m_pair.creditCode);
    if (m_perUnit)
        st.bindInt(3, m_unit);
    if (!likePattern.isNull())
        st.bindText(4, likePattern);
    std::vector<Row> rows;
    while (st.step()) {
        Row r;
        r.rowId = st.integer(0);
        if (!st.isNull(1))
            r.renNo = static_cast<int>(st.integer(1));
        r.text = stored::text(st, 2);
        rows.push_back(std::move(r));
    }
    return rows;
}

void DescriptionPicker::reload() {
    m_mode = Mode::Table;
    m_searchText.clear();
    m_rows = readRows(QString());
}

bool DescriptionPicker::hasNewRow() const {
    return std::any_of(m_rows.begin(), m_rows.end(), [](const Row& r) { return !r.rowId; });
}

bool DescriptionPicker::addNewRow() {
    if (m_mode != Mode::Table || hasNewRow())
        return false;
    m_rows.push_back(Row{});
    return true;
}

void DescriptionPicker::setText(int row, const QString& text) {
    Row& r = m_rows.at(static_cast<size_t>(row));
    r.text = cp932::truncate(text, kDescriptionMaxBytes);
    r.edited = true;
}

bool DescriptionPicker::leaveRow(int row) {
    if (row < 0 || row >= rowCount() || m_mode != Mode::Table)
        return true;
    Row& r = m_rows[static_cast<size_t>(row)];
    if (!r.rowId) {
        if (r.text.isEmpty()) {
            m_rows.erase(m_rows.begin() + row);
            return false;
        }
        throw DescriptionNotStored();
    }
    if (!r.edited)
        return true;
    if (m_pair.isEmpty())
        throw DescriptionNotStored();
    m_www.updateRows(kTable, {{kTextColumn, cutAfterSlash(r.text)}}, QStringLiteral("rowid = ?1"),
                     {*r.rowId});
    r.text = cutAfterSlash(r.text);
    r.edited = false;
    return true;
}

void DescriptionPicker::search(const QString& text) {
    m_mode = Mode::SearchResults;
    m_searchText = text;
    m_rows = readRows(containsPattern(text));
}

std::optional<long long> DescriptionPicker::findRenNo(int renNo) {
    const QVariant id = m_www.scalar(QStringLiteral("SELECT rowid FROM TEKIYOU WHERE ") + kPairCondition +
                                         QStringLiteral(" AND RenNo = ?3"),
                                     {m_pair.debitCode, m_pair.creditCode, renNo});
    if (!id.isValid())
        return std::nullopt;
    return id.toLongLong();
}

long long DescriptionPicker::insertRow(const QString& text, int renNo) {
    m_www.insertRow(kTable, {{QStringLiteral("code1"), m_pair.debitCode},
                             {QStringLiteral("code2"), m_pair.creditCode},
                             {QStringLiteral("RenNo"), renNo},
                             {kTextColumn, cutAfterSlash(text)},
                             {QStringLiteral("BMNFlg"), m_unit}});
    return m_www.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

void DescriptionPicker::renumber(std::optional<long long> firstRowId) {
    std::vector<long long> order;
    long long lowest = 0;
    {
        auto st = m_www.prepare(QStringLiteral("SELECT rowid, RenNo FROM TEKIYOU WHERE ") + kPairCondition +
                                QStringLiteral(" ORDER BY RenNo"));
        st.bindText(1, m_pair.debitCode);
        st.bindText(2, m_pair.creditCode);
        while (st.step()) {
            if (firstRowId && st.integer(0) == *firstRowId)
                order.insert(order.begin(), st.integer(0));
            else
                order.push_back(st.integer(0));
            if (!st.isNull(1))
                lowest = std::min(lowest, st.integer(1));
        }
    }
    // Numbers below every stored one first, so that no step meets a key already in use.
    const long long parked = lowest - static_cast<long long>(order.size()) - 1;
    for (size_t i = 0; i < order.size(); ++i)
        m_www.run(QStringLiteral("UPDATE TEKIYOU SET RenNo = ?1 WHERE rowid = ?2"),
                  {parked - static_cast<long long>(i), order[i]});
    for (size_t i = 0; i < order.size(); ++i)
        m_www.run(QStringLiteral("UPDATE TEKIYOU SET RenNo = ?1 WHERE rowid = ?2"),
                  {static_cast<long long>(i + 1), order[i]});
}

QString DescriptionPicker::choose(int row, const QString& picked) {
    if (row < 0 || row >= rowCount())
        return picked;
    if (m_pair.isEmpty())
        throw DescriptionNotStored();
    const Row r = m_rows[static_cast<size_t>(row)];
    QString result;
    std::optional<long long> id;
    Transaction tx(m_www);
    if (m_mode == Mode::SearchResults) {
        result = r.text;
        id = r.renNo ? findRenNo(*r.renNo) : std::nullopt;
        if (id)
            m_www.updateRows(kTable, {{kTextColumn, cutAfterSlash(r.text)}}, QStringLiteral("rowid = ?1"),
                             {*id});
        else
            id = insertRow(r.text, r.renNo.value_or(0));
    } else {
        result = picked.isEmpty() ? r.text : picked;
        if (r.rowId) {
            id = r.rowId;
            m_www.updateRows(kTable, {{kTextColumn, cutAfterSlash(r.text)}}, QStringLiteral("rowid = ?1"),
                             {*id});
        } else if (!r.text.isEmpty()) {
            QVariant lowest =
                m_www.scalar(QStringLiteral("SELECT MIN(RenNo) FROM TEKIYOU WHERE ") + kPairCondition,
                             {m_pair.debitCode, m_pair.creditCode});
            id = insertRow(r.text, static_cast<int>(std::min<long long>(lowest.toLongLong(), 1)) - 1);
        }
    }
    if (id) {
        m_www.run(QStringLiteral("UPDATE TEKIYOU SET BMNFlg = ?1 WHERE rowid = ?2 AND BMNFlg IS NULL"),
                  {m_unit, *id});
        renumber(id);
    }
    tx.commit();
    return result;
}

void DescriptionPicker::insertBlankRow() {
    if (m_pair.isEmpty())
        throw DescriptionNotStored();
    Transaction tx(m_www);
    const QVariant lowest =
        m_www.scalar(QStringLiteral("SELECT MIN(RenNo) FROM TEKIYOU WHERE ") + kPairCondition,
                     {m_pair.debitCode, m_pair.creditCode});
    const long long id =
        insertRow(QString(), static_cast<int>(std::min<long long>(lowest.toLongLong(), 1)) - 1);
    renumber(id);
    tx.commit();
    reload();
}

void DescriptionPicker::remove(int row) {
    if (row < 0 || row >= rowCount())
        return;
    const Row r = m_rows[static_cast<size_t>(row)];
    if (m_mode == Mode::Table && !r.rowId) {
        m_rows.erase(m_rows.begin() + row);
        return;
    }
    Transaction tx(m_www);
    std::optional<long long> id =
        m_mode == Mode::Table ? r.rowId : (r.renNo ? findRenNo(*r.renNo) : std::nullopt);
    if (id)
        m_www.run(QStringLiteral("DELETE FROM TEKIYOU WHERE rowid = ?1"), {*id});
    renumber(std::nullopt);
    tx.commit();
    if (m_mode == Mode::SearchResults)
        search(m_searchText);
    else
        reload();
}

} // namespace k9
