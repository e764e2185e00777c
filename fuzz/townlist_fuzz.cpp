// libFuzzer target: the town list reader must survive any file, and every record it keeps
// must lie within the ranges the options window can show.
// Links: somnar_location
#include "location/townlist.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const somnar::TownRecord &town : somnar::ReadTownList(bytes)) {
        if (town.longitudeDegrees < 0 || town.longitudeDegrees > 180 || town.latitudeDegrees < 0
            || town.latitudeDegrees > 90 || town.longitudeMinutes < 0 || town.longitudeMinutes > 59
            || town.latitudeMinutes < 0 || town.latitudeMinutes > 59)
            __builtin_trap();
    }
    return 0;
}
