#pragma once

#include "diary/diaryentry.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

namespace somnar::diary {

// The diary's list: date, title and lunar day of each entry shown, newest first. The lunar day
// comes through a function, so that a stale cached one is read again only for rows on screen.
class DiaryEntryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, TitleColumn, LunarDayColumn, ColumnCount };
    using LunarDaySource = std::function<int(const EntrySummary &)>;

    explicit DiaryEntryModel(LunarDaySource lunarDay, QObject *parent = nullptr);

    void setEntries(QList<EntrySummary> entries);
    // The row of an entry updated in place: the list keeps its scroll and selection.
    void updateEntry(int row, const EntrySummary &entry);
    // Lunar days the source did not know before are known now.
    void lunarDaysChanged();
    const QList<EntrySummary> &entries() const { return m_entries; }
    qint64 idAt(int row) const;
    int rowOf(qint64 id) const;  // -1 when not listed

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    LunarDaySource m_lunarDay;
    QList<EntrySummary> m_entries;
};

// What the list shows for an entry without a title.
QString ListedTitle(const QString &title);

}
