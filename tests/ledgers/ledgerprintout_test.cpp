// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's printout laid out on the renderer for the hand-computed unit of
// ledgerfixture.h: the printed cells of each kind of row, the shaded month subtotals and
// the total row, one document per ledger of a printed range with its own heading, the
// thinning of ledgers without lines, the page options, and the empty back page of
// double-sided printing.
#include "ledgers/ledgerfixture.h"
#include "ledgers/ledgerprintout.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

using namespace k9::ledger;

class LedgerPrintout : public ::testing::Test {
protected:
    LedgerPrintout() { unit.runPeriod(); }
    Ledgers cash() { return showAccountLedger(unit.session, QStringLiteral("10100")); }
    test::LedgerFixture unit;
};

TEST_F(LedgerPrintout, PrintsTheRowsOfTheCashLedgerWithShadedMonthsAndABoldTotal) {
    const Ledgers built = cash();
    const std::vector<ReportDocument> docs = ledgerPrintout(unit.session, built, true, {});
    ASSERT_EQ(docs.size(), 1u);
    const ReportDocument& doc = docs.front();
    ASSERT_EQ(doc.rows.size(), 14u);
    QStringList captions;
    for (const auto& c : doc.columns)
        captions << c.caption;
    EXPECT_EQ(captions, (QStringList{"日　　付", "伝票番号", "相手科目", "補助科目", "税区分", "摘　　　　要",
                                     "借　方", "貸　方", "残　高"}));
    EXPECT_EQ(doc.rows[0].cells, (QStringList{"", "", "", "", "", "繰り越し", "", "", "1,300"}));
    EXPECT_EQ(doc.rows[1].cells,
              (QStringList{"15-05-10", "2-1", "消耗品費 51000", "", "1", "文具　事務用", "", "100", ""}));
    EXPECT_EQ(doc.rows[3].cells[2], QStringLiteral("諸　口"));
    EXPECT_EQ(doc.rows[5].cells[3], QStringLiteral("Ａ銀行"));
    // Month subtotals on grey, the total bold with a rule; nothing else shaded.
    int shaded = 0;
    for (const auto& r : doc.rows)
        shaded += r.shaded ? 1 : 0;
    EXPECT_EQ(shaded, 3);
    EXPECT_TRUE(doc.rows[6].shaded);
    EXPECT_EQ(doc.rows[6].cells.mid(6), (QStringList{"60", "420", "940"}));
    EXPECT_EQ(doc.rows.back().kind, ReportRow::Kind::Total);
    EXPECT_EQ(doc.rows.back().cells.mid(5), (QStringList{"　　　　合　　　計", "630", "550", "1,380"}));
    // The heading of the shown ledger: hierarchy names, the code line, period and names.
    EXPECT_TRUE(doc.header.title.startsWith(QStringLiteral("総勘定元帳　【")))
        << doc.header.title.toStdString();
    EXPECT_TRUE(doc.header.title.endsWith(QStringLiteral("/】"))) << doc.header.title.toStdString();
    EXPECT_EQ(doc.header.subtitle, QStringLiteral("科目コード10100"));
    EXPECT_TRUE(doc.header.periodFrom.contains(QStringLiteral("から")))
        << doc.header.periodFrom.toStdString();
    EXPECT_TRUE(doc.header.periodFrom.contains(QStringLiteral("まで")));
    EXPECT_EQ(doc.footer, ReportDocument{}.footer);
    EXPECT_EQ(paginate(doc).count(), 1);
}

TEST_F(LedgerPrintout, RangesPrintOneDocumentPerKeptLedgerWithItsOwnHeading) {
    struct Case {
        PrintChoice choice;
        QStringList codeLines;
    };
    const std::vector<Case> cases = {
        // 未払金 has a line; 消耗品費 … 雑費: 雑費 has neither lines nor balance.
        {{PrintRange::AllAccounts, {}, {}, {}, {}, true},
         {"科目コード10100", "科目コード10200", "科目コード20100", "科目コード41000", "科目コード51000",
          "科目コード51100"}},
        // Without lines nothing is kept, whatever the balance.
        {{PrintRange::AccountRange, "10200", {}, "52000", {}, false},
         {"科目コード10200", "科目コード20100", "科目コード41000", "科目コード51000", "科目コード51100"}},
        {{PrintRange::AllSubAccounts, {}, {}, {}, {}, true}, {"科目コード10200", "科目コード10200"}},
    };
    for (const Case& c : cases) {
        const Ledgers kept = printLedgers(unit.session, c.choice);
        const std::vector<ReportDocument> docs = ledgerPrintout(unit.session, kept, false, {});
        QStringList codeLines;
        for (const auto& d : docs) {
            codeLines << d.header.subtitle;
            ASSERT_FALSE(d.rows.empty());
            // Every row of a document belongs to its ledger.
            for (const auto& r : d.rows)
                EXPECT_EQ(r.group, d.rows.front().group);
            EXPECT_EQ(d.rows.back().kind, ReportRow::Kind::Total);
        }
        EXPECT_EQ(codeLines, c.codeLines) << codeLines.join(' ').toStdString();
    }
    // Sub-account ledgers name the sub-account in the title.
    const Ledgers subs = printLedgers(unit.session, {PrintRange::AllSubAccounts, {}, {}, {}, {}, true});
    const auto docs = ledgerPrintout(unit.session, subs, false, {});
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_TRUE(docs[0].header.title.endsWith(QStringLiteral("/Ａ銀行】")))
        << docs[0].header.title.toStdString();
    EXPECT_TRUE(docs[1].header.title.endsWith(QStringLiteral("/Ｂ銀行】")));
}

TEST_F(LedgerPrintout, PageOptionsAndTheDuplexBackPage) {
    // A long ledger: the cash ledger's line row repeated until it needs three pages.
    Ledgers two = cash();
    const LedgerRow line = two.rows[2];
    std::vector<LedgerRow> rows(two.rows.begin(), two.rows.begin() + 1);
    for (int i = 0; i < 120; ++i)
        rows.push_back(line);
    rows.push_back(two.rows.back());
    Ledgers built;
    built.rows = rows;
    LedgerSummary first = two.ledgers.front();
    first.firstRow = 0;
    first.rowCount = rows.size();
    LedgerSummary second = first;
    second.key = QStringLiteral("10200");
    built.ledgers = {first, second};
    built.rows.insert(built.rows.end(), rows.begin(), rows.end());
    built.ledgers[1].firstRow = rows.size();
    const std::vector<LedgerHeading> headings(
        2, LedgerHeading{QStringLiteral("総勘定元帳　【x】"), QStringLiteral("科目コード"), {}, {}, {}});

    const auto plain = ledgerDocuments(built, headings, {});
    ASSERT_EQ(plain.size(), 2u);
    const int pages = paginate(plain[0]).count();
    ASSERT_EQ(pages % 2, 1) << pages; // the case needs an odd number of pages
    EXPECT_EQ(plain[0].rows.size(), rows.size());

    const auto duplex = ledgerDocuments(built, headings, {true, true, false});
    EXPECT_EQ(paginate(duplex[0]).count(), pages + 1);
    EXPECT_TRUE(duplex[0].rows.back().cells.isEmpty());
    // The last ledger needs no back page.
    EXPECT_EQ(paginate(duplex[1]).count(), pages);

    const auto noNumbers = ledgerDocuments(built, headings, {false, false, false});
    EXPECT_TRUE(noNumbers[0].footer.isEmpty());

    // The preview: one document, a group-header row per ledger, a new page per ledger unless
    // continuous.
    const ReportDocument preview = previewDocument(plain, {});
    EXPECT_EQ(preview.rows.size(), 2 * rows.size() + 2);
    EXPECT_EQ(preview.rows[0].kind, ReportRow::Kind::GroupHeader);
    EXPECT_EQ(preview.rows[0].cells[5], QStringLiteral("【x】"));
    EXPECT_TRUE(preview.newPageOnGroup);
    EXPECT_FALSE(previewDocument(plain, {true, false, true}).newPageOnGroup);
    EXPECT_EQ(previewDocument({plain[0]}, {}).header.title, plain[0].header.title);
}

TEST(LedgerPrintCells, OversizedAmountsAndBlankRows) {
    LedgerRow row;
    row.debit = Money::fromYen(1'000'000'000);
    EXPECT_TRUE(oversizedAmount(row));
    row.debit = Money::fromYen(999'999'999);
    EXPECT_FALSE(oversizedAmount(row));
    row.balance = Money::fromYen(-1'000'000'000);
    EXPECT_TRUE(oversizedAmount(row));
    EXPECT_EQ(ledgerPrintCells(LedgerRow{}), (QStringList{"", "", "", "", "", "", "", "", ""}));
}

} // namespace
} // namespace k9
