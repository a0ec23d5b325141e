// SPDX-License-Identifier: GPL-3.0-or-later
// Folder-path helpers for the folder-choosing screens.
#include "app/pathutil.h"

#include <QDir>

namespace k9 {
namespace {

QString cleaned(const QString& path) {
    return QDir::cleanPath(path.trimmed());
}

} // namespace

bool pathIsWithin(const QString& folder, const QString& path) {
    const QString f = cleaned(folder);
    const QString p = cleaned(path);
    if (f.isEmpty() || p.isEmpty() || !QDir::isAbsolutePath(f) || !QDir::isAbsolutePath(p))
        return false;
    if (p == f)
        return true;
    // The root "/" is the one clean path that already ends with the separator.
    const QString prefix = f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
    return p.startsWith(prefix);
}

QString pathRelativeToAppDir(const QString& appDir, const QString& chosen) {
    const QString app = cleaned(appDir);
    const QString c = cleaned(chosen);
    if (c.isEmpty() || c == app || !pathIsWithin(app, c))
        return c;
    return QDir(app).relativeFilePath(c);
}

} // namespace k9
