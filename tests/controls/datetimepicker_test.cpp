#include "controls/datetimepicker.h"
#include "controls/datetimepickerregistry.h"

#include "support/qtapplication.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

class DateTimePicker : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }

    // A user's step up in the picker's field.
    static void stepUp(cDateTimePicker &picker) { QTest::keyClick(picker.hWnd(), Qt::Key_Up); }
};

TEST_F(DateTimePicker, EachContainerIsHookedOnceAndDestroyingRestoresOnlyItsOwn)
{
    const int hooksBefore = mDateTimePicker::HookCount();
    QWidget first, second;
    cDateTimePicker a, b;
    ASSERT_TRUE(a.Create(&first, cDateTimePicker::kShortDateCentury, 0, 0, 150, 24));
    ASSERT_TRUE(b.Create(&second, cDateTimePicker::kUpDown, 0, 0, 100, 24));
    EXPECT_EQ(mDateTimePicker::HookCount(), hooksBefore + 2);
    EXPECT_TRUE(mDateTimePicker::IsHooked(&first));
    EXPECT_TRUE(mDateTimePicker::IsHooked(&second));

    a.Destroy();
    EXPECT_FALSE(mDateTimePicker::IsHooked(&first));
    EXPECT_TRUE(mDateTimePicker::IsHooked(&second));
    EXPECT_EQ(a.hWnd(), nullptr);
    QSignalSpy changes(&b, &cDateTimePicker::Change);
    stepUp(b);
    EXPECT_EQ(changes.count(), 1);
    b.Destroy();
    EXPECT_EQ(mDateTimePicker::HookCount(), hooksBefore);
}

TEST_F(DateTimePicker, OneContainerWithTwoPickersKeepsOneHookUntilBothGo)
{
    const int hooksBefore = mDateTimePicker::HookCount();
    QWidget container;
    cDateTimePicker date, time;
    date.Create(&container, cDateTimePicker::kShortDateCentury, 0, 0, 150, 24);
    time.Create(&container, cDateTimePicker::kUpDown, 0, 30, 100, 24);
    EXPECT_EQ(mDateTimePicker::HookCount(), hooksBefore + 1);

    // One hook: each notification raises its own picker's event once.
    QSignalSpy dateChanges(&date, &cDateTimePicker::Change);
    QSignalSpy timeChanges(&time, &cDateTimePicker::Change);
    stepUp(time);
    EXPECT_EQ(timeChanges.count(), 1);
    EXPECT_EQ(dateChanges.count(), 0);

    date.Destroy();
    EXPECT_TRUE(mDateTimePicker::IsHooked(&container));
    stepUp(time);
    EXPECT_EQ(timeChanges.count(), 2);
    time.Destroy();
    EXPECT_FALSE(mDateTimePicker::IsHooked(&container));
    EXPECT_EQ(mDateTimePicker::HookCount(), hooksBefore);
}

TEST_F(DateTimePicker, SettingOneFieldKeepsEveryOther)
{
    QWidget container;
    cDateTimePicker picker;
    picker.Create(&container, cDateTimePicker::kShortDateCentury, 0, 0, 150, 24);
    const QDateTime start(QDate(2024, 1, 31), QTime(13, 45, 20), Qt::UTC);
    QSignalSpy changes(&picker, &cDateTimePicker::Change);

    struct Case {
        int field, value;
        bool accepted;
        QDateTime expected;
    };
    const Case cases[] = {
        {cDateTimePicker::Year, 2030, true, QDateTime(QDate(2030, 1, 31), QTime(13, 45, 20), Qt::UTC)},
        {cDateTimePicker::Month, 3, true, QDateTime(QDate(2024, 3, 31), QTime(13, 45, 20), Qt::UTC)},
        {cDateTimePicker::Day, 2, true, QDateTime(QDate(2024, 1, 2), QTime(13, 45, 20), Qt::UTC)},
        {cDateTimePicker::Hour, 0, true, QDateTime(QDate(2024, 1, 31), QTime(0, 45, 20), Qt::UTC)},
        {cDateTimePicker::Minute, 59, true, QDateTime(QDate(2024, 1, 31), QTime(13, 59, 20), Qt::UTC)},
        {cDateTimePicker::Second, 0, true, QDateTime(QDate(2024, 1, 31), QTime(13, 45, 0), Qt::UTC)},
        // No 31 February, no year 99, no hour 24; the weekday follows from the date.
        {cDateTimePicker::Month, 2, false, start},
        {cDateTimePicker::Year, 99, false, start},
        {cDateTimePicker::Hour, 24, false, start},
        {cDateTimePicker::DayOfWeek, 1, false, start},
    };
    for (const Case &c : cases) {
        picker.setValue(start);
        EXPECT_EQ(picker.setData(c.field, c.value), c.accepted) << c.field << " " << c.value;
        EXPECT_EQ(picker.value(), c.expected) << c.field << " " << c.value;
    }
    EXPECT_EQ(picker.Data(cDateTimePicker::DayOfWeek), 3);  // 2024-01-31 is a Wednesday
    EXPECT_EQ(changes.count(), 0);  // the program's own writes are no user change
}

TEST_F(DateTimePicker, FormatWritesTheMonthAsARussianReaderDoes)
{
    QWidget container;
    cDateTimePicker picker;
    picker.Create(&container, cDateTimePicker::kShortDateCentury, 0, 0, 200, 24);
    picker.hWnd()->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    picker.setFormat(QStringLiteral("dd MMMM yyyy"));
    picker.setValue(QDateTime(QDate(2026, 12, 10), QTime(5, 30), Qt::UTC));
    EXPECT_EQ(picker.hWnd()->text(), QStringLiteral("10 декабря 2026"));

    // No value: blank, while the held value can still be read and changed.
    picker.setDtpFlag(false);
    EXPECT_FALSE(picker.dtpFlag());
    EXPECT_EQ(picker.hWnd()->text().trimmed(), QString());
    EXPECT_TRUE(picker.setData(cDateTimePicker::Day, 11));
    EXPECT_FALSE(picker.dtpFlag());
    picker.setDtpFlag(true);
    EXPECT_EQ(picker.hWnd()->text(), QStringLiteral("11 декабря 2026"));
}

TEST_F(DateTimePicker, TheDropDownCalendarReportsOpeningAndClosing)
{
    QWidget container;
    cDateTimePicker picker;
    picker.Create(&container, cDateTimePicker::kShortDateCentury, 0, 0, 150, 24);
    container.show();
    QSignalSpy dropDowns(&picker, &cDateTimePicker::DropDown);
    QSignalSpy closeUps(&picker, &cDateTimePicker::CloseUp);
    QDateTimeEdit *field = picker.hWnd();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 6, field->height() / 2));
    EXPECT_EQ(dropDowns.count(), 1);
    ASSERT_TRUE(picker.hWnd()->calendarWidget()->isVisible());
    picker.hWnd()->calendarWidget()->window()->hide();
    EXPECT_EQ(closeUps.count(), 1);
}

TEST_F(DateTimePicker, PickersKeepToTheirRange)
{
    QWidget container;
    cDateTimePicker date, time;
    date.Create(&container, cDateTimePicker::kShortDateCentury, 0, 0, 150, 24);
    time.Create(&container, cDateTimePicker::kUpDown, 0, 30, 150, 24);
    EXPECT_EQ(date.hWnd()->minimumDate(), QDate(100, 1, 1));
    EXPECT_EQ(date.hWnd()->maximumDate(), QDate(9999, 12, 31));
    for (cDateTimePicker *picker : {&date, &time}) {
        picker->setRange(QDateTime(QDate(2000, 1, 1), QTime(0, 0)), QDateTime(QDate(2000, 12, 31), QTime(23, 59, 59)));
        picker->setValue(QDateTime(QDate(1999, 6, 1), QTime(12, 0)));
        EXPECT_EQ(picker->value(), QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC));
        picker->setValue(QDateTime(QDate(2000, 7, 1), QTime(12, 0)));
        EXPECT_EQ(picker->value(), QDateTime(QDate(2000, 7, 1), QTime(12, 0), Qt::UTC));
        EXPECT_FALSE(picker->setData(cDateTimePicker::Year, 2001));
    }
}

}
