// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch.h"

#include "app/batchtotals.h"
#include "app/datafolder.h"
#include "app/datapath.h"
#include "app/demo.h"
#include "app/init.h"
#include "app/startup.h"
#include "journal/journalimport.h"
#include "ledgers/ledgerbatch.h"
#include "reports/trialbalanceexport.h"
#include "statements/statementsprint.h"
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

bool parseVerbOptions(QCommandLineParser& parser, const QStringList& args, const BatchContext& ctx) {
    return parseBatchArguments(parser, args, ctx.err);
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

int verbImportVouchers(const BatchContext& ctx, const QStringList& args) {
    QCommandLineParser parser;
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("data folder"), QStringLiteral("PATH"));
    QCommandLineOption file(QStringLiteral("file"), QStringLiteral("journal CSV file"), QStringLiteral("F"));
    parser.addOptions({data, file});
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    if (parser.value(data).trimmed().isEmpty() || parser.value(file).trimmed().isEmpty()) {
        ctx.err << QStringLiteral("--data PATH と --file F を指定してください。") << '\n';
        return kExitUsage;
    }
    Session session;
    openBatchSession(session, ctx.appDir, parser.value(data), ctx.today);
    const JournalImportResult result =
        importJournalFile(session.aaa, QDir(ctx.appDir).absoluteFilePath(parser.value(file)));
    ctx.prompter.message(journalImportSummary(result));
    return kExitOk;
}

int verbTotals(const BatchContext& ctx, const QStringList& args) {
    QCommandLineParser parser;
    const TotalsVerbOptions options;
    options.addTo(parser);
    QCommandLineOption out(QStringLiteral("out"), QStringLiteral("output folder"), QStringLiteral("DIR"));
    parser.addOption(out);
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    const std::optional<TotalsRequest> request = options.read(parser, ctx.err);
    if (!request)
        return kExitUsage;
    if (parser.value(out).trimmed().isEmpty()) {
        ctx.err << QStringLiteral("--out DIR を指定してください。") << '\n';
        return kExitUsage;
    }
    Session session;
    openBatchSession(session, ctx.appDir, request->dataPath, ctx.today);
    selectBatchUnit(session, request->unit);
    runTotalsToCsv(session, request->period, QDir(ctx.appDir).absoluteFilePath(parser.value(out)),
                   ctx.prompter);
    return kExitOk;
}

int verbDemo(const BatchContext& ctx, const QStringList& args) {
    QCommandLineParser parser;
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    const DemoSummary summary = buildDemo(ctx.appDir, ctx.today);
    ctx.prompter.message(demoSummaryText(summary));
    return kExitOk;
}

// A report after the same totals run as "実    行": parses the totals options, --format
// csv|pdf and --out FILE, runs the totals of the unit and hands the session to `write`
// (true when the file was written).
int runReportVerb(const BatchContext& ctx, const QStringList& args,
                  const std::function<bool(Session&, bool pdf, const QString& file)>& write) {
    QCommandLineParser parser;
    const TotalsVerbOptions options;
    const ReportFileOptions fileOptions;
    options.addTo(parser);
    fileOptions.addTo(parser);
    if (!parseVerbOptions(parser, args, ctx))
        return kExitUsage;
    const std::optional<TotalsRequest> request = options.read(parser, ctx.err);
    if (!request)
        return kExitUsage;
    const std::optional<ReportFile> out = fileOptions.read(parser, ctx.err);
    if (!out)
        return kExitUsage;
    Session session;
    openBatchSession(session, ctx.appDir, request->dataPath, ctx.today);
    selectBatchUnit(session, request->unit);
    runTotals(session, request->period);
    const bool written = write(session, out->pdf, QDir(ctx.appDir).absoluteFilePath(out->file));
    return written ? kExitOk : kExitFailed;
}

// The trial balance: the three tabs and their check pairs as CSV, or layout A as PDF.
int verbTrialBalance(const BatchContext& ctx, const QStringList& args) {
    return runReportVerb(ctx, args, [&ctx](Session& session, bool pdf, const QString& file) {
        return writeTrialBalanceFile(session, pdf ? TrialFileFormat::Pdf : TrialFileFormat::Csv, file,
                                     ctx.prompter);
    });
}

// The three statements in layout A as PDF, or their printed lines as CSV.
int verbStatements(const BatchContext& ctx, const QStringList& args) {
    return runReportVerb(ctx, args, [&ctx](Session& session, bool pdf, const QString& file) {
        return writeStatements(session, pdf ? StatementFileFormat::Pdf : StatementFileFormat::Csv, file,
                               ctx.prompter);
    });
}

const std::vector<Verb>& verbs() {
    static const std::vector<Verb> table = {
        {"prepare", "prepare                 make AppDir a program folder", verbPrepare},
        {"init", "init --data PATH        create or upgrade the data folder PATH and make it current",
         verbInit},
        {"import-vouchers",
         "import-vouchers --data PATH --file F\n"
         "                          read the journal CSV file F into PATH (all or nothing)",
         verbImportVouchers},
        {"totals",
         "totals --data PATH --unit N --from YYYY-MM-DD --to YYYY-MM-DD\n"
         "       [--adjusting 0|1|2] [--unsettled 0|1] --out DIR\n"
         "                          run the totals of unit N and write kamoku.csv, kamoku2.csv,\n"
         "                          hojokamoku.csv into DIR",
         verbTotals},
        {"demo", "demo                    make AppDir a program folder on a new demo corporation", verbDemo},
        {"trial-balance",
         "trial-balance --data PATH --unit N --from YYYY-MM-DD --to YYYY-MM-DD\n"
         "       [--adjusting 0|1|2] [--unsettled 0|1] --format csv|pdf --out FILE\n"
         "                          run the totals of unit N and write the trial balance\n"
         "                          (three tabs and check pairs as CSV, layout A as PDF)",
         verbTrialBalance},
        {"statements",
         "statements --data PATH --unit N --from YYYY-MM-DD --to YYYY-MM-DD\n"
         "       [--adjusting 0|1|2] [--unsettled 0|1] --format csv|pdf --out FILE\n"
         "                          run the totals of unit N and write the three statements\n"
         "                          (layout A as PDF, its printed lines as CSV)",
         verbStatements},
        {"ledger", ledgerVerbUsage(),
         [](const BatchContext& ctx, const QStringList& args) {
             return runLedgerVerb(ctx.appDir, args, ctx.prompter, ctx.err, ctx.today);
         }},
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
