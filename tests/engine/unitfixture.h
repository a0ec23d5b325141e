// SPDX-License-Identifier: GPL-3.0-or-later
// A data folder with one accounting unit's chart masters and a journal, for the tests that
// run the engines through the work folder.
#pragma once

#include "enginefixture.h"
#include "store/database.h"
#include "support/fixture.h"

namespace k9::test {

struct UnitFixture : SessionFixture {
    static constexpr int kUnit = 1;

    UnitFixture() {
        session.fiscalYearStart = QDate(2015, 4, 1);
        session.setCurrentUnit(kUnit, QStringLiteral("本部"));
    }

    static QVariant flag(int v) { return v == 0 ? QVariant() : QVariant(v); }
    static QVariant money(long long v) {
        return v == kBlank ? QVariant() : QVariant(static_cast<qlonglong>(v));
    }

    // One master account of the unit (and its allocation row in the common chart when
    // `unit1Percent` is given).
    void account(const L& l, int unit1Percent = -1) {
        session.aaa.insertRow(QStringLiteral("Mkamoku"), {{"B_ID", kUnit},
                                                          {"code", QString::fromUtf8(l.code)},
                                                          {"科目名", QString::fromUtf8(l.name)},
                                                          {"FlgA", l.a ? QVariant(*l.a) : QVariant()},
                                                          {"FlgB", l.b},
                                                          {"FlgC", l.c},
                                                          {"FlgE", flag(l.e)},
                                                          {"FlgG", flag(l.g)},
                                                          {"FlgH", flag(l.h)},
                                                          {"期首繰越", money(l.opening)},
                                                          {"予算", money(l.budget)}});
        session.aaa.insertRow(QStringLiteral("kamoku"),
                              {{"code", QString::fromUtf8(l.code)},
                               {"科目名", QString::fromUtf8(l.name)},
                               {"FlgA", l.a ? QVariant(*l.a) : QVariant()},
                               {"FlgB", l.b},
                               {"FlgC", l.c},
                               {"A01", unit1Percent < 0 ? QVariant() : QVariant(unit1Percent)},
                               {"A02", unit1Percent < 0 ? QVariant() : QVariant(100 - unit1Percent)}});
    }

    void fundLine(const L& l) {
        session.aaa.insertRow(QStringLiteral("Mkamoku2"), {{"B_ID", kUnit},
                                                           {"SNo", l.sNo},
                                                           {"code", QString::fromUtf8(l.code)},
                                                           {"科目名", QString::fromUtf8(l.name)},
                                                           {"FlgA", l.a ? QVariant(*l.a) : QVariant()},
                                                           {"FlgB", l.b},
                                                           {"FlgC", l.c},
                                                           {"FlgE", flag(l.e)},
                                                           {"FlgG", flag(l.g)},
                                                           {"FlgH", flag(l.h)},
                                                           {"予算", money(l.budget)}});
    }

    void subAccount(const char* account, const char* code, long long opening = kBlank) {
        session.aaa.insertRow(QStringLiteral("Mhojokamoku"), {{"B_ID", kUnit},
                                                              {"kamoku_CD", QString::fromUtf8(account)},
                                                              {"hojo_CD", QString::fromUtf8(code)},
                                                              {"期首繰越", money(opening)}});
    }

    // One voucher line of the data folder's journal; `unit` 0 is a common line.
    void voucher(const J& j, int unit = kUnit) {
        const long long subNo = nextSubNo(j.sNo);
        session.aaa.insertRow(QStringLiteral("denpyou1"),
                              {{"SNo", j.sNo},
                               {"Sub_No", subNo},
                               {"hizuke", QString::fromUtf8(j.date)},
                               {"Lcode", QString::fromUtf8(j.l)},
                               {"Rcode", QString::fromUtf8(j.r)},
                               {"LHcode", QString::fromUtf8(j.lh)},
                               {"RHcode", QString::fromUtf8(j.rh)},
                               {"Lkingaku", money(j.amount)},
                               {"Rkingaku", money(j.right == kBlank ? j.amount : j.right)},
                               {"tekiyou1", QString::fromUtf8(j.text)},
                               {"FlgT", unit},
                               {"FlgU", j.flgU},
                               {"FlgV", j.flgV}});
    }

    // A work-folder value by key.
    QVariant work(const char* sql, const std::vector<QVariant>& params = {}) {
        return session.www.scalar(QString::fromUtf8(sql), params);
    }
    QVariant accountValue(const char* code, const char* column) {
        return session.www.scalar(QStringLiteral("SELECT %1 FROM \"kamoku\" WHERE \"code\"=?1")
                                      .arg(quoteId(QString::fromUtf8(column))),
                                  {QString::fromUtf8(code)});
    }
    QVariant fundValue(long long sNo, const char* column) {
        return session.www.scalar(QStringLiteral("SELECT %1 FROM \"kamoku2\" WHERE \"SNo\"=?1")
                                      .arg(quoteId(QString::fromUtf8(column))),
                                  {sNo});
    }

private:
    long long nextSubNo(long long sNo) {
        return session.aaa
            .scalar(QStringLiteral("SELECT IFNULL(MAX(\"Sub_No\"),0)+1 FROM \"denpyou1\" WHERE \"SNo\"=?1"),
                    {sNo})
            .toLongLong();
    }
};

} // namespace k9::test
