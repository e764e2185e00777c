#pragma once

#include "diary/russianstemmer.h"

#include <QSqlDatabase>
#include <QString>

namespace somnar::diary {

// The diary's schema version, kept in PRAGMA user_version; 0 is an empty file.
// 1: entries; 2: tags and the full-text index; 3: the lunar day cached, and the list's index.
inline constexpr int kDiarySchemaVersion = 3;

// Brings the schema from version `from` to version `to` step by step, inside the caller's
// transaction, and sets user_version. Each step is frozen once released: a file of version N is
// what the steps 1..N make. False with the reason in *error.
bool MigrateDiarySchema(QSqlDatabase &db, int from, int to, const RussianStemmer &stemmer, QString *error);

}
