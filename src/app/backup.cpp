// SPDX-License-Identifier: GPL-3.0-or-later
// Backup of the data folder: target computation, checks, the staged copy and its
// verification, the swap into place, and the remembered choices in HeadM.
#include "app/backup.h"

#include "app/pathutil.h"
#include "store/database.h"
#include "store/folders.h"
#include "store/prompter.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace k9 {
namespace {

const QString kHeadM = QStringLiteral("HeadM");
const QString kBaseColumn = QStringLiteral("PathName2");
const QString kMethodColumn = QStringLiteral("PM13");

const QString kInvalidTarget = QStringLiteral("保存先のデータパス名が正しくないので、確かめてください。");
const QString kBackupFailed =
    QStringLiteral("データパス名が間違っていますので、バックアップコピーが出来ませんでした。");

// SQLite's side files of an open database: never part of a copy.
bool isSideFile(const QString& name) {
    return name.endsWith(QLatin1String("-journal")) || name.endsWith(QLatin1String("-wal")) ||
           name.endsWith(QLatin1String("-shm"));
}

bool isDatabaseFile(const QString& name) {
    return name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive);
}

// Every regular file below `dir` except SQLite's side files, as paths relative to it.
QStringList filesBelow(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(dir);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!isSideFile(it.fileName()))
            out << base.relativeFilePath(path);
    }
    return out;
}

// Empty when the copy holds as many files as the source and every database in it passes
// the integrity check; otherwise the reason.
QString verifyCopy(const QString& sourceDir, const QString& copyDir) {
    const QStringList source = filesBelow(sourceDir);
    const QStringList copy = filesBelow(copyDir);
    if (source.size() != copy.size())
        return QStringLiteral("コピーしたファイルの数（%1）が保存元（%2）と合いません。")
            .arg(copy.size())
            .arg(source.size());
    for (const QString& rel : copy) {
        if (!isDatabaseFile(rel))
            continue;
        const QString file = QDir(copyDir).filePath(rel);
        try {
            Database db;
            db.open(file, Database::Kind::Other);
            Statement st(db, QStringLiteral("PRAGMA integrity_check(1)"));
            const QString verdict = st.step() ? st.text(0) : QString();
            if (verdict != QLatin1String("ok"))
                return QStringLiteral("コピーしたデータファイル「%1」が検査で不良になりました。（%2）")
                    .arg(rel, verdict);
        } catch (const K9Error& e) {
            return QStringLiteral("コピーしたデータファイル「%1」が検査で不良になりました。（%2）")
                .arg(rel, e.message());
        }
    }
    return QString();
}

// Makes way for a working folder of ours: removes a leftover folder of that name. A file
// in the way is not ours to delete.
bool clearWorkingFolder(const QString& path, QString& reason) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink() && QDir(path).removeRecursively())
        return true;
    reason =
        QStringLiteral("作業用のフォルダ「%1」を用意できません（同じ名前のファイルがあります）。").arg(path);
    return false;
}

BackupOutcome failed(const QString& destination, const QString& reason) {
    return {false, destination, reason};
}

} // namespace

QString defaultBackupBase() {
    return QDir::homePath() + QLatin1Char('/');
}

BackupSettings loadBackupSettings(Database& hm) {
    BackupSettings s;
    Statement st(hm, QStringLiteral("SELECT %1, %2 FROM %3 LIMIT 1")
                         .arg(quoteId(kBaseColumn), quoteId(kMethodColumn), quoteId(kHeadM)));
    if (st.step()) {
        s.baseFolder = st.text(0).trimmed();
        s.method = st.integer(1) == 1 ? BackupMethod::Overwrite : BackupMethod::TimeSeries;
    }
    if (s.baseFolder.isEmpty())
        s.baseFolder = defaultBackupBase();
    return s;
}

void saveBackupSettings(Database& hm, const BackupSettings& settings) {
    const std::vector<std::pair<QString, QVariant>> values = {
        {kBaseColumn, settings.baseFolder}, {kMethodColumn, static_cast<int>(settings.method)}};
    Transaction tx(hm);
    if (hm.rowCount(kHeadM) == 0)
        hm.insertRow(kHeadM, values);
    else
        hm.updateRows(kHeadM, values, QString());
    tx.commit();
}

QString backupTarget(const QString& baseText, BackupMethod method, const QDateTime& now,
                     const QString& appDir) {
    QString t = baseText.trimmed();
    const qsizetype doubled = t.indexOf(QLatin1String("//"));
    if (doubled >= 0)
        t.remove(doubled, 1);
    if (t.isEmpty())
        t = QDir::homePath();
    else if (t == QLatin1String("~") || t.startsWith(QLatin1String("~/")))
        t = QDir::homePath() + t.mid(1);
    else if (QDir::isRelativePath(t))
        t = QDir(appDir).filePath(t);
    if (!t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    if (method == BackupMethod::TimeSeries)
        t += now.toString(QStringLiteral("yyyy'年'MM'月'dd'日'hh'時'mm'分'"));
    return t;
}

QString backupDestination(const QString& sourceDir, const QString& target) {
    const QString name = QFileInfo(QDir::cleanPath(sourceDir)).fileName();
    return QDir::cleanPath(target + QLatin1Char('/') + name);
}

QString backupStagingFolder(const QString& destination) {
    return QDir::cleanPath(destination) + QStringLiteral(".k9new");
}

QString backupRetiredFolder(const QString& destination) {
    return QDir::cleanPath(destination) + QStringLiteral(".k9old");
}

std::optional<QString> backupTargetProblem(const QString& baseText, const QString& target,
                                           const QString& sourceDir) {
    if (target.size() <= 1 || baseText.trimmed().size() <= 1)
        return kInvalidTarget;
    const QString source = QDir::cleanPath(sourceDir);
    const QString destination = backupDestination(source, target);
    if (pathIsWithin(source, destination) || pathIsWithin(destination, source))
        return kInvalidTarget;
    return std::nullopt;
}

BackupOutcome copyDataFolderToBackup(const QString& sourceDir, const QString& target) {
    const QString source = QDir::cleanPath(sourceDir);
    const QString destination = backupDestination(source, target);
    if (!QFileInfo(source).isDir())
        return failed(destination, QStringLiteral("保存元のフォルダ「%1」がありません。").arg(source));
    if (!QDir().mkpath(target) || !QFileInfo(target).isDir())
        return failed(destination, QStringLiteral("保存先のフォルダ「%1」を作れません。").arg(target));

    const QString staging = backupStagingFolder(destination);
    const QString retired = backupRetiredFolder(destination);
    QString reason;
    if (!clearWorkingFolder(staging, reason))
        return failed(destination, reason);

    // Assemble and check the new copy beside the destination: copyFolder puts it into
    // staging/<name of the data folder>.
    const QString copied = QDir::cleanPath(staging + QLatin1Char('/') + QFileInfo(source).fileName());
    if (!copyFolder(source, staging)) {
        QDir(staging).removeRecursively();
        return failed(destination,
                      QStringLiteral("保存元のファイルを「%1」へコピーできませんでした。").arg(staging));
    }
    reason = verifyCopy(source, copied);
    if (!reason.isEmpty()) {
        QDir(staging).removeRecursively();
        return failed(destination, reason);
    }

    // Swap: the previous backup steps aside, the new copy takes its name, and only then
    // is the previous one removed.
    const bool hadPrevious = QFileInfo::exists(destination) || QFileInfo(destination).isSymLink();
    if (hadPrevious) {
        if (!clearWorkingFolder(retired, reason) || !QDir().rename(destination, retired)) {
            QDir(staging).removeRecursively();
            return failed(
                destination,
                reason.isEmpty()
                    ? QStringLiteral("前回のバックアップ「%1」を置き換えられません。").arg(destination)
                    : reason);
        }
    }
    if (!QDir().rename(copied, destination)) {
        if (hadPrevious)
            QDir().rename(retired, destination);
        QDir(staging).removeRecursively();
        return failed(destination,
                      QStringLiteral("「%1」を「%2」にできませんでした。").arg(copied, destination));
    }
    // The new copy is in place and verified: the previous one (or one left behind by an
    // interrupted run) can go.
    QDir(staging).removeRecursively();
    if (QFileInfo(retired).isDir())
        QDir(retired).removeRecursively();
    return {true, destination, QString()};
}

bool runBackup(const BackupRequest& request, Prompter& prompter) {
    const QString target = backupTarget(request.baseText, request.method, request.now, request.appDir);
    if (auto problem = backupTargetProblem(request.baseText, target, request.sourceDir)) {
        prompter.warning(*problem);
        return false;
    }
    const BackupOutcome outcome = copyDataFolderToBackup(request.sourceDir, target);
    if (!outcome.ok) {
        prompter.error(kBackupFailed + QLatin1Char('\n') + outcome.reason);
        return false;
    }
    prompter.message(QStringLiteral("データのバックアップは終わりました。\n保存先は　") + target +
                     QStringLiteral("　のフォルダの中です。"));
    return true;
}

} // namespace k9
