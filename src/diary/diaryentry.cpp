#include "diary/diaryentry.h"

#include <algorithm>

namespace somnar::diary {

QDateTime DefaultDreamMoment(const QDateTime &now)
{
    return QDateTime(now.date(), QTime(5, 0));
}

DiaryEntry NewDiaryEntry(const QDateTime &now)
{
    DiaryEntry entry;
    entry.moment = DefaultDreamMoment(now);
    return entry;
}

int BoundedVividness(int vividness)
{
    return std::clamp(vividness, kLeastVividness, kMostVividness);
}

QStringList TagsFromText(const QString &text)
{
    QStringList tags;
    for (const QString &part : text.split(u',')) {
        const QString tag = part.simplified();
        if (!tag.isEmpty() && !tags.contains(tag, Qt::CaseInsensitive))
            tags << tag;
    }
    return tags;
}

QString TagsToText(const QStringList &tags)
{
    return tags.join(QStringLiteral(", "));
}

}
