// SPDX-License-Identifier: GPL-3.0-or-later
// The account picker window: typing a code part and Enter jumps, a second Enter chooses,
// the display choice filters and is remembered, closing by the frame returns the current
// line. Also the fund-line and sub-account pickers and the learning lists.
#include "chart/learning.h"
#include "chart/pickerfixture.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/thojo_sel.h"
#include "chart/ui/thojo_sel2.h"
#include "chart/ui/tkamoku2_sel.h"
#include "chart/ui/tkamoku_sel.h"
#include "chart/ui/twktbl.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace k9;

namespace {

// Runs `steps` once the modal window is open (pick() blocks until it closes); a window the
// steps leave open (a failed check returns early) is closed so the test cannot hang.
void whenOpen(QDialog& dialog, std::function<void()> steps) {
    QTimer::singleShot(0, &dialog, [&dialog, steps = std::move(steps)] {
        steps();
        if (dialog.isVisible())
            dialog.reject();
    });
}

void typeKeys(QWidget* w, const QString& keys) {
    for (QChar c : keys)
        QTest::keyClick(w, c.toLatin1());
}

// Saves a picture of the window when K9_GRAB_DIR names a folder (for looking at layouts).
void grab(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + '/' + name + ".png");
}

struct Chart : test::PickerFixture {
    Chart() {
        addWorkAccount("10000", "【資産の部】", {.a = 9, .b = 1});
        addWorkAccount("11100", "　　現金", {.a = 0, .b = 1, .g = 1, .j = 1});
        addWorkAccount("11200", "　　普通預金", {.a = 0, .b = 1, .d = 1, .g = 1, .j = 1});
        addWorkAccount("19000", "　資産合計", {.a = 4, .b = 1});
        addWorkAccount("51000", "【事業費】", {.a = 3, .b = 2});
        addWorkAccount("51100", "　　給料手当", {.a = 0, .b = 2, .h = 50});
        addWorkAccount("51200", "　　前期繰越額", {.a = 0, .b = 2, .g = 110});
        addWorkAccount("52100", "　　水道光熱費", {.a = 0, .b = 2, .j = 1});
        addWorkAccount("52200", "　　通信運搬費", {.a = 0, .b = 2});
        addWorkAccount("71100", "　　会費収入", {.a = 0, .b = 2, .c = 1});
    }
    RecordingPrompter prompter;
};

} // namespace

class AccountPickerTest : public QObject {
    Q_OBJECT
private slots:
    void typingDigitsAndEnterChooses_data();
    void typingDigitsAndEnterChooses();
    void enterOnATotalLineStepsDown();
    void displayChoiceFiltersAndIsRemembered();
    void closingByTheFrameReturnsTheCurrentLine();
    void modelPassesTheModelTester();
    void fundLinePickerRefusesFundBalanceLines();
    void subAccountPickersReturnTheRow();
    void debitListReturnsThePairOrNothing();
    void learningListDigitsOpenTheAccountPicker();
};

void AccountPickerTest::typingDigitsAndEnterChooses_data() {
    QTest::addColumn<QString>("near");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("52 from the top") << QString() << "52"
                                     << "52100";
    QTest::newRow("52 from below") << "71100"
                                   << "52"
                                   << "52100";
    QTest::newRow("a full code") << QString() << "11100"
                                 << "11100";
    QTest::newRow("past the end") << QString() << "9"
                                  << "71100";
}

void AccountPickerTest::typingDigitsAndEnterChooses() {
    QFETCH(QString, near);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    Chart chart;
    Tkamoku_SEL picker(chart.session, chart.prompter);
    whenOpen(picker, [&] {
        typeKeys(picker.list(), typed);
        QTest::keyClick(picker.list(), Qt::Key_Return);
        QCOMPARE(picker.list()->currentIndex().data().toString(), chosen);
        QTest::keyClick(picker.list(), Qt::Key_Return);
    });
    auto picked = picker.pick(near);
    QVERIFY(picked.has_value());
    QCOMPARE(picked->code, chosen);
    QVERIFY(picked->postable);
    QCOMPARE(picker.result(), int(QDialog::Accepted));
}

void AccountPickerTest::enterOnATotalLineStepsDown() {
    Chart chart;
    Tkamoku_SEL picker(chart.session, chart.prompter);
    picker.prepare("51000");
    picker.show();
    QTest::keyClick(picker.list(), Qt::Key_Return);
    QCOMPARE(picker.list()->currentIndex().data().toString(), QStringLiteral("51100"));
    QVERIFY(picker.isVisible());
    QTest::keyClick(picker.list(), 'x');
    QCOMPARE(picker.list()->currentIndex().data().toString(), QStringLiteral("51200"));
    QTest::keyClick(picker.list(), Qt::Key_Return);
    // FlgG 110 cannot be chosen: Enter steps over it.
    QCOMPARE(picker.list()->currentIndex().data().toString(), QStringLiteral("52100"));
    grab(picker, "account-picker");
    QTest::keyClick(picker.list(), Qt::Key_Return);
    QVERIFY(!picker.isVisible());
}

void AccountPickerTest::displayChoiceFiltersAndIsRemembered() {
    Chart chart;
    Tkamoku_SEL picker(chart.session, chart.prompter);
    picker.prepare("52100");
    picker.show();
    const QList<QRadioButton*> radios = picker.findChildren<QRadioButton*>();
    QCOMPARE(radios.size(), 2);
    QRadioButton* marked = radios.at(1);
    QCOMPARE(marked->text(), QStringLiteral("選択した科目のみ"));
    marked->setChecked(true);
    QCOMPARE(picker.list()->model()->rowCount(), 6);
    QCOMPARE(picker.list()->currentIndex().data().toString(), QStringLiteral("52100"));
    grab(picker, "account-picker-marked");
    picker.close();
    QCOMPARE(int(readAccountDisplay(chart.session.hm).value_or(AccountDisplay::All)),
             int(AccountDisplay::MarkedOnly));

    Tkamoku_SEL second(chart.session, chart.prompter);
    second.prepare();
    QCOMPARE(second.list()->model()->rowCount(), 6);
    QVERIFY(second.findChildren<QRadioButton*>().at(1)->isChecked());
}

void AccountPickerTest::closingByTheFrameReturnsTheCurrentLine() {
    Chart chart;
    Tkamoku_SEL picker(chart.session, chart.prompter);
    whenOpen(picker, [&] { picker.close(); });
    auto picked = picker.pick("19000");
    QVERIFY(picked.has_value());
    QCOMPARE(picked->code, QStringLiteral("19000"));
    QVERIFY(!picked->postable);
}

void AccountPickerTest::modelPassesTheModelTester() {
    Chart chart;
    Tkamoku_SEL picker(chart.session, chart.prompter);
    QAbstractItemModelTester tester(picker.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    picker.prepare();
    QCOMPARE(picker.list()->model()->rowCount(), 10);
    QCOMPARE(picker.list()
                 ->model()
                 ->data(picker.list()->model()->index(2, 0), Qt::ForegroundRole)
                 .value<QBrush>()
                 .color(),
             QColor(Qt::red));
    QCOMPARE(picker.list()
                 ->model()
                 ->data(picker.list()->model()->index(3, 1), Qt::ForegroundRole)
                 .value<QBrush>()
                 .color(),
             QColor(Qt::blue));
    QVERIFY(!picker.list()->model()->data(picker.list()->model()->index(1, 0), Qt::ForegroundRole).isValid());
}

void AccountPickerTest::fundLinePickerRefusesFundBalanceLines() {
    Chart chart;
    chart.addFundLine(100, "71100", "会費収入", {.a = 0, .c = 1});
    chart.addFundLine(200, "#0020", "次期繰越収支差額", {.a = 0});
    chart.addFundLine(300, "51100", "給料手当", {.a = 0});
    Tkamoku2_SEL picker(chart.session);
    QAbstractItemModelTester tester(picker.list()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    whenOpen(picker, [&] {
        QCOMPARE(picker.jumpBox()->text(), QStringLiteral("200"));
        QTest::keyClick(picker.list(), Qt::Key_Return);
        QVERIFY(picker.isVisible());
        QCOMPARE(picker.list()->currentIndex().row(), 2);
        picker.jumpBox()->setText("150");
        QTest::keyClick(picker.jumpBox(), Qt::Key_Return);
        QCOMPARE(picker.list()->currentIndex().row(), 1);
        picker.close();
    });
    QVERIFY2(!picker.pick(150).has_value(), "closing on #0020 returns nothing");

    whenOpen(picker, [&] {
        typeKeys(picker.list(), "300");
        QTest::keyClick(picker.list(), Qt::Key_Return);
        QTest::keyClick(picker.list(), Qt::Key_Return);
    });
    auto line = picker.pick();
    QVERIFY(line.has_value());
    QCOMPARE(line->code, QStringLiteral("51100"));
}

void AccountPickerTest::subAccountPickersReturnTheRow() {
    Chart chart;
    chart.addWorkSubAccount("11200", "001", "A銀行");
    chart.addWorkSubAccount("11200", "002", "B銀行");
    chart.addWorkSubAccount("21100", "101", "公庫");
    Thojo_SEL one(chart.session);
    whenOpen(one, [&] {
        QTest::keyClick(one.list(), Qt::Key_Down);
        QTest::keyClick(one.list(), Qt::Key_Return);
    });
    auto sub = one.pick("11200");
    QVERIFY(sub.has_value());
    QCOMPARE(sub->code, QStringLiteral("002"));
    QCOMPARE(sub->name, QStringLiteral("B銀行"));

    Thojo_SEL2 all(chart.session);
    whenOpen(all, [&] {
        typeKeys(all.list(), "2");
        QTest::keyClick(all.list(), Qt::Key_Return);
        QTest::keyClick(all.list(), Qt::Key_Return);
    });
    auto any = all.pick();
    QVERIFY(any.has_value());
    QCOMPARE(any->accountCode, QStringLiteral("21100"));
    QCOMPARE(any->code, QStringLiteral("101"));
}

void AccountPickerTest::debitListReturnsThePairOrNothing() {
    Chart chart;
    recordDebitUse(chart.session.www, "52100");
    recordDebitUse(chart.session.www, "51100");
    Tkamoku_SEL accounts(chart.session, chart.prompter);
    TWKTBL0 list(chart.session, chart.prompter, accounts);
    QVERIFY(list.hasRows());

    whenOpen(list, [&] {
        QTest::keyClick(list.list(), Qt::Key_Down);
        QTest::keyClick(list.list(), Qt::Key_Return);
    });
    QVERIFY(list.pick());
    QCOMPARE(chart.session.pickedDebitCode, QStringLiteral("52100"));
    QCOMPARE(chart.session.pickedDebitName, QStringLiteral("　　水道光熱費"));

    whenOpen(list, [&] { QTest::keyClick(list.list(), Qt::Key_Escape); });
    QVERIFY(!list.pick());
    QVERIFY(chart.session.pickedDebitCode.isEmpty());
    QVERIFY(chart.session.pickedDebitName.isEmpty());

    chart.session.pickedDebitCode = "51100";
    TWKTBL1 credit(chart.session, chart.prompter, accounts);
    QVERIFY(!credit.hasRows());
    recordCreditUse(chart.session.www, "51100", "11100");
    QVERIFY(credit.hasRows());
    whenOpen(credit, [&] { QTest::keyClick(credit.list(), Qt::Key_Return); });
    QVERIFY(credit.pick());
    QCOMPARE(chart.session.pickedCreditCode, QStringLiteral("11100"));
}

void AccountPickerTest::learningListDigitsOpenTheAccountPicker() {
    Chart chart;
    recordDebitUse(chart.session.www, "11100");
    Tkamoku_SEL accounts(chart.session, chart.prompter);
    TWKTBL0 list(chart.session, chart.prompter, accounts);
    whenOpen(list, [&] {
        typeKeys(list.list(), "52");
        whenOpen(accounts, [&] {
            QCOMPARE(accounts.list()->currentIndex().data().toString(), QStringLiteral("52100"));
            QTest::keyClick(accounts.list(), Qt::Key_Down);
            QTest::keyClick(accounts.list(), Qt::Key_Return);
        });
        QTest::keyClick(list.list(), Qt::Key_Return);
    });
    QVERIFY(list.pick());
    QCOMPARE(chart.session.pickedDebitCode, QStringLiteral("52200"));
    QVERIFY(list.jumpBuffer().isEmpty());
}

QTEST_MAIN(AccountPickerTest)
#include "accountpicker_test.moc"
