// SPDX-License-Identifier: GPL-3.0-or-later
// "バックアップコピー": copies the current fiscal year's data folder into a backup folder,
// either a new time-stamped folder each time (時系列保存) or always the same folder
// (上書保存). The copy is built beside its destination, checked, and only then put in place
// of the previous backup, so a failed copy never costs the last good backup.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace k9 {

class Database;
class Prompter;

// HeadM.PM13.
enum class BackupMethod { TimeSeries = 0, Overwrite = 1 };

// The choices the backup screen remembers in HeadM: PathName2 and PM13.
struct BackupSettings {
    QString baseFolder;
    BackupMethod method = BackupMethod::TimeSeries;
};

// The base folder offered when none was remembered: the user's home folder with '/'.
QString defaultBackupBase();

// Reads PathName2 and PM13 of the HeadM row; an empty base folder becomes
// defaultBackupBase(), a PM13 other than 1 means 時系列保存.
BackupSettings loadBackupSettings(Database& hm);
// Writes them back (appending the HeadM row when the table is empty). Raises the store's
// errors: EncodingError for a folder name CP932 cannot carry, ViewOnlyError in view-only.
void saveBackupSettings(Database& hm, const BackupSettings& settings);

// The backup target for a typed base folder: the first doubled '/' reduced to one; an
// empty text means the home folder, "~" at the start stands for it too; a relative folder
// lies in the program folder `appDir`; '/' is appended when missing. 時系列保存 then
// appends `now` as yyyy年MM月dd日hh時mm分.
QString backupTarget(const QString& baseText, BackupMethod method, const QDateTime& now,
                     const QString& appDir);

// The folder the data folder `sourceDir` arrives in: target/<name of the data folder>.
QString backupDestination(const QString& sourceDir, const QString& target);
// Siblings of the destination: the folder the new copy is assembled in (as
// staging/<name of the data folder>) before it replaces the destination, and the name the
// previous backup waits under until the new one is in place. A file of either name in the
// way makes the backup fail; a leftover folder of ours is removed.
QString backupStagingFolder(const QString& destination);
QString backupRetiredFolder(const QString& destination);

// Empty when the target may be used; otherwise the message to show. Refused: a target or
// base text of at most one character, and a destination that is the data folder itself,
// lies inside it or contains it.
std::optional<QString> backupTargetProblem(const QString& baseText, const QString& target,
                                           const QString& sourceDir);

struct BackupOutcome {
    bool ok = false;
    QString destination; // target/<data folder name>
    QString reason;      // why it failed, for the user; empty on success
};

// Copies the data folder `sourceDir` (absolute) into `target`, creating the target when
// missing: database files through SQLite's online backup (a consistent copy even while a
// connection on the source holds an open transaction), other files as they are. The copy
// is verified (every database passes the integrity check, as many files as the source)
// and then renamed into place; the previous backup is removed only after that. On failure
// the previous backup is left as it was and the partial copy is removed.
BackupOutcome copyDataFolderToBackup(const QString& sourceDir, const QString& target);

// What "実　　行" needs.
struct BackupRequest {
    QString sourceDir; // the data folder, absolute
    QString baseText;  // the base folder as typed
    BackupMethod method = BackupMethod::TimeSeries;
    QDateTime now;
    QString appDir;
};

// "実　　行": computes and checks the target, copies, and tells the user the result.
// Returns true when the backup is in place (the screen then closes).
bool runBackup(const BackupRequest& request, Prompter& prompter);

} // namespace k9
