// The options window on both tabs and the town reference over it.
#include "screenshots.h"

#include "location/optionsform.h"
#include "location/programoptions.h"
#include "location/spravcity.h"

#include <QCheckBox>

namespace somnar::shots {

namespace {
void OptionsShots(Camera &camera)
{
    const QString towns = camera.programFolder() + QStringLiteral("/City.csv");
    ProgramOptions options = ReadProgramOptions(camera.settings());
    options.closeToTray = true;
    OptionsForm form(options, camera.settings(), nullptr, towns);
    form.move(60, 60);
    form.SetTab(1);
    form.show();
    camera.save(&form, QStringLiteral("options-general.png"));
    form.SetTab(2);
    camera.save(&form, QStringLiteral("options-location.png"));

    SpravCity reference(towns, options.location.cityName, &form);
    reference.move(form.geometry().topRight() + QPoint(20, 0));
    reference.show();
    camera.save(&reference, QStringLiteral("towns.png"));
}
}

SOMNAR_SHOT_GROUP(options, OptionsShots);

}
