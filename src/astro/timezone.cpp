#include "astro/timezone.h"

#include "astro/datetime.h"

#include <ctime>

namespace somnar::astro {

int SystemUtcOffset::currentOffsetMinutes() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff / 60);
}

const UtcOffsetSource &SystemOffset()
{
    static const SystemUtcOffset system;
    return system;
}

double LocalToUniversal(double localDateTime, const UtcOffsetSource &offset)
{
    return AddMinutes(localDateTime, -offset.currentOffsetMinutes());
}

double UniversalToLocal(double universalDateTime, const UtcOffsetSource &offset)
{
    return AddMinutes(universalDateTime, offset.currentOffsetMinutes());
}

}
