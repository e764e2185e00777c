#pragma once

#include "screenshots.h"

#include <QString>

#include <memory>

namespace somnar {
class Form1;
}

namespace somnar::shots {

// The main window at a fixed size and place, loaded from the shipped books, shown, with the
// word typed into its search box.
std::unique_ptr<Form1> ShowMainWindow(Camera &camera, const QString &word);

}
