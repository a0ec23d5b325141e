// SPDX-License-Identifier: GPL-3.0-or-later
// Test fixtures: a throw-away program folder with its data and work folders, opened in a
// Session the way start-up opens them.
#pragma once

#include "store/session.h"

#include <QTemporaryDir>
#include <memory>

namespace k9::test {

class TempFolders {
public:
    TempFolders();
    QString appDir() const { return m_dir.path() + '/'; }
    QString path(const QString& rel) const { return m_dir.path() + '/' + rel; }

private:
    QTemporaryDir m_dir;
};

// A session on fresh folders: the program folder with HeadM, the data folder "2015/" and
// the work folder, every table created as start-up creates them.
struct SessionFixture {
    TempFolders folders;
    Session session;
    explicit SessionFixture(bool createSchemas = true);
};

// The text of a PDF file through pdftotext -layout (pages end with '\f'); empty when the
// tool is not installed, which the PDF tests take as a reason to skip.
QString pdfText(const QString& file);

} // namespace k9::test
