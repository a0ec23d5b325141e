// SPDX-License-Identifier: GPL-3.0-or-later
// Folder and file copies for the backup and the new fiscal year. Database files are copied
// with SQLite's online backup, so a copy taken while the program has them open is a
// consistent database, never a half-written file.
#pragma once

#include <QString>

namespace k9 {

// Creates every missing folder of `path` (a folder path; the trailing separator is
// optional), from the top down. True when at least one folder was created; false when all
// existed already or none could be made.
bool forceFolders(const QString& path);

// Copies the folder `source` with all its files and subfolders into `target` as a
// subfolder of the same name (target/<name of source>/), creating `target` when missing and
// overwriting files of the same name. SQLite database files (*.db) are copied through the
// online backup; SQLite's side files (names ending in -journal, -wal or -shm) are not
// copied, as the backup is complete without them. True when `target` exists afterwards and
// every file was copied; false otherwise (a partial copy may remain).
bool copyFolder(const QString& source, const QString& target);

// Copies the one file `fileName` from `sourceDir` into `targetDir`, creating `targetDir`
// when missing and overwriting an existing file; *.db files through the online backup.
// True on success.
bool copyFileBetweenFolders(const QString& sourceDir, const QString& targetDir, const QString& fileName);

// Copies one SQLite database file into `target` (replaced when present) through the online
// backup. A file that is not an SQLite database is copied as it is. True on success.
bool copyDatabaseFile(const QString& source, const QString& target);

} // namespace k9
