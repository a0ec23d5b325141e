// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch.h"

#include "app/datafolder.h"
#include "app/datapath.h"
#include "app/init.h"
#include "app/startup.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/schema.h"
#include "store/session.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <exception>
#include <functional>

namespace k9 {
namespace {

struct BatchContext {
    QString appDir;
    Prompter& prompter;
    QTextStream& err;
    QDate today;
};

struct Verb {
    const char* name;
    const char* usage;
    // Returns the exit code; raises K9Error on failure.
    std::function<int(const BatchContext&, const QStringList&)> run;
};

// Parses a verb's options; the arguments start with the verb itself.
bool parseVerbOptions(QCommandLineParser& parser, const QStringList& args, const BatchContext& ctx) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(args)) {
        ctx.err << parser.errorText() << '\n';
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        ctx.err << QStringLiteral("余分な引数があります: ") << parser.positionalArguments().join(' ') << '\n';
        return false;
    }
    return true;
}

int verbPrepare(const BatchContext& ctx, const QStringList& args) {
    QCommandLineParser parser;
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    prepareProgramFolder(ctx.appDir);
    return kExitOk;
}

int verbInit(const BatchContext& ctx, const QStringList& args) {
    QCommandLineParser parser;
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("data folder"), QStringLiteral("PATH"));
    parser.addOption(data);
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    if (parser.value(data).trimmed().isEmpty()) {
        ctx.err << QStringLiteral("--data PATH を指定してください。") << '\n';
        return kExitUsage;
    }
    initDataFolder(ctx.appDir, parser.value(data), ctx.today);
    return kExitOk;
}

const std::vector<Verb>& verbs() {
    static const std::vector<Verb> table = {
        {"prepare", "prepare                 make AppDir a program folder", verbPrepare},
        {"init", "init --data PATH        create or upgrade the data folder PATH and make it current",
         verbInit},
    };
    return table;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& currentDir) {
    CommandLine cl;
    QString appDir = currentDir;
    int i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--appdir")) {
            if (i + 1 >= arguments.size()) {
                cl.error = QStringLiteral("--appdir DIR: フォルダ名がありません。");
                return cl;
            }
            appDir = arguments[++i];
        } else if (a.startsWith(QLatin1String("--appdir="))) {
            appDir = a.mid(9);
        } else if (a == QLatin1String("batch")) {
            cl.batch = true;
            cl.batchArgs = arguments.mid(i + 1);
            break;
        } else {
            cl.error = QStringLiteral("不明な引数です: %1").arg(a);
            return cl;
        }
    }
    if (appDir.isEmpty()) {
        cl.error = QStringLiteral("--appdir DIR: フォルダ名がありません。");
        return cl;
    }
    cl.appDir = withTrailingSlash(QDir::cleanPath(QDir(currentDir).absoluteFilePath(appDir)));
    return cl;
}

QString batchUsage() {
    QStringList lines{QStringLiteral("usage: k9 [--appdir DIR] batch VERB [ARGS...]"),
                      QStringLiteral("verbs:")};
    for (const auto& v : verbs())
        lines << QStringLiteral("  ") + QString::fromUtf8(v.usage);
    return lines.join('\n');
}

int runBatch(const QString& appDir, const QStringList& batchArgs, Prompter& prompter, QTextStream& err,
             const QDate& today) {
    const BatchContext ctx{appDir, prompter, err, today};
    const QString name = batchArgs.value(0);
    for (const auto& v : verbs()) {
        if (name != QLatin1String(v.name))
            continue;
        try {
            int rc = v.run(ctx, batchArgs);
            if (rc == kExitUsage)
                err << batchUsage() << '\n';
            return rc;
        } catch (const K9Error& e) {
            err << e.message() << '\n';
            return kExitFailed;
        } catch (const std::exception& e) {
            err << QString::fromUtf8(e.what()) << '\n';
            return kExitFailed;
        }
    }
    err << (name.isEmpty() ? QStringLiteral("VERB がありません。")
                           : QStringLiteral("不明な VERB です: %1").arg(name))
        << '\n'
        << batchUsage() << '\n';
    return kExitUsage;
}

void initDataFolder(const QString& appDir, const QString& dataPath, const QDate& today) {
    if (!hasProgramFolder(appDir))
        prepareProgramFolder(appDir);
    Session session;
    session.appDir = withTrailingSlash(appDir);
    session.openProgramFolder();
    beginStartup(session);
    programFolderSchema(session.hm);

    const QString path = withTrailingSlash(dataPath.trimmed());
    if (!storableDataPath(path))
        throw K9Error(QStringLiteral("データパス名が不正です（100バイトまでの文字で指定してください）。"));
    const QString folder = session.resolve(path);
    if (QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(kDatabaseFile)))) {
        DataFolderCheck check = checkAndStampDataFolder(folder, session.programCode);
        if (check == DataFolderCheck::Foreign)
            throw K9Error(dataFolderCheckMessage(check, QString()));
    }
    storeDataPath(session, path);
    readProgramSettings(session);
    InitResult result = runInit(session, today);
    if (!result.ok())
        throw K9Error(result.message());
}

} // namespace k9
