#pragma once

#include <QApplication>

namespace somnar::test {

// The one application object that widget tests need: made on first use, kept for the rest of
// the test program (the shared test main has chosen the offscreen platform).
inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "somnar_tests";
    static char *argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

}
