// SPDX-License-Identifier: GPL-3.0-or-later
// The banded renderer's page cutting: rows per page from the row height, group breaks with
// and without a new page, group headers that never end a page, blocks kept together, and the
// footer text.
#include "reports/report.h"

#include <gtest/gtest.h>

namespace k9::test {
namespace {

ReportDocument documentOf(int rows, double rowHeight = 16) {
    ReportDocument doc;
    doc.rowHeight = rowHeight;
    doc.columns = {{QStringLiteral("科目"), 200}, {QStringLiteral("金額"), 100, true}};
    for (int i = 0; i < rows; ++i) {
        ReportRow row;
        row.cells = {QString::number(i), QString::number(i * 100)};
        doc.rows.push_back(row);
    }
    return doc;
}

int perPage(const ReportDocument& doc) {
    return static_cast<int>(reportGeometry(doc).bodyHeight() / doc.rowHeight);
}

std::vector<int> sizes(const ReportPages& pages) {
    std::vector<int> out;
    for (const auto& p : pages.pages)
        out.push_back(static_cast<int>(p.size()));
    return out;
}

TEST(ReportPaging, RowsFillPagesByRowHeight) {
    struct Case {
        int rows;
        double rowHeight;
    };
    for (const Case c : {Case{0, 16}, Case{1, 16}, Case{60, 16}, Case{200, 16}, Case{200, 24}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows of " << c.rowHeight);
        const ReportDocument doc = documentOf(c.rows, c.rowHeight);
        const int n = perPage(doc);
        ASSERT_GT(n, 10);
        const ReportPages pages = paginate(doc);
        const int expected = c.rows == 0 ? 1 : (c.rows + n - 1) / n;
        EXPECT_EQ(pages.count(), expected);
        int total = 0;
        for (const auto& p : pages.pages) {
            EXPECT_LE(static_cast<int>(p.size()), n);
            for (int index : p)
                EXPECT_EQ(index, total++) << "rows keep their order";
        }
        EXPECT_EQ(total, c.rows);
    }
    EXPECT_GT(perPage(documentOf(1, 16)), perPage(documentOf(1, 24)));
}

TEST(ReportPaging, GroupBreakStartsANewPageOnlyWhenAsked) {
    ReportDocument doc = documentOf(9);
    for (int i = 0; i < 9; ++i)
        doc.rows[static_cast<std::size_t>(i)].group = QString::number(i / 3);
    EXPECT_EQ(paginate(doc).count(), 1);
    doc.newPageOnGroup = true;
    EXPECT_EQ(sizes(paginate(doc)), (std::vector<int>{3, 3, 3}));
}

TEST(ReportPaging, GroupHeaderMovesToTheNextPage) {
    ReportDocument doc = documentOf(1);
    const int n = perPage(doc);
    doc = documentOf(n + 5);
    doc.rows[static_cast<std::size_t>(n - 1)].kind = ReportRow::Kind::GroupHeader;
    EXPECT_EQ(sizes(paginate(doc)), (std::vector<int>{n - 1, 6}));
    // As the last row of the document it stays where it is.
    doc = documentOf(n);
    doc.rows.back().kind = ReportRow::Kind::GroupHeader;
    EXPECT_EQ(paginate(doc).count(), 1);
}

TEST(ReportPaging, KeptBlocksMoveWholeToTheNextPage) {
    const int n = perPage(documentOf(1));
    // A block of four rows (a line and three kept rows) would be cut after its second row.
    ReportDocument doc = documentOf(n + 4);
    for (int k = n - 1; k <= n + 1; ++k)
        doc.rows[static_cast<std::size_t>(k)].keepWithPrevious = true;
    EXPECT_EQ(sizes(paginate(doc)), (std::vector<int>{n - 2, 6}));
    // A block longer than a page is cut where the page ends.
    doc = documentOf(n + 10);
    for (int k = 1; k < n + 10; ++k)
        doc.rows[static_cast<std::size_t>(k)].keepWithPrevious = true;
    EXPECT_EQ(sizes(paginate(doc)), (std::vector<int>{n, 10}));
    // A block that ends on the last row of a page stays.
    doc = documentOf(n + 3);
    doc.rows[static_cast<std::size_t>(n - 1)].keepWithPrevious = true;
    EXPECT_EQ(sizes(paginate(doc)), (std::vector<int>{n, 3}));
}

TEST(ReportPaging, LandscapePagesHoldFewerRows) {
    ReportDocument portrait = documentOf(1);
    ReportDocument landscape = portrait;
    landscape.orientation = QPageLayout::Landscape;
    EXPECT_GT(reportGeometry(landscape).pageWidth, reportGeometry(portrait).pageWidth);
    EXPECT_LT(perPage(landscape), perPage(portrait));
}

TEST(ReportPaging, FooterText) {
    EXPECT_EQ(pageFooterText(QStringLiteral("[PAGE#] / [TOTALPAGES#]"), 2, 5), "2 / 5");
    EXPECT_EQ(pageFooterText(QStringLiteral("- [PAGE#] -"), 1, 1), "- 1 -");
}

} // namespace
} // namespace k9::test
