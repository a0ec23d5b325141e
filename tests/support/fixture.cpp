// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

#include "store/schema.h"

#include <QProcess>
#include <QStandardPaths>
#include <stdexcept>

namespace k9::test {

TempFolders::TempFolders() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

SessionFixture::SessionFixture(bool createSchemas) {
    session.appDir = folders.appDir();
    session.workDir = session.appDir + "WKData/";
    session.dataPath = "2015/";
    session.openProgramFolder();
    createTable(session.hm, tables::headM());
    session.connectDatabases();
    if (createSchemas) {
        programFolderSchema(session.hm);
        dataFolderSchema(session.aaa);
        workFolderSchema(session.www);
    }
}

QString pdfText(const QString& file) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace k9::test
