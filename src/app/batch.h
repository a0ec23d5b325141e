// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode: the command line of the k9 binary and the verbs that run without any window
// ("k9 --appdir DIR batch VERB ..."). Each verb calls the same code as the screens. New
// verbs are added to the table in batch.cpp.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class QTextStream;

namespace k9 {

class Prompter;

// Exit codes of batch mode.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The parsed command line: "k9 [--appdir DIR] [batch VERB ARGS...]".
struct CommandLine {
    QString appDir;        // absolute, ending with '/'; the current directory when not given
    bool batch = false;    // "batch" was given
    QStringList batchArgs; // the verb and its arguments
    QString error;         // a malformed command line; empty when it parsed
};

// Parses the arguments after the program name. `currentDir` is the directory AppDir
// defaults to and a relative --appdir is resolved against.
CommandLine parseCommandLine(const QStringList& arguments, const QString& currentDir);

// The usage text of batch mode (one line per verb).
QString batchUsage();

// Runs one batch verb in AppDir. Messages go to `prompter` (the console in batch mode),
// failures to `err`. `today` decides the fiscal year of a new data folder. Returns the exit
// code: 0 done, 1 failed, 2 unknown verb or bad arguments (the usage goes to `err`).
int runBatch(const QString& appDir, const QStringList& batchArgs, Prompter& prompter, QTextStream& err,
             const QDate& today);

// "batch init --data PATH": prepares the program folder when it has no HeadM yet, stores
// PATH (with the trailing '/') as the data path, brings the program folder's tables up to
// date and runs Init for the path, creating its folders. Raises K9Error with the reason when
// the folder belongs to another program or a step of Init failed.
void initDataFolder(const QString& appDir, const QString& dataPath, const QDate& today);

} // namespace k9
