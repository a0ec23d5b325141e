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

#include <QCommandLineParser>
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

bool parseBatchArguments(QCommandLineParser& parser, const QStringList& args, QTextStream& err) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(args)) {
        err << parser.errorText() << '\n';
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QStringLiteral("余分な引数があります: ") << parser.positionalArguments().join(' ') << '\n';
        return false;
    }
    return true;
}

void TotalsVerbOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({data, unit, from, to, adjusting, unsettled});
}

std::optional<TotalsRequest> TotalsVerbOptions::read(const QCommandLineParser& parser,
                                                     QTextStream& err) const {
    TotalsRequest r;
    r.dataPath = parser.value(data).trimmed();
    if (r.dataPath.isEmpty()) {
        err << QStringLiteral("--data PATH を指定してください。") << '\n';
        return std::nullopt;
    }
    bool ok = false;
    r.unit = parser.value(unit).toInt(&ok);
    if (!parser.isSet(unit) || !ok) {
        err << QStringLiteral("--unit N（会計番号）を指定してください。") << '\n';
        return std::nullopt;
    }
    r.period.from = QDate::fromString(parser.value(from), Qt::ISODate);
    r.period.to = QDate::fromString(parser.value(to), Qt::ISODate);
    if (!r.period.from.isValid() || !r.period.to.isValid()) {
        err << QStringLiteral("--from と --to を YYYY-MM-DD の日付で指定してください。") << '\n';
        return std::nullopt;
    }
    bool okA = false;
    bool okU = false;
    r.period.adjustingMode = parser.value(adjusting).toInt(&okA);
    r.period.unsettledMode = parser.value(unsettled).toInt(&okU);
    if (!okA || !okU || r.period.adjustingMode < 0 || r.period.adjustingMode > 2 ||
        r.period.unsettledMode < 0 || r.period.unsettledMode > 1) {
        err << QStringLiteral("--adjusting は 0、1、2、--unsettled は 0、1 で指定してください。") << '\n';
        return std::nullopt;
    }
    return r;
}

void ReportFileOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({format, out});
}

std::optional<ReportFile> ReportFileOptions::read(const QCommandLineParser& parser, QTextStream& err) const {
    const QString kind = parser.value(format).trimmed().toLower();
    if (kind != QLatin1String("csv") && kind != QLatin1String("pdf")) {
        err << QStringLiteral("--format は csv か pdf で指定してください。") << '\n';
        return std::nullopt;
    }
    ReportFile r;
    r.pdf = kind == QLatin1String("pdf");
    r.file = parser.value(out).trimmed();
    if (r.file.isEmpty()) {
        err << QStringLiteral("--out FILE を指定してください。") << '\n';
        return std::nullopt;
    }
    return r;
}

} // namespace k9
