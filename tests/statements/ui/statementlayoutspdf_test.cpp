// SPDX-License-Identifier: GPL-3.0-or-later
// The receipts-and-payments layouts Ｂ, Ｃ and Ｄ of a demo unit on real paint devices: layout
// Ｃ written to PDF holds its title, columns and the descriptions of the journal, numbered
// from the first page number; a page of each layout renders to an image. With
// K9_STATEMENTS_PNG set to a folder the first page of each layout is also written there as
// PNG, for looking at.
#include "app/batchtotals.h"
#include "app/demo.h"
#include "engine/runtotals.h"
#include "statements/statementlayouts.h"
#include "store/session.h"
#include "support/fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace k9;

namespace {

// The text without blanks: pdftotext spreads spaced captions ("収　支　計　算　書") apart.
QString squeezed(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
    return text;
}

} // namespace

class StatementLayoutsPdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Session session;

private slots:
    void initTestCase() {
        const QString appDir = dir.filePath(QStringLiteral("app/"));
        const DemoSummary demo = buildDemo(appDir, QDate(2026, 12, 11));
        openBatchSession(session, appDir, QStringLiteral("demo"), QDate(2026, 12, 11));
        selectBatchUnit(session, 1);
        runTotals(session, {demo.fiscalYearStart, demo.fiscalYearStart.addYears(1).addDays(-1), 0, 0});
    }

    void layoutCPdfHoldsTheBreakdownByDescription() {
        const Statements st = loadStatements(session.www);
        const std::vector<DescriptionAmount> all = loadDescriptionAmounts(session.www);
        QVERIFY(!all.empty());
        StatementPrintSettings s;
        s.firstPage = 3;
        const ReportDocument doc =
            statementLayoutC(st, all, s, statementReportHeader(session, st, StatementKind::Funds));
        // Some line of the demo breaks down into more than one description.
        bool several = false;
        for (std::size_t i = 1; i < doc.rows.size(); ++i)
            several = several || !doc.rows[i].ruleAbove;
        QVERIFY(several);
        QVERIFY(std::any_of(doc.rows.begin(), doc.rows.end(),
                            [](const ReportRow& r) { return r.fill.isValid(); }));
        const QString file = dir.filePath(QStringLiteral("layoutC.pdf"));
        const int pages = writeReportPdf({doc}, file);
        QCOMPARE(pages, paginate(doc).count());
        QVERIFY(QFileInfo(file).size() > 1000);
        const QString raw = test::pdfText(file);
        if (raw.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(raw.contains(QStringLiteral("- 3 -")));
        QVERIFY(!raw.contains(QStringLiteral("- 1 -")));
        const QString text = squeezed(raw);
        QVERIFY2(text.contains(QStringLiteral("収支計算書")), qPrintable(raw.left(2000)));
        QVERIFY(text.contains(QStringLiteral("科目予算決算差異摘要")));
        // Every description printed on the first page is in the PDF's text.
        const ReportPages laidOut = paginate(doc);
        for (int index : laidOut.pages.front()) {
            const QStringList& cells = doc.rows[static_cast<std::size_t>(index)].cells;
            if (cells.size() > 4 && !cells[4].isEmpty())
                QVERIFY2(text.contains(squeezed(cells[4])), qPrintable(cells[4]));
        }
    }

    void pagesOfEachLayoutRenderToImages() {
        const Statements st = loadStatements(session.www);
        StatementPrintSettings s;
        s.shading = 1;
        const ReportHeader header = statementReportHeader(session, st, StatementKind::Funds);
        const std::vector<ReportDocument> docs = {
            statementLayoutB(st, s, header),
            statementLayoutC(st, loadDescriptionAmounts(session.www), s, header),
            statementLayoutD(st, s, header)};
        const QString out = qEnvironmentVariable("K9_STATEMENTS_PNG");
        const char* names[] = {"B", "C", "D"};
        for (std::size_t i = 0; i < docs.size(); ++i) {
            QVERIFY(!docs[i].rows.empty());
            const QImage image = renderReportPage(docs[i], 0, 96);
            QVERIFY(!image.isNull());
            // The rows with their own fill (the totals of layout C) are painted in it, left of
            // the text.
            const ReportGeometry g = reportGeometry(docs[i]);
            const ReportPages pages = paginate(docs[i]);
            const std::vector<int>& first = pages.pages.front();
            for (std::size_t k = 0; k < first.size(); ++k) {
                const ReportRow& row = docs[i].rows[static_cast<std::size_t>(first[k])];
                const QColor expected = row.fill.isValid() ? row.fill
                                        : row.shaded       ? reportShading()
                                                           : QColor(Qt::white);
                const int y =
                    static_cast<int>(g.bodyTop() + (static_cast<double>(k) + 0.5) * docs[i].rowHeight);
                QCOMPARE(image.pixelColor(static_cast<int>(g.margin) + 2, y), expected);
            }
            if (!out.isEmpty()) {
                QDir().mkpath(out);
                QVERIFY(renderReportPage(docs[i], 0, 110)
                            .save(QDir(out).filePath(
                                QStringLiteral("layout%1.png").arg(QLatin1String(names[i])))));
            }
        }
    }
};

QTEST_MAIN(StatementLayoutsPdfTest)
#include "statementlayoutspdf_test.moc"
