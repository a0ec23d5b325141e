// SPDX-License-Identifier: GPL-3.0-or-later
// Folder and file copies for the backup and the new fiscal year.
#include "store/folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace k9 {
namespace {

// How long a backup waits for a writer of the source to finish, in steps of 50 ms.
constexpr int kBusyRetries = 200;
constexpr int kBusyWaitMillis = 50;

QString withSeparator(const QString& path) {
    QString p = QDir::fromNativeSeparators(path);
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}

bool isDatabaseName(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".db"), Qt::CaseInsensitive);
}

// Files that belong to an open database and must not sit beside its copy: a hot journal
// copied next to a backed-up database would be rolled back into it on the next open.
bool isDatabaseCompanion(const QString& fileName) {
    return fileName.endsWith(QLatin1String("-journal"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String("-wal"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String("-shm"), Qt::CaseInsensitive);
}

bool hasSqliteHeader(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool plainCopy(const QString& source, const QString& target) {
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    return QFile::copy(source, target);
}

bool backup(const QString& source, const QString& target) {
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    const QByteArray src = source.toUtf8();
    const QByteArray dst = target.toUtf8();
    bool ok = sqlite3_open_v2(src.constData(), &from, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
              sqlite3_open_v2(dst.constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) ==
                  SQLITE_OK;
    if (ok) {
        sqlite3_busy_timeout(from, kBusyWaitMillis * kBusyRetries);
        sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
        ok = b != nullptr;
        if (b) {
            int rc = SQLITE_OK;
            for (int tries = 0; tries <= kBusyRetries; ++tries) {
                rc = sqlite3_backup_step(b, -1);
                if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                    break;
                sqlite3_sleep(kBusyWaitMillis);
            }
            ok = rc == SQLITE_DONE;
            ok = sqlite3_backup_finish(b) == SQLITE_OK && ok;
        }
    }
    sqlite3_close_v2(from);
    sqlite3_close_v2(to);
    return ok;
}

// Copies one file, databases through the online backup.
bool copyOne(const QString& source, const QString& target) {
    if (isDatabaseName(source) && hasSqliteHeader(source)) {
        // A stale journal beside the target would be replayed into the fresh copy, and a
        // target that is not a database cannot take a backup.
        QFile::remove(target + QLatin1String("-journal"));
        if (QFileInfo::exists(target) && !hasSqliteHeader(target) && !QFile::remove(target))
            return false;
        return backup(source, target);
    }
    return plainCopy(source, target);
}

} // namespace

bool forceFolders(const QString& path) {
    const QString p = withSeparator(path);
    bool created = false;
    for (qsizetype i = p.indexOf(QLatin1Char('/')); i >= 0; i = p.indexOf(QLatin1Char('/'), i + 1)) {
        const QString folder = p.left(i + 1);
        if (folder == QLatin1String("/") || QFileInfo(folder).isDir())
            continue;
        if (!QDir().mkdir(folder))
            break;
        created = true;
    }
    return created;
}

bool copyDatabaseFile(const QString& source, const QString& target) {
    return copyOne(source, target);
}

bool copyFolder(const QString& source, const QString& target) {
    const QString from = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(source)).absoluteFilePath());
    const QString to = withSeparator(QFileInfo(QDir::fromNativeSeparators(target)).absoluteFilePath());
    forceFolders(to);
    const QFileInfo sourceInfo(from);
    if (!sourceInfo.isDir())
        return false;
    const QString root = QDir::cleanPath(to + sourceInfo.fileName());
    const QString targetFolder = QDir::cleanPath(to);
    const QString targetPrefix = targetFolder + QLatin1Char('/');

    // The list is taken before anything is written, and a target inside the source is left
    // out of it, so the copy never contains itself or earlier copies.
    QStringList entries;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir::cleanPath(it.next());
        if (path == targetFolder || path.startsWith(targetPrefix))
            continue;
        entries << path;
    }
    bool ok = QDir().mkpath(root);
    for (const QString& path : entries) {
        const QFileInfo info(path);
        const QString dest = root + path.mid(from.size());
        if (info.isDir() && !info.isSymLink()) {
            ok = QDir().mkpath(dest) && ok;
        } else if (!isDatabaseCompanion(info.fileName())) {
            QDir().mkpath(QFileInfo(dest).path());
            ok = copyOne(path, dest) && ok;
        }
    }
    return QFileInfo(to).isDir() && ok;
}

bool copyFileBetweenFolders(const QString& sourceDir, const QString& targetDir, const QString& fileName) {
    const QString from = withSeparator(sourceDir);
    const QString to = withSeparator(targetDir);
    forceFolders(to);
    if (!QFileInfo(to).isDir())
        return false;
    return copyOne(from + fileName, to + fileName);
}

} // namespace k9
