// SPDX-License-Identifier: GPL-3.0-or-later
// One running program per program folder: a second start finds the first and asks it to
// raise its window; other program folders are not affected.
#include "app/ui/singleinstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace k9 {

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartRaisesTheFirst();
    void otherProgramFolderRunsOnItsOwn();
};

void SingleInstanceTest::secondStartRaisesTheFirst() {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QVERIFY(!first.notifyRunning());
    QVERIFY(first.listen());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(dir.path() + QStringLiteral("/"));
    QVERIFY(second.notifyRunning());
    QVERIFY(raised.wait(2000));
    QCOMPARE(raised.count(), 1);
}

void SingleInstanceTest::otherProgramFolderRunsOnItsOwn() {
    QTemporaryDir one;
    QTemporaryDir two;
    QVERIFY(SingleInstance::serverName(one.path()) != SingleInstance::serverName(two.path()));
    SingleInstance first(one.path());
    QVERIFY(first.listen());
    SingleInstance other(two.path());
    QVERIFY(!other.notifyRunning());
}

} // namespace k9

QTEST_MAIN(k9::SingleInstanceTest)
#include "singleinstance_test.moc"
