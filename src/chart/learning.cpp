// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the debit and credit learning lists in most-recent-first order.
#include "chart/learning.h"

#include "chart/storedvalues.h"
#include "store/database.h"
#include "store/session.h"

#include <algorithm>
#include <optional>

namespace k9 {

namespace {

struct StoredRow {
    QString code;
    QVariant f;
};

// The rows of one list (WKTBL0, or WKTBL1 limited to a debit account) in renNo order.
std::vector<StoredRow> readRows(Database& www, const std::optional<QString>& debitCode) {
    std::vector<StoredRow> rows;
    auto st = debitCode
                  ? www.prepare(QStringLiteral("SELECT code2, F FROM WKTBL1 WHERE code1 = ?1 ORDER BY renNo"))
                  : www.prepare(QStringLiteral("SELECT code1, F FROM WKTBL0 ORDER BY renNo"));
    if (debitCode)
        st.bind(1, *debitCode);
    while (st.step())
        rows.push_back({stored::text(st, 0), st.value(1)});
    return rows;
}

// Replaces the list's rows by `rows`, numbered 1..n.
void writeRows(Database& www, const std::optional<QString>& debitCode, const std::vector<StoredRow>& rows) {
    if (debitCode)
        www.run(QStringLiteral("DELETE FROM WKTBL1 WHERE code1 = ?1"), {*debitCode});
    else
        www.run(QStringLiteral("DELETE FROM WKTBL0"));
    int renNo = 0;
    for (const auto& r : rows) {
        ++renNo;
        if (debitCode)
            www.insertRow(QStringLiteral("WKTBL1"), {{QStringLiteral("code1"), *debitCode},
                                                     {QStringLiteral("renNo"), renNo},
                                                     {QStringLiteral("code2"), r.code},
                                                     {QStringLiteral("F"), r.f}});
        else
            www.insertRow(QStringLiteral("WKTBL0"), {{QStringLiteral("renNo"), renNo},
                                                     {QStringLiteral("code1"), r.code},
                                                     {QStringLiteral("F"), r.f}});
    }
}

// Moves `code` to the front of the list, adding it when absent. `cutAbove`: when the code
// is new and the list holds more rows than this, its last row goes first.
int moveToFront(Database& www, const std::optional<QString>& debitCode, const QString& code,
                std::optional<int> cutAbove) {
    Transaction tx(www);
    std::vector<StoredRow> rows = readRows(www, debitCode);
    auto it = std::find_if(rows.begin(), rows.end(), [&](const StoredRow& r) { return r.code == code; });
    StoredRow used{code, QVariant()};
    if (it != rows.end()) {
        used = *it;
        rows.erase(it);
    } else if (cutAbove && static_cast<int>(rows.size()) > *cutAbove) {
        rows.pop_back();
    }
    rows.insert(rows.begin(), used);
    writeRows(www, debitCode, rows);
    tx.commit();
    return static_cast<int>(rows.size());
}

void removeRow(Database& www, const std::optional<QString>& debitCode, int renNo) {
    Transaction tx(www);
    if (debitCode)
        www.run(QStringLiteral("DELETE FROM WKTBL1 WHERE code1 = ?1 AND renNo = ?2"), {*debitCode, renNo});
    else
        www.run(QStringLiteral("DELETE FROM WKTBL0 WHERE renNo = ?1"), {renNo});
    writeRows(www, debitCode, readRows(www, debitCode));
    tx.commit();
}

std::vector<LearnedAccount> readList(Database& www, const std::optional<QString>& debitCode) {
    std::vector<LearnedAccount> list;
    auto st = debitCode
                  ? www.prepare(QStringLiteral("SELECT w.renNo, w.code2, k.\"科目名\" FROM WKTBL1 w "
                                               "LEFT JOIN kamoku k ON k.code = w.code2 "
                                               "WHERE w.code1 = ?1 ORDER BY w.renNo"))
                  : www.prepare(QStringLiteral("SELECT w.renNo, w.code1, k.\"科目名\" FROM WKTBL0 w "
                                               "LEFT JOIN kamoku k ON k.code = w.code1 ORDER BY w.renNo"));
    if (debitCode)
        st.bind(1, *debitCode);
    while (st.step())
        list.push_back({static_cast<int>(st.integer(0)), stored::text(st, 1), stored::text(st, 2)});
    return list;
}

} // namespace

std::vector<LearnedAccount> debitLearningList(Database& www) {
    return readList(www, std::nullopt);
}

std::vector<LearnedAccount> creditLearningList(Database& www, const QString& debitCode) {
    return readList(www, debitCode);
}

int recordDebitUse(Database& www, const QString& code) {
    return moveToFront(www, std::nullopt, code, kDebitLearningCut);
}

void recordCreditUse(Database& www, const QString& debitCode, const QString& creditCode) {
    moveToFront(www, debitCode, creditCode, std::nullopt);
}

bool recordDebitUse(Session& session) {
    if (session.pickedDebitCode.size() != session.accountCodeLength)
        return false;
    recordDebitUse(session.www, session.pickedDebitCode);
    return true;
}

bool recordCreditUse(Session& session) {
    if (session.pickedDebitCode.size() != session.accountCodeLength ||
        session.pickedCreditCode.size() != session.accountCodeLength)
        return false;
    recordCreditUse(session.www, session.pickedDebitCode, session.pickedCreditCode);
    return true;
}

void removeDebitLearningRow(Database& www, int renNo) {
    removeRow(www, std::nullopt, renNo);
}

void removeCreditLearningRow(Database& www, const QString& debitCode, int renNo) {
    removeRow(www, debitCode, renNo);
}

} // namespace k9
