// SPDX-License-Identifier: GPL-3.0-or-later
// データパス名の記録: the rows of PathRec, the grid's writes through the store, and the choice
// of a recorded folder, which only ever stores a folder that is this program's.
#include "app/gridmodel.h"
#include "app/messages.h"
#include "app/pathrec.h"
#include "app/registermessages.h"
#include "appfixture.h"
#include "store/prompter.h"
#include "store/schema.h"

#include <QDir>
#include <gtest/gtest.h>

namespace k9 {
namespace {

struct PathFolder : test::AppFolder {
    PathFolder() {
        init();
        setHeadM("PathName1", QStringLiteral("2015/"));
    }
    // A folder under the program folder; `stamp` nullptr = no database, "" = Head without a stamp.
    void makeFolder(const QString& name, const char* stamp, bool withHead = true) {
        QDir().mkpath(session.appDir + name);
        if (!stamp)
            return;
        Database db;
        db.open(session.appDir + name + "/k9.db", Database::Kind::Data);
        if (!withHead)
            return;
        createTable(db, tables::dataHead());
        db.insertRow("Head", {{"PassWord", QString::fromUtf8(stamp)}});
    }
    QString stamp(const QString& name) {
        Database db;
        db.open(session.appDir + name + "/k9.db", Database::Kind::Data);
        return db.scalar("SELECT PassWord FROM Head").toString();
    }
    QString storedPath() { return session.hm.scalar("SELECT PathName1 FROM HeadM").toString(); }
    QStringList pathRec() {
        QStringList out;
        auto st = session.hm.prepare("SELECT No, 会計年度, データパス名 FROM PathRec ORDER BY No");
        while (st.step())
            out << QStringLiteral("%1|%2|%3").arg(st.text(0), st.text(1), st.text(2));
        return out;
    }
};

TEST(PathRecRows, AreNumberedOneAboveTheLast) {
    PathFolder f;
    EXPECT_EQ(appendPathRecRow(f.session.hm), 1);
    EXPECT_EQ(appendPathRecRow(f.session.hm), 2);
    f.session.hm.run("UPDATE PathRec SET No = 5 WHERE No = 2");
    EXPECT_EQ(appendPathRecRow(f.session.hm), 6);
    deletePathRecRow(f.session.hm, 6);
    EXPECT_EQ(f.pathRec(), (QStringList{"1||", "5||"}));
}

TEST(PathRecRows, TheCursorStartsOnTheCurrentDataPath) {
    PathFolder f;
    EXPECT_FALSE(pathRecNoForDataPath(f.session.hm, "2015/").has_value());
    f.session.hm.insertRow("PathRec",
                           {{"No", 1}, {"会計年度", "２０１４年度会計"}, {"データパス名", "2014\\"}});
    f.session.hm.insertRow("PathRec",
                           {{"No", 2}, {"会計年度", "２０１５年度会計"}, {"データパス名", "2015"}});
    const struct {
        const char* dataPath;
        int no;
    } cases[] = {{"2015/", 2}, {"2014/", 1}, {"2013/", 1}, {"", 1}};
    for (const auto& c : cases)
        EXPECT_EQ(pathRecNoForDataPath(f.session.hm, c.dataPath), c.no) << c.dataPath;
}

TEST(PathRecRows, NormaliseTheTypedPath) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"2007\\", "2007/"},
                 {"2007", "2007/"},
                 {" /srv/k9/2016 ", "/srv/k9/2016/"},
                 {"", ""},
                 {"a/b/", "a/b/"}};
    for (const auto& c : cases)
        EXPECT_EQ(normalizeDataPath(QString::fromUtf8(c.typed)), QString::fromUtf8(c.stored)) << c.typed;
}

TEST(PathRecChoice, RefusesAnyFolderThatIsNotOursAndStoresNothing) {
    const struct {
        const char* what;
        const char* stamp; // nullptr: no database in the folder
        bool withHead;
        bool create;
        FolderChoice choice;
        QString message;
    } cases[] = {
        {"missing", nullptr, false, false, FolderChoice::Missing, msg::pathNotSelectable()},
        {"empty folder", nullptr, false, true, FolderChoice::NotDataFolder, msg::notDataFolder()},
        {"database without Head", "", false, true, FolderChoice::NotDataFolder, msg::notDataFolder()},
        {"another program's", "ABC1234", true, true, FolderChoice::Foreign, msg::foreignDataFolder()},
    };
    for (const auto& c : cases) {
        PathFolder f;
        if (c.create)
            f.makeFolder("2016", c.stamp, c.withHead);
        EXPECT_EQ(chooseDataFolder(f.session, "2016"), c.choice) << c.what;
        RecordingPrompter p;
        EXPECT_FALSE(runChooseDataFolder(f.session, p, "2016\\")) << c.what;
        EXPECT_EQ(p.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(f.session.dataPath, "2015/") << c.what;
        EXPECT_EQ(f.storedPath(), "2015/") << c.what;
    }
}

TEST(PathRecChoice, AcceptsOurFoldersStampingThemAndStoresThePath) {
    const struct {
        const char* stamp;
        const char* after;
    } cases[] = {{"pvxT8M2", "pvxT8M2"}, {"PVXT8M2", "PVXT8M2"}, {"qbnW4R7", "pvxT8M2"}, {"", "pvxT8M2"}};
    for (const auto& c : cases) {
        PathFolder f;
        f.makeFolder("2016", c.stamp);
        RecordingPrompter p;
        EXPECT_TRUE(runChooseDataFolder(f.session, p, "2016")) << c.stamp;
        EXPECT_TRUE(p.shown.empty());
        EXPECT_EQ(f.stamp("2016"), c.after);
        EXPECT_EQ(f.session.dataPath, "2016/");
        EXPECT_EQ(f.storedPath(), "2016/");
    }
}

TEST(PathRecChoice, AnEmptyPathDoesNothingAndViewOnlyMayStillChooseAYear) {
    PathFolder f;
    RecordingPrompter p;
    EXPECT_FALSE(runChooseDataFolder(f.session, p, "  "));
    EXPECT_TRUE(p.shown.empty());

    f.makeFolder("2016", "pvxT8M2");
    f.session.setViewOnly(true);
    EXPECT_EQ(chooseDataFolder(f.session, "2016"), FolderChoice::Accepted);
    EXPECT_EQ(f.storedPath(), "2016/");
    EXPECT_THROW(appendPathRecRow(f.session.hm), ViewOnlyError);
}

TEST(PathRecGrid, EditsAreWrittenThroughTheStoreAndRefusalsKeepTheRow) {
    PathFolder f;
    appendPathRecRow(f.session.hm);
    appendPathRecRow(f.session.hm);
    RecordingPrompter p;
    TableGridModel model(f.session.hm, p, "PathRec", "No", pathRecColumns());
    model.reload();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "データパス名");
    EXPECT_EQ(model.index(0, 2).data(TableGridModel::MaxBytesRole).toInt(), 100);

    EXPECT_TRUE(model.setData(model.index(0, 1), QStringLiteral("２００７年度会計")));
    EXPECT_TRUE(model.setData(model.index(0, 2), QString(60, QChar(0x3042)))); // 120 bytes, cut to 100
    EXPECT_TRUE(p.shown.empty());
    EXPECT_EQ(model.index(0, 2).data().toString(), QString(50, QChar(0x3042)));

    const struct {
        int column;
        QString text;
    } refused[] = {
        {2, QStringLiteral("2007\U0001F600")}, {0, QStringLiteral("2")}, {0, QStringLiteral("一")}};
    for (const auto& r : refused) {
        p.clear();
        EXPECT_FALSE(model.setData(model.index(0, r.column), r.text)) << r.text.toStdString();
        EXPECT_EQ(p.shown.size(), 1u);
        EXPECT_EQ(p.shown.back().icon, MessageIcon::Error);
    }
    EXPECT_EQ(f.pathRec(), (QStringList{"1|２００７年度会計|" + QString(50, QChar(0x3042)), "2||"}));

    EXPECT_TRUE(model.setData(model.index(1, 0), QStringLiteral("7")));
    EXPECT_EQ(model.keyAt(1).toInt(), 7);
    EXPECT_EQ(model.rowOfKey(7), 1);
}

} // namespace
} // namespace k9
