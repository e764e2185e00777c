#pragma once

#include "calendar/calendarreading.h"
#include "diary/headwordlinker.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace somnar::diary {

// What the reading beside the editor says, as rich text: the words the books explain, each a
// link to its article, then the lunar calendar's three readings at the user's town.
struct ReadingContent {
    QList<WordLink> links;
    bool booksOn = true;  // false: no book is switched on, so no word can link
    std::optional<calendar::CalendarReading> calendar;
    QString town;
};
QString ReadingHtml(const ReadingContent &content);

// The headword a link of the reading opens; empty for any other link.
QString LinkedHeadword(const QUrl &link);

}
