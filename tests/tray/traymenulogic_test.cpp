#include "app/exitchoice.h"
#include "app/settingsstore.h"
#include "tray/traymenulogic.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

TEST(IsMat, EachFragmentInAnyCaseAndOnlyThose)
{
    const QStringList fragments{u"ёб"_qs,  u"ебл"_qs,  u"еба"_qs, u"ебу"_qs, u"бля"_qs,  u"сука"_qs,
                                u"педир"_qs, u"педар"_qs, u"пидар"_qs, u"хуе"_qs, u"пизд"_qs, u"хуй"_qs};
    for (const QString &fragment : fragments) {
        EXPECT_TRUE(IsMat(u"за"_qs + fragment + u"ка"_qs)) << fragment.toStdString();
        EXPECT_TRUE(IsMat(u"  "_qs + fragment.toUpper() + u"  "_qs)) << fragment.toStdString();
    }
    // "е" is not "ё", and near misses stay clean.
    for (const QString &clean : {u"ебка"_qs, u"хлебом"_qs, u"педагог"_qs, u"сук"_qs, u"Аист"_qs, u""_qs})
        EXPECT_FALSE(IsMat(clean)) << clean.toStdString();
}

TEST(TrayCursor, PositionsOfTheItemsAndWrapping)
{
    const std::pair<int, int> indexToPosition[] = {{kRestoreItem, 1}, {kCalendarItem, 2}, {kOptionsItem, 3},
                                                   {kAboutItem, 4},   {kExitItem, 5}};
    for (const auto &[index, position] : indexToPosition) {
        EXPECT_EQ(CursorPosition(index), position);
        EXPECT_EQ(HotIndexAt(position), index);
    }
    EXPECT_EQ(HotIndexAt(0), kRestoreItem) << "no arrow key yet";

    struct Step { int from, step, to; };
    for (const Step &s : {Step{0, -1, 5}, Step{0, 1, 1}, Step{5, 1, 1}, Step{1, -1, 5}, Step{3, 1, 4}, Step{3, -1, 2}})
        EXPECT_EQ(MoveCursor(s.from, s.step), s.to) << s.from << " " << s.step;
}

TEST(TrayCompletion, RestOfTheListedWordFollowsSelected)
{
    const std::optional<Completion> completion = Complete(u"аба"_qs, u"Абажур"_qs);
    ASSERT_TRUE(completion);
    EXPECT_EQ(completion->text, u"абажур"_qs);
    EXPECT_EQ(completion->selectionStart, 3);
    EXPECT_EQ(completion->selectionLength, 3);
    EXPECT_EQ(Complete(u"Абажур"_qs, u"абажур"_qs)->selectionLength, 0);

    for (const auto &[typed, listed] : {std::pair{u"абв"_qs, u"Абажур"_qs}, std::pair{u"абажуры"_qs, u"Абажур"_qs},
                                         std::pair{u""_qs, u"Абажур"_qs}, std::pair{u"а"_qs, u""_qs}})
        EXPECT_FALSE(Complete(typed, listed)) << typed.toStdString();
}

TEST(TrayIdle, ClosesOnTheHundredthIdleTickOnly)
{
    IdleCounter idle;
    for (int tick = 1; tick < 100; ++tick)
        ASSERT_FALSE(idle.tick(true, false)) << tick;
    EXPECT_TRUE(idle.tick(true, false));

    IdleCounter busy;
    for (int tick = 0; tick < 500; ++tick) {
        ASSERT_FALSE(busy.tick(false, false)) << "text in the box";
        ASSERT_FALSE(busy.tick(true, true)) << "pointer over the pop-up";
    }
}

TEST(TrayPopupGeometry, BesideThePointerAndOnItsScreen)
{
    const QSize size(151, 150);
    const QRect screen(0, 0, 1280, 1024);
    const QRect second(1280, 0, 1280, 1024);
    struct Case { QPoint cursor; QRect screen; QPoint topLeft; };
    const Case cases[] = {
        {{1270, 1014}, screen, {1119, 864}},  // bottom tray: corner at the pointer
        {{1260, 10}, screen, {1109, 10}},     // top tray: below the pointer
        {{5, 5}, screen, {5, 5}},             // top-left tray
        {{1300, 1000}, second, {1300, 850}},  // second screen, pointer near its left edge
        {{1275, 1020}, QRect(0, 0, 100, 100), {0, 0}},  // a screen smaller than the pop-up
    };
    for (const Case &c : cases) {
        const QRect popup = PopupGeometry(c.cursor, size, c.screen);
        EXPECT_EQ(popup.topLeft(), c.topLeft) << c.cursor.x() << "," << c.cursor.y();
        EXPECT_EQ(popup.size(), size);
    }
}

TEST(TrayExitRule, AsksOnlyWithAutostartOnAndNotSilenced)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.ini"_qs));
    struct Case { bool autostart; QString unloadQ; bool asks; };
    for (const Case &c : {Case{true, u"0"_qs, true}, Case{true, u"1"_qs, false}, Case{false, u"0"_qs, false},
                          Case{false, u"1"_qs, false}, Case{true, u"мусор"_qs, true}}) {
        settings.save(kMainSection, u"UnloadQ"_qs, c.unloadQ);
        EXPECT_EQ(ExitNeedsConfirmation(c.autostart, settings), c.asks) << c.autostart << c.unloadQ.toStdString();
    }
}
