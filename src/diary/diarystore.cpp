#include "diary/diarystore.h"

#include "app/datafolders.h"

namespace somnar::diary {

struct DiaryStore::Connection {
};

QString DiaryStore::defaultPath()
{
    return UserFolder() + QStringLiteral("/diary.sqlite");
}

DiaryStore::DiaryStore(QString path) : m_path(std::move(path)) {}

DiaryStore::~DiaryStore() = default;

DiaryOpenResult DiaryStore::open()
{
    return DiaryOpenResult::Failed;
}

void DiaryStore::close() {}
bool DiaryStore::isOpen() const { return false; }
bool DiaryStore::isWritable() const { return false; }
QString DiaryStore::startOverAfterDamage() { return {}; }
QList<EntrySummary> DiaryStore::summaries() const { return {}; }
std::optional<DiaryEntry> DiaryStore::entry(qint64) const { return std::nullopt; }
QList<DiaryEntry> DiaryStore::entries(const QList<qint64> &) const { return {}; }
qint64 DiaryStore::count() const { return 0; }
bool DiaryStore::save(DiaryEntry &) { return false; }
bool DiaryStore::saveAll(QList<DiaryEntry> &) { return false; }
std::optional<DiaryEntry> DiaryStore::remove(qint64) { return std::nullopt; }
bool DiaryStore::restore(const DiaryEntry &) { return false; }
bool DiaryStore::setLunarDay(qint64, int, const QString &) { return false; }
QList<qint64> DiaryStore::search(const QString &) const { return {}; }

}
