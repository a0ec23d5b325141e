// SPDX-License-Identifier: GPL-3.0-or-later
// The unit register screen on the offscreen platform: its controls, the unit grid (Enter to
// the next row, refused text kept for correction), the template choice and "実　行", the
// hidden "科目編集", the cancel button, and the move and delete buttons.
#include "app/gridmodel.h"
#include "app/registermessages.h"
#include "app/ui/hiddenarea.h"
#include "app/ui/registergrid.h"
#include "app/ui/tbumon.h"
#include "app/unitfixture.h"
#include "store/prompter.h"

#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace k9 {

class TBumonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::UnitFolder> m_folder;
    RecordingPrompter m_prompter;

    template <typename T> static T* child(QWidget& w, const QString& name) {
        T* c = w.findChild<T*>(name);
        if (!c)
            qFatal("no child %s", qPrintable(name));
        return c;
    }
    QStringList names(int from, int to) {
        return m_folder->rows(
            QStringLiteral("SELECT COALESCE(Bumonmei, '') FROM BUMON WHERE code BETWEEN %1 AND %2 "
                           "ORDER BY code")
                .arg(from)
                .arg(to));
    }
    void show(TBumon& screen) {
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
    }

private slots:
    void init() {
        m_folder = std::make_unique<test::UnitFolder>();
        m_prompter = RecordingPrompter();
    }

    void showsItsControlsAndUnits() {
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        QCOMPARE(screen.windowTitle(), QStringLiteral("部門登録"));
        auto* grid = child<RegisterGridView>(screen, "unitGrid");
        auto* model = qobject_cast<TableGridModel*>(grid->model());
        QVERIFY(model);
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 19);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("会計の名称"));
        QCOMPARE(model->index(2, 1).data().toString(), QStringLiteral("本部会計"));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);

        auto* choice = child<QGroupBox>(screen, "templateChoice");
        QCOMPARE(choice->title(), QStringLiteral("選　択"));
        QCOMPARE(choice->toolTip(), msg::templateChoiceHint());
        QVERIFY(!choice->isEnabled()); // the folder already has a chart
        QStringList titles;
        for (auto* radio : choice->findChildren<QRadioButton*>())
            titles << radio->text();
        QCOMPARE(titles,
                 (QStringList{"標準科目マスタ（雛型）", "簡易科目マスタ（雛型）", "NPO法人科目マスタ"}));
        QCOMPARE(child<QPushButton>(screen, "executeButton")->text(), QStringLiteral("実　行"));
        QVERIFY(!child<QPushButton>(screen, "editTemplateButton")->isVisible());
        QCOMPARE(child<QPushButton>(screen, "cancelButton")->toolTip(), msg::registerCancelHint());
        QCOMPARE(child<QPushButton>(screen, "moveButton")->text(), QStringLiteral("部門移動の実行"));
        QCOMPARE(child<QPushButton>(screen, "deleteButton")->text(), QStringLiteral("部門削除"));

        const QString shots = qEnvironmentVariable("K9_SCREENSHOTS");
        if (!shots.isEmpty())
            QVERIFY(screen.grab().save(shots + QStringLiteral("/tbumon.png")));
    }

    void enterInTheNameColumnMovesToTheNextRow() {
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        auto* grid = child<RegisterGridView>(screen, "unitGrid");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        grid->edit(grid->currentIndex());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(QStringLiteral("総務会計"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->currentIndex().column(), 1);
        QCOMPARE(names(1, 1), QStringList{"総務会計"});
        QVERIFY(screen.unitsChanged());
        QVERIFY(m_prompter.shown.empty());
    }

    void aRefusedNameStaysInTheEditor() {
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        auto* grid = child<RegisterGridView>(screen, "unitGrid");
        const QModelIndex cell = grid->model()->index(2, 1);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        const QString typed = QStringLiteral("会計\U0001F600");
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_prompter.shown.size(), size_t(1));
        QCOMPARE(m_prompter.shown.front().icon, MessageIcon::Error);
        QCOMPARE(names(3, 3), QStringList{"本部会計"});
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), typed);
        QCOMPARE(grid->currentIndex(), cell);
    }

    void moveAndDeleteButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("names3to5");
        QTest::addColumn<QString>("lastText");
        QTest::newRow("move 3 to 5") << "move"
                                     << "3"
                                     << "5" << QStringList{"事業会計", "", "本部会計"}
                                     << msg::unitMoveQuestion();
        QTest::newRow("move to 0") << "move"
                                   << "0"
                                   << "5" << QStringList{"本部会計", "", "事業会計"}
                                   << msg::invalidUnitNumbers();
        QTest::newRow("delete 4 to 5")
            << "delete"
            << "4"
            << "5" << QStringList{"本部会計", "", ""} << msg::allocationStillSet({"5"});
        QTest::newRow("delete 20") << "delete"
                                   << "3"
                                   << "20" << QStringList{"本部会計", "", "事業会計"}
                                   << msg::invalidUnitNumbers();
    }

    void moveAndDeleteButtons() {
        QFETCH(QString, button);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, names3to5);
        QFETCH(QString, lastText);
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        const QString& prefix = button;
        auto* fromField = child<QLineEdit>(screen, prefix + "From");
        auto* toField = child<QLineEdit>(screen, prefix + "To");
        QTest::keyClicks(fromField, from);
        fromField->setFocus();
        QTest::keyClick(fromField, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), toField);
        toField->setText(to);
        QTest::mouseClick(child<QPushButton>(screen, prefix + "Button"), Qt::LeftButton);
        QCOMPARE(m_prompter.last(), lastText);
        QCOMPARE(names(3, 5), names3to5);
        auto* grid = child<RegisterGridView>(screen, "unitGrid");
        QCOMPARE(grid->model()->index(2, 1).data().toString(), names3to5.front());
        QCOMPARE(grid->currentIndex().row(), 0);
        QVERIFY(child<QPushButton>(screen, "moveButton")->isEnabled());
        QCOMPARE(screen.isVisible(), true);
    }

    void executeCopiesTheChosenTemplateIntoAnEmptyFolder() {
        m_folder->session.aaa.run(QStringLiteral("DELETE FROM kamoku"));
        m_folder->makeTemplate(1);
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        auto* choice = child<QGroupBox>(screen, "templateChoice");
        QVERIFY(choice->isEnabled());
        choice->findChildren<QRadioButton*>().at(1)->click();
        QTest::mouseClick(child<QPushButton>(screen, "executeButton"), Qt::LeftButton);
        QCOMPARE(m_prompter.texts(), (QStringList{msg::templateQuestion(), msg::chartPrepared()}));
        QCOMPARE(screen.outcome(), RegisterOutcome::ChartPrepared);
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QVERIFY(!screen.isVisible());
        QCOMPARE(m_folder->rows(QStringLiteral("SELECT count(*) FROM kamoku")), QStringList{"2"});
        QVERIFY(choice->findChildren<QRadioButton*>().at(0)->isChecked());
    }

    void theHiddenAreaOffersTemplateEditing() {
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        auto* edit = child<QPushButton>(screen, "editTemplateButton");
        QTest::mouseDClick(child<HiddenArea>(screen, "revealArea"), Qt::LeftButton);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->toolTip(), msg::editTemplateHint());
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(screen.outcome(), RegisterOutcome::EditTemplate);
        QVERIFY(m_folder->session.templateDir.endsWith(QStringLiteral("/Data1/")));
        QVERIFY(!screen.isVisible());
    }

    void cancelClearsTheTemplateFolder() {
        m_folder->session.templateDir = QStringLiteral("/somewhere/Data2/");
        TBumon screen(m_folder->session, m_prompter);
        show(screen);
        QTest::mouseClick(child<QPushButton>(screen, "cancelButton"), Qt::LeftButton);
        QCOMPARE(screen.outcome(), RegisterOutcome::None);
        QCOMPARE(screen.result(), int(QDialog::Rejected));
        QVERIFY(m_folder->session.templateDir.isEmpty());
    }
};

} // namespace k9

QTEST_MAIN(k9::TBumonTest)
#include "tbumon_test.moc"
