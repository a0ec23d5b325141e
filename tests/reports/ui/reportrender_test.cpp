// SPDX-License-Identifier: GPL-3.0-or-later
// The banded renderer on real paint devices: a two-document PDF with its page count and the
// "n / m" footers of each document, a PNG page with its shaded row in RGB(217, 217, 217),
// the printer path of the preview, and the printout faces mapped to the installed IPA fonts.
#include "reports/report.h"
#include "reports/ui/reportpreview.h"
#include "store/errors.h"
#include "support/fixture.h"

#include <QFontDatabase>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace k9;

namespace {

ReportDocument sample(int rows, const QString& title) {
    ReportDocument doc;
    doc.header.title = title;
    doc.header.periodFrom = QStringLiteral("2015年 4月 1日から");
    doc.header.periodTo = QStringLiteral("2016年 3月31日まで");
    doc.header.corporationLabel = QStringLiteral("法人名");
    doc.header.corporationName = QStringLiteral("公益財団法人テスト協会");
    doc.header.unitLabel = QStringLiteral("会計名");
    doc.header.unitName = QStringLiteral("本部");
    doc.header.seals = {QStringLiteral("理事長"), QStringLiteral("会計"), QString(), QString(), QString()};
    doc.columns = {{QStringLiteral("科　　目"), 240}, {QStringLiteral("金　額"), 120, true}};
    for (int i = 0; i < rows; ++i) {
        ReportRow row;
        row.cells = {QStringLiteral("科目%1").arg(i), QString::number(i * 1000)};
        row.shaded = i == 0;
        doc.rows.push_back(row);
    }
    return doc;
}

} // namespace

class ReportRenderTest : public QObject {
    Q_OBJECT

private slots:
    void pdfHoldsEveryPageWithItsFooter() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        ReportDocument first = sample(1, QStringLiteral("試算表（貸借対照表）"));
        const int perPage = static_cast<int>(reportGeometry(first).bodyHeight() / first.rowHeight);
        first = sample(perPage + 3, QStringLiteral("試算表（貸借対照表）"));
        const ReportDocument second = sample(2, QStringLiteral("試算表（収支計算書）"));
        QCOMPARE(writeReportPdf({first, second}, file), 3);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString text = test::pdfText(file);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QCOMPARE(text.count(QChar('\f')), 3);
        const QStringList pages = text.split(QChar('\f'));
        QVERIFY2(pages[0].contains(QStringLiteral("1 / 2")), qPrintable(pages[0]));
        QVERIFY(pages[1].contains(QStringLiteral("2 / 2")));
        QVERIFY(pages[2].contains(QStringLiteral("1 / 1")));
        QVERIFY(pages[0].contains(QStringLiteral("試算表（貸借対照表）")));
        QVERIFY(pages[0].contains(QStringLiteral("公益財団法人テスト協会")));
        QVERIFY(pages[0].contains(QStringLiteral("理事長")));
        QVERIFY(pages[0].contains(QStringLiteral("2016年 3月31日まで")));
        QVERIFY(pages[1].contains(QStringLiteral("科目%1").arg(perPage + 2)));
        QVERIFY(pages[2].contains(QStringLiteral("試算表（収支計算書）")));
    }

    // What the preview's print button does: every page on the printer, the footers numbered
    // from the document's first page number.
    void printerGetsEveryPage() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        ReportDocument doc = sample(1, QStringLiteral("収　支　計　算　書"));
        const int perPage = static_cast<int>(reportGeometry(doc).bodyHeight() / doc.rowHeight);
        doc = sample(perPage + 1, QStringLiteral("収　支　計　算　書"));
        doc.footer = QStringLiteral("- [PAGE#] -");
        doc.firstPageNumber = 7;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printReport(printer, doc);
        const QString text = test::pdfText(file);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        const QStringList pages = text.split(QChar('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[0].contains(QStringLiteral("- 7 -")), qPrintable(pages[0]));
        QVERIFY(pages[1].contains(QStringLiteral("- 8 -")));
        QVERIFY(pages[1].contains(QStringLiteral("科目%1").arg(perPage)));
    }

    void unwritablePdfIsRefused() {
        QVERIFY_THROWS_EXCEPTION(K9Error, writeReportPdf({sample(1, QStringLiteral("x"))},
                                                         QStringLiteral("/nonexistent/folder/out.pdf")));
    }

    void pngShowsTheShadedRow() {
        const ReportDocument doc = sample(3, QStringLiteral("試算表"));
        const QImage image = renderReportPage(doc, 0, 96);
        const ReportGeometry g = reportGeometry(doc);
        QCOMPARE(image.width(), static_cast<int>(std::ceil(g.pageWidth)));
        // Inside the first row, right of its text, left of the amount.
        const QPoint shaded(static_cast<int>(g.margin + 200),
                            static_cast<int>(g.bodyTop() + doc.rowHeight / 2));
        QCOMPARE(image.pixelColor(shaded), QColor(217, 217, 217));
        const QPoint plain(shaded.x(), static_cast<int>(g.bodyTop() + doc.rowHeight * 1.5));
        QCOMPARE(image.pixelColor(plain), QColor(Qt::white));
        // A larger resolution scales the whole page.
        QCOMPARE(renderReportPage(doc, 0, 192).width(), static_cast<int>(std::ceil(g.pageWidth * 2)));
    }

    void facesMapToTheInstalledFonts() {
        QCOMPARE(reportFontFamily(QStringLiteral("ＭＳ 明朝")), reportFontFamily(ReportFace::Mincho));
        QCOMPARE(reportFontFamily(QStringLiteral("ＭＳ Ｐ明朝")), reportFontFamily(ReportFace::Mincho));
        QCOMPARE(reportFontFamily(QStringLiteral("ＭＳ ゴシック")), reportFontFamily(ReportFace::Gothic));
        QCOMPARE(reportFontFamily(QStringLiteral("ＭＳ Ｐゴシック")), reportFontFamily(ReportFace::Gothic));
        QVERIFY(reportFontFamily(ReportFace::Mincho) != reportFontFamily(ReportFace::Gothic));
        if (!QFontDatabase::families().contains(QStringLiteral("IPAMincho")))
            QSKIP("the IPA fonts are not installed");
        QCOMPARE(reportFontFamily(ReportFace::Mincho), QStringLiteral("IPAMincho"));
        QCOMPARE(reportFontFamily(ReportFace::Gothic), QStringLiteral("IPAGothic"));
        QCOMPARE(reportShading(), QColor(217, 217, 217));
    }
};

QTEST_MAIN(ReportRenderTest)
#include "reportrender_test.moc"
