// Writes batches of entries into a diary and prints the number of entries committed after each
// batch, until it is killed: the other half of the crash test.
#include "diary/diarystore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

using namespace somnar::diary;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const int batchSize = args[2].toInt();
    DiaryStore store(args[1]);
    if (store.open() != DiaryOpenResult::Opened)
        return 1;
    const QString text = QStringLiteral("Снилась длинная дорога через лес и реку. ").repeated(36);
    for (qint64 committed = store.count();;) {
        QList<DiaryEntry> batch;
        for (int i = 0; i < batchSize; ++i) {
            DiaryEntry entry = NewDiaryEntry();
            entry.title = QStringLiteral("Сон %1").arg(committed + i + 1);
            entry.text = text;
            batch << entry;
        }
        if (!store.saveAll(batch))
            return 1;
        committed += batchSize;
        std::printf("%lld\n", static_cast<long long>(committed));
        std::fflush(stdout);
    }
}
