#pragma once

#include <QString>
#include <QStringList>

namespace somnar {

// The title an article shows in the tree: its file name without the extension (the part from
// the last "."), or the whole name when the part after the last "." is longer than 10 characters.
QString LitTitle(const QString &fileName);

struct LitFile {
    QString title;
    QString path;  // the folder, "/", the file name
};

// Every "*.lit" file of the folders, in file-name order without regard to case; a file of a
// later folder replaces one of the same name in an earlier folder. A folder that cannot be
// listed adds nothing.
std::vector<LitFile> ListLitFiles(const QStringList &folders);

// The program's literature folder, then the user's own.
QStringList LitFolders();

}
