#include "app/datafolders.h"

#include "support/qtapplication.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

}

TEST(ProgramFolder, BesideTheExecutableWhenItHoldsBooksElseTheSharedFolder)
{
    QTemporaryDir root;
    const QString portable = root.filePath(QStringLiteral("portable"));
    QDir().mkpath(portable + QStringLiteral("/Books"));
    const QString installed = root.filePath(QStringLiteral("prefix/bin"));
    QDir().mkpath(installed);
    touch(root.filePath(QStringLiteral("withfile/Books")));  // a file named Books is not a folder of books

    EXPECT_EQ(ProgramFolderBeside(portable), portable);
    EXPECT_EQ(ProgramFolderBeside(installed), root.filePath(QStringLiteral("prefix/share/somnar")));
    EXPECT_EQ(ProgramFolderBeside(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/somnar"));
    EXPECT_EQ(ProgramFolderBeside(root.filePath(QStringLiteral("withfile"))),
              root.filePath(QStringLiteral("share/somnar")));
}

TEST(MergedFolderFiles, UserFileReplacesProgramFileAndNamesSortWithoutCase)
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program"));
    const QString user = root.filePath(QStringLiteral("user"));
    for (const char *name : {"b.book", "C.book", "notes.txt", "A.BOOK.bak"})
        touch(program + u'/' + QString::fromLatin1(name));
    for (const char *name : {"a.book", "b.book", "d.book"})
        touch(user + u'/' + QString::fromLatin1(name));
    QDir().mkpath(user + QStringLiteral("/e.book"));  // a folder is not a book

    const QStringList expected = {user + QStringLiteral("/a.book"), user + QStringLiteral("/b.book"),
                                  program + QStringLiteral("/C.book"), user + QStringLiteral("/d.book")};
    EXPECT_EQ(MergedFolderFiles({program, user}, {QStringLiteral("*.book")}), expected);
    EXPECT_EQ(MergedFolderFiles({program, root.filePath(QStringLiteral("missing")), QString()},
                                {QStringLiteral("*.book")}),
              QStringList({program + QStringLiteral("/b.book"), program + QStringLiteral("/C.book")}))
        << "missing folders and empty paths add nothing (an empty path is not the working folder)";
}

TEST(UserFolder, CreatedOnFirstStartAndItsFilesWin)
{
    test::EnsureApplication();
    const QByteArray privateData = qgetenv("XDG_DATA_HOME");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString user = data.filePath(QStringLiteral("somnar"));
    EXPECT_EQ(UserFolder(), user);
    EXPECT_EQ(DataFolders(QStringLiteral("Texts")),
              QStringList({ProgramFolder() + QStringLiteral("/Texts"), user + QStringLiteral("/Texts")}));

    ASSERT_TRUE(CreateUserFolders());
    EXPECT_TRUE(QDir(user).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/Books")).isDir());
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/Texts")).isDir());
    EXPECT_TRUE(CreateUserFolders()) << "a second start finds them in place";

    EXPECT_EQ(FindDataFile(QStringLiteral("City.csv")), ProgramFolder() + QStringLiteral("/City.csv"));
    touch(user + QStringLiteral("/City.csv"));
    EXPECT_EQ(FindDataFile(QStringLiteral("City.csv")), user + QStringLiteral("/City.csv"));
    EXPECT_EQ(TownListFile(), user + QStringLiteral("/City.csv"));

    touch(data.filePath(QStringLiteral("blocked")));
    qputenv("XDG_DATA_HOME", data.filePath(QStringLiteral("blocked")).toLocal8Bit());
    EXPECT_FALSE(CreateUserFolders()) << "a file where the folder should be";
    qputenv("XDG_DATA_HOME", privateData);
}
