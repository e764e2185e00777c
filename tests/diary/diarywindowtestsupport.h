#pragma once

// A diary file of its own in a temporary folder, entries written into it, and the town and
// clock the calendar reads for.

#include "astro/timezone.h"
#include "diary/diarystore.h"
#include "location/programoptions.h"

#include "support/qtapplication.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace somnar::diary::fixture {

class DiaryFile {
public:
    QString path() const { return m_dir.filePath(QStringLiteral("diary.sqlite")); }
    QString folder() const { return m_dir.path(); }

    std::unique_ptr<DiaryStore> open() const
    {
        auto store = std::make_unique<DiaryStore>(path());
        EXPECT_EQ(store->open(), DiaryOpenResult::Opened) << store->message().toStdString();
        return store;
    }

    // Writes an entry at 05:00 on the given day of December 2026.
    qint64 add(const QString &title, const QString &text, int day) const
    {
        auto store = open();
        DiaryEntry entry;
        entry.moment = QDateTime(QDate(2026, 12, day), QTime(5, 0));
        entry.title = title;
        entry.text = text;
        EXPECT_TRUE(store->save(entry)) << store->message().toStdString();
        return entry.id;
    }

private:
    QTemporaryDir m_dir;
};

inline const astro::FixedUtcOffset kMoscowTime(180);

inline UserLocation Moscow()
{
    return UserLocation();
}

}
