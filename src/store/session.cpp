// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/session.h"

#include <QDir>
#include <QFileInfo>

namespace k9 {

QString Session::resolve(const QString& typedPath) const {
    QString p = typedPath.trimmed();
    if (p.isEmpty())
        return QString();
    QString abs = QDir::isAbsolutePath(p) ? p : QDir(appDir).filePath(p);
    abs = QDir::cleanPath(abs);
    if (!abs.endsWith('/'))
        abs += '/';
    return abs;
}

QString Session::dataDir() const { return resolve(dataPath); }

void Session::openProgramFolder() {
    hm.open(QDir(appDir).filePath(QString::fromLatin1(kDatabaseFile)), Database::Kind::Program);
    hm.setWriteProtected(viewOnly == 1);
}

void Session::connectDatabases() {
    aaa.close();
    www.close();
    QDir().mkpath(dataDir());
    QDir().mkpath(workDir);
    aaa.open(dataDir() + QString::fromLatin1(kDatabaseFile), Database::Kind::Data);
    www.open(workDir + QString::fromLatin1(kDatabaseFile), Database::Kind::Work);
    aaa.setWriteProtected(viewOnly == 1);
    adjustingVoucherMode = 0;
    unsettledVoucherMode = 0;
}

void Session::setCurrentUnit(int unit, const QString& name) {
    currentUnit = unit;
    currentUnitText = QString::number(unit);
    currentUnitName = unit < 0 ? QString() : name;
    if (onCurrentUnitChanged)
        onCurrentUnitChanged();
}

void Session::setViewOnly(bool on) {
    viewOnly = on ? 1 : 0;
    hm.setWriteProtected(on);
    aaa.setWriteProtected(on);
}

} // namespace k9
