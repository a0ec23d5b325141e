// SPDX-License-Identifier: GPL-3.0-or-later
// Folders chosen inside the program folder are kept relative to it; all others absolute.
#include "app/pathutil.h"

#include <gtest/gtest.h>

using namespace k9;

TEST(PathRelativeToAppDir, KeepsOnlyFoldersInsideTheProgramFolderRelative) {
    struct Case {
        const char* appDir;
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"/k9/", "/k9/2015", "2015"},
        {"/k9", "/k9/2015/", "2015"},
        {"/k9/", "/k9/データ/2016", "データ/2016"},
        {"/k9/", "/k9x/2015", "/k9x/2015"}, // shares the letters, not the folder
        {"/k9/", "/k9", "/k9"},             // the program folder itself stays absolute
        {"/k9/", "/k9/", "/k9"},
        {"/k9/", "/", "/"},
        {"/k9/", "/home/user/backup", "/home/user/backup"},
        {"/k9/", "/k9/a/../2015", "2015"},
        {"/", "/k9", "k9"},
        {"/k9/", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            pathRelativeToAppDir(QString::fromUtf8(c.appDir), QString::fromUtf8(c.chosen)).toStdString(),
            std::string(c.expected))
            << c.appDir << " + " << c.chosen;
}

TEST(PathIsWithin, ComparesWholeFolderNames) {
    struct Case {
        const char* folder;
        const char* path;
        bool within;
    };
    const Case cases[] = {
        {"/k9", "/k9", true},        {"/k9/", "/k9/2015", true}, {"/k9", "/k9x", false},
        {"/k9", "/k9x/2015", false}, {"/k9/2015", "/k9", false}, {"/", "/k9", true},
        {"k9", "k9/2015", false}, // relative paths are never compared
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathIsWithin(QString::fromUtf8(c.folder), QString::fromUtf8(c.path)), c.within)
            << c.folder << " / " << c.path;
}
