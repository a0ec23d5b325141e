// SPDX-License-Identifier: GPL-3.0-or-later
// The batch verb "ledger".
#include "ledgers/ledgerbatch.h"

#include "app/batch.h"
#include "app/batchtotals.h"
#include "ledgers/ledger.h"
#include "ledgers/ledgerexport.h"
#include "ledgers/ledgerprintout.h"
#include "store/csv.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/session.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace k9 {

const char* ledgerVerbUsage() {
    return "ledger --data PATH --unit N --account CODE [--sub CODE] --from YYYY-MM-DD --to YYYY-MM-DD\n"
           "       [--adjusting 0|1|2] [--unsettled 0|1] --format csv|pdf --out FILE\n"
           "                          run the totals of unit N and write the general ledger of the\n"
           "                          account (or sub-account) as the grid shows it";
}

std::optional<LedgerVerbOptions> parseLedgerVerb(const QStringList& args, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("data folder"),
                                  QStringLiteral("PATH"));
    const QCommandLineOption unit(QStringLiteral("unit"), QStringLiteral("accounting unit"),
                                  QStringLiteral("N"));
    const QCommandLineOption account(QStringLiteral("account"), QStringLiteral("account code"),
                                     QStringLiteral("CODE"));
    const QCommandLineOption sub(QStringLiteral("sub"), QStringLiteral("sub-account code"),
                                 QStringLiteral("CODE"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("first day"),
                                  QStringLiteral("DATE"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("last day"), QStringLiteral("DATE"));
    const QCommandLineOption adjusting(QStringLiteral("adjusting"), QStringLiteral("0|1|2"),
                                       QStringLiteral("M"), QStringLiteral("0"));
    const QCommandLineOption unsettled(QStringLiteral("unsettled"), QStringLiteral("0|1"),
                                       QStringLiteral("M"), QStringLiteral("0"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("csv|pdf"),
                                    QStringLiteral("FORMAT"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("output file"),
                                 QStringLiteral("FILE"));
    parser.addOptions({data, unit, account, sub, from, to, adjusting, unsettled, format, out});
    if (!parser.parse(args)) {
        err << parser.errorText() << '\n';
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QStringLiteral("余分な引数があります: ") << parser.positionalArguments().join(' ') << '\n';
        return std::nullopt;
    }
    LedgerVerbOptions o;
    o.dataPath = parser.value(data).trimmed();
    if (o.dataPath.isEmpty()) {
        err << QStringLiteral("--data PATH を指定してください。") << '\n';
        return std::nullopt;
    }
    bool ok = false;
    o.unit = parser.value(unit).toInt(&ok);
    if (!parser.isSet(unit) || !ok) {
        err << QStringLiteral("--unit N（会計番号）を指定してください。") << '\n';
        return std::nullopt;
    }
    o.account = parser.value(account).trimmed();
    o.sub = parser.value(sub).trimmed();
    if (o.account.isEmpty() || (parser.isSet(sub) && o.sub.isEmpty())) {
        err << QStringLiteral("--account CODE（科目コード）を指定してください。") << '\n';
        return std::nullopt;
    }
    o.period.from = QDate::fromString(parser.value(from), Qt::ISODate);
    o.period.to = QDate::fromString(parser.value(to), Qt::ISODate);
    if (!o.period.from.isValid() || !o.period.to.isValid()) {
        err << QStringLiteral("--from と --to を YYYY-MM-DD の日付で指定してください。") << '\n';
        return std::nullopt;
    }
    bool okA = false;
    bool okU = false;
    o.period.adjustingMode = parser.value(adjusting).toInt(&okA);
    o.period.unsettledMode = parser.value(unsettled).toInt(&okU);
    if (!okA || !okU || o.period.adjustingMode < 0 || o.period.adjustingMode > 2 ||
        o.period.unsettledMode < 0 || o.period.unsettledMode > 1) {
        err << QStringLiteral("--adjusting は 0、1、2、--unsettled は 0、1 で指定してください。") << '\n';
        return std::nullopt;
    }
    o.format = parser.value(format).trimmed().toLower();
    if (o.format != QLatin1String("csv") && o.format != QLatin1String("pdf")) {
        err << QStringLiteral("--format は csv か pdf で指定してください。") << '\n';
        return std::nullopt;
    }
    o.outFile = parser.value(out).trimmed();
    if (o.outFile.isEmpty()) {
        err << QStringLiteral("--out FILE を指定してください。") << '\n';
        return std::nullopt;
    }
    return o;
}

int runLedger(const QString& appDir, const LedgerVerbOptions& options, Prompter& prompter, QTextStream& err,
              const QDate& today) {
    if (options.format != QLatin1String("csv") && options.format != QLatin1String("pdf")) {
        err << QStringLiteral("--format は csv か pdf で指定してください。") << '\n';
        return kExitUsage;
    }
    if (options.format == QLatin1String("pdf") &&
        !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw K9Error(QStringLiteral("PDF出力には画面なしのグラフィック環境が必要です。"));
    Session session;
    openBatchSession(session, appDir, options.dataPath, today);
    selectBatchUnit(session, options.unit);
    runTotals(session, options.period);
    const QVariant name = session.www.scalar(
        QStringLiteral("SELECT \"科目名\" FROM \"kamoku\" WHERE rtrim(\"code\")=?1 AND \"FlgA\"=0"),
        {options.account});
    if (!name.isValid())
        throw K9Error(QStringLiteral("科目コード %1 の入力科目がありません。").arg(options.account));
    ledger::Ledgers built;
    if (options.sub.isEmpty()) {
        built = ledger::showAccountLedger(session, options.account);
    } else {
        const QVariant sub =
            session.www.scalar(QStringLiteral("SELECT \"hojo_CD\" FROM \"hojokamoku\" WHERE "
                                              "rtrim(\"kamoku_CD\")=?1 AND rtrim(\"hojo_CD\")=?2"),
                               {options.account, options.sub});
        if (!sub.isValid())
            throw K9Error(QStringLiteral("科目コード %1 に補助科目 %2 がありません。")
                              .arg(options.account, options.sub));
        built = ledger::showSubAccountLedger(session, options.account, options.sub);
    }
    const QString file = QDir(appDir).absoluteFilePath(options.outFile);
    if (options.format == QLatin1String("pdf")) {
        const std::vector<ReportDocument> docs =
            ledger::ledgerPrintout(session, built, false, ledger::LedgerPrintOptions{});
        if (!confirmOverwrite(file, prompter))
            return kExitFailed;
        writeReportPdf(docs, file);
        return kExitOk;
    }
    CsvWriter writer;
    ledger::writeLedgerGridCsv(built.rows, writer);
    if (!confirmOverwrite(file, prompter))
        return kExitFailed;
    writer.save(file);
    return kExitOk;
}

int runLedgerVerb(const QString& appDir, const QStringList& args, Prompter& prompter, QTextStream& err,
                  const QDate& today) {
    const std::optional<LedgerVerbOptions> options = parseLedgerVerb(args, err);
    if (!options)
        return kExitUsage;
    return runLedger(appDir, *options, prompter, err, today);
}

} // namespace k9
