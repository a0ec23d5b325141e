// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "chart/templates.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>

namespace k9 {

bool hasProgramFolder(const QString& appDir) {
    QString file = QDir(appDir).filePath(QString::fromLatin1(kDatabaseFile));
    if (!QFileInfo(file).isFile())
        return false;
    Database hm;
    hm.open(file, Database::Kind::Program);
    return hm.tableExists(QStringLiteral("HeadM"));
}

namespace {

// Builds the chart templates Data1..Data3 that the program folder lacks. A template that
// exists is left alone: the chart screen may have edited it.
void installMissingTemplates(const QString& appDir) {
    QString sourceRoot;
    for (const auto& t : chartTemplates()) {
        const QString file = templateDatabaseFile(appDir, t.folder);
        if (QFileInfo(file).isFile())
            continue;
        if (sourceRoot.isEmpty())
            sourceRoot = templateSourceRoot();
        if (sourceRoot.isEmpty())
            throw K9Error(QStringLiteral("科目マスタの雛型（templates フォルダ）が見つかりません。"));
        buildTemplateDatabase(QDir(sourceRoot).filePath(t.folder), file);
    }
}

} // namespace

void prepareProgramFolder(const QString& appDir) {
    if (!QDir().mkpath(appDir))
        throw K9Error(QStringLiteral("プログラムフォルダ %1 を作成できません。").arg(appDir));
    Database hm;
    hm.open(QDir(appDir).filePath(QString::fromLatin1(kDatabaseFile)), Database::Kind::Program);
    {
        Transaction tx(hm);
        if (!hm.tableExists(QStringLiteral("HeadM")))
            createTable(hm, tables::headM());
        if (hm.rowCount(QStringLiteral("HeadM")) == 0)
            hm.insertRow(QStringLiteral("HeadM"), {{QStringLiteral("PM4"), 0},
                                                   {QStringLiteral("PM5"), 0},
                                                   {QStringLiteral("PM8"), 0},
                                                   {QStringLiteral("PathName1"), QString()}});
        tx.commit();
    }
    programFolderSchema(hm);
    installMissingTemplates(appDir);
}

void beginStartup(Session& session) {
    session.programCode = QString::fromLatin1(kProgramCode);
    session.corporationLabel = QStringLiteral("法人名");
    session.unitLabel = QStringLiteral("部門区分");
    session.newStandardMode = 1;
    session.maxUnitIndex = 19;
}

QString withTrailingSlash(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

void readProgramSettings(Session& session) {
    auto st = session.hm.prepare(QStringLiteral("SELECT \"PathName1\", \"PM8\" FROM \"HeadM\" LIMIT 1"));
    QString path;
    int rights = 0;
    if (st.step()) {
        path = st.text(0).trimmed();
        rights = static_cast<int>(st.integer(1));
    }
    session.dataPath = withTrailingSlash(path);
    session.rightsMode = rights;
}

bool dataPathMissing(const Session& session) {
    return session.dataPath.isEmpty() || !QFileInfo(session.dataDir()).isDir();
}

} // namespace k9
