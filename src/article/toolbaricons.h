#pragma once

#include <QIcon>

namespace somnar {

// The interpretation window's toolbar images, from the program's own artwork.
enum class ToolbarImage { Back, Home, Print, Copy, Find };

QIcon ToolbarIcon(ToolbarImage image);

}
