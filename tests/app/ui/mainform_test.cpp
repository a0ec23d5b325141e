// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: start-up, the buttons of each tab, the buttons
// shown for the consolidated total and for a unit, the view-only lock, the unit check of
// unit-bound buttons, and the screens the menu opens.
#include "app/messages.h"
#include "app/startup.h"
#include "app/ui/mainform.h"
#include "store/prompter.h"
#include "store/session.h"
#include "support/fixture.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace k9 {
namespace {

const QStringList kViewOnlyLocked = {"振替仕訳入力",      "現金・預金入力",     "会計期首",
                                     "繰越金設定",        "予算設定",           "前年度実績",
                                     "新年度更新処理",    "バックアップコピー", "部門データの入力・出力",
                                     "部門登録",          "勘定科目設定",       "按 分 割 合",
                                     "破損ファイルの修復"};

const QStringList kNeedsUnit = {"振替仕訳入力", "現金・預金入力", "総勘定元帳", "資金収支元帳",
                                "試  算  表",   "月別集計",       "決  算  書", "消費税計算"};

// A program folder with the data folder 2015/ and two named units, and a main window on it
// with the program's screens; the login dialog answers `password`.
struct Shell {
    test::TempFolders folders;
    Session session;
    RecordingPrompter prompter;
    MenuScreens screens = defaultMenuScreens();
    QString password = QStringLiteral("5807");
    std::unique_ptr<TMainForm> form;

    explicit Shell(bool withProgramFolder = true) {
        if (withProgramFolder) {
            prepareProgramFolder(folders.appDir());
            Database hm;
            hm.open(folders.appDir() + QStringLiteral("k9.db"), Database::Kind::Program);
            hm.updateRows(QStringLiteral("HeadM"),
                          {{QStringLiteral("PathName1"), QStringLiteral("2015/")},
                           {QStringLiteral("PM4"), 22222},
                           {QStringLiteral("法人名"), QStringLiteral("社団法人テスト会")}},
                          QString());
            QDir().mkpath(folders.path(QStringLiteral("2015")));
        }
        session.appDir = folders.appDir();
        screens.password = [this](QWidget*) -> std::optional<QString> { return password; };
    }

    bool start() {
        form = std::make_unique<TMainForm>(session, prompter, screens);
        form->setToday(QDate(2016, 1, 15));
        const bool started = form->activate();
        if (started) {
            Database::Exemption setup(session.aaa);
            session.aaa.run(QStringLiteral(
                "UPDATE \"BUMON\" SET \"Bumonmei\" = '一般会計', \"F1\" = 1 WHERE \"code\" = 1"));
            session.aaa.run(
                QStringLiteral("UPDATE \"BUMON\" SET \"Bumonmei\" = '小計', \"F1\" = 2 WHERE \"code\" = 2"));
            form->runInit();
        }
        return started;
    }

    QPushButton* button(const QString& caption) const {
        for (auto* b : form->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }
    bool shown(const QString& caption) const { return button(caption)->isVisibleTo(form.get()); }
    QRadioButton* entry(int i) const {
        return form->findChild<QRadioButton*>(QStringLiteral("unitEntry%1").arg(i));
    }
};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheMainMenu();
    void everyButtonOfEveryTab_data();
    void everyButtonOfEveryTab();
    void buttonsForTheChosenEntry_data();
    void buttonsForTheChosenEntry();
    void refusedEntryShowsItsMessage();
    void viewOnlyLocksTheListedButtons_data();
    void viewOnlyLocksTheListedButtons();
    void unitButtonWithoutUnitShowsTheMessage_data();
    void unitButtonWithoutUnitShowsTheMessage();
    void unitButtonWithUnitOpensItsScreen();
    void menuFollowsTheUnitAScreenSelected();
    void startupRefusals_data();
    void startupRefusals();
    void missingDataFolderOpensTheDataPathDialog_data();
    void missingDataFolderOpensTheDataPathDialog();
    void dataPathButtonRunsInit();
    void repairAsksFirst_data();
    void repairAsksFirst();
    void unitRegisterFollowUps_data();
    void unitRegisterFollowUps();
};

void MainFormTest::startsOnTheMainMenu() {
    Shell shell;
    QVERIFY(shell.start());
    TMainForm& form = *shell.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("新公益法人会計K9"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("banner"))->text(),
             QStringLiteral("公益法人かなめ会計[K9]"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("corporationName"))->text(),
             QStringLiteral("社団法人テスト会"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("dataPathLabel"))->text(),
             QStringLiteral("データパス名【2015/】"));
    QCOMPARE(form.tabs()->currentIndex(), int(TMainForm::MainTab));
    QCOMPARE(form.tabs()->tabText(0), QStringLiteral("初期設定メニュー"));
    QCOMPARE(form.tabs()->tabText(1), QStringLiteral("メインメニュー"));
    QCOMPARE(form.tabs()->tabText(2), QStringLiteral("補助作業メニュー"));
    QCOMPARE(shell.entry(0)->text(), QStringLiteral("合　計"));
    QCOMPARE(shell.entry(1)->text(), QStringLiteral("一般会計"));
    QCOMPARE(form.selectedUnitEntry(), -1);
    QCOMPARE(shell.session.currentUnit, -1);
    QVERIFY(shell.prompter.shown.empty());
    QVERIFY(!shell.shown(QStringLiteral("合計処理")));
    QVERIFY(!shell.shown(QStringLiteral("総　括　表")));
    QVERIFY(shell.shown(QStringLiteral("試  算  表")));
}

void MainFormTest::everyButtonOfEveryTab_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    const QList<QPair<QString, QString>> buttons = {
        {"会計期首", ""},
        {"繰越金設定", ""},
        {"予算設定", ""},
        {"勘定科目設定", "勘定科目のカスタマイズが出来ます。"},
        {"按 分 割 合", "不要の場合は、何もしないでください。"},
        {"部門登録", "会計部門（経理区分）等を設定します。"},
        {"データパス名", "データの保存先を設定します。"},
        {"前年度実績", ""},
        {"振替仕訳入力", ""},
        {"現金・預金入力", ""},
        {"合計処理", ""},
        {"総勘定元帳", ""},
        {"資金収支元帳", ""},
        {"試  算  表", ""},
        {"月別集計", ""},
        {"決  算  書", ""},
        {"四半期報告書", ""},
        {"総　括　表", ""},
        {"消費税計算", ""},
        {"バックアップコピー", ""},
        {"会計の登録＆変更", ""},
        {"新年度更新処理", ""},
        {"破損ファイルの修復", ""},
        {"部門データの入力・出力", ""},
        {"Z8変換CSV出力", ""},
    };
    for (const auto& [caption, hint] : buttons)
        QTest::newRow(caption.toUtf8().constData()) << caption << hint;
}

void MainFormTest::everyButtonOfEveryTab() {
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    Shell shell;
    QVERIFY(shell.start());
    QPushButton* b = shell.button(caption);
    QVERIFY2(b, qPrintable(caption));
    QCOMPARE(b->toolTip(), hint);
}

void MainFormTest::buttonsForTheChosenEntry_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("cashHidden");
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<bool>("cash");
    QTest::addColumn<bool>("consolidation");
    QTest::addColumn<bool>("reports");
    QTest::addColumn<int>("transferHeight");
    QTest::newRow("total") << 0 << false << false << false << true << false << 40;
    QTest::newRow("unit") << 1 << false << true << true << false << true << 40;
    QTest::newRow("unit, cash entry hidden") << 1 << true << true << false << false << true << 50;
    QTest::newRow("total, cash entry hidden") << 0 << true << false << false << true << false << 50;
}

void MainFormTest::buttonsForTheChosenEntry() {
    QFETCH(int, entry);
    QFETCH(bool, cashHidden);
    QFETCH(bool, transfer);
    QFETCH(bool, cash);
    QFETCH(bool, consolidation);
    QFETCH(bool, reports);
    QFETCH(int, transferHeight);
    Shell shell;
    if (cashHidden) {
        prepareProgramFolder(shell.folders.appDir());
        Database hm;
        hm.open(shell.folders.appDir() + QStringLiteral("k9.db"), Database::Kind::Program);
        hm.insertRow(QStringLiteral("Regist"), {{QStringLiteral("ID"), 400}, {QStringLiteral("P1"), 1}});
    }
    QVERIFY(shell.start());
    shell.entry(entry)->click();
    QCOMPARE(shell.form->selectedUnitEntry(), entry);
    QVERIFY(shell.prompter.shown.empty());
    QCOMPARE(shell.shown(QStringLiteral("振替仕訳入力")), transfer);
    QCOMPARE(shell.shown(QStringLiteral("現金・預金入力")), cash);
    QCOMPARE(shell.shown(QStringLiteral("合計処理")), consolidation);
    QCOMPARE(shell.shown(QStringLiteral("総　括　表")), false);
    for (const char* report :
         {"総勘定元帳", "資金収支元帳", "試  算  表", "月別集計", "決  算  書", "四半期報告書"})
        QCOMPARE(shell.shown(QString::fromUtf8(report)), reports);
    QCOMPARE(shell.button(QStringLiteral("振替仕訳入力"))->height(), transferHeight);

    // Leaving the list makes the entry the current unit.
    shell.button(QStringLiteral("消費税計算"))->click();
    QCOMPARE(shell.session.currentUnit, entry);
    QCOMPARE(shell.session.currentUnitName, shell.entry(entry)->text());
    QVERIFY(shell.prompter.shown.empty());
}

void MainFormTest::refusedEntryShowsItsMessage() {
    Shell shell;
    QVERIFY(shell.start());
    shell.entry(2)->click();
    QCOMPARE(shell.prompter.texts(), QStringList{msg::subtotalUnit()});
    QCOMPARE(shell.form->selectedUnitEntry(), -1);
    shell.prompter.clear();
    shell.entry(5)->click(); // no name
    QCOMPARE(shell.form->selectedUnitEntry(), -1);
    shell.button(QStringLiteral("試  算  表"))->click();
    QCOMPARE(shell.prompter.texts(), QStringList{msg::unitNotSelected()});
}

void MainFormTest::viewOnlyLocksTheListedButtons_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("viewOnly");
    QTest::newRow("user") << QStringLiteral("5807") << false;
    QTest::newRow("view only") << QStringLiteral("22222") << true;
}

void MainFormTest::viewOnlyLocksTheListedButtons() {
    QFETCH(QString, password);
    QFETCH(bool, viewOnly);
    Shell shell;
    shell.password = password;
    QVERIFY(shell.start());
    QCOMPARE(shell.session.viewOnly, viewOnly ? 1 : 0);
    for (const QString& caption : kViewOnlyLocked) {
        QPushButton* b = shell.button(caption);
        QVERIFY2(b, qPrintable(caption));
        if (viewOnly)
            QVERIFY2(!b->isEnabled(), qPrintable(caption));
    }
    // Entry buttons work for the user; reports stay usable in both modes.
    QCOMPARE(shell.button(QStringLiteral("振替仕訳入力"))->isEnabled(), !viewOnly);
    QCOMPARE(shell.button(QStringLiteral("破損ファイルの修復"))->isEnabled(), !viewOnly);
    for (const char* report :
         {"総勘定元帳", "資金収支元帳", "試  算  表", "月別集計", "決  算  書", "消費税計算"})
        QVERIFY2(shell.button(QString::fromUtf8(report))->isEnabled(), report);
    QVERIFY(shell.button(QStringLiteral("データパス名"))->isEnabled());
}

void MainFormTest::unitButtonWithoutUnitShowsTheMessage_data() {
    QTest::addColumn<QString>("caption");
    for (const QString& caption : kNeedsUnit)
        QTest::newRow(caption.toUtf8().constData()) << caption;
}

void MainFormTest::unitButtonWithoutUnitShowsTheMessage() {
    QFETCH(QString, caption);
    Shell shell;
    bool opened = false;
    auto open = [&opened](QWidget*, Session&, Prompter&) { opened = true; };
    for (auto* screen : {&shell.screens.transferEntry, &shell.screens.cashEntry, &shell.screens.generalLedger,
                         &shell.screens.fundLedger, &shell.screens.trialBalance, &shell.screens.monthlyTotals,
                         &shell.screens.statements, &shell.screens.taxCollection})
        *screen = open;
    QVERIFY(shell.start());
    QPushButton* b = shell.button(caption);
    QVERIFY(b->isEnabled());
    b->click();
    QCOMPARE(shell.prompter.texts(), QStringList{msg::unitNotSelected()});
    QVERIFY(!opened);
}

void MainFormTest::unitButtonWithUnitOpensItsScreen() {
    Shell shell;
    int opened = 0;
    QString cwdInScreen;
    shell.screens.trialBalance = [&](QWidget*, Session& s, Prompter&) {
        ++opened;
        s.adjustingVoucherMode = 2;
        QDir::setCurrent(QDir::tempPath());
    };
    QVERIFY(shell.start());
    shell.entry(1)->click();
    shell.button(QStringLiteral("試  算  表"))->click();
    QCOMPARE(opened, 1);
    QVERIFY(shell.prompter.shown.empty());
    QCOMPARE(shell.session.currentUnit, 1);
    QCOMPARE(shell.session.adjustingVoucherMode, 0);
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), shell.session.appDir);
}

void MainFormTest::menuFollowsTheUnitAScreenSelected() {
    Shell shell;
    shell.screens.trialBalance = [&](QWidget*, Session& s, Prompter&) {
        s.setCurrentUnit(2, QStringLiteral("小計"));
    };
    QVERIFY(shell.start());
    shell.entry(1)->click();
    shell.button(QStringLiteral("試  算  表"))->click();
    QCOMPARE(shell.session.currentUnit, 2);
    QCOMPARE(shell.form->selectedUnitEntry(), 2);
}

void MainFormTest::startupRefusals_data() {
    QTest::addColumn<bool>("programFolder");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("no HeadM") << false << QStringLiteral("5807") << msg::noProgramFolder();
    QTest::newRow("wrong password") << true << QStringLiteral("1111") << msg::wrongPassword();
}

void MainFormTest::startupRefusals() {
    QFETCH(bool, programFolder);
    QFETCH(QString, password);
    QFETCH(QString, message);
    Shell shell(programFolder);
    shell.password = password;
    QVERIFY(!shell.start());
    QCOMPARE(shell.prompter.texts(), QStringList{message});
    QVERIFY(!QFileInfo::exists(shell.folders.appDir() + QStringLiteral("WKData")));
}

void MainFormTest::missingDataFolderOpensTheDataPathDialog_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("中断") << false;
}

void MainFormTest::missingDataFolderOpensTheDataPathDialog() {
    QFETCH(bool, accept);
    Shell shell;
    QDir(shell.folders.path(QStringLiteral("2015"))).removeRecursively();
    int asked = 0;
    shell.screens.dataPath = [&](QWidget*, Session& s, Prompter&) {
        ++asked;
        if (accept)
            s.dataPath = QStringLiteral("2016/");
        return accept;
    };
    QCOMPARE(shell.start(), accept);
    QCOMPARE(asked, 1);
    if (!accept)
        return;
    QCOMPARE(shell.form->tabs()->currentIndex(), int(TMainForm::SettingsTab));
    QVERIFY(QFileInfo(shell.folders.path(QStringLiteral("2016/k9.db"))).isFile());
    QCOMPARE(shell.form->findChild<QLabel*>(QStringLiteral("dataPathLabel"))->text(),
             QStringLiteral("データパス名【2016/】"));
}

void MainFormTest::dataPathButtonRunsInit() {
    Shell shell;
    shell.screens.dataPath = [&](QWidget*, Session& s, Prompter&) {
        s.dataPath = QStringLiteral("2017/");
        return true;
    };
    QVERIFY(shell.start());
    shell.entry(1)->click();
    shell.button(QStringLiteral("データパス名"))->click();
    QCOMPARE(shell.form->selectedUnitEntry(), -1);
    QCOMPARE(shell.session.currentUnit, -1);
    QCOMPARE(shell.entry(1)->text(), QString());
    QCOMPARE(shell.form->findChild<QLabel*>(QStringLiteral("dataPathLabel"))->text(),
             QStringLiteral("データパス名【2017/】"));
    QCOMPARE(shell.session.www.scalar(QStringLiteral("SELECT \"自期日\" || ' ' || \"至期日\" FROM \"Head\""))
                 .toString(),
             QStringLiteral("2015-04-01 2016-03-31"));
}

void MainFormTest::repairAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("repairs");
    QTest::newRow("yes") << int(Answer::Yes) << 1;
    QTest::newRow("no") << int(Answer::No) << 0;
}

void MainFormTest::repairAsksFirst() {
    QFETCH(int, answer);
    QFETCH(int, repairs);
    Shell shell;
    int repaired = 0;
    shell.screens.repair = [&](QWidget*, Session&, Prompter&) { ++repaired; };
    QVERIFY(shell.start());
    shell.prompter.answers.push_back(Answer(answer));
    shell.button(QStringLiteral("破損ファイルの修復"))->click();
    QCOMPARE(shell.prompter.texts(), QStringList{msg::repairQuestion()});
    QCOMPARE(shell.prompter.shown.front().icon, MessageIcon::Warning);
    QCOMPARE(repaired, repairs);
}

void MainFormTest::unitRegisterFollowUps_data() {
    QTest::addColumn<bool>("prepared");
    QTest::addColumn<QString>("templateDir");
    QTest::addColumn<QStringList>("editorOpenedOn");
    QTest::newRow("closed") << false << QString() << QStringList{};
    QTest::newRow("first chart prepared") << true << QString() << QStringList{QString()};
    QTest::newRow("template edit") << false << QStringLiteral("/app/Data2/")
                                   << QStringList{QStringLiteral("/app/Data2/")};
}

void MainFormTest::unitRegisterFollowUps() {
    QFETCH(bool, prepared);
    QFETCH(QString, templateDir);
    QFETCH(QStringList, editorOpenedOn);
    Shell shell;
    shell.session.templateDir = QStringLiteral("/stale/");
    shell.screens.unitRegister = [&](QWidget*, Session& s, Prompter&) {
        if (!s.templateDir.isEmpty())
            return false; // a template left over from before must not reach the register
        s.templateDir = templateDir;
        return prepared;
    };
    QStringList opened;
    shell.screens.chartOfAccounts = [&](QWidget*, Session& s, Prompter&) { opened << s.templateDir; };
    QVERIFY(shell.start());
    shell.button(QStringLiteral("部門登録"))->click();
    QCOMPARE(opened, editorOpenedOn);
    QVERIFY(shell.session.templateDir.isEmpty());
}

} // namespace k9

QTEST_MAIN(k9::MainFormTest)
#include "mainform_test.moc"
