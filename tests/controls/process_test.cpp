#include "controls/process.h"
#include "controls/progressmotion.h"

#include "support/qtapplication.h"

#include <gtest/gtest.h>

using namespace somnar;

TEST(ProgressMotion, WipesAfterPassingTheEnd)
{
    ProgressMotion motion;
    while (!motion.tick())
        ;
    EXPECT_EQ(motion.position(), 30);
    for (int i = 0; i < 18; ++i)
        EXPECT_FALSE(motion.tick());
    EXPECT_EQ(motion.position(), 1650);
    EXPECT_TRUE(motion.tick());
    EXPECT_EQ(motion.position(), 30);
}

TEST(Process, StopAndPlayContinueWhereItStood)
{
    test::EnsureApplication();
    Process process;
    process.ProgressPlay();
    EXPECT_TRUE(process.isPlaying());
    for (int i = 0; i < 5; ++i)
        process.Timer1_Timer();
    process.ProgressStop();
    EXPECT_FALSE(process.isPlaying());
    EXPECT_EQ(process.position(), 450);
    process.ProgressPlay();
    process.Timer1_Timer();
    EXPECT_EQ(process.position(), 540);
}
