// SPDX-License-Identifier: GPL-3.0-or-later
// The settings screen 初期設定１ (its fields, the refusal of an impossible date that keeps
// every edit, the store on close, the hidden access-code screen) and the fiscal-year folder
// list (its sample line, cursor, 追　　加, 削　　除 and 選　　択) on the offscreen platform.
#include "app/accesscodes.h"
#include "app/appfixture.h"
#include "app/registermessages.h"
#include "app/ui/hiddenarea.h"
#include "app/ui/registergrid.h"
#include "app/ui/tkengen.h"
#include "app/ui/tpathrec.h"
#include "app/ui/tsyokisettei.h"
#include "store/prompter.h"
#include "store/schema.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace k9 {

class SettingsScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::AppFolder> m_app;
    RecordingPrompter m_prompter;

    template <typename T> static T* child(QWidget& w, const QString& name) {
        T* c = w.findChild<T*>(name);
        if (!c)
            qFatal("no child %s", qPrintable(name));
        return c;
    }
    static void shoot(QWidget& w, const char* file) {
        const QString shots = qEnvironmentVariable("K9_SCREENSHOTS");
        if (!shots.isEmpty())
            QVERIFY(w.grab().save(shots + QLatin1Char('/') + QLatin1String(file)));
    }
    static void show(QWidget& w) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    QVariant hm(const char* sql) { return m_app->session.hm.scalar(QString::fromUtf8(sql)); }

private slots:
    void init() {
        m_app = std::make_unique<test::AppFolder>();
        m_app->init();
        m_prompter = RecordingPrompter();
    }

    void settingsShowTheStoredValues() {
        m_app->setHeadM("PM5", 60418);
        TSyokisettei screen(m_app->session, m_prompter);
        show(screen);
        QCOMPARE(screen.windowTitle(), QStringLiteral("データパス名【2015/】"));
        QCOMPARE(child<QLineEdit>(screen, "fiscalYearStart")->text(), QStringLiteral("2015/04/01"));
        QCOMPARE(child<QLineEdit>(screen, "userPassword")->text(), QStringLiteral("5807"));
        QCOMPARE(child<QLineEdit>(screen, "userPassword")->maxLength(), 4);
        QCOMPARE(child<QLineEdit>(screen, "viewOnlyPassword")->maxLength(), 5);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(screen, "fiscalYearStart"));
        const struct {
            const char* box;
            QStringList choices;
            int checked;
        } groups[] = {{"datePrintStyle", {"和暦表示", "西暦表示"}, 1},
                      {"taxMethod", {"本則計算", "簡易計算", "しない"}, 0},
                      {"cashEntryButton", {"表示する", "表示しない"}, 0}};
        for (const auto& g : groups) {
            QStringList texts;
            int checked = -1;
            const auto radios = child<QGroupBox>(screen, g.box)->findChildren<QRadioButton*>();
            for (int i = 0; i < radios.size(); ++i) {
                texts << radios[i]->text();
                if (radios[i]->isChecked())
                    checked = i;
            }
            QCOMPARE(texts, g.choices);
            QCOMPARE(checked, g.checked);
        }
        bool example = false;
        for (auto* label : screen.findChildren<QLabel*>())
            example = example || label->text() == msg::fiscalStartExample();
        QVERIFY(example);
        shoot(screen, "tsyokisettei.png");
    }

    void anImpossibleDateKeepsTheScreenAndItsEdits() {
        TSyokisettei screen(m_app->session, m_prompter);
        show(screen);
        child<QLineEdit>(screen, "corporationName")->setText(QStringLiteral("社団法人みどり会"));
        child<QLineEdit>(screen, "seal1")->setText(QStringLiteral("理事長"));
        child<QLineEdit>(screen, "fiscalYearStart")->setText(QStringLiteral("2016/02/30"));
        child<QGroupBox>(screen, "cashEntryButton")->findChildren<QRadioButton*>().at(1)->click();
        QTest::mouseClick(child<QPushButton>(screen, "closeButton"), Qt::LeftButton);
        QVERIFY(screen.isVisible());
        QCOMPARE(m_prompter.last(), msg::invalidFiscalStart(QStringLiteral("2016/02/30")));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(screen, "fiscalYearStart"));
        QCOMPARE(child<QLineEdit>(screen, "corporationName")->text(), QStringLiteral("社団法人みどり会"));
        QVERIFY(hm("SELECT 法人名 FROM HeadM").toString().isEmpty());

        child<QLineEdit>(screen, "fiscalYearStart")->setText(QStringLiteral("2016/04/01"));
        screen.reject(); // any way of closing stores the settings
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.saved());
        QCOMPARE(hm("SELECT 法人名 FROM HeadM").toString(), QStringLiteral("社団法人みどり会"));
        QCOMPARE(hm("SELECT P1 FROM Regist WHERE ID = 400").toInt(), 1);
        QCOMPARE(m_app->session.www.scalar("SELECT 至期日 FROM Head").toString(),
                 QStringLiteral("2017-03-31"));
        QCOMPARE(m_app->session.corporationName, QStringLiteral("社団法人みどり会"));
    }

    void theHiddenAreaOpensTheAccessCodes() {
        TSyokisettei screen(m_app->session, m_prompter);
        show(screen);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* codes = qobject_cast<TKengen*>(QApplication::activeModalWidget());
            QVERIFY(codes);
            seen = true;
            auto* grid = child<RegisterGridView>(*codes, "accessGrid");
            QAbstractItemModelTester tester(grid->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
            QCOMPARE(grid->model()->rowCount(), 19);
            QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("*****"));
            QVERIFY(grid->model()->setData(grid->model()->index(2, 2), QStringLiteral("4321")));
            auto* rights = child<QGroupBox>(*codes, "rightsChoice");
            QCOMPARE(rights->title(), QStringLiteral("設定した権限を"));
            rights->findChildren<QRadioButton*>().at(1)->click();
            shoot(*codes, "tkengen.png");
            QTest::mouseClick(child<QPushButton>(*codes, "closeButton"), Qt::LeftButton);
        });
        QTest::mouseDClick(child<HiddenArea>(screen, "accessCodeArea"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(hm("SELECT PM8 FROM HeadM").toInt(), 1);
        QCOMPARE(m_app->session.rightsMode, 1);
        QCOMPARE(m_app->session.aaa.scalar("SELECT F2 FROM BUMON WHERE code = 3").toInt(), 4321);
    }

    void folderListShowsTheRecordedYears() {
        auto& hmDb = m_app->session.hm;
        hmDb.insertRow("PathRec", {{"No", 1}, {"会計年度", "２０１４年度会計"}, {"データパス名", "2014/"}});
        hmDb.insertRow("PathRec", {{"No", 2}, {"会計年度", "２０１５年度会計"}, {"データパス名", "2015/"}});
        TPathRec screen(m_app->session, m_prompter);
        show(screen);
        QCOMPARE(screen.windowTitle(), QStringLiteral("データパス名の記録"));
        QCOMPARE(child<QLineEdit>(screen, "previousDataPath")->text(), QStringLiteral("2015/"));
        QVERIFY(child<QLineEdit>(screen, "previousDataPath")->isReadOnly());
        QCOMPARE(child<QLabel>(screen, "sampleLine")->text(),
                 QStringLiteral("　１　　　２００７年度会計　　　　　　　　　　　　　2007\\"));
        auto* grid = child<RegisterGridView>(screen, "pathGrid");
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid->currentIndex().row(), 1);
        QStringList buttons;
        for (const char* name : {"selectButton", "addButton", "deleteButton"})
            buttons << child<QPushButton>(screen, name)->text();
        QCOMPARE(buttons, (QStringList{"選　　択", "追　　加", "削　　除"}));
        shoot(screen, "tpathrec.png");

        QTest::mouseClick(child<QPushButton>(screen, "addButton"), Qt::LeftButton);
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(grid->model()->index(2, 0).data().toString(), QStringLiteral("3"));

        m_prompter.answers = {Answer::Cancel, Answer::Yes};
        for (int expected : {3, 2}) {
            QTest::mouseClick(child<QPushButton>(screen, "deleteButton"), Qt::LeftButton);
            QCOMPARE(m_prompter.last(), msg::pathRecDeleteQuestion());
            QCOMPARE(grid->model()->rowCount(), expected);
        }
    }

    void selectTakesOnlyOurFolders() {
        auto& hmDb = m_app->session.hm;
        hmDb.insertRow("PathRec", {{"No", 1}, {"会計年度", "２０１６年度会計"}, {"データパス名", "2016\\"}});
        TPathRec screen(m_app->session, m_prompter);
        show(screen);
        auto* select = child<QPushButton>(screen, "selectButton");
        QTest::mouseClick(select, Qt::LeftButton);
        QCOMPARE(m_prompter.last(), msg::pathNotSelectable());
        QVERIFY(screen.isVisible());
        QCOMPARE(m_app->session.dataPath, QStringLiteral("2015/"));

        Database db;
        QDir().mkpath(m_app->session.appDir + "2016");
        db.open(m_app->session.appDir + "2016/k9.db", Database::Kind::Data);
        createTable(db, tables::dataHead());
        db.insertRow("Head", {{"PassWord", "qbnW4R7"}});
        QTest::mouseClick(select, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QVERIFY(screen.folderChosen());
        QCOMPARE(m_app->session.dataPath, QStringLiteral("2016/"));
        QCOMPARE(hm("SELECT PathName1 FROM HeadM").toString(), QStringLiteral("2016/"));
        QCOMPARE(db.scalar("SELECT PassWord FROM Head").toString(), QStringLiteral("pvxT8M2"));
    }
};

} // namespace k9

QTEST_MAIN(k9::SettingsScreensTest)
#include "settingsscreens_test.moc"
