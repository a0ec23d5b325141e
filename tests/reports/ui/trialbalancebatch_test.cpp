// SPDX-License-Identifier: GPL-3.0-or-later
// "k9 batch trial-balance" on the demo corporation: the CSV of every unit holds the three tabs
// with agreeing check pairs, the PDF holds layout A of the three statements, and bad options
// or a refused period end with their exit codes and messages. Runs as a screen test because
// PDF output paints text, which needs a GUI application.
#include "app/batch.h"
#include "store/cp932.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QFile>
#include <QTextStream>
#include <QtTest>

using namespace k9;

namespace {

struct Demo {
    test::TempFolders folders;
    RecordingPrompter prompter;
    QString errors;
    QTextStream err{&errors};
    const QDate today{2026, 5, 10};

    Demo() { QVERIFY(run({"demo"}) == kExitOk); }

    int run(const QStringList& args) { return runBatch(folders.appDir(), args, prompter, err, today); }

    int trialBalance(int unit, const QString& format, const QString& out, const QString& from = "2026-04-01",
                     const QString& adjusting = "0") {
        return run({"trial-balance", "--data", "demo", "--unit", QString::number(unit), "--from", from,
                    "--to", "2027-03-31", "--adjusting", adjusting, "--format", format, "--out", out});
    }

    QString read(const QString& file) {
        QFile f(folders.path(file));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return cp932::decode(f.readAll());
    }
};

} // namespace

class TrialBalanceBatchTest : public QObject {
    Q_OBJECT

private slots:
    void csvOfEveryDemoUnitHasAgreeingCheckPairs_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("adjusting");
        for (int unit = 1; unit <= 3; ++unit) {
            QTest::addRow("unit %d, year", unit) << unit << "2026-04-01"
                                                 << "0";
            QTest::addRow("unit %d, from October", unit) << unit << "2026-10-01"
                                                         << "0";
            QTest::addRow("unit %d, adjusting only", unit) << unit << "2026-04-01"
                                                           << "2";
        }
    }
    void csvOfEveryDemoUnitHasAgreeingCheckPairs() {
        QFETCH(int, unit);
        QFETCH(QString, from);
        QFETCH(QString, adjusting);
        Demo demo;
        QCOMPARE(demo.trialBalance(unit, "csv", "tb.csv", from, adjusting), kExitOk);
        const QStringList lines = demo.read("tb.csv").split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral("\"貸借対照表（試算表）\""));
        QVERIFY(lines.contains(QStringLiteral("\"正味財産増減計算書（試算表）\"")));
        QVERIFY(lines.contains(QStringLiteral("\"収支計算書(試算表）\"")));
        int pairs = 0;
        for (const QString& line : lines) {
            if (line.endsWith(QStringLiteral(",\"不一致\"")))
                QFAIL(qPrintable(line));
            if (line.endsWith(QStringLiteral(",\"一致\"")))
                ++pairs;
        }
        QCOMPARE(pairs, 3);
        QVERIFY2(demo.errors.isEmpty(), qPrintable(demo.errors));
    }

    void pdfHoldsLayoutAOfTheThreeStatements() {
        Demo demo;
        QCOMPARE(demo.trialBalance(1, "pdf", "tb.pdf"), kExitOk);
        QFile f(demo.folders.path("tb.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        const QString text = test::pdfText(f.fileName());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains(QStringLiteral("試算表（貸借対照表）")));
        QVERIFY(text.contains(QStringLiteral("試算表（正味財産増減計算書）")));
        QVERIFY(text.contains(QStringLiteral("試算表（収支計算書）")));
        QVERIFY(text.contains(QStringLiteral("1 / 1")));
    }

    void badOptionsAreRefused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QStringList base = {"trial-balance", "--data",     "demo", "--unit", "1",
                                  "--from",        "2026-04-01", "--to"};
        QTest::newRow("format") << (base + QStringList{"2027-03-31", "--format", "xls", "--out", "x"})
                                << kExitUsage << "--format は csv か pdf で指定してください。";
        QTest::newRow("out") << (base + QStringList{"2027-03-31", "--format", "csv"}) << kExitUsage
                             << "--out FILE を指定してください。";
        QTest::newRow("period refused")
            << QStringList{"trial-balance", "--data",     "demo", "--unit",     "1",
                           "--from",        "2026-06-01", "--to", "2026-05-01", "--format",
                           "csv",           "--out",      "x.csv"}
            << kExitFailed << "";
    }
    void badOptionsAreRefused() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        Demo demo;
        QCOMPARE(demo.run(args), code);
        QVERIFY(!demo.errors.isEmpty());
        if (!message.isEmpty())
            QVERIFY2(demo.errors.contains(message), qPrintable(demo.errors));
        QVERIFY(!QFile::exists(demo.folders.path("x.csv")));
    }
};

QTEST_MAIN(TrialBalanceBatchTest)
#include "trialbalancebatch_test.moc"
