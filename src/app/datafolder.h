// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a folder is a data folder of this program: it must hold a Head table whose
// PassWord carries the program's ownership stamp. Used by the data-path dialog and the
// fiscal-year folder list before a folder becomes the current year.
#pragma once

#include <QString>

namespace k9 {

enum class DataFolderCheck {
    Accepted,      // ours (stamped now if the stamp was empty or the sibling edition's)
    Missing,       // the folder does not exist
    NotDataFolder, // no Head table in it
    Foreign,       // stamped by another program
};

// Checks the folder (absolute path) and applies the stamp rule: an empty stamp, or the
// sibling edition's "qbnW4R7", is replaced by programCode; any other stamp that differs
// from programCode (ignoring letter case) makes the folder foreign.
DataFolderCheck checkAndStampDataFolder(const QString& absoluteDir, const QString& programCode);

// The message for a refused folder, as the folder screens show it; empty for Accepted.
// `missingMessage` differs between the two screens, so the caller passes its own.
QString dataFolderCheckMessage(DataFolderCheck result, const QString& missingMessage);

} // namespace k9
