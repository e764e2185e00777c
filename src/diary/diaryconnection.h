#pragma once

#include "diary/diarystore.h"
#include "diary/russianstemmer.h"

#include <QSqlDatabase>
#include <QString>

namespace somnar::diary {

// The open diary's Qt SQL connection, by name as Qt keeps them.
struct DiaryStore::Connection {
    QString name;
    bool writable = false;
    RussianStemmer stemmer;

    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
};

}
