// SPDX-License-Identifier: GPL-3.0-or-later
// The three statements of a demo unit on real paint devices: the PDF of batch mode holds the
// three statements in layout A with page numbers from the first page number, and a page
// renders to an image. With K9_STATEMENTS_PNG set to a folder the first page of each
// statement is also written there as PNG, for looking at.
#include "app/batchtotals.h"
#include "app/demo.h"
#include "engine/runtotals.h"
#include "statements/statementsprint.h"
#include "store/cp932.h"
#include "store/prompter.h"
#include "store/session.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace k9;

class StatementsPdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Session session;
    DemoSummary demo;

private slots:
    void initTestCase() {
        const QString appDir = dir.filePath(QStringLiteral("app/"));
        demo = buildDemo(appDir, QDate(2026, 12, 11));
        openBatchSession(session, appDir, QStringLiteral("demo"), QDate(2026, 12, 11));
        selectBatchUnit(session, 1);
        runTotals(session, {demo.fiscalYearStart, demo.fiscalYearStart.addYears(1).addDays(-1), 0, 0});
    }

    void pdfHoldsTheThreeStatementsNumberedFromTheFirstPage() {
        StatementPrintSettings s;
        s.firstPage = 5;
        saveStatementPrintSettings(session.hm, s);
        const QString file = dir.filePath(QStringLiteral("statements.pdf"));
        RecordingPrompter prompter;
        QVERIFY(writeStatements(session, StatementFileFormat::Pdf, file, prompter));
        QVERIFY(QFileInfo(file).size() > 1000);
        const Statements st = loadStatements(session.www);
        const auto docs = statementDocuments(session, st, s);
        QCOMPARE(static_cast<int>(docs.size()), 3);
        int pages = 0;
        for (const auto& d : docs)
            pages += paginate(d).count();
        const QString text = test::pdfText(file);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QCOMPARE(static_cast<int>(text.count(QChar(u'\f'))), pages);
        QVERIFY2(text.contains(QStringLiteral("- 5 -")), qPrintable(text.left(2000)));
        QVERIFY(!text.contains(QStringLiteral("- 1 -")));
        QVERIFY2(text.contains(QStringLiteral("現在")), qPrintable(text.left(2000)));
        QVERIFY(text.contains(QStringLiteral("（単位")));
    }

    void pagesRenderToImages() {
        StatementPrintSettings s;
        s.shading = 1;
        QFile notes(footnoteFile(session));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write(cp932::encode(
            QStringLiteral("１．重要な会計方針\r\n（１）固定資産の減価償却は定額法による。\r\n")));
        notes.close();
        const Statements st = loadStatements(session.www);
        const auto docs = statementDocuments(session, st, s);
        const QString out = qEnvironmentVariable("K9_STATEMENTS_PNG");
        for (std::size_t i = 0; i < docs.size(); ++i) {
            const QImage image = renderReportPage(docs[i], 0, 96);
            QVERIFY(!image.isNull());
            if (!out.isEmpty()) {
                QDir().mkpath(out);
                for (int page = 0; page < paginate(docs[i]).count(); ++page)
                    QVERIFY(
                        renderReportPage(docs[i], page, 110)
                            .save(QDir(out).filePath(QStringLiteral("statement%1-%2.png").arg(i).arg(page))));
            }
        }
    }
};

QTEST_MAIN(StatementsPdfTest)
#include "statementspdf_test.moc"
