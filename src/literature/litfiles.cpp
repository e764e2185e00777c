#include "literature/litfiles.h"

#include "app/datafolders.h"

#include <QDir>

#include <map>

namespace somnar {

QString LitTitle(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || fileName.size() - dot - 1 > 10)
        return fileName;
    return fileName.left(dot);
}

std::vector<LitFile> ListLitFiles(const QStringList &folders)
{
    std::map<QString, LitFile> byName;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*.lit")}, QDir::Files | QDir::Readable))
            byName[name.toLower()] = LitFile{LitTitle(name), dir.filePath(name)};
    }
    std::vector<LitFile> files;
    for (auto &[name, file] : byName)
        files.push_back(std::move(file));
    return files;
}

QStringList LitFolders()
{
    return DataFolders(QStringLiteral("Texts"));
}

}
