// SPDX-License-Identifier: GPL-3.0-or-later
// The trial balance screen on a small unit after a totals run: the three tabs and their
// grids, the check pair of each tab, "０円科目の表示", the period change, the sub-account and
// description totals with their printouts, the print dialog with Regist row 202 and its
// layouts, the activity-versus-fund check and the spreadsheet export. Screenshots are
// written to $K9_SCREENSHOT_DIR when it is set.
#include "app/ui/menuscreens.h"
#include "engine/ui/tkikan1b.h"
#include "reports/trialbalancefixture.h"
#include "reports/ui/sheetmodel.h"
#include "reports/ui/tshisanhyou1.h"
#include "reports/ui/tshisanhyou1pform.h"
#include "reports/ui/tshisanhyou2.h"
#include "reports/ui/tshisanhyou3.h"
#include "reports/ui/tshisanhyou_chk.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace k9;

namespace {

struct Screen {
    test::TrialBalanceUnit unit;
    RecordingPrompter prompter;
    std::vector<ReportDocument> shown;
    std::unique_ptr<Tshisanhyou1> screen;

    Screen() {
        unit.runYear();
        screen = std::make_unique<Tshisanhyou1>(unit.session, prompter);
        screen->setReportPresenter([this](QWidget*, const ReportDocument& doc) { shown.push_back(doc); });
        screen->resize(1280, 720);
    }

    QAbstractItemModel* model(TrialTab tab) const { return screen->grid(tab)->model(); }

    int rowOf(TrialTab tab, const QString& code) const {
        QAbstractItemModel* m = model(tab);
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == code)
                return r;
        return -1;
    }

    void select(TrialTab tab, const QString& code) {
        screen->findChild<QTabWidget*>("tabs")->setCurrentIndex(static_cast<int>(tab));
        const int row = rowOf(tab, code);
        QVERIFY(row >= 0);
        screen->grid(tab)->setCurrentIndex(model(tab)->index(row, 1));
    }

    void click(const char* name) { screen->findChild<QPushButton*>(name)->click(); }
};

void saveDocuments(const std::vector<ReportDocument>& docs, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    for (std::size_t i = 0; i < docs.size(); ++i)
        renderReportPage(docs[i], 0, 96)
            .save(QDir(dir).filePath(QStringLiteral("%1_%2.png").arg(name).arg(i)));
}

void saveScreenshot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

class Tshisanhyou1Test : public QObject {
    Q_OBJECT

private slots:
    void showsTheThreeTabsAndTheirCheckPairs_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("value");
        QTest::newRow("balance sheet") << 0 << "貸借対照表（試算表）" << 12 << "借方合計"
                                       << "貸方合計"
                                       << "2,250";
        QTest::newRow("net assets") << 1 << "正味財産増減計算書（試算表）" << 12 << "正味財産合計（B/S）"
                                    << "正味財産合計（P/L）"
                                    << "2,200";
        QTest::newRow("funds") << 2 << "収支計算書(試算表）" << 7 << "流動資産－流動負債（B/S）"
                               << "次期繰越収支差額（C/F）"
                               << "1,930";
    }
    void showsTheThreeTabsAndTheirCheckPairs() {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        QFETCH(int, rows);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, value);
        Screen s;
        auto* tabs = s.screen->findChild<QTabWidget*>("tabs");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(tab), caption);
        tabs->setCurrentIndex(tab);
        QCOMPARE(s.model(static_cast<TrialTab>(tab))->rowCount(), rows);
        QCOMPARE(s.screen->leftCaption(), left);
        QCOMPARE(s.screen->rightCaption(), right);
        QCOMPARE(s.screen->leftValue(), value);
        QCOMPARE(s.screen->rightValue(), value);
        QVERIFY(s.screen->windowTitle().startsWith(QStringLiteral("データパス名【")));
        QVERIFY(s.screen->windowTitle().endsWith(QStringLiteral("】本部")));
        QVERIFY(s.prompter.shown.empty());
        s.screen->show();
        saveScreenshot(*s.screen, QStringLiteral("tshisanhyou1_tab%1").arg(tab));
    }

    void gridsShowTitlesAmountsAndRedSubAccountLines() {
        Screen s;
        QAbstractItemModelTester tester(s.model(TrialTab::NetAssets),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModel* sheet = s.model(TrialTab::BalanceSheet);
        QCOMPARE(sheet->headerData(2, Qt::Horizontal).toString(), QStringLiteral("前 残 高"));
        QCOMPARE(sheet->headerData(5, Qt::Horizontal).toString(), QStringLiteral("当 残 高"));
        const int cash = s.rowOf(TrialTab::BalanceSheet, "10100");
        QCOMPARE(sheet->index(cash, 5).data().toString(), QStringLiteral("1,300"));
        QCOMPARE(sheet->index(cash, 5).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                 int(Qt::AlignRight));
        const int bank = s.rowOf(TrialTab::BalanceSheet, "10200");
        QCOMPARE(sheet->index(bank, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QVERIFY(!sheet->index(cash, 1).data(Qt::ForegroundRole).isValid());
        QAbstractItemModel* activity = s.model(TrialTab::NetAssets);
        QCOMPARE(activity->headerData(2, Qt::Horizontal).toString(), QStringLiteral("前年度"));
        QCOMPARE(activity->headerData(8, Qt::Horizontal).toString(), QStringLiteral("比(%)"));
        QCOMPARE(activity->index(s.rowOf(TrialTab::NetAssets, "41000"), 8).data().toString(),
                 QStringLiteral("50"));
    }

    void zeroLinesHideAndComeBack() {
        Screen s;
        auto* hide = s.screen->findChild<QRadioButton*>("zeroHide");
        QCOMPARE(s.screen->findChild<QRadioButton*>("zeroShow")->isChecked(), true);
        hide->click();
        QCOMPARE(s.rowOf(TrialTab::BalanceSheet, "10300"), -1);
        QVERIFY(s.rowOf(TrialTab::BalanceSheet, "10100") >= 0);
        QVERIFY(s.rowOf(TrialTab::NetAssets, "41100") >= 0);
        QCOMPARE(s.rowOf(TrialTab::NetAssets, "41200"), -1);
        s.screen->findChild<QRadioButton*>("zeroShow")->click();
        QVERIFY(s.rowOf(TrialTab::BalanceSheet, "10300") >= 0);
    }

    void periodChangeRerunsAndRefills() {
        Screen s;
        bool asked = false;
        s.screen->setPeriodChanger([&](QWidget*) {
            asked = true;
            s.unit.runYear("2015-07-01");
            return true;
        });
        s.click("changePeriod");
        QVERIFY(asked);
        QCOMPARE(s.screen->findChild<QLabel*>("period")->text(), QStringLiteral("2015/07/01 ～ 2016/03/31"));
        const int cash = s.rowOf(TrialTab::BalanceSheet, "10100");
        QCOMPARE(s.model(TrialTab::BalanceSheet)->index(cash, 2).data().toString(), QStringLiteral("1,300"));
        QCOMPARE(s.screen->leftValue(), QStringLiteral("2,250"));

        // A cancelled dialog leaves the figures as they are.
        s.screen->setPeriodChanger([&](QWidget*) {
            s.unit.session.www.run(QStringLiteral("UPDATE \"kamoku\" SET \"残高合計\"=0"));
            return false;
        });
        s.click("changePeriod");
        QCOMPARE(s.screen->leftValue(), QStringLiteral("2,250"));
    }

    void subAccountTotalsOpenOnTheCurrentAccount() {
        Screen s;
        QString chosen;
        QStringList sums;
        int rows = -1;
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* sub = qobject_cast<Tshisanhyou2*>(&d);
            QVERIFY(sub);
            chosen = sub->chosenCode();
            sums = sub->sumTexts();
            rows = sub->grid()->model()->rowCount();
            sub->print();
            saveScreenshot(d, QStringLiteral("tshisanhyou2"));
        });
        s.select(TrialTab::BalanceSheet, "10200");
        s.click("subAccounts");
        QCOMPARE(chosen, QStringLiteral("10200"));
        QCOMPARE(rows, 2);
        QCOMPARE(sums, (QStringList{"500", "200", "20", "180", "680"}));
        QCOMPARE(s.shown.size(), std::size_t(1));
        QCOMPARE(s.shown[0].header.title, QStringLiteral("補助科目による金額集計"));
        QCOMPARE(s.shown[0].rows.back().cells[1], QStringLiteral("合　　計"));
        QCOMPARE(s.shown[0].header.corporationName, QStringLiteral("公益財団法人テスト協会"));

        s.select(TrialTab::BalanceSheet, "10100");
        s.click("subAccounts");
        QCOMPARE(chosen, QStringLiteral("00000"));
        s.screen->findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
        QVERIFY(!s.screen->findChild<QPushButton*>("subAccounts")->isEnabled());
    }

    void descriptionTotalsOpenForInputLines() {
        Screen s;
        QString heading;
        int rows = -1;
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* desc = qobject_cast<Tshisanhyou3*>(&d);
            QVERIFY(desc);
            heading = desc->heading();
            rows = desc->grid()->model()->rowCount();
            desc->print();
            desc->grid()->setCurrentIndex(desc->grid()->model()->index(1, 0));
            desc->printDetail();
            saveScreenshot(d, QStringLiteral("tshisanhyou3"));
        });
        s.select(TrialTab::NetAssets, "41990");
        s.click("descriptions");
        QCOMPARE(rows, -1); // a total line opens nothing
        s.select(TrialTab::NetAssets, "51000");
        s.click("descriptions");
        QCOMPARE(heading, QStringLiteral("事業費／消耗品費"));
        QCOMPARE(rows, 3);
        QCOMPARE(s.shown.size(), std::size_t(2));
        QCOMPARE(s.shown[0].header.title, QStringLiteral("事業費／消耗品費の摘要名による金額集計"));
        QCOMPARE(s.shown[1].header.title, QStringLiteral("減価償却の明細書印刷"));
        QCOMPARE(s.shown[1].rows.size(), std::size_t(2)); // the line and the sum
        QCOMPARE(s.shown[1].rows[0].cells[3], QStringLiteral("什器備品"));
    }

    void printDialogKeepsItsSettingsAndPreviewsLayouts() {
        Screen s;
        s.screen->findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* form = qobject_cast<Tshisanhyou1PForm*>(&d);
            QVERIFY(form);
            QCOMPARE(form->statement(), 1);
            QVERIFY(form->layoutBAvailable());
            QVERIFY(form->majorZeroShown()); // "０円の科目" starts at 印刷しない
            form->findChild<QRadioButton*>("zeroLines0")->click();
            QVERIFY(!form->majorZeroShown());
            form->findChild<QRadioButton*>("statement2")->click();
            QVERIFY(!form->layoutBAvailable());
            form->findChild<QRadioButton*>("statement3")->click();
            form->findChild<QRadioButton*>("shading3")->click();
            form->findChild<QPushButton*>("printA")->click();
            form->findChild<QRadioButton*>("statement0")->click();
            form->findChild<QPushButton*>("printB")->click();
            saveScreenshot(d, QStringLiteral("tshisanhyou1pform"));
            form->accept();
        });
        s.click("print");
        saveDocuments(s.shown, QStringLiteral("layout"));
        QCOMPARE(s.shown.size(), std::size_t(4));
        QCOMPARE(s.shown[0].header.title, QStringLiteral(" 試算表（貸借対照表）"));
        QCOMPARE(s.shown[1].header.title, QStringLiteral(" 試算表（正味財産増減計算書）"));
        QCOMPARE(s.shown[2].header.title, QStringLiteral(" 試算表（収支計算書）"));
        QCOMPARE(s.shown[3].columns.back().caption, QStringLiteral("補助科目残高"));
        QCOMPARE(s.shown[0].header.periodTo, QStringLiteral("平成28年 3月31日まで"));
        QCOMPARE(s.shown[0].header.seals[0], QStringLiteral("理事長"));
        const TrialPrintSettings stored = loadTrialPrintSettings(s.unit.session.hm);
        QCOMPARE(stored.zeroLines, 0);
        QCOMPARE(stored.shading, 3);
        QCOMPARE(s.unit.session.printShading, 3);

        // The next opening starts from the stored choices.
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* form = qobject_cast<Tshisanhyou1PForm*>(&d);
            QCOMPARE(form->settings(), stored);
        });
        s.click("print");
    }

    void fundCheckListsTheDifferences() {
        Screen s;
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* chk = qobject_cast<Tshisanhyou_CHK*>(&d);
            QVERIFY(chk);
            QCOMPARE(chk->windowTitle(), QStringLiteral("損益科目と資金科目のチェック一覧"));
            QAbstractItemModel* m = chk->grid()->model();
            int row = -1;
            for (int r = 0; r < m->rowCount(); ++r)
                if (m->index(r, 0).data().toString() == QLatin1String("51000"))
                    row = r;
            QVERIFY(row >= 0);
            QCOMPARE(m->index(row, 4).data().toString(), QStringLiteral("30"));
            chk->print();
            saveScreenshot(d, QStringLiteral("tshisanhyou_chk"));
        });
        s.click("fundCheck");
        QCOMPARE(s.shown.size(), std::size_t(1));
        QCOMPARE(s.shown[0].header.title, QStringLiteral("損益科目(PL)と資金科目(CF)の金額チェック表"));
        QCOMPARE(s.shown[0].columns[2].caption, QStringLiteral("PL借方"));
    }

    void spreadsheetExportWritesTheShownTab() {
        Screen s;
        s.screen->findChild<QTabWidget*>("tabs")->setCurrentIndex(2);
        s.click("exportSpreadsheet");
        const QDir dir(s.unit.session.workDir + QStringLiteral("xlsx"));
        const QStringList files = dir.entryList({QStringLiteral("*.xlsx")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(s.screen->findChild<QPushButton*>("exportSpreadsheet")->isEnabled());
    }

    void menuEntryOpensTheScreenOnlyAfterThePeriodDialog() {
        test::TrialBalanceUnit unit;
        unit.runYear("2015-10-01");
        RecordingPrompter prompter;
        QWidget parent;
        const MenuScreens screens = defaultMenuScreens();
        QVERIFY(bool(screens.trialBalance));

        // Cancelled: the screen does not open.
        bool screenOpened = false;
        QTimer::singleShot(0, [&] {
            auto* period = qobject_cast<Tkikan1B*>(QApplication::activeModalWidget());
            QVERIFY(period);
            period->reject();
            QTimer::singleShot(0, [&] {
                screenOpened = qobject_cast<Tshisanhyou1*>(QApplication::activeModalWidget()) != nullptr;
                if (QWidget* w = QApplication::activeModalWidget())
                    w->close();
            });
        });
        screens.trialBalance(&parent, unit.session, prompter);
        QTest::qWait(20); // lets the check above run when nothing was opened
        QVERIFY(!screenOpened);

        // Accepted: the dialog runs the totals for the shown period, then the screen opens.
        QString period;
        QString left;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Tkikan1B*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QPushButton*>("run")->click();
            QTimer::singleShot(0, [&] {
                auto* screen = qobject_cast<Tshisanhyou1*>(QApplication::activeModalWidget());
                QVERIFY(screen);
                period = screen->findChild<QLabel*>("period")->text();
                left = screen->leftValue();
                screen->accept();
            });
        });
        screens.trialBalance(&parent, unit.session, prompter);
        QCOMPARE(period, QStringLiteral("2015/10/01 ～ 2016/03/31"));
        QCOMPARE(left, QStringLiteral("2,250"));
        QVERIFY2(prompter.shown.empty(), qPrintable(prompter.texts().join('\n')));
    }
};

QTEST_MAIN(Tshisanhyou1Test)
#include "tshisanhyou1_test.moc"
