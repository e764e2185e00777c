// The lunar calendar at Moscow and at Sydney at fixed moments, and the 29 moon pictures.
#include "screenshots.h"

#include "astro/datetime.h"
#include "calendar/calentestsupport.h"
#include "calendar/window/moonpicture.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

namespace somnar::shots {

namespace {

// All moon pictures in a row, at 100 % scale above and 200 % below.
QPixmap MoonSheet()
{
    constexpr int kCell = 68;
    QPixmap sheet(calendar::kMoonPictureCount * kCell, 104);
    sheet.fill(QColor(0xef, 0xef, 0xef));
    QPainter painter(&sheet);
    for (int n = 1; n <= calendar::kMoonPictureCount; ++n) {
        painter.drawPixmap((n - 1) * kCell + 16, 2, calendar::MoonPicture(n, 32, 1));
        painter.drawImage((n - 1) * kCell + 2, 38, calendar::MoonPicture(n, 32, 2).toImage());
    }
    return sheet;
}

void CalendarShots(Camera &camera)
{
    QTemporaryDir dir;
    SettingsStore moscow(dir.filePath(QStringLiteral("moscow.ini")));
    SettingsStore sydney(dir.filePath(QStringLiteral("sydney.ini")));
    test::SaveTown(sydney, QStringLiteral("Сидней"), 33, 52, -1, 151, 12, 1);
    const astro::FixedUtcOffset moscowTime(180), sydneyTime(660);

    calendar::Calen north(moscow, nullptr, moscowTime);
    north.setAttribute(Qt::WA_DeleteOnClose, false);
    test::ShowMoment(north, astro::MakeDateTime(2024, 3, 10, 21, 30));
    north.move(60, 60);
    north.show();
    Camera::settle(500);  // the busy strip goes 300 ms after the calculation
    camera.save(&north, QStringLiteral("calendar.png"));

    calendar::Calen south(sydney, nullptr, sydneyTime);
    south.setAttribute(Qt::WA_DeleteOnClose, false);
    test::ShowMoment(south, astro::MakeDateTime(2024, 3, 20, 21, 30));
    south.move(north.geometry().topRight() + QPoint(20, 0));
    south.show();
    Camera::settle(500);
    camera.save(&south, QStringLiteral("calendar-south.png"));

    QLabel moons;
    moons.setPixmap(MoonSheet());
    moons.show();
    camera.save(&moons, QStringLiteral("calendar-moons.png"));
}

}

SOMNAR_SHOT_GROUP(calendar, CalendarShots);

}
