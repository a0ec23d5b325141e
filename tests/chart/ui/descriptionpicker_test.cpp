// SPDX-License-Identifier: GPL-3.0-or-later
// The description picker window: a new description typed below the last row and chosen
// with Enter, Esc, the search box, "挿　　入", the refusal of a row left without Enter and
// the 30-byte edit field.
#include "chart/descriptions.h"
#include "chart/pickerfixture.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/ttekiyou.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace k9;

namespace {

// Runs `steps` once the modal window is open and active (pick() blocks until it closes); a
// window the steps leave open (a failed check returns early) is closed so the test cannot hang.
void whenOpen(QDialog& dialog, std::function<void()> steps) {
    QTimer::singleShot(0, &dialog, [&dialog, steps = std::move(steps)] {
        dialog.activateWindow();
        if (QTest::qWaitForWindowActive(&dialog))
            steps();
        if (dialog.isVisible())
            dialog.reject();
    });
}

void grab(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + '/' + name + ".png");
}

// The line edit of the cell being edited.
QLineEdit* cellEditor(Ttekiyou& picker) {
    return picker.grid()->findChild<QLineEdit*>();
}

// Opens the editor on the current cell, replaces its text and presses Enter in it.
void typeAndEnter(Ttekiyou& picker, const QString& text) {
    QTest::keyClick(picker.grid(), Qt::Key_F2);
    QLineEdit* edit = cellEditor(picker);
    QVERIFY(edit);
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QPushButton* button(Ttekiyou& picker, const QString& text) {
    for (auto* b : picker.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

struct Descriptions : test::PickerFixture {
    Descriptions() {
        session.setCurrentUnit(1, "本部");
        session.pickedDebitCode = "52100";
        session.pickedCreditCode = "11100";
        store(1, "電気代");
        store(2, "ガス代");
    }
    void store(int renNo, const QString& text) {
        session.www.insertRow(
            "TEKIYOU",
            {{"code1", "52100"}, {"code2", "11100"}, {"RenNo", renNo}, {"摘要名", text}, {"BMNFlg", 1}});
    }
    QStringList stored() {
        QStringList t;
        auto st = session.www.prepare(
            "SELECT 摘要名 FROM TEKIYOU WHERE code1 = '52100' AND code2 = '11100' ORDER BY RenNo");
        while (st.step())
            t << st.text(0);
        return t;
    }
    RecordingPrompter prompter;
};

} // namespace

class DescriptionPickerTest : public QObject {
    Q_OBJECT
private slots:
    void newDescriptionBelowTheLastRowIsChosenWithEnter();
    void enterOnAStoredRowChoosesIt();
    void escapeReturnsNothing();
    void searchShowsMatchesAndEnterChooses();
    void insertOpensABlankFirstRow();
    void aRowLeftWithoutEnterIsRefused();
    void editFieldTakesThirtyBytes();
    void modelPassesTheModelTester();
};

void DescriptionPickerTest::newDescriptionBelowTheLastRowIsChosenWithEnter() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        QTest::keyClick(picker.grid(), Qt::Key_Down);
        QTest::keyClick(picker.grid(), Qt::Key_Down);
        QCOMPARE(picker.grid()->model()->rowCount(), 3);
        QCOMPARE(picker.grid()->currentIndex().row(), 2);
        grab(picker, "description-picker");
        typeAndEnter(picker, "水道代／６月分");
    });
    QCOMPARE(picker.pick(), QStringLiteral("水道代／６月分"));
    QCOMPARE(d.session.pickedDescription, QStringLiteral("水道代／６月分"));
    QCOMPARE(d.stored(), QStringList({"水道代／", "電気代", "ガス代"}));
}

void DescriptionPickerTest::enterOnAStoredRowChoosesIt() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        QTest::keyClick(picker.grid(), Qt::Key_Down);
        QTest::keyClick(picker.grid(), Qt::Key_Return);
    });
    QCOMPARE(picker.pick(), QStringLiteral("ガス代"));
    QCOMPARE(d.stored(), QStringList({"ガス代", "電気代"}));
}

void DescriptionPickerTest::escapeReturnsNothing() {
    Descriptions d;
    d.session.pickedDescription = "前の値";
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] { QTest::keyClick(picker.grid(), Qt::Key_Escape); });
    QCOMPARE(picker.pick(), QString());
    QVERIFY(d.session.pickedDescription.isEmpty());
    QCOMPARE(d.stored(), QStringList({"電気代", "ガス代"}));
}

void DescriptionPickerTest::searchShowsMatchesAndEnterChooses() {
    Descriptions d;
    d.store(3, "ガス代／基本料");
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        QTest::keyClick(picker.grid(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), picker.searchBox());
        picker.searchBox()->setText("ガス");
        QTest::keyClick(picker.searchBox(), Qt::Key_Return);
        QCOMPARE(picker.grid()->model()->rowCount(), 2);
        QTest::keyClick(picker.grid(), Qt::Key_Down);
        QCOMPARE(picker.grid()->model()->rowCount(), 2); // no new row below search results
        QTest::keyClick(picker.grid(), Qt::Key_Return);
    });
    QCOMPARE(picker.pick(), QStringLiteral("ガス代／基本料"));
    QCOMPARE(d.stored(), QStringList({"ガス代／", "電気代", "ガス代"}));
}

void DescriptionPickerTest::insertOpensABlankFirstRow() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        QPushButton* insert = button(picker, "挿　　入");
        QVERIFY(insert);
        insert->click();
        QCOMPARE(d.stored(), QStringList({"", "電気代", "ガス代"}));
        QCOMPARE(picker.grid()->currentIndex().row(), 0);
        QLineEdit* edit = cellEditor(picker);
        QVERIFY(edit);
        edit->setText("灯油代／１月");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(picker.pick(), QStringLiteral("灯油代／１月"));
    QCOMPARE(d.stored(), QStringList({"灯油代／", "電気代", "ガス代"}));
}

void DescriptionPickerTest::aRowLeftWithoutEnterIsRefused() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        picker.grid()->goToRow(1);
        QTest::keyClick(picker.grid(), Qt::Key_Down);
        QTest::keyClick(picker.grid(), Qt::Key_F2);
        QLineEdit* edit = cellEditor(picker);
        QVERIFY(edit);
        edit->setText("新聞代");
        picker.grid()->setFocus(); // the editor commits when it loses the focus
        picker.grid()->goToRow(0);
        QCOMPARE(d.prompter.last(), QStringLiteral("エンターキーを押してください。"));
        QTRY_COMPARE(picker.grid()->currentIndex().row(), 2);
        QTest::keyClick(picker.grid(), Qt::Key_Return);
    });
    QCOMPARE(picker.pick(), QStringLiteral("新聞代"));
    QCOMPARE(d.stored(), QStringList({"新聞代", "電気代", "ガス代"}));
}

void DescriptionPickerTest::editFieldTakesThirtyBytes() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    whenOpen(picker, [&] {
        QTest::keyClick(picker.grid(), Qt::Key_F2);
        QLineEdit* edit = cellEditor(picker);
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, QString(35, QLatin1Char('a')));
        QCOMPARE(edit->text(), QString(30, QLatin1Char('a')));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(picker.pick(), QString(30, QLatin1Char('a')));
}

void DescriptionPickerTest::modelPassesTheModelTester() {
    Descriptions d;
    Ttekiyou picker(d.session, d.prompter);
    picker.prepare();
    QAbstractItemModelTester tester(picker.grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(picker.grid()->model()->rowCount(), 2);
    picker.picker()->addNewRow();
    picker.picker()->search("電気");
    picker.picker()->reload();
}

QTEST_MAIN(DescriptionPickerTest)
#include "descriptionpicker_test.moc"
