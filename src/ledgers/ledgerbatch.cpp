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
    const TotalsVerbOptions totals;
    const ReportFileOptions file;
    const QCommandLineOption account(QStringLiteral("account"), QStringLiteral("account code"),
                                     QStringLiteral("CODE"));
    const QCommandLineOption sub(QStringLiteral("sub"), QStringLiteral("sub-account code"),
                                 QStringLiteral("CODE"));
    totals.addTo(parser);
    file.addTo(parser);
    parser.addOptions({account, sub});
    if (!parseBatchArguments(parser, args, err))
        return std::nullopt;
    LedgerVerbOptions o;
    const std::optional<TotalsRequest> request = totals.read(parser, err);
    if (!request)
        return std::nullopt;
    o.totals = *request;
    o.account = parser.value(account).trimmed();
    o.sub = parser.value(sub).trimmed();
    if (o.account.isEmpty() || (parser.isSet(sub) && o.sub.isEmpty())) {
        err << QStringLiteral("--account CODE（科目コード）を指定してください。") << '\n';
        return std::nullopt;
    }
    const std::optional<ReportFile> out = file.read(parser, err);
    if (!out)
        return std::nullopt;
    o.out = *out;
    return o;
}

int runLedger(const QString& appDir, const LedgerVerbOptions& options, Prompter& prompter,
              const QDate& today) {
    Session session;
    openBatchSession(session, appDir, options.totals.dataPath, today);
    selectBatchUnit(session, options.totals.unit);
    runTotals(session, options.totals.period);
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
    const QString file = QDir(appDir).absoluteFilePath(options.out.file);
    if (options.out.pdf) {
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
    return runLedger(appDir, *options, prompter, today);
}

} // namespace k9
