// SPDX-License-Identifier: GPL-3.0-or-later
// The session, the unit and the totals run of the batch verbs.
#include "app/batchtotals.h"

#include "app/datafolder.h"
#include "app/init.h"
#include "app/startup.h"
#include "app/unitselection.h"
#include "store/csv.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>

namespace k9 {

void openBatchSession(Session& session, const QString& appDir, const QString& dataPath, const QDate& today) {
    if (!hasProgramFolder(appDir))
        throw K9Error(QStringLiteral("「%1」はプログラムフォルダではありません。").arg(appDir));
    session.appDir = withTrailingSlash(appDir);
    session.openProgramFolder();
    beginStartup(session);
    programFolderSchema(session.hm);
    readProgramSettings(session);

    const QString path = withTrailingSlash(dataPath.trimmed());
    if (path.isEmpty())
        throw K9Error(QStringLiteral("--data PATH を指定してください。"));
    const QString folder = session.resolve(path);
    const QString missing = QStringLiteral("データフォルダ「%1」がありません。").arg(folder);
    if (!QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(kDatabaseFile))))
        throw K9Error(missing);
    const DataFolderCheck check = checkAndStampDataFolder(folder, session.programCode);
    if (check != DataFolderCheck::Accepted)
        throw K9Error(dataFolderCheckMessage(check, missing));
    session.dataPath = path;
    const InitResult result = runInit(session, today);
    if (!result.ok())
        throw K9Error(result.message());
}

void selectBatchUnit(Session& session, int unit) {
    if (unit < 1 || unit > session.maxUnitIndex)
        throw K9Error(QStringLiteral("会計番号は 1～%1 で指定してください。").arg(session.maxUnitIndex));
    const QString name =
        session.aaa.scalar(QStringLiteral("SELECT \"Bumonmei\" FROM \"BUMON\" WHERE \"code\"=?1"), {unit})
            .toString()
            .trimmed();
    if (name.isEmpty())
        throw K9Error(QStringLiteral("会計 %1 は登録されていません。").arg(unit));
    // No login in batch mode: the access codes of the rights mode are not asked for.
    const int rights = session.rightsMode;
    session.rightsMode = 0;
    const UnitClick click = clickUnitEntry(session, MainMenuState{}, unit, name, false);
    session.rightsMode = rights;
    if (!click.selected)
        throw K9Error(click.message.isEmpty() ? QStringLiteral("会計 %1 は選択できません。").arg(unit)
                                              : click.message);
    leaveUnitList(session, unit, name);
}

const QStringList& totalsTables() {
    static const QStringList tables = {QStringLiteral("kamoku"), QStringLiteral("kamoku2"),
                                       QStringLiteral("hojokamoku")};
    return tables;
}

void runTotalsToCsv(Session& session, const PeriodChoice& choice, const QString& outDir, Prompter& prompter) {
    runTotals(session, choice);
    if (!QDir().mkpath(outDir))
        throw K9Error(QStringLiteral("フォルダ「%1」を作れません。").arg(outDir));
    for (const QString& table : totalsTables()) {
        const QString file = QDir(outDir).filePath(table + QStringLiteral(".csv"));
        if (!exportTableCsv(session.www, table, file, prompter))
            throw K9Error(QStringLiteral("「%1」の書き出しを中止しました。").arg(file));
    }
}

} // namespace k9
