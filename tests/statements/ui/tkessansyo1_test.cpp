// SPDX-License-Identifier: GPL-3.0-or-later
// The statements screen on a small unit after a totals run: the three tabs with their titles
// and figures, "０円科目の表示" with nothing chosen at first, the footnote editor with its
// template and CP932 file, the print dialog with Regist row 201 and its four layouts, the
// spreadsheet export, and the menu entry behind the period dialog.
#include "app/ui/menuscreens.h"
#include "engine/ui/tkikan.h"
#include "statements/statementsfixture.h"
#include "statements/ui/tcyuki.h"
#include "statements/ui/tkessansyo1.h"
#include "statements/ui/tkessansyopform.h"
#include "store/cp932.h"
#include "store/prompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace k9;

namespace {

struct Screen {
    test::StatementsUnit unit;
    RecordingPrompter prompter;
    std::vector<ReportDocument> shown;
    std::unique_ptr<Tkessansyo1> screen;

    Screen() {
        unit.runYear();
        screen = std::make_unique<Tkessansyo1>(unit.session, prompter);
        screen->setReportPresenter([this](QWidget*, const ReportDocument& doc) { shown.push_back(doc); });
        screen->resize(1280, 720);
    }

    QAbstractItemModel* model(StatementKind kind) const { return screen->grid(kind)->model(); }
    QStringList column(StatementKind kind, int c) const {
        QStringList out;
        for (int r = 0; r < model(kind)->rowCount(); ++r)
            out << model(kind)->index(r, c).data().toString();
        return out;
    }
    QString cell(StatementKind kind, const QString& name, int c) const {
        const int r = column(kind, 0).indexOf(name);
        return r < 0 ? QStringLiteral("<none>") : model(kind)->index(r, c).data().toString();
    }
    void click(const char* name) { screen->findChild<QPushButton*>(name)->click(); }
};

// Writes a picture of the widget to $K9_SCREENSHOT_DIR when it is set, for looking at.
void saveScreenshot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

QByteArray fileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class Tkessansyo1Test : public QObject {
    Q_OBJECT

private slots:
    void tabsShowTheStatementsWithTheirColumns() {
        Screen s;
        auto* tabs = s.screen->findChild<QTabWidget*>("tabs");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("貸借対照表"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("正味財産増減計算書"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("収支計算書"));
        QVERIFY(s.screen->windowTitle().startsWith(QStringLiteral("データパス名【")));
        QCOMPARE(s.screen->findChild<QLabel*>("period")->text(), QStringLiteral("2015/04/01 ～ 2016/03/31"));

        const auto header = [&](StatementKind k, int c) {
            return s.model(k)->headerData(c, Qt::Horizontal).toString();
        };
        QCOMPARE(header(StatementKind::BalanceSheet, 1), QStringLiteral("当年度"));
        QCOMPARE(header(StatementKind::BalanceSheet, 2), QStringLiteral("前年度"));
        QCOMPARE(header(StatementKind::NetAssets, 4), QStringLiteral("比"));
        QCOMPARE(header(StatementKind::Funds, 1), QStringLiteral("予    算"));
        QCOMPARE(header(StatementKind::Funds, 2), QStringLiteral("決    算"));
        // The balance sheet in (FlgC, code) order: debit-nature lines first.
        const QStringList bs = s.column(StatementKind::BalanceSheet, 0);
        QVERIFY(bs.indexOf(QStringLiteral("資産合計")) < bs.indexOf(QStringLiteral("　未払金")));
        QCOMPARE(s.cell(StatementKind::BalanceSheet, QStringLiteral("　現金"), 1), QStringLiteral("1,300"));
        QCOMPARE(s.cell(StatementKind::BalanceSheet, QStringLiteral("資産合計"), 1), QStringLiteral("2,250"));
        QCOMPARE(s.cell(StatementKind::Funds, QStringLiteral("会費収入"), 1), QStringLiteral("600"));
        QVERIFY(!s.screen->findChild<QPushButton*>("inventory")->isEnabled());
        saveScreenshot(*s.screen, QStringLiteral("tkessansyo1"));
    }

    void zeroLinesFilterOnlyOnceChosen() {
        Screen s;
        auto* show = s.screen->findChild<QRadioButton*>("zeroShow");
        auto* hide = s.screen->findChild<QRadioButton*>("zeroHide");
        QVERIFY(!show->isChecked() && !hide->isChecked());
        const QStringList all = s.column(StatementKind::BalanceSheet, 0);
        QVERIFY(all.contains(QStringLiteral("　仮払金")));
        hide->click();
        const QStringList shown = s.column(StatementKind::BalanceSheet, 0);
        QVERIFY(!shown.contains(QStringLiteral("　仮払金")));  // no balance, no opening balance
        QVERIFY(shown.contains(QStringLiteral("　什器備品"))); // opening balance only
        show->click();
        QCOMPARE(s.column(StatementKind::BalanceSheet, 0), all);
    }

    void footnoteEditorStartsFromTheTemplateAndWritesTheUnitFile() {
        Screen s;
        Session& session = s.unit.session;
        const QString templ = QDir(session.appDir).filePath(QStringLiteral("cyuki.txt"));
        writeFile(templ, cp932::encode(QStringLiteral("１．重要な会計方針\r\n２．基本財産の増減\r\n")));
        const QString unitFile = footnoteFile(session);
        QFile::remove(unitFile);

        // Closing without a change still writes the unit's file, from the template's text.
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* editor = qobject_cast<Tcyuki*>(&d);
            QVERIFY(editor);
            QCOMPARE(editor->findChild<QLabel*>("ruler")->text(),
                     QStringLiteral("１２３４５６７８９０").repeated(5));
            QCOMPARE(editor->editor()->toPlainText(),
                     QStringLiteral("１．重要な会計方針\n２．基本財産の増減\n"));
            d.accept();
        });
        s.click("footnotes");
        QCOMPARE(fileBytes(unitFile),
                 cp932::encode(QStringLiteral("１．重要な会計方針\r\n２．基本財産の増減\r\n")));

        // The unit's own file wins over the template; an unstorable character keeps the
        // editor open with the text, and the file as it was.
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* editor = qobject_cast<Tcyuki*>(&d);
            editor->editor()->setPlainText(QStringLiteral("注記 😀"));
            d.setModal(false);
            d.show();
            d.accept();
            QVERIFY(d.isVisible());
            QCOMPARE(s.prompter.shown.size(), std::size_t(1));
            editor->editor()->setPlainText(QStringLiteral("（注）担保に供している資産はない。"));
            d.accept();
            QVERIFY(!d.isVisible());
        });
        s.click("footnotes");
        QCOMPARE(fileBytes(unitFile), cp932::encode(QStringLiteral("（注）担保に供している資産はない。")));
        QCOMPARE(footnoteLines(session), QStringList{QStringLiteral("（注）担保に供している資産はない。")});
    }

    void printDialogKeepsRegist201AndPreviewsEveryLayout() {
        Screen s;
        Session& session = s.unit.session;
        StatementPrintSettings stored;
        stored.pageBreak = 0; // never on screen; must survive the dialog
        saveStatementPrintSettings(session.hm, stored);
        s.screen->setCurrentStatement(StatementKind::NetAssets);
        s.screen->setScreenRunner([&](QDialog& d) {
            auto* form = qobject_cast<TkessansyoPForm*>(&d);
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), QStringLiteral("決算書の印刷"));
            QCOMPARE(form->statement(), StatementKind::NetAssets);
            QVERIFY(!form->fundLayoutsShown());
            QVERIFY(form->majorZeroShown()); // "０円の科目" starts at 印刷しない
            form->findChild<QRadioButton*>("zeroLines0")->click();
            QVERIFY(!form->majorZeroShown());
            QVERIFY(form->firstPageShown());
            form->findChild<QRadioButton*>("pageNumbers1")->click();
            QVERIFY(!form->firstPageShown());
            form->findChild<QRadioButton*>("pageNumbers0")->click();
            form->findChild<QSpinBox*>("firstPage")->setValue(5);
            form->findChild<QRadioButton*>("range1")->click();
            form->findChild<QPushButton*>("printA")->click();
            form->findChild<QRadioButton*>("statement2")->click();
            QVERIFY(form->fundLayoutsShown());
            saveScreenshot(d, QStringLiteral("tkessansyopform"));
            for (const char* b : {"printA", "printB", "printC", "printD"})
                form->findChild<QPushButton*>(b)->click();
            form->accept();
        });
        s.click("print");
        QCOMPARE(s.shown.size(), std::size_t(5));
        QCOMPARE(s.shown[0].header.title, QStringLiteral("正 味 財 産 増 減 計 算 書"));
        QCOMPARE(s.shown[0].firstPageNumber, 5);
        QCOMPARE(pageFooterText(s.shown[0].footer, s.shown[0].firstPageNumber, 1), QStringLiteral("- 5 -"));
        QCOMPARE(s.shown[1].header.title, QStringLiteral("収　支　計　算　書"));
        QCOMPARE(s.shown[2].header.title, QStringLiteral("収  支  計  算  書"));
        QCOMPARE(s.shown[2].columns.back().caption, QStringLiteral("科目注記"));
        QCOMPARE(s.shown[3].columns[4].caption, QStringLiteral("摘　　　　　　　要"));
        QCOMPARE(s.shown[4].columns[2].caption, QStringLiteral("補正額合計"));

        const StatementPrintSettings after = loadStatementPrintSettings(session.hm);
        QCOMPARE(after.zeroLines, 0);
        QCOMPARE(after.range, 1);
        QCOMPARE(after.firstPage, 5);
        QCOMPARE(after.pageBreak, 0);
        QCOMPARE(session.printSmallAccounts, 1);

        // The next opening starts from the stored choices.
        s.screen->setScreenRunner(
            [&](QDialog& d) { QCOMPARE(qobject_cast<TkessansyoPForm*>(&d)->settings(), after); });
        s.click("print");
    }

    void spreadsheetExportWritesTheShownTab() {
        Screen s;
        s.screen->setCurrentStatement(StatementKind::Funds);
        s.click("exportSpreadsheet");
        const QDir dir(s.unit.session.workDir + QStringLiteral("xlsx"));
        QCOMPARE(dir.entryList({QStringLiteral("*.xlsx")}, QDir::Files).size(), 1);
        QVERIFY(s.screen->findChild<QPushButton*>("exportSpreadsheet")->isEnabled());
    }

    void menuEntryOpensTheScreenAfterThePeriodDialog() {
        test::StatementsUnit unit;
        RecordingPrompter prompter;
        QWidget parent;
        const MenuScreens screens = defaultMenuScreens();
        QVERIFY(bool(screens.statements));
        QString total;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Tkikan*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QPushButton*>("run")->click();
            QTimer::singleShot(0, [&] {
                auto* screen = qobject_cast<Tkessansyo1*>(QApplication::activeModalWidget());
                QVERIFY(screen);
                const QAbstractItemModel* m = screen->grid(StatementKind::BalanceSheet)->model();
                for (int r = 0; r < m->rowCount(); ++r)
                    if (m->index(r, 0).data().toString() == QStringLiteral("資産合計"))
                        total = m->index(r, 1).data().toString();
                screen->accept();
            });
        });
        screens.statements(&parent, unit.session, prompter);
        QCOMPARE(total, QStringLiteral("2,250"));
        QVERIFY2(prompter.shown.empty(), qPrintable(prompter.texts().join('\n')));
    }
};

QTEST_MAIN(Tkessansyo1Test)
#include "tkessansyo1_test.moc"
