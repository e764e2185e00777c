#pragma once

#include <QString>
#include <QStringList>

namespace somnar {

// The program folder: the folder of the executable when it holds "Books" (the build tree, a
// portable copy), otherwise "../share/somnar" from it (an install under any prefix).
QString ProgramFolderBeside(const QString &executableFolder);
// The program folder of the running executable; the program and the tools use this one.
QString ProgramFolder();

// The user's own data folder, $XDG_DATA_HOME/somnar (~/.local/share/somnar by default), whose
// "Books" and "Texts" hold what the user adds without root rights.
QString UserFolder();
// Creates the user's "Books" and "Texts" folders when missing; false when that failed.
bool CreateUserFolders();

// A data file such as "City.csv" or "Texts/x.lit": the user's copy when it exists, otherwise
// the program's path (returned even when that file is missing, for messages).
QString FindDataFile(const QString &relativePath);
// The town list of the options window: the user's City.csv, else the program's.
QString TownListFile();
// The folders that hold SUBFOLDER ("Books", "Texts"): the program's, then the user's.
QStringList DataFolders(const QString &subfolder);
// Full paths of the files matching NAMEFILTERS in FOLDERS (later folders win: a file replaces
// an earlier folder's file of the same name), ordered by file name without regard to case.
// Missing folders and empty paths contribute nothing.
QStringList MergedFolderFiles(const QStringList &folders, const QStringList &nameFilters);

}
