// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder and the first steps of start-up: whether AppDir can run the program
// (HeadM), making a fresh program folder, the session values start-up fixes, and reading
// the data path and rights mode from HeadM.
#pragma once

#include <QString>

namespace k9 {

struct Session;

// True when the program folder holds its database with a HeadM table. Creates nothing.
bool hasProgramFolder(const QString& appDir);

// Makes `appDir` a program folder: creates the folder and its database, HeadM with one row
// (passwords 0, an empty PathName1) when it has no HeadM yet, the other program-folder
// tables (ProgramFolderSchema) and each chart template Data1..Data3 that is missing (an
// existing template is kept). An existing HeadM row is never changed. Raises K9Error on
// failure (ChartTemplateError when the template sources cannot be read).
void prepareProgramFolder(const QString& appDir);

// The values start-up fixes before the login: ProgramCode, the report-header captions
// ("法人名", "部門区分"), NewStandardMode 1 and MaxUnitIndex 19.
void beginStartup(Session& session);

// Reads HeadM.PathName1 into DataPath (with the trailing '/') and PM8 into RightsMode.
void readProgramSettings(Session& session);

// True when DataPath is empty or names no existing folder: start-up then opens the
// data-path dialog.
bool dataPathMissing(const Session& session);

// Adds the trailing '/' a folder path always carries; an empty text stays empty.
QString withTrailingSlash(const QString& path);

} // namespace k9
