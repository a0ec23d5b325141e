// SPDX-License-Identifier: GPL-3.0-or-later
// Fiscal-year folder record and the choice of a data folder; see pathrec.h.
#include "app/pathrec.h"

#include "app/datafolder.h"
#include "app/registermessages.h"
#include "store/database.h"
#include "store/prompter.h"
#include "store/schema.h"
#include "store/session.h"

namespace k9 {
namespace {
const QString kPathRec = QStringLiteral("PathRec");
}

std::vector<GridColumn> pathRecColumns() {
    const auto latin = Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    return {{QStringLiteral("No"), QStringLiteral("No"), true, latin | Qt::ImhDigitsOnly},
            {QStringLiteral("会計年度"), QStringLiteral("会計年度"), true, Qt::ImhNone},
            {QStringLiteral("データパス名"), QStringLiteral("データパス名"), true,
             latin | Qt::ImhNoAutoUppercase}};
}

void ensurePathRecTable(Database& hm) {
    if (!hm.tableExists(kPathRec))
        createTable(hm, tables::pathRec());
}

QString normalizeDataPath(const QString& typed) {
    QString p = typed.trimmed();
    if (p.isEmpty())
        return p;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}

std::optional<int> pathRecNoForDataPath(Database& hm, const QString& dataPath) {
    std::optional<int> first;
    const QString wanted = normalizeDataPath(dataPath);
    auto st = hm.prepare(QStringLiteral("SELECT \"No\", \"データパス名\" FROM \"PathRec\" ORDER BY \"No\""));
    while (st.step()) {
        int no = static_cast<int>(st.integer(0));
        if (!first)
            first = no;
        if (!wanted.isEmpty() && normalizeDataPath(st.text(1)) == wanted)
            return no;
    }
    return first;
}

int appendPathRecRow(Database& hm) {
    Transaction tx(hm);
    int no = hm.scalar(QStringLiteral("SELECT COALESCE(MAX(\"No\"), 0) + 1 FROM \"PathRec\"")).toInt();
    hm.insertRow(kPathRec, {{QStringLiteral("No"), no}});
    tx.commit();
    return no;
}

void deletePathRecRow(Database& hm, int no) {
    hm.run(QStringLiteral("DELETE FROM \"PathRec\" WHERE \"No\" = ?1"), {no});
}

FolderChoice chooseDataFolder(Session& session, const QString& typedPath) {
    const QString path = normalizeDataPath(typedPath);
    if (path.isEmpty())
        return FolderChoice::Ignored;
    switch (checkAndStampDataFolder(session.resolve(path), session.programCode)) {
    case DataFolderCheck::Missing:
        return FolderChoice::Missing;
    case DataFolderCheck::NotDataFolder:
        return FolderChoice::NotDataFolder;
    case DataFolderCheck::Foreign:
        return FolderChoice::Foreign;
    case DataFolderCheck::Accepted:
        break;
    }
    Database::Exemption yearChoice(session.hm);
    Transaction tx(session.hm);
    const std::vector<std::pair<QString, QVariant>> value{{QStringLiteral("PathName1"), path}};
    if (session.hm.rowCount(QStringLiteral("HeadM")) == 0)
        session.hm.insertRow(QStringLiteral("HeadM"), value);
    else
        session.hm.updateRows(QStringLiteral("HeadM"), value,
                              QStringLiteral("rowid = (SELECT MIN(rowid) FROM \"HeadM\")"));
    tx.commit();
    session.dataPath = path;
    return FolderChoice::Accepted;
}

bool runChooseDataFolder(Session& session, Prompter& prompter, const QString& typedPath) {
    FolderChoice choice = FolderChoice::Ignored;
    try {
        choice = chooseDataFolder(session, typedPath);
    } catch (const K9Error& e) {
        prompter.error(msg::storeFailure(e.message()));
        return false;
    }
    switch (choice) {
    case FolderChoice::Ignored:
        return false;
    case FolderChoice::Accepted:
        return true;
    case FolderChoice::Missing:
        prompter.message(dataFolderCheckMessage(DataFolderCheck::Missing, msg::pathNotSelectable()),
                         MessageIcon::Warning);
        return false;
    case FolderChoice::NotDataFolder:
        prompter.message(dataFolderCheckMessage(DataFolderCheck::NotDataFolder, QString()),
                         MessageIcon::Warning);
        return false;
    case FolderChoice::Foreign:
        prompter.message(dataFolderCheckMessage(DataFolderCheck::Foreign, QString()), MessageIcon::Warning);
        return false;
    }
    return false;
}

} // namespace k9
