// SPDX-License-Identifier: GPL-3.0-or-later
// The period dialog before the ledgers and the trial balance: a start after the end is
// refused with a message and nothing is stored; a run stores the period in the work Head,
// closes with Accepted, and keeps the option choices for the next opening.
#include "engine/ui/tkikan1b.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace k9;

class TkikanTest : public QObject {
    Q_OBJECT

private:
    struct Dates {
        int fromYear, fromMonth, fromDay, toYear, toMonth, toDay;
    };
    static void setDates(QDialog& dialog, const Dates& d) {
        dialog.findChild<QSpinBox*>("fromYear")->setValue(d.fromYear);
        dialog.findChild<QSpinBox*>("fromMonth")->setValue(d.fromMonth);
        dialog.findChild<QSpinBox*>("fromDay")->setValue(d.fromDay);
        dialog.findChild<QSpinBox*>("toYear")->setValue(d.toYear);
        dialog.findChild<QSpinBox*>("toMonth")->setValue(d.toMonth);
        dialog.findChild<QSpinBox*>("toDay")->setValue(d.toDay);
    }
    static QVariant head(test::SessionFixture& f, const char* column) {
        return f.session.www.scalar(
            QStringLiteral("SELECT %1 FROM \"Head\"").arg(quoteId(QString::fromUtf8(column))));
    }
    static void prepare(test::SessionFixture& f) {
        f.session.fiscalYearStart = QDate(2015, 4, 1);
        f.session.setCurrentUnit(0, QStringLiteral("合　計"));
    }

private slots:
    void showsTheFiscalYearStartAndTheOptions() {
        test::SessionFixture f;
        prepare(f);
        RecordingPrompter prompter;
        Tkikan1B dialog(f.session, prompter);
        dialog.show();
        QCOMPARE(dialog.findChild<QLabel*>("fiscalStart")->text(), QStringLiteral("会計期首　2015/04/01"));
        QCOMPARE(dialog.findChild<QRadioButton*>("adjusting1")->text(), QStringLiteral("整理伝票を除く"));
        QCOMPARE(dialog.findChild<QRadioButton*>("adjusting2")->text(), QStringLiteral("整理伝票のみ"));
        QCOMPARE(dialog.findChild<QRadioButton*>("unsettled1")->text(), QStringLiteral("未決済伝票は除く"));
        QCOMPARE(dialog.findChild<QPushButton*>("run")->text(), QStringLiteral("実    行"));
        QCOMPARE(dialog.findChild<QSpinBox*>("fromYear")->minimum(), 1990);
        QCOMPARE(dialog.findChild<QSpinBox*>("toYear")->maximum(), 2999);
        QCOMPARE(dialog.findChild<QSpinBox*>("toDay")->value(), 31);
        QCOMPARE(dialog.findChild<QSpinBox*>("toMonth")->value(), 3);
        dialog.reject();
    }

    void refusesPeriods_data() {
        QTest::addColumn<int>("fromMonth");
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("toMonth");
        QTest::addColumn<int>("toDay");
        QTest::addColumn<QString>("message");
        QTest::newRow("start after end")
            << 10 << 1 << 9 << 30
            << QStringLiteral("開始日が終了日より後になっています。期間を確かめてください。");
        QTest::newRow("30 February")
            << 4 << 1 << 2 << 30
            << QStringLiteral("終了日の日付（2016年2月30日）はありません。日付を確かめてください。");
    }

    void refusesPeriods() {
        QFETCH(int, fromMonth);
        QFETCH(int, fromDay);
        QFETCH(int, toMonth);
        QFETCH(int, toDay);
        QFETCH(QString, message);
        test::SessionFixture f;
        prepare(f);
        RecordingPrompter prompter;
        Tkikan1B dialog(f.session, prompter);
        dialog.show();
        setDates(dialog, {2015, fromMonth, fromDay, toMonth < 4 ? 2016 : 2015, toMonth, toDay});
        QCOMPARE(dialog.findChild<QLabel*>("dateHint")->text(), message);
        QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
        QCOMPARE(prompter.last(), message);
        QVERIFY(dialog.isVisible());
        QVERIFY(!head(f, "自期日").isValid());
        dialog.reject();
    }

    void runStoresThePeriodInTheWorkHead() {
        test::SessionFixture f;
        prepare(f);
        RecordingPrompter prompter;
        Tkikan1B dialog(f.session, prompter);
        dialog.show();
        setDates(dialog, {2015, 7, 1, 2015, 9, 30});
        dialog.findChild<QRadioButton*>("adjusting2")->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("run"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prompter.shown.size(), std::size_t(0));
        QCOMPARE(head(f, "自期日").toString(), QStringLiteral("2015-07-01"));
        QCOMPARE(head(f, "至期日").toString(), QStringLiteral("2015-09-30"));
        QCOMPARE(f.session.adjustingVoucherMode, 2);
        QVERIFY(f.session.www.tableExists(QStringLiteral("WTBL7")));

        // Reopened: the stored dates and the last option choice come back.
        f.session.adjustingVoucherMode = 0;
        dialog.show();
        QCOMPARE(dialog.findChild<QSpinBox*>("fromMonth")->value(), 7);
        QVERIFY(dialog.findChild<QRadioButton*>("adjusting2")->isChecked());
        // Cancel keeps the stored period and the option choice of the opening.
        setDates(dialog, {2015, 8, 1, 2015, 8, 31});
        dialog.findChild<QRadioButton*>("adjusting0")->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(head(f, "自期日").toString(), QStringLiteral("2015-07-01"));
        QVERIFY(dialog.findChild<QRadioButton*>("adjusting2")->isChecked());
        QCOMPARE(f.session.adjustingVoucherMode, 0);
    }
};

QTEST_MAIN(TkikanTest)
#include "tkikan_test.moc"
