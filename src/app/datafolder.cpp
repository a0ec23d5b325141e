// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"

#include "store/database.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>

namespace k9 {

DataFolderCheck checkAndStampDataFolder(const QString& absoluteDir, const QString& programCode) {
    if (!QFileInfo(absoluteDir).isDir())
        return DataFolderCheck::Missing;
    QString file = QDir(absoluteDir).filePath(QString::fromLatin1(kDatabaseFile));
    if (!QFileInfo::exists(file))
        return DataFolderCheck::NotDataFolder;
    Database db;
    db.open(file, Database::Kind::Data);
    if (!db.tableExists(QStringLiteral("Head")))
        return DataFolderCheck::NotDataFolder;
    QString stamp = db.scalar(QStringLiteral("SELECT \"PassWord\" FROM \"Head\" LIMIT 1")).toString().trimmed();
    if (stamp == QLatin1String("qbnW4R7"))
        stamp.clear();
    if (stamp.isEmpty()) {
        Transaction tx(db);
        if (db.rowCount(QStringLiteral("Head")) == 0)
            db.insertRow(QStringLiteral("Head"), {{QStringLiteral("PassWord"), programCode}});
        else
            db.updateRows(QStringLiteral("Head"), {{QStringLiteral("PassWord"), programCode}}, QString());
        tx.commit();
        return DataFolderCheck::Accepted;
    }
    return stamp.toUpper() == programCode.toUpper() ? DataFolderCheck::Accepted : DataFolderCheck::Foreign;
}

QString dataFolderCheckMessage(DataFolderCheck result, const QString& missingMessage) {
    switch (result) {
    case DataFolderCheck::Accepted:
        return QString();
    case DataFolderCheck::Missing:
        return missingMessage;
    case DataFolderCheck::NotDataFolder:
        return QStringLiteral("この会計のデータディレクトリではありませんので、ご確認ください。");
    case DataFolderCheck::Foreign:
        return QStringLiteral("「かなめ会計」のデータですが、他の会計のデータですので実行できません。");
    }
    return QString();
}

} // namespace k9
