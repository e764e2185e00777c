#include "app/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>

namespace somnar {

QString ProgramFolderBeside(const QString &executableFolder)
{
    const QDir beside(executableFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("Books"))).isDir())
        return QDir::cleanPath(executableFolder);
    return QDir::cleanPath(beside.filePath(QStringLiteral("../share/somnar")));
}

QString ProgramFolder()
{
    return ProgramFolderBeside(QCoreApplication::applicationDirPath());
}

QString UserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/somnar");
}

bool CreateUserFolders()
{
    const QDir user(UserFolder());
    return user.mkpath(QStringLiteral("Books")) && user.mkpath(QStringLiteral("Texts"));
}

QString FindDataFile(const QString &relativePath)
{
    const QString userPath = UserFolder() + QLatin1Char('/') + relativePath;
    if (QFileInfo(userPath).isFile())
        return userPath;
    return ProgramFolder() + QLatin1Char('/') + relativePath;
}

QString TownListFile()
{
    return FindDataFile(QStringLiteral("City.csv"));
}

QStringList DataFolders(const QString &subfolder)
{
    return {ProgramFolder() + QLatin1Char('/') + subfolder, UserFolder() + QLatin1Char('/') + subfolder};
}

QStringList MergedFolderFiles(const QStringList &folders, const QStringList &nameFilters)
{
    QMap<QString, QString> byName;  // file name -> full path; a later folder replaces
    for (const QString &folderPath : folders) {
        if (folderPath.isEmpty())
            continue;  // QDir would read an empty path as the working folder
        const QDir folder(folderPath);
        for (const QString &name : folder.entryList(nameFilters, QDir::Files | QDir::Readable))
            byName.insert(name, folder.filePath(name));
    }
    QStringList names = byName.keys();
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QStringList paths;
    for (const QString &name : names)
        paths << byName.value(name);
    return paths;
}

}
