#include "diary/window/diaryentrymodel.h"

namespace somnar::diary {

QString ListedTitle(const QString &title)
{
    const QString trimmed = title.simplified();
    return trimmed.isEmpty() ? QStringLiteral("(без названия)") : trimmed;
}

DiaryEntryModel::DiaryEntryModel(LunarDaySource lunarDay, QObject *parent)
    : QAbstractTableModel(parent)
    , m_lunarDay(std::move(lunarDay))
{
}

void DiaryEntryModel::setEntries(QList<EntrySummary> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void DiaryEntryModel::updateEntry(int row, const EntrySummary &entry)
{
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row] = entry;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void DiaryEntryModel::lunarDaysChanged()
{
    if (!m_entries.isEmpty())
        emit dataChanged(index(0, LunarDayColumn), index(int(m_entries.size()) - 1, LunarDayColumn));
}

qint64 DiaryEntryModel::idAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries[row].id : 0;
}

int DiaryEntryModel::rowOf(qint64 id) const
{
    for (qsizetype row = 0; row < m_entries.size(); ++row)
        if (m_entries[row].id == id)
            return int(row);
    return -1;
}

int DiaryEntryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int DiaryEntryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DiaryEntryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const EntrySummary &entry = m_entries[index.row()];
    if (role == Qt::ToolTipRole && index.column() == TitleColumn)
        return ListedTitle(entry.title);
    if (role == Qt::TextAlignmentRole && index.column() == LunarDayColumn)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case DateColumn:
        return entry.moment.toString(QStringLiteral("dd.MM.yyyy"));
    case TitleColumn:
        return ListedTitle(entry.title);
    case LunarDayColumn: {
        const int day = m_lunarDay ? m_lunarDay(entry) : entry.lunarDay;
        return day > 0 ? QVariant(day) : QVariant(QString());
    }
    default:
        return {};
    }
}

QVariant DiaryEntryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::ToolTipRole && section == LunarDayColumn)
        return QStringLiteral("Лунный день");
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return QStringLiteral("Дата");
    case TitleColumn:
        return QStringLiteral("Сон");
    case LunarDayColumn:
        return QStringLiteral("Л. д.");
    default:
        return {};
    }
}

}
