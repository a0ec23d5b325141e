// SPDX-License-Identifier: GPL-3.0-or-later
// The backup screen: remembered choices, the target follows the base folder and the method,
// "参照" keeps folders inside the program folder relative, "実　　行" runs or refuses the
// backup, and closing remembers the choices in HeadM.
#include "app/ui/backupdialog.h"
#include "store/prompter.h"
#include "support/fixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace k9;

namespace {

const QDateTime kAt(QDate(2016, 4, 25), QTime(10, 5));

// Saves a picture of the window when K9_GRAB_DIR names a folder (for looking at layouts).
void grab(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("K9_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w.grab().save(dir + '/' + name + ".png");
}

template <typename T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

struct Screen {
    test::SessionFixture f;
    RecordingPrompter prompter;
    std::unique_ptr<TBackup> dialog;
    void open() {
        dialog = std::make_unique<TBackup>(f.session, prompter);
        dialog->setClock([] { return kAt; });
    }
    QLineEdit* base() { return child<QLineEdit>(*dialog, "baseFolder"); }
    QLineEdit* target() { return child<QLineEdit>(*dialog, "target"); }
};

} // namespace

class BackupDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDataFolderAndTheRememberedChoices();
    void targetFollowsBaseFolderAndMethod_data();
    void targetFollowsBaseFolderAndMethod();
    void browseKeepsFoldersInsideTheProgramFolderRelative_data();
    void browseKeepsFoldersInsideTheProgramFolderRelative();
    void executeCopiesAndCloses();
    void executeRefusesAnInvalidTargetAndStays();
    void closingRemembersTheChoices();
};

void BackupDialogTest::showsTheDataFolderAndTheRememberedChoices() {
    Screen s;
    s.f.session.hm.insertRow("HeadM", {{"PathName2", "/media/usb/控え/"}, {"PM13", 1}});
    s.open();
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("データのバックアップ"));
    QCOMPARE(child<QLineEdit>(*s.dialog, "source")->text(), QStringLiteral("2015/"));
    QCOMPARE(s.base()->text(), QStringLiteral("/media/usb/控え/"));
    QVERIFY(child<QRadioButton>(*s.dialog, "overwrite")->isChecked());
    QCOMPARE(s.target()->text(), QStringLiteral("/media/usb/控え/"));
    QVERIFY(s.target()->isReadOnly());
    QVERIFY(
        child<QLabel>(*s.dialog, "help")->text().contains(QStringLiteral("CD-RW ,DVD-RWは使用できません。")));
    s.dialog->show();
    grab(*s.dialog, "backupdialog");
}

void BackupDialogTest::targetFollowsBaseFolderAndMethod_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QString>("expected");
    QTest::newRow("overwrite") << "/mnt/控え" << true << "/mnt/控え/";
    QTest::newRow("time series") << "/mnt/控え" << false << "/mnt/控え/2016年04月25日10時05分";
    QTest::newRow("doubled separator") << "//mnt/控え/" << true << "/mnt/控え/";
    QTest::newRow("relative") << "控え" << true << "<app>控え/";
    QTest::newRow("empty") << "" << true << "<home>/";
}

void BackupDialogTest::targetFollowsBaseFolderAndMethod() {
    QFETCH(QString, base);
    QFETCH(bool, overwrite);
    QFETCH(QString, expected);
    Screen s;
    s.open();
    expected.replace("<app>", s.f.session.appDir).replace("<home>", QDir::homePath());
    // Set the method first with a different base, so both signals must update the target.
    s.base()->setText("/elsewhere");
    child<QRadioButton>(*s.dialog, overwrite ? "overwrite" : "timeSeries")->click();
    s.base()->setText(base);
    QCOMPARE(s.target()->text(), expected);
    child<QRadioButton>(*s.dialog, overwrite ? "timeSeries" : "overwrite")->click();
    QVERIFY(s.target()->text() != expected);
    child<QRadioButton>(*s.dialog, overwrite ? "overwrite" : "timeSeries")->click();
    QCOMPARE(s.target()->text(), expected);
}

void BackupDialogTest::browseKeepsFoldersInsideTheProgramFolderRelative_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside") << "<app>控え"
                            << "控え/";
    QTest::newRow("outside") << "/media/usb"
                             << "/media/usb/";
    QTest::newRow("beside, same letters") << "<app-no-slash>x/控え"
                                          << "<app-no-slash>x/控え/";
}

void BackupDialogTest::browseKeepsFoldersInsideTheProgramFolderRelative() {
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    Screen s;
    s.open();
    const QString app = s.f.session.appDir;
    const QString appNoSlash = QDir::cleanPath(app);
    for (QString* t : {&chosen, &expected})
        t->replace("<app-no-slash>", appNoSlash).replace("<app>", app);
    s.prompter.paths.push_back(chosen);
    child<QPushButton>(*s.dialog, "browse")->click();
    QCOMPARE(s.base()->text(), expected);

    // Cancelling the folder dialog keeps the field.
    s.prompter.paths.push_back(std::nullopt);
    child<QPushButton>(*s.dialog, "browse")->click();
    QCOMPARE(s.base()->text(), expected);
}

void BackupDialogTest::executeCopiesAndCloses() {
    Screen s;
    s.open();
    const QString base = s.f.folders.path("控え/");
    s.base()->setText(base);
    child<QRadioButton>(*s.dialog, "timeSeries")->click();
    s.dialog->show();
    child<QPushButton>(*s.dialog, "execute")->click();
    const QString target = base + "2016年04月25日10時05分";
    QCOMPARE(s.prompter.texts(),
             QStringList{QStringLiteral("データのバックアップは終わりました。\n保存先は　") + target +
                         QStringLiteral("　のフォルダの中です。")});
    QVERIFY(QFileInfo::exists(target + "/2015/k9.db"));
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
    QVERIFY(!s.dialog->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void BackupDialogTest::executeRefusesAnInvalidTargetAndStays() {
    Screen s;
    s.open();
    s.base()->setText("/");
    s.dialog->show();
    child<QPushButton>(*s.dialog, "execute")->click();
    QCOMPARE(s.prompter.texts(),
             QStringList{QStringLiteral("保存先のデータパス名が正しくないので、確かめてください。")});
    QVERIFY(s.dialog->isVisible());
    QVERIFY(child<QPushButton>(*s.dialog, "execute")->isEnabled());
}

void BackupDialogTest::closingRemembersTheChoices() {
    Screen s;
    s.open();
    s.base()->setText("/media/usb/控え/");
    child<QRadioButton>(*s.dialog, "overwrite")->click();
    s.dialog->show();
    child<QPushButton>(*s.dialog, "close")->click();
    QVERIFY(!s.dialog->isVisible());
    auto& hm = s.f.session.hm;
    QCOMPARE(hm.scalar("SELECT PathName2 FROM HeadM").toString(), QStringLiteral("/media/usb/控え/"));
    QCOMPARE(hm.scalar("SELECT PM13 FROM HeadM").toInt(), 1);
}

QTEST_MAIN(BackupDialogTest)
#include "backupdialog_test.moc"
