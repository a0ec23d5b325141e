// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account editor and the per-unit name editor as the chart editor opens them.
#include "chart/pickerfixture.h"
#include "chart/pickertexts.h"
#include "chart/subaccounts.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/thojokamoku.h"
#include "chart/ui/tkamoku_hojo.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace k9;

namespace {

void grab(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + '/' + name + ".png");
}

// The line edit of the cell being edited (editors closed before wait hidden for deletion).
QLineEdit* openEditor(PickerView* grid) {
    for (auto* edit : grid->findChildren<QLineEdit*>())
        if (edit->isVisible())
            return edit;
    return nullptr;
}

void typeIntoCell(PickerView* grid, const QString& text) {
    QTest::keyClick(grid, Qt::Key_F2);
    auto* edit = openEditor(grid);
    QVERIFY(edit);
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString cell(PickerView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

struct SubAccounts : test::PickerFixture {
    SubAccounts() {
        addUnit(0, "合　計");
        addUnit(1, "本　部");
        addUnit(2, "事業会計");
        addCommonSubAccount("11200", "001", "A銀行");
        addCommonSubAccount("11200", "002", "B銀行");
    }
    RecordingPrompter prompter;
};

} // namespace

class SubAccountEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsNotesAndFollowsTheEnterOrder();
    void invalidCodesAreClearedWithoutMessage_data();
    void invalidCodesAreClearedWithoutMessage();
    void deletingAsksOrRefuses();
    void nameEditorKeepsItsOwnUnit();
    void nameEditorWithoutUnitSelectsUnitOne();
};

void SubAccountEditorsTest::editorShowsNotesAndFollowsTheEnterOrder() {
    SubAccounts s;
    THojokamoku editor(s.session, s.prompter, s.session.aaa, "11200", pickertext::kSampleCodeHint);
    QAbstractItemModelTester tester(editor.grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    editor.show();
    QStringList labels;
    for (auto* l : editor.findChildren<QLabel*>())
        labels << l->text();
    QVERIFY(labels.contains("追加は最下段で［↓］キーを押してください。"));
    QVERIFY(labels.contains(pickertext::displayLines(pickertext::kSampleCodeHint)));
    QCOMPARE(editor.findChild<QPushButton*>()->text(), QStringLiteral("削    除"));
    grab(editor, "sub-account-editor");

    QCOMPARE(editor.grid()->currentIndex(), editor.grid()->model()->index(0, 0));
    QTest::keyClick(editor.grid(), Qt::Key_Return);
    QCOMPARE(editor.grid()->currentIndex(), editor.grid()->model()->index(0, 1));
    QTest::keyClick(editor.grid(), Qt::Key_Return);
    QCOMPARE(editor.grid()->currentIndex(), editor.grid()->model()->index(1, 0));

    QTest::keyClick(editor.grid(), Qt::Key_Down);
    QCOMPARE(editor.grid()->model()->rowCount(), 3);
    QCOMPARE(editor.grid()->currentIndex().row(), 2);
    typeIntoCell(editor.grid(), "003");
    QCOMPARE(editor.grid()->currentIndex(), editor.grid()->model()->index(2, 1));
    typeIntoCell(editor.grid(), "C信用金庫");
    QCOMPARE(s.session.aaa.scalar(
                 "SELECT 補助科目名 FROM hojokamoku WHERE kamoku_CD = '11200' AND hojo_CD = '003'"),
             QVariant("C信用金庫"));
    editor.close();
}

void SubAccountEditorsTest::invalidCodesAreClearedWithoutMessage_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("two digits") << "12"
                                << "";
    QTest::newRow("a fourth digit is not taken") << "1000"
                                                 << "100";
    QTest::newRow("zero") << "000"
                          << "";
    QTest::newRow("first") << "001"
                           << "001";
    QTest::newRow("last") << "999"
                          << "999";
}

void SubAccountEditorsTest::invalidCodesAreClearedWithoutMessage() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    SubAccounts s;
    s.session.aaa.run("DELETE FROM hojokamoku");
    THojokamoku editor(s.session, s.prompter, s.session.aaa, "21100", QString());
    editor.show();
    QCOMPARE(editor.grid()->model()->rowCount(), 1);
    editor.grid()->setCurrentIndex(editor.grid()->model()->index(0, 0));
    QTest::keyClick(editor.grid(), Qt::Key_F2);
    auto* edit = openEditor(editor.grid());
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(cell(editor.grid(), 0, 0), kept);
    QVERIFY(s.prompter.shown.empty());
    QCOMPARE(s.session.aaa.rowCount("hojokamoku"), kept.isEmpty() ? 0 : 1);
    if (!kept.isEmpty())
        QCOMPARE(s.session.aaa.scalar("SELECT kamoku_CD FROM hojokamoku"), QVariant("21100"));
}

void SubAccountEditorsTest::deletingAsksOrRefuses() {
    SubAccounts s;
    s.session.aaa.insertRow(
        "denpyou1", {{"SNo", 1}, {"Sub_No", 1}, {"Lcode", "11200"}, {"LHcode", "002"}, {"Lkingaku", 500}});
    THojokamoku editor(s.session, s.prompter, s.session.aaa, "11200", QString());
    editor.show();
    QPushButton* remove = editor.findChild<QPushButton*>();

    editor.grid()->setCurrentIndex(editor.grid()->model()->index(1, 0));
    remove->click();
    QCOMPARE(s.session.aaa.rowCount("hojokamoku"), 2);
    QVERIFY(s.prompter.last().contains("仕訳 1 行"));
    QVERIFY(!s.prompter.shown.back().question);

    editor.grid()->setCurrentIndex(editor.grid()->model()->index(0, 0));
    s.prompter.answers = {Answer::No};
    remove->click();
    QCOMPARE(s.session.aaa.rowCount("hojokamoku"), 2);
    QVERIFY(s.prompter.shown.back().question);
    QVERIFY(s.prompter.last().contains("001 A銀行"));

    s.prompter.answers = {Answer::Yes};
    remove->click();
    QCOMPARE(s.session.aaa.rowCount("hojokamoku"), 1);
    QCOMPARE(editor.grid()->model()->rowCount(), 1);
}

void SubAccountEditorsTest::nameEditorKeepsItsOwnUnit() {
    SubAccounts s;
    seedUnitSubAccountNames(s.session);
    s.session.setCurrentUnit(1, "本　部");
    int notified = 0;
    s.session.onCurrentUnitChanged = [&] { ++notified; };

    Tkamoku_hojo names(s.session, s.prompter, "11200");
    QAbstractItemModelTester tester(names.grid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    names.show();
    QCOMPARE(names.unit(), 1);
    QCOMPARE(names.unitChoice()->count(), 3);
    QCOMPARE(names.unitChoice()->currentText(), QStringLiteral("本部"));
    QCOMPARE(names.grid()->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("補助科目コード"));
    QVERIFY(!(names.grid()->model()->flags(names.grid()->model()->index(0, 0)) & Qt::ItemIsEditable));
    grab(names, "unit-name-editor");

    names.unitChoice()->setCurrentIndex(2);
    QCOMPARE(names.unit(), 2);
    QCOMPARE(s.session.currentUnit, 1);
    QCOMPARE(s.session.currentUnitText, QStringLiteral("1"));
    QCOMPARE(notified, 0);

    QCOMPARE(names.grid()->currentIndex(), names.grid()->model()->index(0, 1));
    typeIntoCell(names.grid(), " ");
    QCOMPARE(names.grid()->currentIndex(), names.grid()->model()->index(1, 1));
    typeIntoCell(names.grid(), "事業用");
    QCOMPARE(names.grid()->currentIndex(), names.grid()->model()->index(1, 1)); // no row is added
    QCOMPARE(names.grid()->model()->rowCount(), 2);
    names.close();

    const auto stored = loadUnitSubAccountNames(s.session.aaa, 2, "11200");
    QCOMPARE(stored.at(0).name, QStringLiteral(" "));
    QCOMPARE(stored.at(1).name, QStringLiteral("事業用"));
    QCOMPARE(loadUnitSubAccountNames(s.session.aaa, 1, "11200").at(0).name, QStringLiteral("A銀行"));
    QCOMPARE(s.session.currentUnit, 1);
}

void SubAccountEditorsTest::nameEditorWithoutUnitSelectsUnitOne() {
    SubAccounts s;
    seedUnitSubAccountNames(s.session);
    int notified = 0;
    s.session.onCurrentUnitChanged = [&] { ++notified; };
    QCOMPARE(s.session.currentUnit, -1);
    Tkamoku_hojo names(s.session, s.prompter, "11200");
    QCOMPARE(names.unit(), 1);
    QCOMPARE(names.unitChoice()->currentIndex(), 1);
    QCOMPARE(s.session.currentUnit, 1);
    QCOMPARE(s.session.currentUnitName, QStringLiteral("本　部"));
    QCOMPARE(notified, 1);
}

QTEST_MAIN(SubAccountEditorsTest)
#include "subaccounteditors_test.moc"
