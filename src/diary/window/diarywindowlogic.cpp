#include "diary/window/diarywindowlogic.h"

#include "diary/diarystore.h"
#include "diary/dreamcalendar.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>

namespace somnar::diary {

EntrySummary SummaryOf(const DiaryEntry &entry)
{
    return {entry.id, entry.moment, entry.title, entry.vividness, entry.lunarDay, entry.lunarPlace};
}

bool IsBlank(const DiaryEntry &entry)
{
    return entry.title.trimmed().isEmpty() && entry.text.trimmed().isEmpty() && entry.tags.isEmpty();
}

DiaryWindowLogic::DiaryWindowLogic(DiaryStore &store, DreamCalendar &calendar, const HeadwordLinker &linker,
                                   QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_calendar(&calendar)
    , m_linker(&linker)
{
    m_readingTimer.setSingleShot(true);
    m_readingTimer.setInterval(kReadingMilliseconds);
    connect(&m_readingTimer, &QTimer::timeout, this, &DiaryWindowLogic::readNow);
    m_autosaveTimer.setSingleShot(true);
    m_autosaveTimer.setInterval(kAutosaveMilliseconds);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &DiaryWindowLogic::saveCurrent);
    m_lunarDayTimer.setSingleShot(true);
    m_lunarDayTimer.setInterval(0);
    connect(&m_lunarDayTimer, &QTimer::timeout, this, &DiaryWindowLogic::readStaleLunarDays);
}

void DiaryWindowLogic::load()
{
    reloadAll();
    relist();
    emit listChanged();
    if (m_listed.isEmpty())
        show(NewDiaryEntry());
    else
        show(m_store.entry(m_listed.front().id).value_or(NewDiaryEntry()));
}

bool DiaryWindowLogic::isWritable() const
{
    return m_store.isWritable();
}

void DiaryWindowLogic::reloadAll()
{
    m_all = m_store.summaries();
}

void DiaryWindowLogic::relist()
{
    if (m_query.trimmed().isEmpty()) {
        m_listed = m_all;
        return;
    }
    QHash<qint64, qsizetype> rowById;
    rowById.reserve(m_all.size());
    for (qsizetype row = 0; row < m_all.size(); ++row)
        rowById.insert(m_all[row].id, row);
    m_listed.clear();
    for (qint64 id : m_store.search(m_query))
        if (const auto found = rowById.constFind(id); found != rowById.cend())
            m_listed << m_all[*found];
}

void DiaryWindowLogic::setQuery(const QString &query)
{
    if (query == m_query)
        return;
    m_query = query;
    relist();
    emit listChanged();
}

void DiaryWindowLogic::show(DiaryEntry entry)
{
    m_autosaveTimer.stop();
    m_current = std::move(entry);
    m_dirty = false;
    emit currentOpened();
    readNow();
}

void DiaryWindowLogic::open(qint64 id)
{
    if (id == m_current.id || !saveCurrent())
        return;
    if (std::optional<DiaryEntry> entry = m_store.entry(id))
        show(std::move(*entry));
}

void DiaryWindowLogic::startNew()
{
    if (saveCurrent())
        show(NewDiaryEntry());
}

void DiaryWindowLogic::edit(const DiaryEntry &fields)
{
    DiaryEntry edited = m_current;
    edited.moment = fields.moment;
    edited.title = fields.title;
    edited.text = fields.text;
    edited.vividness = BoundedVividness(fields.vividness);
    edited.tags = fields.tags;
    if (edited == m_current)
        return;
    m_current = std::move(edited);
    m_dirty = true;
    m_readingTimer.start();
    if (isWritable())
        m_autosaveTimer.start();
}

bool DiaryWindowLogic::saveCurrent()
{
    m_autosaveTimer.stop();
    if (!m_dirty || (m_current.id == 0 && IsBlank(m_current)))
        return true;
    // The lunar day kept with the entry follows its moment as last typed.
    if (m_readingTimer.isActive())
        readNow();
    DiaryEntry written = m_current;
    if (!m_store.save(written)) {
        m_saveError = m_store.message();
        emit saveFailed(m_saveError);
        return false;
    }
    m_saveError.clear();
    m_current = written;
    m_dirty = false;
    placeSaved(SummaryOf(written));
    emit saved();
    return true;
}

void DiaryWindowLogic::placeSaved(const EntrySummary &summary)
{
    const auto byId = [&summary](const EntrySummary &listed) { return listed.id == summary.id; };
    const qsizetype before = std::find_if(m_all.cbegin(), m_all.cend(), byId) - m_all.cbegin();
    if (before < m_all.size())
        m_all.removeAt(before);
    // Newest first; the entry saved last goes first among entries of the same moment.
    const qsizetype after = std::find_if(m_all.cbegin(), m_all.cend(),
                                         [&summary](const EntrySummary &listed) { return listed.moment <= summary.moment; })
        - m_all.cbegin();
    m_all.insert(after, summary);
    const qsizetype row = std::find_if(m_listed.cbegin(), m_listed.cend(), byId) - m_listed.cbegin();
    if (before == after && row < m_listed.size()) {
        m_listed[row] = summary;
        emit rowChanged(int(row));
        return;
    }
    relist();
    emit listChanged();
}

void DiaryWindowLogic::remove(const QList<qint64> &ids)
{
    if (ids.contains(m_current.id) && !saveCurrent())
        return;
    QList<DiaryEntry> removed;
    for (qint64 id : ids)
        if (std::optional<DiaryEntry> entry = m_store.remove(id))
            removed << std::move(*entry);
    if (removed.isEmpty()) {
        if (!m_store.message().isEmpty())
            emit saveFailed(m_store.message());
        return;
    }
    m_removed << removed;
    const qsizetype currentRow = std::find_if(m_listed.cbegin(), m_listed.cend(),
                                              [this](const EntrySummary &listed) { return listed.id == m_current.id; })
        - m_listed.cbegin();
    const bool currentRemoved = ids.contains(m_current.id);
    reloadAll();
    relist();
    emit listChanged();
    if (!currentRemoved)
        return;
    // The entry that took the deleted one's place in the list, or the last one.
    if (m_listed.isEmpty())
        show(NewDiaryEntry());
    else
        show(m_store.entry(m_listed[std::min(currentRow, m_listed.size() - 1)].id).value_or(NewDiaryEntry()));
}

void DiaryWindowLogic::undoRemove()
{
    if (m_removed.isEmpty() || !saveCurrent())
        return;
    const QList<DiaryEntry> removed = m_removed.takeLast();
    for (const DiaryEntry &entry : removed) {
        if (!m_store.restore(entry)) {
            m_removed << removed;
            emit saveFailed(m_store.message());
            return;
        }
    }
    reloadAll();
    relist();
    emit listChanged();
    show(removed.front());
}

void DiaryWindowLogic::readNow()
{
    m_readingTimer.stop();
    m_links = m_linker->links(m_current.text);
    m_reading = m_calendar->read(m_current.moment);
    m_current.lunarDay = m_reading && m_reading->lunarDayFound ? m_reading->lunarDay.number : 0;
    m_current.lunarPlace = m_calendar->placeKey();
    emit readingChanged();
}

void DiaryWindowLogic::setLinker(const HeadwordLinker &linker)
{
    m_linker = &linker;
    readNow();
}

void DiaryWindowLogic::setCalendar(DreamCalendar &calendar)
{
    m_calendar = &calendar;
    m_lunarDays.clear();
    m_staleLunarDays.clear();
    readNow();
    emit lunarDaysRead();
}

int DiaryWindowLogic::listedLunarDay(const EntrySummary &entry)
{
    if (entry.lunarPlace == m_calendar->placeKey())
        return entry.lunarDay;
    if (const auto known = m_lunarDays.constFind(entry.id); known != m_lunarDays.cend())
        return *known;
    const auto byId = [&entry](const EntrySummary &stale) { return stale.id == entry.id; };
    if (std::none_of(m_staleLunarDays.cbegin(), m_staleLunarDays.cend(), byId))
        m_staleLunarDays << entry;
    m_lunarDayTimer.start();
    return 0;
}

void DiaryWindowLogic::readStaleLunarDays()
{
    constexpr int kSliceMilliseconds = 30;
    const QString place = m_calendar->placeKey();
    QElapsedTimer slice;
    slice.start();
    while (!m_staleLunarDays.isEmpty() && slice.elapsed() < kSliceMilliseconds) {
        const EntrySummary entry = m_staleLunarDays.takeFirst();
        const std::optional<calendar::CalendarReading> reading = m_calendar->read(entry.moment);
        const int day = reading && reading->lunarDayFound ? reading->lunarDay.number : 0;
        m_lunarDays.insert(entry.id, day);
        if (isWritable())
            m_store.setLunarDay(entry.id, day, place);
    }
    if (!m_staleLunarDays.isEmpty())
        m_lunarDayTimer.start();
    emit lunarDaysRead();
}

bool DiaryWindowLogic::exportEntries(const QList<qint64> &ids, ExportFormat format, const QString &path,
                                     QString *error)
{
    if (!saveCurrent()) {
        *error = m_saveError;
        return false;
    }
    return ExportEntries(m_store.entries(ids), format, path, error);
}

QString DiaryWindowLogic::saveDraftAside(const QStringList &folders) const
{
    const QString name = QStringLiteral("Несохранённый сон %1.txt")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        QString error;
        if (ExportEntries({m_current}, ExportFormat::Text, path, &error))
            return path;
    }
    return {};
}

int DiaryWindowLogic::importFile(const QString &path, QString *error)
{
    const ImportResult imported = ImportTextFile(path);
    if (!imported.error.isEmpty()) {
        *error = imported.error;
        return -1;
    }
    if (!saveCurrent()) {
        *error = m_saveError;
        return -1;
    }
    const qsizetype added = m_store.importEntries(imported.entries);
    if (added < 0) {
        *error = m_store.message();
        return -1;
    }
    if (added > 0) {
        reloadAll();
        relist();
        emit listChanged();
    }
    return int(added);
}

}
