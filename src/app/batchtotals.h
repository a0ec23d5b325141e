// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch verbs that work on an existing data folder share: opening the session on
// the program folder and the data folder as start-up opens them, choosing the unit as the
// main menu's unit list chooses it, and the totals run behind "実    行" with the work
// tables written out as CSV.
#pragma once

#include "engine/runtotals.h"

#include <QCommandLineOption>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class QCommandLineParser;
class QTextStream;

namespace k9 {

class Prompter;
struct Session;

// Opens `session` on the program folder `appDir` and the data folder `dataPath` (as typed,
// relative to appDir when not absolute) and runs Init for it, as start-up does after the
// login. The data path stored in the program folder is not changed. Raises K9Error when
// appDir is not a program folder, the data folder does not exist or belongs to another
// program, or Init failed.
void openBatchSession(Session& session, const QString& appDir, const QString& dataPath, const QDate& today);

// Selects unit 1..19 as a click on the main menu's unit list followed by leaving the list
// does (the unit's name, the report header in the work Head, the fiscal-year values).
// Batch mode has no login, so the per-unit access codes of the rights mode do not apply.
// Raises K9Error for a unit outside 1..19, an unnamed unit or a subtotal column.
void selectBatchUnit(Session& session, int unit);

// The work tables the totals verb writes, in order: kamoku, kamoku2, hojokamoku.
const QStringList& totalsTables();

// Runs the totals for the selected unit exactly as the period dialog's "実    行" does and
// writes every column of the work kamoku, kamoku2 and hojokamoku to outDir/<table>.csv
// (outDir is created when missing). Raises PeriodError, InvalidSubAccountError (nothing
// written), StoreError or K9Error.
void runTotalsToCsv(Session& session, const PeriodChoice& choice, const QString& outDir, Prompter& prompter);

// --- the options of the verbs ---

// Parses a verb's options (the arguments start with the verb itself); single-dash words are
// long options. A parse error or a stray argument is reported on err and gives false.
bool parseBatchArguments(QCommandLineParser& parser, const QStringList& args, QTextStream& err);

// What the totals verbs are asked for: the data folder, the unit and the period with the two
// voucher options of the period dialog.
struct TotalsRequest {
    QString dataPath;
    int unit = 0;
    PeriodChoice period;
};

// The options --data, --unit, --from, --to, --adjusting and --unsettled.
struct TotalsVerbOptions {
    QCommandLineOption data{QStringLiteral("data"), QStringLiteral("data folder"), QStringLiteral("PATH")};
    QCommandLineOption unit{QStringLiteral("unit"), QStringLiteral("accounting unit 1..19"),
                            QStringLiteral("N")};
    QCommandLineOption from{QStringLiteral("from"), QStringLiteral("first day"),
                            QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("last day"), QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption adjusting{QStringLiteral("adjusting"),
                                 QStringLiteral("0 含める, 1 整理伝票を除く, 2 整理伝票のみ"),
                                 QStringLiteral("0|1|2"), QStringLiteral("0")};
    QCommandLineOption unsettled{QStringLiteral("unsettled"), QStringLiteral("0 含める, 1 未決済伝票は除く"),
                                 QStringLiteral("0|1"), QStringLiteral("0")};

    void addTo(QCommandLineParser& parser) const;
    // A missing or malformed value is reported on err and gives nullopt.
    std::optional<TotalsRequest> read(const QCommandLineParser& parser, QTextStream& err) const;
};

// The report file of a verb: --format csv|pdf and --out FILE.
struct ReportFile {
    bool pdf = false;
    QString file; // as typed; relative to the program folder when not absolute
};

struct ReportFileOptions {
    QCommandLineOption format{QStringLiteral("format"), QStringLiteral("csv or pdf"),
                              QStringLiteral("csv|pdf")};
    QCommandLineOption out{QStringLiteral("out"), QStringLiteral("output file"), QStringLiteral("FILE")};

    void addTo(QCommandLineParser& parser) const;
    // A missing or unknown format, or a missing file, is reported on err and gives nullopt.
    std::optional<ReportFile> read(const QCommandLineParser& parser, QTextStream& err) const;
};

} // namespace k9
