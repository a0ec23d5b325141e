// SPDX-License-Identifier: GPL-3.0-or-later
// Fixture of the application-shell tests: a fresh program folder made as an installation
// makes it (HeadM with one row), a session on it with the start-up values set, and the data
// path "2015/" not yet created.
#pragma once

#include "app/init.h"
#include "app/startup.h"
#include "store/session.h"
#include "support/fixture.h"

#include <QDate>
#include <ostream>

// Test failures print texts as text.
[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
[[maybe_unused]] static void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace k9::test {

struct AppFolder {
    TempFolders folders;
    Session session;

    AppFolder() {
        prepareProgramFolder(folders.appDir());
        session.appDir = folders.appDir();
        session.openProgramFolder();
        beginStartup(session);
        session.dataPath = QStringLiteral("2015/");
        // As Init sets it; tests that connect before Init must not open a work database in
        // whatever the current folder is.
        session.workDir = session.appDir + QStringLiteral("WKData/");
    }

    // Runs Init for the data path as of `today`.
    InitResult init(const QDate& today = QDate(2016, 1, 15)) { return runInit(session, today); }

    // Sets a column of the one HeadM row.
    void setHeadM(const QString& column, const QVariant& value) {
        session.hm.updateRows(QStringLiteral("HeadM"), {{column, value}}, QString());
    }
};

} // namespace k9::test
