// SPDX-License-Identifier: GPL-3.0-or-later
// A small chart for the picker and sub-account tests: rows are added to the data folder
// and the work copy with the flags a case needs, blank flags staying NULL.
#pragma once

#include "support/fixture.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace k9::test {

// Flags of one chart line; unset means blank.
struct LineSpec {
    std::optional<int> a = std::nullopt;
    std::optional<int> b = std::nullopt;
    std::optional<int> c = std::nullopt;
    std::optional<int> d = std::nullopt;
    std::optional<int> g = std::nullopt;
    std::optional<int> h = std::nullopt;
    std::optional<int> j = std::nullopt;
};

inline QVariant flagValue(const std::optional<int>& f) {
    return f ? QVariant(*f) : QVariant();
}

struct PickerFixture : SessionFixture {
    // An account of the unit's working chart (work-folder kamoku).
    void addWorkAccount(const QString& code, const QString& name, const LineSpec& f) {
        session.www.insertRow(QStringLiteral("kamoku"), {{QStringLiteral("code"), code},
                                                         {QStringLiteral("科目名"), name},
                                                         {QStringLiteral("FlgA"), flagValue(f.a)},
                                                         {QStringLiteral("FlgB"), flagValue(f.b)},
                                                         {QStringLiteral("FlgC"), flagValue(f.c)},
                                                         {QStringLiteral("FlgD"), flagValue(f.d)},
                                                         {QStringLiteral("FlgG"), flagValue(f.g)},
                                                         {QStringLiteral("FlgH"), flagValue(f.h)},
                                                         {QStringLiteral("FlgJ"), flagValue(f.j)}});
    }
    // A fund-statement line of the data folder.
    void addFundLine(long long sNo, const QString& code, const QString& name, const LineSpec& f) {
        session.aaa.insertRow(QStringLiteral("kamoku2"), {{QStringLiteral("SNo"), sNo},
                                                          {QStringLiteral("code"), code},
                                                          {QStringLiteral("科目名"), name},
                                                          {QStringLiteral("FlgA"), flagValue(f.a)},
                                                          {QStringLiteral("FlgC"), flagValue(f.c)},
                                                          {QStringLiteral("FlgD"), flagValue(f.d)}});
    }
    void addUnit(int unit, const QString& name) {
        session.aaa.insertRow(QStringLiteral("BUMON"),
                              {{QStringLiteral("code"), unit}, {QStringLiteral("Bumonmei"), name}});
    }
    // A sub-account of the common list (data folder) or of the unit's working copy.
    void addCommonSubAccount(const QString& account, const QString& code, const QString& name) {
        session.aaa.insertRow(QStringLiteral("hojokamoku"), {{QStringLiteral("kamoku_CD"), account},
                                                             {QStringLiteral("hojo_CD"), code},
                                                             {QStringLiteral("補助科目名"), name}});
    }
    void addWorkSubAccount(const QString& account, const QString& code, const QString& name) {
        session.www.insertRow(QStringLiteral("hojokamoku"), {{QStringLiteral("kamoku_CD"), account},
                                                             {QStringLiteral("hojo_CD"), code},
                                                             {QStringLiteral("補助科目名"), name}});
    }
    void addUnitSubAccount(int unit, const QString& account, const QString& code, const QVariant& name) {
        session.aaa.insertRow(QStringLiteral("Mhojokamoku"), {{QStringLiteral("B_ID"), unit},
                                                              {QStringLiteral("kamoku_CD"), account},
                                                              {QStringLiteral("hojo_CD"), code},
                                                              {QStringLiteral("補助科目名"), name}});
    }
    void setPerUnitDescriptions(bool on) {
        if (session.hm.rowCount(QStringLiteral("HeadM")) == 0)
            session.hm.insertRow(QStringLiteral("HeadM"), {{QStringLiteral("PM15"), on ? 1 : 0}});
        else
            session.hm.updateRows(QStringLiteral("HeadM"), {{QStringLiteral("PM15"), on ? 1 : 0}}, QString());
    }
};

} // namespace k9::test
