#include "controls/slider.h"
#include "controls/slidergeometry.h"

#include "support/qtapplication.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>

using namespace somnar;

// A control 150 pixels wide: 2250 twips, travel 2250 - 60 - 270 = 1920, right limit 1950.
constexpr int kWidth = 2250;

struct Placement {
    int value, min, max, width, left;
};

TEST(SliderGeometry, ThumbPlacementIsLinearFromLeftToRightLimit)
{
    const Placement cases[] = {
        {0, 0, 220, kWidth, 30},
        {110, 0, 220, kWidth, 990},
        {220, 0, 220, kWidth, 1950},       // Max reaches the right limit
        {500, 0, 220, kWidth, 1950},       // beyond Max: the right limit
        {-5, 0, 220, kWidth, 30},          // below Min: the left limit
        {5, 5, 5, kWidth, 30},             // Max = Min
        {5, 6, 5, kWidth, 30},             // Max - Min + 1 = 0
        {3, 0, 10, 200, 30},               // narrower than the thumb
        {INT_MAX, INT_MIN, INT_MAX, kWidth, 1950},
        {INT_MIN, INT_MIN, INT_MAX, kWidth, 30},
    };
    for (const Placement &c : cases)
        EXPECT_EQ(SliderThumbLeft(c.value, c.min, c.max, c.width), c.left) << c.value << " in " << c.min << ".." << c.max;
}

TEST(SliderGeometry, PointerGivesTheValueUnderTheThumbMiddle)
{
    struct Case {
        int pointer, min, max, width, value;
    } const cases[] = {
        {165, 0, 220, kWidth, 0},     // middle of the thumb at the left limit
        {0, 0, 220, kWidth, 0},       // far left
        {2085, 0, 220, kWidth, 220},  // middle of the thumb at the right limit
        {9000, 0, 220, kWidth, 220},  // past the right end
        {1125, 0, 220, kWidth, 110},  // the middle of the control
        {1125, 10, 10, kWidth, 10},   // a range of one value
        {1125, 0, 10, 100, 0},        // narrower than the thumb
    };
    for (const Case &c : cases)
        EXPECT_EQ(SliderValueAt(c.pointer, c.min, c.max, c.width), c.value) << c.pointer;
    for (int value = 0; value <= 220; ++value) {
        const int middle = SliderThumbLeft(value, 0, 220, kWidth) + slidergeometry::kThumbWidth / 2;
        EXPECT_EQ(SliderValueAt(middle, 0, 220, kWidth), value) << "a value's own place gives it back";
    }
}

// A slider 150 pixels wide over 0..220, as the options window uses it.
class SliderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider.resize(150, 26);
        slider.setMax(220);
    }
    void press(Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &event);
    }

    bool application = (test::EnsureApplication(), true);
    Slider slider;
    QSignalSpy changes{&slider, &Slider::Change};
};

TEST_F(SliderTest, ArrowKeysStopAtTheEndsAndStillRaiseTheEvent)
{
    slider.setValue(220);
    press(Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 220);
    slider.setValue(0);
    press(Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 0);
    press(Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 1);
    press(Qt::Key_Up);
    EXPECT_EQ(changes.count(), 3) << "the arrows raise the event at the ends too; other keys do nothing";
    EXPECT_EQ(changes.last().first().toInt(), 1);
}

TEST_F(SliderTest, SettingAValueKeepsItAndRaisesNoEvent)
{
    slider.setValue(300);
    EXPECT_EQ(slider.Value(), 300);
    EXPECT_EQ(slider.thumbLeft(), 1950 / 15);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(SliderTest, ClickJumpsAndDragFollowsThePointer)
{
    slider.setValue(200);
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(2, 13));
    EXPECT_EQ(slider.Value(), 0) << "a click far left of the thumb";
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(75, 13));
    EXPECT_EQ(slider.Value(), 110);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(75, 13));
    QMouseEvent drag(QEvent::MouseMove, QPointF(400, 13), slider.mapToGlobal(QPointF(400, 13)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &drag);
    EXPECT_EQ(slider.Value(), 220) << "dragged past the right end";
    EXPECT_EQ(changes.count(), 4);
}
