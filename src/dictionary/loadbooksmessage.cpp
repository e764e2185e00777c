#include "dictionary/loadbooksmessage.h"

namespace somnar {

QString LoadBooksMessage(BookCatalogue::LoadResult result, const QString &dataFolder)
{
    switch (result) {
    case BookCatalogue::LoadResult::Loaded:
        return {};
    case BookCatalogue::LoadResult::Unreadable:
        return QStringLiteral("Невозможно найти папку с данными:") + QLatin1Char('\n') + dataFolder;
    case BookCatalogue::LoadResult::NoBookFiles:
        return QStringLiteral("В папке данных программы не найдено ни одного сонника! "
                              "Переустановите программу или добавьте файлы сонников!");
    case BookCatalogue::LoadResult::NoCompatibleBooks:
        return QStringLiteral("Среди файлов программы нет сонников совместимых с текущей версией! "
                              "Переустановите программу или добавьте файлы сонников!");
    }
    return {};
}

}
