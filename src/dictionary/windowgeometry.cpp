#include "dictionary/windowgeometry.h"

#include "app/settingsstore.h"

namespace somnar {

TwipsGeometry LoadWindowGeometry(const SettingsStore &settings, double screenWidth, double screenHeight)
{
    TwipsGeometry g;
    g.height = settings.getNumber(kMainSection, QStringLiteral("Height"), kDefaultHeight);
    g.width = settings.getNumber(kMainSection, QStringLiteral("Width"), kDefaultWidth);

    if (g.width > screenWidth)
        g.width = screenWidth - kScreenMargin;
    if (g.height > screenHeight)
        g.height = screenHeight - kScreenMargin;
    if (g.width < kMinimumWidth)
        g.width = kMinimumWidth;
    if (g.height < kMinimumHeight)
        g.height = kMinimumHeight;

    g.top = settings.getNumber(kMainSection, QStringLiteral("Top"), screenHeight / 2 - g.height / 2);
    g.left = settings.getNumber(kMainSection, QStringLiteral("Left"), screenWidth / 2 - g.width / 2);
    if (g.top < 1)
        g.top = screenHeight / 2 - g.height / 2;
    if (g.left < 1)
        g.left = screenWidth / 2 - g.width / 2;
    return g;
}

}
