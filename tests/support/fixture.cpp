// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

#include "store/schema.h"

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

} // namespace k9::test
