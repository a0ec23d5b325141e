// SPDX-License-Identifier: GPL-3.0-or-later
// The record of fiscal-year data folders (PathRec, screen データパス名の記録): its rows,
// and the choice of one of them as the current year's data folder. A folder is taken only
// when it exists, holds this program's tables and carries this program's ownership stamp;
// until then neither the session's DataPath nor HeadM.PathName1 changes.
#pragma once

#include "app/gridmodel.h"

#include <QString>
#include <optional>
#include <vector>

namespace k9 {

class Database;
class Prompter;
struct Session;

// The grid's columns: No, 会計年度 (Japanese input), データパス名.
std::vector<GridColumn> pathRecColumns();

// Creates PathRec in the program folder when it is missing.
void ensurePathRecTable(Database& hm);

// A data path as stored: blanks trimmed, '\' read as the folder separator (as in the
// screen's example "2007\"), and a trailing '/' added. Empty stays empty.
QString normalizeDataPath(const QString& typed);

// The No of the first row whose データパス名 names `dataPath` (compared after
// normalizeDataPath); else the first row's No; nullopt when PathRec is empty.
std::optional<int> pathRecNoForDataPath(Database& hm, const QString& dataPath);

// "追　　加": appends a row numbered one above the last (1 for an empty list) and returns
// its No.
int appendPathRecRow(Database& hm);

// "削　　除": deletes the row numbered `no`.
void deletePathRecRow(Database& hm, int no);

enum class FolderChoice {
    Ignored,       // the row's path is empty
    Accepted,      // DataPath and HeadM.PathName1 now name the folder
    Missing,       // no such folder
    NotDataFolder, // no Head table in it
    Foreign,       // stamped by another program
};

// "選　　択" on a row's path. Applies the ownership stamp rule (an empty stamp or the
// sibling edition's "qbnW4R7" is replaced by ProgramCode) and, only when the folder is
// accepted, stores the normalised path in HeadM.PathName1 and makes it the session's
// DataPath. The choice of the year is stored even in view-only mode: it says which year
// is read, not what the books hold. Raises StoreError when HeadM cannot be written.
FolderChoice chooseDataFolder(Session& session, const QString& typedPath);

// The same with the refusal shown through the prompter ("[エラー] " + the reason for a store
// failure). True when the folder was accepted and the list closes.
bool runChooseDataFolder(Session& session, Prompter& prompter, const QString& typedPath);

} // namespace k9
