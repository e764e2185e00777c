#pragma once

#include "diary/diaryentry.h"

#include <QDateTime>
#include <QFile>
#include <QString>

namespace somnar::test {

inline diary::DiaryEntry Dream(const QString &title, const QString &text, const QDateTime &moment,
                               QStringList tags = {})
{
    diary::DiaryEntry entry;
    entry.title = title;
    entry.text = text;
    entry.moment = moment;
    entry.tags = std::move(tags);
    return entry;
}

inline QDateTime At(int year, int month, int day, int hour = 5, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}
