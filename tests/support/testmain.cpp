// The main of every test executable: each runs offscreen with a private home,
// configuration and data folder, so that no test reads or writes the user's own settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char **argv)
{
    std::filesystem::create_directories(SOMNAR_TEST_HOME "/config");
    setenv("HOME", SOMNAR_TEST_HOME, 1);
    setenv("XDG_CONFIG_HOME", SOMNAR_TEST_HOME "/config", 1);
    setenv("XDG_DATA_HOME", SOMNAR_TEST_HOME "/data", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SOMNAR_BIN_DIR", SOMNAR_TEST_BIN_DIR, 0);
    setenv("SOMNAR_SOURCE_DIR", SOMNAR_TEST_SOURCE_DIR, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
