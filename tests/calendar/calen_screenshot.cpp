// Shows the calendar window at fixed moments and towns and saves what the user would see:
// calen_screenshot <folder>. Run it under a real display (xvfb-run).
#include "astro/datetime.h"
#include "calendar/window/moonpicture.h"
#include "calentestsupport.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace somnar;
using namespace somnar::calendar;

namespace {

// All moon pictures in a row, at 100 % and 200 % scale.
QImage MoonSheet()
{
    QImage sheet(kMoonPictureCount * 68, 104, QImage::Format_ARGB32);
    sheet.fill(QColor(0xef, 0xef, 0xef));
    QPainter painter(&sheet);
    for (int n = 1; n <= kMoonPictureCount; ++n) {
        painter.drawPixmap((n - 1) * 68 + 16, 2, MoonPicture(n, 32, 1));
        const QPixmap large = MoonPicture(n, 32, 2);
        painter.drawImage((n - 1) * 68 + 2, 38, large.toImage());
    }
    return sheet;
}

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTemporaryDir settingsDir;
    SettingsStore moscow(settingsDir.filePath(QStringLiteral("moscow.ini")));
    SettingsStore sydney(settingsDir.filePath(QStringLiteral("sydney.ini")));
    test::SaveTown(sydney, QStringLiteral("Сидней"), 33, 52, -1, 151, 12, 1);
    const astro::FixedUtcOffset moscowTime(180), sydneyTime(660);

    // The windows delete themselves when closed, as the program's do.
    auto *north = new Calen(moscow, nullptr, moscowTime);
    auto *south = new Calen(sydney, nullptr, sydneyTime);
    test::ShowMoment(*north, astro::MakeDateTime(2024, 3, 10, 21, 30));
    test::ShowMoment(*south, astro::MakeDateTime(2024, 3, 20, 21, 30));
    north->show();
    south->show();
    south->move(north->geometry().topRight() + QPoint(20, 0));

    QTimer::singleShot(700, [&] {
        north->grab().save(out.filePath(QStringLiteral("calendar.png")));
        south->grab().save(out.filePath(QStringLiteral("calendar-south.png")));
        MoonSheet().save(out.filePath(QStringLiteral("calendar-moons.png")));
        app.quit();
    });
    return app.exec();
}
