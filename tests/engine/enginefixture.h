// SPDX-License-Identifier: GPL-3.0-or-later
// Small charts and journals for the engine tests: lines written with designated
// initialisers, amounts in whole yen, and lookups of the computed lines by code.
#pragma once

#include "engine/journalsource.h"
#include "engine/totalsmodel.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>

namespace k9::test {

using totals::ChartLine;
using totals::Col;

inline constexpr long long kBlank = LLONG_MIN;

inline Money yen(long long v) {
    return v == kBlank ? Money() : Money::fromYen(v);
}

// One chart line. FlgA blank is written as std::nullopt.
struct L {
    const char* code = "";
    std::optional<int> a;
    int b = 0;
    int c = 0;
    int e = 0;
    int g = 0;
    int h = 0;
    long long opening = kBlank;
    long long budget = kBlank;
    const char* name = "";
    long long sNo = 0;
};

inline ChartLine line(const L& l) {
    ChartLine out;
    out.code = l.code;
    out.name = QString::fromUtf8(l.name);
    out.flgA = l.a;
    out.flgB = l.b;
    out.flgC = l.c;
    out.flgE = l.e;
    out.flgG = l.g;
    out.flgH = l.h;
    out.amounts[Col::Opening] = yen(l.opening);
    out.amounts[Col::Budget] = yen(l.budget);
    out.sNo = l.sNo;
    return out;
}

inline std::vector<ChartLine> lines(std::initializer_list<L> ls) {
    std::vector<ChartLine> out;
    for (const auto& l : ls)
        out.push_back(line(l));
    return out;
}

inline totals::SubAccountLine sub(const char* account, const char* code, long long opening = kBlank) {
    totals::SubAccountLine s;
    s.accountCode = account;
    s.code = code;
    s.opening = yen(opening);
    return s;
}

// One balanced journal line (debit amount = credit amount unless `right` is given).
struct J {
    long long sNo = 1;
    const char* date = "2015-04-10";
    const char* l = "";
    const char* r = "";
    long long amount = 0;
    long long right = kBlank;
    const char* lh = "";
    const char* rh = "";
    const char* text = "";
    int flgU = 0;
    int flgV = 0;
};

inline totals::JournalLineList journal(std::initializer_list<J> js) {
    totals::JournalLineList list;
    long long subNo = 0;
    for (const auto& j : js) {
        totals::JournalLineList::Line line;
        line.sNo = j.sNo;
        line.subNo = ++subNo;
        line.date = QString::fromUtf8(j.date);
        line.lcode = QString::fromUtf8(j.l);
        line.rcode = QString::fromUtf8(j.r);
        line.lhcode = QString::fromUtf8(j.lh);
        line.rhcode = QString::fromUtf8(j.rh);
        line.lAmount = yen(j.amount);
        line.rAmount = yen(j.right == kBlank ? j.amount : j.right);
        line.tekiyou1 = QString::fromUtf8(j.text);
        line.flgU = j.flgU;
        line.flgV = j.flgV;
        list.add(line);
    }
    return list;
}

inline const ChartLine& byCode(const std::vector<ChartLine>& ls, const char* code) {
    for (const auto& l : ls)
        if (l.code == code)
            return l;
    ADD_FAILURE() << "no line " << code;
    static const ChartLine none;
    return none;
}

inline const ChartLine& bySNo(const std::vector<ChartLine>& ls, long long sNo) {
    for (const auto& l : ls)
        if (l.sNo == sNo)
            return l;
    ADD_FAILURE() << "no line " << sNo;
    static const ChartLine none;
    return none;
}

// The amount in whole yen, or kBlank.
inline long long amount(const ChartLine& l, Col c) {
    const Money m = l.amounts[c];
    return m.isEmpty() ? kBlank : m.yen();
}

// The fiscal year 2015-04-01 … 2016-03-31 with the period from..to.
inline totals::Period period(const char* from = "2015-04-01", const char* to = "2016-03-31") {
    return totals::Period::of(QDate(2015, 4, 1), QDate::fromString(QString::fromUtf8(from), Qt::ISODate),
                              QDate::fromString(QString::fromUtf8(to), Qt::ISODate));
}

} // namespace k9::test
