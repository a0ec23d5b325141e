// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger screen on the hand-computed unit of ledgerfixture.h: the grid, "件数"
// and "累計合計" after an account and a sub-account choice, the enabled buttons, the hidden
// "CSV出力" and its file, the grid model, the print dialog and the preview of the shown
// ledger and of ranges, and a voucher corrected through "伝票の訂正" in voucher
// entry showing in the ledger.
#include "journal/ui/tinput3.h"
#include "ledgers/ledgerfixture.h"
#include "ledgers/ui/ledgergridmodel.h"
#include "ledgers/ui/tmotocyou.h"
#include "ledgers/ui/tmotocyou_p.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
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
    // Records the previewed documents instead of opening the preview.
    std::vector<ReportDocument> previews;
    void recordPreviews() {
        screen->setReportPresenter([this](QWidget*, const ReportDocument& doc) { previews.push_back(doc); });
    }
};

int groupHeaders(const ReportDocument& doc) {
    int n = 0;
    for (const auto& r : doc.rows)
        n += r.kind == ReportRow::Kind::GroupHeader ? 1 : 0;
    return n;
}

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

    void buttonsAreEnabledAndCsvIsHidden() {
        Screen s;
        QVERIFY(s.screen->button(QStringLiteral("印　　刷"))->isEnabled());
        QVERIFY(s.screen->button(QStringLiteral("伝票の訂正"))->isEnabled());
        QVERIFY(s.screen->button(QStringLiteral("インデックス"))->isEnabled());
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

    void viewOnlyDisablesTheCorrection() {
        test::LedgerFixture unit;
        unit.runPeriod();
        unit.session.viewOnly = 1;
        RecordingPrompter prompter;
        Tmotocyou screen(unit.session, prompter);
        QVERIFY(!screen.button(QStringLiteral("伝票の訂正"))->isEnabled());
    }

    void printDialogOffersTheRangesAndChecksTheirEnds() {
        Screen s;
        Tmotocyou_P dialog(s.unit.session, s.prompter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("総勘定元帳の印刷"));
        QVERIFY(!dialog.rangePanelShown());
        QVERIFY(!dialog.withoutLinesShown());
        QCOMPARE(dialog.choice().range, ledger::PrintRange::Shown);
        dialog.setRange(ledger::PrintRange::AccountRange);
        QVERIFY(dialog.rangePanelShown());
        QVERIFY(dialog.withoutLinesShown());
        // A range without its ends is refused with a message.
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(s.prompter.last(), QStringLiteral("印刷開始科目と印刷終了科目を選択してください。"));
        dialog.setFirst(QStringLiteral("52000"), {}, QStringLiteral("雑費"));
        dialog.setLast(QStringLiteral("10100"), {}, QStringLiteral("現金"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(s.prompter.last(), QStringLiteral("印刷開始科目が印刷終了科目より後になっています。"));
        dialog.setFirst(QStringLiteral("10100"), {}, QStringLiteral("現金"));
        dialog.setLast(QStringLiteral("20100"), {}, QStringLiteral("未払金"));
        dialog.setPrintWithoutLines(false);
        dialog.setOptions({false, true, false});
        const ledger::PrintChoice c = dialog.choice();
        QCOMPARE(c.firstCode, QStringLiteral("10100"));
        QCOMPARE(c.lastCode, QStringLiteral("20100"));
        QVERIFY(!c.printWithoutLines);
        QVERIFY(!dialog.options().pageNumbers);
        QVERIFY(dialog.options().duplex);
        QVERIFY(!dialog.options().continuous);
        dialog.setRange(ledger::PrintRange::AllSubAccounts);
        QVERIFY(!dialog.rangePanelShown());
        QVERIFY(dialog.withoutLinesShown());
        QVERIFY(dialog.choice().firstCode.isEmpty());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void printButtonPreviewsTheShownLedgerAndRanges() {
        Screen s;
        s.recordPreviews();
        s.screen->showAccount(QStringLiteral("10100"), QStringLiteral("現　金"));
        // "印　　刷" opens the dialog; accepting it with the first choice previews the grid.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<Tmotocyou_P*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->accept();
        });
        s.screen->button(QStringLiteral("印　　刷"))->click();
        QCOMPARE(s.previews.size(), std::size_t(1));
        const ReportDocument& shown = s.previews.front();
        QCOMPARE(shown.rows.size(), std::size_t(14));
        QVERIFY2(shown.header.title.startsWith(QStringLiteral("総勘定元帳　【")),
                 qPrintable(shown.header.title));
        QCOMPARE(shown.header.subtitle, QStringLiteral("科目コード10100"));
        QCOMPARE(groupHeaders(shown), 0);

        // All accounts without a page break per account: one ledger after the other, each
        // under its own group-header row; the screen then shows the cash ledger again.
        s.screen->printLedgers({ledger::PrintRange::AllAccounts, {}, {}, {}, {}, false}, {true, false, true});
        QCOMPARE(s.previews.size(), std::size_t(2));
        QCOMPARE(groupHeaders(s.previews.back()), 6);
        QVERIFY(!s.previews.back().newPageOnGroup);
        QCOMPARE(s.screen->model()->rowCount(), 14);
        QCOMPARE(s.screen->totalTexts(), (QStringList{"630", "550", "1,380"}));
        QCOMPARE(s.unit.session.www.rowCount(QStringLiteral("WTBL2")), 14);

        // One sub-account: its own document, the sub-account named in the title.
        s.screen->printLedgers({ledger::PrintRange::SubAccountRange, "10200", "002", "10200", "002", true},
                               {});
        QVERIFY2(s.previews.back().header.title.endsWith(QStringLiteral("/Ｂ銀行】")),
                 qPrintable(s.previews.back().header.title));
        QVERIFY(s.prompter.shown.empty());
    }

    void correctionOpensTheVoucherAndTheLedgerShowsTheChange() {
        Screen s;
        s.screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.screen.get()));
        s.screen->showAccount(QStringLiteral("10100"), QStringLiteral("現　金"));
        // The carry-forward row has no voucher.
        s.screen->grid()->setCurrentIndex(s.screen->model()->index(0, 0));
        s.screen->correctVoucher();
        QCOMPARE(s.prompter.last(), QStringLiteral("選択行には伝票が存在しません。"));
        s.prompter.shown.clear();

        // Voucher 2 (消耗品費 / 現金 100 on 05/10): the amount becomes 150 on both sides.
        s.screen->grid()->setCurrentIndex(s.screen->model()->index(1, 0));
        bool opened = false;
        int openedVoucher = 0;
        QTimer::singleShot(0, [&] {
            auto* entry = qobject_cast<TInput3*>(QApplication::activeModalWidget());
            QVERIFY(entry);
            opened = true;
            openedVoucher = entry->entry().voucherNo();
            // The correction as the entry fields hand it over: both amounts, then F7's save.
            entry->entry().setAmount(0, Side::Debit, Money::fromYen(150));
            entry->entry().setAmount(0, Side::Credit, Money::fromYen(150));
            QVERIFY(entry->entry().save());
            entry->reject();
        });
        s.screen->correctVoucher();
        QVERIFY(opened);
        QCOMPARE(openedVoucher, 2);
        QVERIFY2(s.prompter.shown.empty(), qPrintable(s.prompter.last()));
        QCOMPARE(s.unit.session.aaa.scalar("SELECT Rkingaku FROM denpyou1 WHERE SNo = 2").toLongLong(),
                 150LL);
        // The ledger was built again with the corrected line, on the same row.
        QCOMPARE(s.cell(1, 7), QStringLiteral("150"));
        QCOMPARE(s.screen->totalTexts(), (QStringList{"630", "600", "1,330"}));
        QCOMPARE(s.screen->grid()->currentIndex().row(), 1);
        QCOMPARE(s.unit.session.currentUnit, test::LedgerFixture::kUnit);
    }
};

QTEST_MAIN(TmotocyouTest)
#include "tmotocyou_test.moc"
