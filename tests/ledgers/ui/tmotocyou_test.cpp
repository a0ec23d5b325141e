// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger screen on the hand-computed unit of ledgerfixture.h: the grid, "件数"
// and "累計合計" after an account and a sub-account choice, the buttons that wait for later
// work, the hidden "CSV出力" and its file, and the grid model.
#include "ledgers/ledgerfixture.h"
#include "ledgers/ui/ledgergridmodel.h"
#include "ledgers/ui/tmotocyou.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace k9;

namespace {

struct Screen {
    test::LedgerFixture unit;
    RecordingPrompter prompter;
    std::unique_ptr<Tmotocyou> screen;

    Screen() {
        unit.runPeriod();
        screen = std::make_unique<Tmotocyou>(unit.session, prompter);
        screen->setPickOnFirstShow(false);
        screen->resize(1280, 720);
    }
    QString cell(int row, int column) const { return screen->model()->index(row, column).data().toString(); }
};

} // namespace

class TmotocyouTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheAccountLedgerWithCountAndTotals() {
        Screen s;
        s.screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.screen.get()));
        s.screen->showAccount(QStringLiteral("10100"), QStringLiteral("現　金"));
        QAbstractItemModelTester tester(s.screen->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(s.screen->model()->rowCount(), 14);
        QCOMPARE(s.screen->countText(), QStringLiteral("9"));
        QCOMPARE(s.screen->totalTexts(), (QStringList{"630", "550", "1,380"}));
        QCOMPARE(s.screen->periodText(), QStringLiteral("2015/05/01～2015/07/31"));
        QCOMPARE(s.cell(0, 4), QStringLiteral("繰り越し"));
        QCOMPARE(s.cell(0, 8), QStringLiteral("1,300"));
        QCOMPARE(s.cell(1, 1), QStringLiteral("2015/05/10"));
        QCOMPARE(s.cell(1, 8), QString());
        QCOMPARE(s.cell(2, 1), QString());
        QCOMPARE(s.cell(2, 8), QStringLiteral("1,250"));
        QCOMPARE(s.cell(3, 3), QStringLiteral("諸　口"));
        QCOMPARE(s.cell(1, 2), QStringLiteral("1"));
        QCOMPARE(s.screen->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("借　　方"));
        QVERIFY(s.prompter.shown.empty());
    }

    void showsTheSubAccountLedger() {
        Screen s;
        s.screen->showSubAccount(QStringLiteral("10200"), QStringLiteral("002"), QStringLiteral("普通預金"),
                                 QStringLiteral("Ｂ銀行"));
        QCOMPARE(s.screen->model()->rowCount(), 4);
        QCOMPARE(s.screen->countText(), QStringLiteral("1"));
        QCOMPARE(s.screen->totalTexts(), (QStringList{"0", "70", "130"}));
        QCOMPARE(s.screen->state().subCode(), QStringLiteral("002"));
    }

    void laterWorkIsPresentButDisabledAndCsvIsHidden() {
        Screen s;
        QVERIFY(!s.screen->button(QStringLiteral("印　　刷"))->isEnabled());
        QVERIFY(!s.screen->button(QStringLiteral("伝票の訂正"))->isEnabled());
        QVERIFY(!s.screen->button(QStringLiteral("インデックス"))->isEnabled());
        QVERIFY(s.screen->button(QStringLiteral("エクセル出力"))->isEnabled());
        s.screen->show();
        QVERIFY(!s.screen->button(QStringLiteral("CSV出力"))->isVisible());
        s.screen->revealCsvButton();
        QVERIFY(s.screen->button(QStringLiteral("CSV出力"))->isVisible());
    }

    void csvExportWritesTheShownRowsToTheChosenFile() {
        Screen s;
        s.screen->showAccount(QStringLiteral("20100"), QStringLiteral("未払金"));
        const QString file = s.unit.folders.path(QStringLiteral("元帳.CSV"));
        s.prompter.paths = {file};
        s.screen->exportCsv();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(static_cast<int>(f.readAll().count("\r\n")), 5);
        s.prompter.paths = {std::nullopt};
        s.screen->exportCsv();
        QVERIFY(s.prompter.shown.empty());
    }
};

QTEST_MAIN(TmotocyouTest)
#include "tmotocyou_test.moc"
