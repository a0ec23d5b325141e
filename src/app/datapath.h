// SPDX-License-Identifier: GPL-3.0-or-later
// The data-path dialog's rules: the example paths and the default folder of the current
// fiscal year, the "参照" result made relative to AppDir, and the OK button, which accepts
// an existing data folder of this program or creates a new one and only then stores the
// path in HeadM.PathName1.
#pragma once

#include <QDate>
#include <QString>

namespace k9 {

class Prompter;
struct Session;

// The three example labels: a folder inside the program folder, a folder in the user's home
// folder and a folder on a mounted network share, each named after the fiscal year.
struct DataPathExamples {
    QString relative;
    QString local;
    QString network;
};
DataPathExamples dataPathExamples(const QDate& today, const QString& homeDir);

// The default data path: the fiscal year of `today` as four digits and '/' ("2015/").
QString defaultDataPath(const QDate& today);

// What the folder field shows when the dialog opens: HeadM.PathName1, or the default data
// path while PathName1 is empty. Nothing is stored.
QString dataPathFieldText(Session& session, const QDate& today);

// The text "参照" puts into the folder field for a chosen folder: a folder inside AppDir
// becomes relative to it; every path gets the trailing '/'.
QString browsedDataPath(const QString& appDir, const QString& chosenFolder);

enum class DataPathAnswer {
    Accepted, // DataPath and HeadM.PathName1 hold the new path; the caller runs Init
    StayOpen, // refused or not confirmed; nothing changed
};

// The OK button. An empty text does nothing. An existing folder must be a data folder of
// this program (its stamp is renewed as the ownership rule says); a missing folder is
// created after the question "新規にデータフォルダを作成しますがよろしいですか。". A refused
// path never replaces the stored one. The current directory is set back to AppDir.
DataPathAnswer acceptDataPath(Session& session, Prompter& prompter, const QString& typed);

// True when the path can be stored in HeadM.PathName1: CP932 text of at most 100 bytes.
bool storableDataPath(const QString& path);

// Stores a data path in HeadM.PathName1 (adding the HeadM row when there is none).
void storeDataPath(Session& session, const QString& path);

} // namespace k9
