// SPDX-License-Identifier: GPL-3.0-or-later
// Folder-path helpers shared by the screens that let the user pick a folder (the backup
// base folder, the data path): whether a folder lies inside another, and the program
// folder's rule that a folder chosen inside it is kept relative to it.
#pragma once

#include <QString>

namespace k9 {

// True when `path` is `folder` itself or lies below it. Both are compared as cleaned
// absolute paths, whole component by component: /k9x/2015 is not inside /k9.
bool pathIsWithin(const QString& folder, const QString& path);

// The text a chosen folder is stored as: a folder strictly inside the program folder
// becomes relative to it ("/k9/2015" with appDir "/k9/" → "2015"); any other folder,
// the program folder itself included, stays as chosen (cleaned, without a trailing '/').
// Relative input is returned cleaned as well.
QString pathRelativeToAppDir(const QString& appDir, const QString& chosen);

} // namespace k9
