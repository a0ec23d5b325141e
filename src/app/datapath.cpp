// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datapath.h"

#include "app/datafolder.h"
#include "app/init.h"
#include "app/messages.h"
#include "app/pathutil.h"
#include "app/startup.h"
#include "store/cp932.h"
#include "store/folders.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>

namespace k9 {
namespace {

constexpr int kPathWidth = 100; // HeadM.PathName1, CP932 bytes

QString yearText(const QDate& today) {
    return QStringLiteral("%1").arg(defaultFiscalYear(today), 4, 10, QLatin1Char('0'));
}

} // namespace

DataPathExamples dataPathExamples(const QDate& today, const QString& homeDir) {
    const QString year = yearText(today);
    return {QStringLiteral("(例１) %1/").arg(year),
            QStringLiteral("(例２) %1/").arg(QDir(homeDir).filePath(year)),
            QStringLiteral("(例３) /mnt/コンピュータ名/共有名/%1/").arg(year)};
}

QString defaultDataPath(const QDate& today) {
    return yearText(today) + QLatin1Char('/');
}

QString dataPathFieldText(Session& session, const QDate& today) {
    QString stored =
        session.hm.scalar(QStringLiteral("SELECT \"PathName1\" FROM \"HeadM\" LIMIT 1")).toString().trimmed();
    return stored.isEmpty() ? defaultDataPath(today) : stored;
}

QString browsedDataPath(const QString& appDir, const QString& chosenFolder) {
    return withTrailingSlash(pathRelativeToAppDir(appDir, chosenFolder));
}

bool storableDataPath(const QString& path) {
    return cp932::canEncode(path) && cp932::byteWidth(path) <= kPathWidth;
}

void storeDataPath(Session& session, const QString& path) {
    // Which fiscal year to open is a choice of the user, not a change of the books, so it is
    // stored in view-only mode too.
    Database::Exemption choice(session.hm);
    Transaction tx(session.hm);
    if (session.hm.updateRows(QStringLiteral("HeadM"), {{QStringLiteral("PathName1"), path}}, QString()) == 0)
        session.hm.insertRow(QStringLiteral("HeadM"), {{QStringLiteral("PathName1"), path}});
    tx.commit();
}

DataPathAnswer acceptDataPath(Session& session, Prompter& prompter, const QString& typed) {
    QDir::setCurrent(session.appDir);
    const QString text = withTrailingSlash(typed.trimmed());
    if (text.isEmpty())
        return DataPathAnswer::StayOpen;
    if (!storableDataPath(text)) {
        prompter.message(msg::invalidDataPath(), MessageIcon::Warning);
        return DataPathAnswer::StayOpen;
    }
    const QString folder = session.resolve(text);
    if (QFileInfo(folder).isDir()) {
        DataFolderCheck check = DataFolderCheck::NotDataFolder;
        try {
            check = checkAndStampDataFolder(folder, session.programCode);
        } catch (const K9Error& e) {
            prompter.message(msg::notDataFolder() + QLatin1Char('\n') + e.message(), MessageIcon::Warning);
            return DataPathAnswer::StayOpen;
        }
        if (check != DataFolderCheck::Accepted) {
            prompter.message(dataFolderCheckMessage(check, msg::notDataFolder()), MessageIcon::Warning);
            return DataPathAnswer::StayOpen;
        }
    } else {
        if (prompter.ask(msg::createDataFolder(), MessageIcon::Warning, Buttons::YesNoCancel) != Answer::Yes)
            return DataPathAnswer::StayOpen;
        if (!forceFolders(folder) || !QFileInfo(folder).isDir()) {
            prompter.message(msg::invalidDataPath(), MessageIcon::Warning);
            return DataPathAnswer::StayOpen;
        }
    }
    storeDataPath(session, text);
    session.dataPath = text;
    return DataPathAnswer::Accepted;
}

} // namespace k9
