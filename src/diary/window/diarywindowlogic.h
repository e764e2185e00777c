#pragma once

#include "calendar/calendarreading.h"
#include "diary/diaryentry.h"
#include "diary/diaryexport.h"
#include "diary/headwordlinker.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

namespace somnar::diary {

class DiaryStore;
class DreamCalendar;

// The diary window without its widgets: the entries listed (all, or those a search found), the
// entry being edited with its reading, saving, deleting with undo, export and import.
// Nothing typed is lost: the entry is saved when another is opened, when the window closes,
// and a moment after typing stops.
class DiaryWindowLogic : public QObject {
    Q_OBJECT
public:
    static constexpr int kReadingMilliseconds = 300;
    static constexpr int kAutosaveMilliseconds = 2000;

    // The store is open; the linker holds the headwords of the switched-on books (empty: no links).
    DiaryWindowLogic(DiaryStore &store, DreamCalendar &calendar, const HeadwordLinker &linker,
                     QObject *parent = nullptr);

    // Reads the list and opens its first entry, or a new one when the diary is empty.
    void load();
    bool isWritable() const;

    // The entries listed, newest first: all of them, or those that hold the search's words.
    const QList<EntrySummary> &listed() const { return m_listed; }
    const QString &query() const { return m_query; }
    void setQuery(const QString &query);
    qint64 totalCount() const { return m_all.size(); }

    // The entry in the editor; id 0 while a new one is not yet saved.
    const DiaryEntry &current() const { return m_current; }
    bool isDirty() const { return m_dirty; }
    // Saves the entry being edited, then opens another (or a new one).
    void open(qint64 id);
    void startNew();
    // The editor's fields changed: the reading follows after a pause, the save a little later.
    void edit(const DiaryEntry &fields);
    // Saves the entry being edited when it holds anything unsaved. False (with saveError())
    // when that fails.
    bool saveCurrent();
    const QString &saveError() const { return m_saveError; }

    // Deletes the entries (the one being edited is saved first, so that undo brings back
    // everything typed); undo puts back the last deletion whole.
    void remove(const QList<qint64> &ids);
    bool canUndo() const { return !m_removed.isEmpty(); }
    void undoRemove();

    // The reading of the entry being edited: its linked words and the calendar's readings
    // (none outside the calendar's years).
    const QList<WordLink> &links() const { return m_links; }
    const std::optional<calendar::CalendarReading> &calendarReading() const { return m_reading; }
    bool readingPending() const { return m_readingTimer.isActive(); }
    void readNow();
    // The switched-on books changed: the words are linked again through this linker.
    void setLinker(const HeadwordLinker &linker);
    // The user's town changed: the calendar is read at the new one, the list's lunar days too.
    void setCalendar(DreamCalendar &calendar);

    // The lunar day the list shows: the cached one while it was read for the current town,
    // otherwise 0 for now; it is read a moment later, a few at a time so the window stays
    // responsive, cached again, and announced through lunarDaysRead().
    int listedLunarDay(const EntrySummary &entry);
    bool lunarDaysPending() const { return !m_staleLunarDays.isEmpty(); }

    // The given entries (all when ids is empty) as a file; the entry being edited is saved first.
    bool exportEntries(const QList<qint64> &ids, ExportFormat format, const QString &path, QString *error);
    // Adds the entries of a plain-text export that the diary does not hold yet; their number,
    // or -1 with *error.
    int importFile(const QString &path, QString *error);
    // The entry being edited as a plain-text export in the first of the folders that takes it,
    // for when the diary cannot be written; the file's path, or empty.
    QString saveDraftAside(const QStringList &folders) const;

signals:
    void listChanged();     // the listed entries are new: the list is shown again
    void rowChanged(int row);  // one listed entry changed in place
    void currentOpened();   // another entry is in the editor: its fields are shown again
    void readingChanged();
    void saved();
    void saveFailed(const QString &message);
    void lunarDaysRead();   // lunar days listed as unknown are known now

private:
    void reloadAll();
    void relist();
    void placeSaved(const EntrySummary &summary);
    void refreshLunarDay();
    void show(DiaryEntry entry);
    void readStaleLunarDays();

    DiaryStore &m_store;
    DreamCalendar *m_calendar;
    const HeadwordLinker *m_linker;
    QList<EntrySummary> m_all;
    QList<EntrySummary> m_listed;
    QString m_query;
    DiaryEntry m_current;
    bool m_dirty = false;
    QString m_saveError;
    QList<QList<DiaryEntry>> m_removed;
    QList<WordLink> m_links;
    std::optional<calendar::CalendarReading> m_reading;
    QHash<qint64, int> m_lunarDays;  // read for the current town since the list was read
    QList<EntrySummary> m_staleLunarDays;
    QTimer m_lunarDayTimer;
    QTimer m_readingTimer;
    QTimer m_autosaveTimer;
};

// The summary of a whole entry, as the store lists it.
EntrySummary SummaryOf(const DiaryEntry &entry);
// An entry nothing was written in yet is not worth keeping.
bool IsBlank(const DiaryEntry &entry);

}
