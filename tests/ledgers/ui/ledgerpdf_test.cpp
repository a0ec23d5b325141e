// SPDX-License-Identifier: GPL-3.0-or-later
// "k9 batch ledger --format pdf" on the demo corporation: the file is a PDF whose text holds
// the ledger's heading, code line, carry-forward and total rows; and a page of the
// printout rendered as an image is the size of A4 and not blank. Runs as a screen test
// because painting text needs a GUI application.
#include "app/batch.h"
#include "ledgers/ledgerfixture.h"
#include "ledgers/ledgerprintout.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QFile>
#include <QImage>
#include <QTextStream>
#include <QtTest>

using namespace k9;

class LedgerPdfTest : public QObject {
    Q_OBJECT
private slots:
    void batchWritesThePrintoutOfTheLedger() {
        test::TempFolders folders;
        RecordingPrompter prompter;
        QString errors;
        QTextStream err(&errors);
        const QDate today(2026, 5, 10);
        QCOMPARE(runBatch(folders.appDir(), {"demo"}, prompter, err, today), kExitOk);
        const QString out = folders.path(QStringLiteral("cash.pdf"));
        QCOMPARE(runBatch(folders.appDir(),
                          {"ledger", "--data", "demo", "--unit", "1", "--account", "10100", "--from",
                           "2026-04-01", "--to", "2027-03-31", "--format", "pdf", "--out", out},
                          prompter, err, today),
                 kExitOk);
        err.flush();
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString text = test::pdfText(out);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(QStringLiteral("総勘定元帳")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("科目コード10100")));
        QVERIFY(text.contains(QStringLiteral("繰り越し")));
        QVERIFY(text.contains(QStringLiteral("1 / ")));
    }

    void aPageRendersOnA4() {
        test::LedgerFixture unit;
        unit.runPeriod();
        const ledger::Ledgers built = ledger::showAccountLedger(unit.session, QStringLiteral("10100"));
        const auto docs = ledger::ledgerPrintout(unit.session, built, true, {});
        QCOMPARE(docs.size(), std::size_t(1));
        const QImage page = renderReportPage(docs.front(), 0, 96);
        QVERIFY(page.width() > 780 && page.width() < 800);
        QVERIFY(page.height() > 1110 && page.height() < 1130);
        const QString png = qEnvironmentVariable("K9_LEDGER_PNG");
        if (!png.isEmpty()) {
            renderReportPage(docs.front(), 0, 120).save(png);
            // All accounts one after the other, as the preview shows them.
            const ledger::Ledgers all =
                ledger::printLedgers(unit.session, {ledger::PrintRange::AllAccounts, {}, {}, {}, {}, true});
            const ledger::LedgerPrintOptions continuous{true, false, true};
            const ReportDocument preview = ledger::previewDocument(
                ledger::ledgerPrintout(unit.session, all, false, continuous), continuous);
            renderReportPage(preview, 0, 120)
                .save(QString(png).replace(QStringLiteral(".png"), QStringLiteral("-all.png")));
        }
        int dark = 0;
        for (int y = 0; y < page.height(); y += 4)
            for (int x = 0; x < page.width(); x += 4)
                dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(dark > 100);
    }
};

QTEST_MAIN(LedgerPdfTest)
#include "ledgerpdf_test.moc"
