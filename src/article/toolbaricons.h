#pragma once

#include <QIcon>

namespace somnar {

// The interpretation window's toolbar images, drawn so that they look the same on every desktop.
enum class ToolbarImage { Back, Home, Print, Copy, Find };

QIcon ToolbarIcon(ToolbarImage image);

}
