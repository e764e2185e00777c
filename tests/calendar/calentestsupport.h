#pragma once

#include "app/settingsstore.h"
#include "calendar/window/calen.h"

namespace somnar::test {

// The town as the options window saves it.
inline void SaveTown(SettingsStore &settings, const QString &city, int latitude, int latitudeMinutes, int sm,
                     int longitude, int longitudeMinutes, int dm)
{
    settings.save(kLocationSection, QStringLiteral("CityName"), city);
    settings.save(kLocationSection, QStringLiteral("SGraduses"), latitude);
    settings.save(kLocationSection, QStringLiteral("SMinutes"), latitudeMinutes);
    settings.save(kLocationSection, QStringLiteral("SM"), sm);
    settings.save(kLocationSection, QStringLiteral("DGraduses"), longitude);
    settings.save(kLocationSection, QStringLiteral("DMinutes"), longitudeMinutes);
    settings.save(kLocationSection, QStringLiteral("DM"), dm);
}

// The moment entered in both pickers and calculated at once.
inline void ShowMoment(calendar::Calen &window, double localMoment)
{
    window.logic().setSelectedMoment(localMoment);
    window.SetPicker(window.DTPicker1(), localMoment);
    window.SetPicker(window.DTPicker2(), localMoment);
    window.Calculate();
}

}
