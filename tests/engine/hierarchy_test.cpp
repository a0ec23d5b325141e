// SPDX-License-Identifier: GPL-3.0-or-later
// The names above an account for the ledger headings, from the chart in memory and from the
// data folder.
#include "engine/hierarchy.h"
#include "engine/tfanc.h"
#include "store/database.h"
#include "support/fixture.h"

#include <gtest/gtest.h>

namespace k9::test {
namespace {

struct Row {
    const char* code;
    std::optional<int> a;
    int e;
    const char* name;
};

const Row kChart[] = {
    {"40000", 9, 0, "経常収益"},         {"41000", 1, 0, "　受取　会費"}, {"41010", 0, 1, "　　正会員 会費"},
    {"41020", 0, 1, "　　賛助会員会費"}, {"41100", 0, 0, "　受取入会金"}, {"41500", 2, 0, "　会費等計"},
    {"41600", 0, 0, "　雑収益"},         {"41900", 3, 0, "経常収益計"},   {"42000", 0, 0, "　受取利息"},
    {"42900", 4, 0, "収益合計"},         {"43000", 0, 0, "　寄付金"},     {"43900", 3, 0, "その他計"},
};

std::vector<totals::HierarchyLine> chartLines() {
    std::vector<totals::HierarchyLine> out;
    for (const auto& r : kChart)
        out.push_back({QString::fromUtf8(r.name), r.a, r.e});
    return out;
}

struct Case {
    std::size_t index;
    const char* major;
    const char* middle;
    const char* account;
    const char* minor;
};

const Case kCases[] = {
    {2, "経常収益計", "会費等計", "受取会費", "正会員会費"}, // a small account under its head
    {3, "経常収益計", "会費等計", "受取会費", "賛助会員会費"},
    {4, "経常収益計", "会費等計", "受取入会金", ""}, // an ordinary input account
    {6, "経常収益計", "", "雑収益", ""},             // the 中科目計 lies above it
    {8, "", "", "受取利息", ""},                     // a block total ends the forward walk
    {10, "その他計", "", "寄付金", ""},
};

TEST(Hierarchy, NamesAboveAnAccount) {
    const auto ls = chartLines();
    for (const auto& c : kCases) {
        const auto n = totals::ledgerNames(ls, c.index);
        EXPECT_EQ(n.major, QString::fromUtf8(c.major)) << c.index;
        EXPECT_EQ(n.middle, QString::fromUtf8(c.middle)) << c.index;
        EXPECT_EQ(n.account, QString::fromUtf8(c.account)) << c.index;
        EXPECT_EQ(n.minor, QString::fromUtf8(c.minor)) << c.index;
    }
}

TEST(Hierarchy, TFancReadsTheDataFolderChart) {
    SessionFixture f;
    for (const auto& r : kChart)
        f.session.aaa.insertRow(QStringLiteral("kamoku"), {{"code", QString::fromUtf8(r.code)},
                                                           {"科目名", QString::fromUtf8(r.name)},
                                                           {"FlgA", r.a ? QVariant(*r.a) : QVariant()},
                                                           {"FlgE", r.e}});
    int sNo = 100;
    for (const auto& r : kChart) {
        f.session.aaa.insertRow(QStringLiteral("kamoku2"), {{"SNo", sNo},
                                                            {"科目名", QString::fromUtf8(r.name)},
                                                            {"FlgA", r.a ? QVariant(*r.a) : QVariant()},
                                                            {"FlgE", r.e}});
        sNo += 100;
    }
    TFanc fanc(f.session);
    for (const auto& c : kCases) {
        const auto& byCode = fanc.kamokumei(QString::fromUtf8(kChart[c.index].code));
        EXPECT_EQ(byCode.major, QString::fromUtf8(c.major)) << c.index;
        EXPECT_EQ(byCode.minor, QString::fromUtf8(c.minor)) << c.index;
        const auto& bySNo = fanc.kamokumei2(100 * static_cast<long long>(c.index + 1));
        EXPECT_EQ(bySNo.account, QString::fromUtf8(c.account)) << c.index;
        EXPECT_EQ(bySNo.middle, QString::fromUtf8(c.middle)) << c.index;
    }
    fanc.kamokumei(QStringLiteral("41010"));
    EXPECT_EQ(fanc.kamokumei(QStringLiteral("99999")).account, QString());
    EXPECT_EQ(fanc.names().major, QString());
}

} // namespace
} // namespace k9::test
