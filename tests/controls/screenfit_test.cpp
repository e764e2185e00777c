#include "controls/screenfit.h"

#include <gtest/gtest.h>

#include <limits>

using namespace somnar;

TEST(FitOnScreen, CutsAndMovesAnyRectangleOntoTheArea)
{
    const QRect area(0, 30, 1280, 994);  // a panel above
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        QRectF frame;
        QRect expected;
    } cases[] = {
        {"inside stays", {100, 120, 500, 400}, {100, 120, 500, 400}},
        {"larger than the area", {0, 0, 32767, 32767}, {0, 30, 1280, 994}},
        {"far right and below", {200000, 200000, 300, 500}, {980, 524, 300, 500}},
        {"title bar above the area", {50, 10, 300, 500}, {50, 30, 300, 500}},
        {"far left and above", {-1e30, -5000, 300, 500}, {0, 30, 300, 500}},
        {"top of 1e30", {50, 1e30, 300, 500}, {50, 524, 300, 500}},
        {"not numbers centre", {nan, inf, 300, 500}, {490, 277, 300, 500}},
        {"no size at all", {10, 40, -5, 0}, {10, 40, 1, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QRect fitted = FitOnScreen(c.frame, area);
        EXPECT_EQ(fitted, c.expected);
        EXPECT_TRUE(area.contains(fitted));
    }
}
