// SPDX-License-Identifier: GPL-3.0-or-later
// The voucher entry window on the offscreen platform: a voucher typed through the keyboard
// flow (date, codes, Enter, amounts with "/", the credit amount copied by Enter, a
// description, F7) reaches the journal; "*" copies the line above; PageUp browses back and a
// correction is saved; closing with typed lines asks first.
#include "journal/journalfixture.h"
#include "journal/journaltexts.h"
#include "journal/ui/tinput3.h"
#include "store/session.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace k9;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void typeText(const QString& text) {
    QTest::keyClicks(focused(), text);
}

// Japanese text arrives through the input method as a committed string.
void typeJapanese(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(focused(), &event);
}

void press(Qt::Key key) {
    QTest::keyClick(focused(), key);
}

// Saves a picture of the window when K9_GRAB_DIR names a folder (for looking at the layout).
void grab(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + '/' + name + ".png");
}

struct Screen {
    test::JournalFixture f;
    TInput3 w{f.session, f.prompter};
    bool open(std::optional<int> voucher = std::nullopt) {
        if (!w.prepare(voucher))
            return false;
        w.show();
        QApplication::setActiveWindow(&w);
        return QTest::qWaitForWindowActive(&w);
    }
    void typeDate() {
        w.yearField()->setFocus();
        w.yearField()->selectAll();
        typeText("2015");
        press(Qt::Key_Return);
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        typeText("6");
        press(Qt::Key_Return);
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        typeText("10");
        press(Qt::Key_Return);
    }
};

QString text(Database& aaa, const QString& sql) {
    return aaa.scalar(sql).toString().trimmed();
}

} // namespace

class TInput3Test : public QObject {
    Q_OBJECT
private slots:
    void typedVoucherReachesTheJournal();
    void starCopiesTheLineAboveAndCompoundVoucherSaves();
    void pageUpBrowsesBackAndACorrectionIsSaved();
    void closingWithTypedLinesAsks();
    void laterTabsAreShownDisabled();
};

void TInput3Test::typedVoucherReachesTheJournal() {
    Screen s;
    QVERIFY(s.open());
    QCOMPARE(s.w.modeLabel()->text(), journaltext::kNewMode);
    s.typeDate();
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::DebitCode)));
    typeText("52100");
    press(Qt::Key_Return);
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::DebitAmount)));
    typeText("12/"); // "/" appends 000
    QCOMPARE(s.w.field(0, TInput3::DebitAmount)->text(), QStringLiteral("12000"));
    typeText("."); // ignored
    press(Qt::Key_Return);
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::CreditCode)));
    typeText("11100");
    press(Qt::Key_Return);
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::CreditAmount)));
    press(Qt::Key_Return); // the debit amount is copied
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::Description1)));
    typeJapanese(QStringLiteral("水道代６月分"));
    press(Qt::Key_Return);
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::Description2)));
    QCOMPARE(s.w.field(0, TInput3::CreditAmount)->text(), QStringLiteral("12,000"));
    QCOMPARE(s.w.debitTotal()->text().trimmed(), QStringLiteral("12,000"));
    QCOMPARE(s.w.creditTotal()->text().trimmed(), QStringLiteral("12,000"));
    grab(s.w, "journal-screen");

    press(Qt::Key_F7);
    QVERIFY2(s.f.prompter.shown.empty(), qPrintable(s.f.prompter.last()));
    Database& aaa = s.f.session.aaa;
    QCOMPARE(aaa.rowCount("denpyou1"), 1);
    QCOMPARE(text(aaa, "SELECT Lcode FROM denpyou1 WHERE SNo = 1 AND Sub_No = 1"), QStringLiteral("52100"));
    QCOMPARE(text(aaa, "SELECT Rcode FROM denpyou1 WHERE SNo = 1"), QStringLiteral("11100"));
    QCOMPARE(aaa.scalar("SELECT Lkingaku FROM denpyou1 WHERE SNo = 1").toLongLong(), 12000LL);
    QCOMPARE(aaa.scalar("SELECT Rkingaku FROM denpyou1 WHERE SNo = 1").toLongLong(), 12000LL);
    QCOMPARE(text(aaa, "SELECT tekiyou1 FROM denpyou1 WHERE SNo = 1"), QStringLiteral("水道代６月分"));
    QCOMPARE(text(aaa, "SELECT hizuke FROM denpyou1 WHERE SNo = 1"), QStringLiteral("2015-06-10"));
    QCOMPARE(aaa.scalar("SELECT FlgT FROM denpyou1 WHERE SNo = 1").toInt(), 1);
    // The next voucher: new mode, empty lines, the same date.
    QVERIFY(s.w.savedLabel()->isVisible());
    QCOMPARE(s.w.modeLabel()->text(), journaltext::kNewMode);
    QVERIFY(s.w.field(0, TInput3::DebitCode)->text().isEmpty());
    QCOMPARE(s.w.dayField()->text(), QStringLiteral("10"));
    QCOMPARE(s.w.monthField()->text(), QStringLiteral("6"));
}

void TInput3Test::starCopiesTheLineAboveAndCompoundVoucherSaves() {
    Screen s;
    QVERIFY(s.open());
    s.typeDate();
    typeText("51100");
    press(Qt::Key_Return);
    typeText("3000");
    press(Qt::Key_Return); // 51100 has a default tax class: the class field
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(0, TInput3::DebitTax)));
    QCOMPARE(s.w.field(0, TInput3::DebitTax)->text(), QStringLiteral("3"));
    press(Qt::Key_Return);
    typeText("11100");
    press(Qt::Key_Return);
    typeText("1000");
    press(Qt::Key_Return);
    typeJapanese(QStringLiteral("給料"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(1, TInput3::DebitCode)));
    typeText("*");
    QCOMPARE(s.w.field(1, TInput3::DebitCode)->text(), QStringLiteral("51100"));
    QCOMPARE(focused(), static_cast<QWidget*>(s.w.field(1, TInput3::Description1)));
    // Line 2 becomes a credit of 2,000 only.
    s.w.field(1, TInput3::DebitCode)->setFocus();
    s.w.field(1, TInput3::DebitCode)->clear();
    s.w.field(1, TInput3::CreditAmount)->setFocus();
    s.w.field(1, TInput3::CreditAmount)->selectAll();
    typeText("2000");
    press(Qt::Key_F7);
    QVERIFY2(s.f.prompter.shown.empty(), qPrintable(s.f.prompter.texts().join('|')));
    QCOMPARE(s.f.session.aaa.scalar("SELECT SUM(Lkingaku) FROM denpyou1 WHERE SNo = 1").toLongLong(), 3000LL);
    QCOMPARE(s.f.session.aaa.scalar("SELECT SUM(Rkingaku) FROM denpyou1 WHERE SNo = 1").toLongLong(), 3000LL);
    QCOMPARE(s.f.session.aaa.scalar("SELECT LflgS FROM denpyou1 WHERE SNo = 1 AND Sub_No = 1").toInt(), 3);
    QVERIFY(s.f.session.aaa.scalar("SELECT Lcode FROM denpyou1 WHERE SNo = 1 AND Sub_No = 2")
                .toString()
                .isEmpty());
}

void TInput3Test::pageUpBrowsesBackAndACorrectionIsSaved() {
    Screen s;
    s.f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    s.f.addLine(2, 1, 1, "52100", 200, "11100", 200);
    QVERIFY(s.open());
    press(Qt::Key_PageUp);
    QCOMPARE(s.w.entry().voucherNo(), 2);
    QCOMPARE(s.w.modeLabel()->text(), journaltext::kEditMode);
    press(Qt::Key_PageUp);
    QCOMPARE(s.w.entry().voucherNo(), 1);
    s.w.field(0, TInput3::DebitAmount)->setFocus();
    s.w.field(0, TInput3::DebitAmount)->selectAll();
    typeText("150");
    press(Qt::Key_Return);
    typeText("11100");
    press(Qt::Key_Return);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    typeText("150");
    press(Qt::Key_Return);
    // Browsing away asks; Cancel keeps the correction on screen.
    s.f.prompter.answers = {Answer::Cancel};
    press(Qt::Key_PageDown);
    QCOMPARE(s.f.prompter.last(), journaltext::kUnsavedCorrectionQuestion);
    QCOMPARE(s.w.entry().voucherNo(), 1);
    press(Qt::Key_F7);
    QCOMPARE(s.f.session.aaa.scalar("SELECT Lkingaku FROM denpyou1 WHERE SNo = 1").toLongLong(), 150LL);
    QCOMPARE(s.f.session.aaa.scalar("SELECT Rkingaku FROM denpyou1 WHERE SNo = 1").toLongLong(), 150LL);
    QCOMPARE(s.w.entry().voucherNo(), 1);
    QCOMPARE(s.w.modeLabel()->text(), journaltext::kEditMode);
    grab(s.w, "journal-screen-edit");
}

void TInput3Test::closingWithTypedLinesAsks() {
    Screen s;
    QVERIFY(s.open());
    s.typeDate();
    typeText("52100");
    press(Qt::Key_Return);
    s.f.prompter.answers = {Answer::Cancel};
    s.w.reject();
    QVERIFY(s.w.isVisible());
    QCOMPARE(s.f.prompter.last(), journaltext::kUnsavedQuestion);
    s.f.prompter.answers = {Answer::No};
    s.w.reject();
    QVERIFY(!s.w.isVisible());
    QCOMPARE(s.f.session.aaa.rowCount("denpyou1"), 0);
}

void TInput3Test::laterTabsAreShownDisabled() {
    Screen s;
    QVERIFY(s.open());
    QCOMPARE(s.w.tabs()->count(), 4);
    QCOMPARE(s.w.tabs()->tabText(0), journaltext::kEntryTab);
    QCOMPARE(s.w.tabs()->tabText(1), journaltext::kListTab);
    QCOMPARE(s.w.tabs()->tabText(2), journaltext::kSearchTab);
    QCOMPARE(s.w.tabs()->tabText(3), journaltext::kCheckTab);
    QVERIFY(!s.w.tabs()->isTabEnabled(1));
    QCOMPARE(s.w.unitBox()->count(), 4);
    QCOMPARE(s.w.unitBox()->currentText(), QStringLiteral("本部"));
    QCOMPARE(s.w.unitBox()->itemText(0), journaltext::kAllocationUnitName);
}

QTEST_MAIN(TInput3Test)
#include "tinput3_test.moc"
