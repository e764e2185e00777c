#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace somnar::diary {

inline constexpr int kLeastVividness = 1;
inline constexpr int kMostVividness = 5;

// One written-down dream. The moment is the dreamer's local wall-clock time, kept without a
// zone: a dream at 05:00 stays at 05:00 whatever the clocks did since.
struct DiaryEntry {
    qint64 id = 0;  // 0 until the store saves it
    QDateTime moment;
    QString title;
    QString text;
    int vividness = 3;
    QStringList tags;
    QDateTime created;  // set by the store
    QDateTime changed;  // set by the store on every save
    // Lunar day of the moment as last read at lunarPlace (see DreamCalendar::placeKey); 0 when
    // unknown. Kept so that the list shows it without computing thousands of lunar days.
    int lunarDay = 0;
    QString lunarPlace;

    bool operator==(const DiaryEntry &) const = default;
};

// What the list of entries shows: no text, so that 10,000 entries load at once.
struct EntrySummary {
    qint64 id = 0;
    QDateTime moment;
    QString title;
    int vividness = 3;
    int lunarDay = 0;
    QString lunarPlace;
};

// This morning's date at 05:00: when most dreams worth writing down end.
QDateTime DefaultDreamMoment(const QDateTime &now = QDateTime::currentDateTime());
// A fresh entry at the default moment with the middle vividness.
DiaryEntry NewDiaryEntry(const QDateTime &now = QDateTime::currentDateTime());
// Vividness brought into 1..5.
int BoundedVividness(int vividness);
// Tags from what a user typed: split at commas, trimmed, empty and repeated ones dropped.
QStringList TagsFromText(const QString &text);
QString TagsToText(const QStringList &tags);

}
