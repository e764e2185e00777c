#include "article/toolbaricons.h"

#include "controls/artwork.h"

namespace somnar {

QIcon ToolbarIcon(ToolbarImage image)
{
    // In the order of ToolbarImage.
    static constexpr const char *kNames[] = {"back", "home", "print", "copy", "find"};
    return artworkIcon(QLatin1String(kNames[int(image)]));
}

}
