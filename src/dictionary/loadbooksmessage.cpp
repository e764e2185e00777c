#include "dictionary/loadbooksmessage.h"

#include <QStringList>

namespace somnar {

namespace {

QString reasonText(BookFault fault)
{
    switch (fault) {
    case BookFault::CannotOpen:
        return QStringLiteral("файл не удаётся открыть для чтения");
    case BookFault::TooLarge:
        return QStringLiteral("файл больше, чем может быть сонник");
    case BookFault::CannotRead:
        return QStringLiteral("файл не удаётся прочитать с диска");
    case BookFault::NotMarked:
        return QStringLiteral("файл не является сонником этой версии");
    case BookFault::Damaged:
        return QStringLiteral("база данных сонника испорчена");
    case BookFault::NoConfig:
        return QStringLiteral("в соннике нет его названия и заголовка");
    case BookFault::OutOfMemory:
        return QStringLiteral("не хватает памяти, чтобы прочитать сонник");
    }
    return QStringLiteral("база данных сонника испорчена");
}

}

QString LoadBooksMessage(BookCatalogue::LoadResult result, const QStringList &dataFolders,
                         const std::vector<SkippedBook> &skipped)
{
    const QString folders = dataFolders.join(QLatin1Char('\n'));
    switch (result) {
    case BookCatalogue::LoadResult::Loaded:
        return {};
    case BookCatalogue::LoadResult::Unreadable:
        return QStringLiteral("Невозможно найти папку с данными:") + QLatin1Char('\n') + folders;
    case BookCatalogue::LoadResult::NoBookFiles:
        return QStringLiteral("В папке данных программы не найдено ни одного сонника! "
                              "Переустановите программу или добавьте файлы сонников!")
            + QStringLiteral("\n\nПапки сонников:\n") + folders;
    case BookCatalogue::LoadResult::NoCompatibleBooks: {
        const QString message = QStringLiteral("Среди файлов программы нет сонников совместимых с текущей версией! "
                                               "Переустановите программу или добавьте файлы сонников!");
        return skipped.empty() ? message : message + QStringLiteral("\n\n") + SkippedBooksMessage(skipped);
    }
    }
    return {};
}

QString SkippedBooksMessage(const std::vector<SkippedBook> &skipped)
{
    QStringList lines;
    for (const SkippedBook &book : skipped)
        lines << QStringLiteral("Файл «%1» повреждён и пропущен: %2.").arg(book.fileName, reasonText(book.fault));
    return lines.join(QLatin1Char('\n'));
}

}
