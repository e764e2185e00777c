#include "controls/slidergeometry.h"

#include <algorithm>
#include <cmath>

namespace somnar {

using namespace slidergeometry;

int SliderTravel(int innerWidth)
{
    return std::max(0, innerWidth - 2 * kMargin - kThumbWidth);
}

int SliderThumbLeft(std::int32_t value, std::int32_t min, std::int32_t max, int innerWidth)
{
    const int travel = SliderTravel(innerWidth);
    const std::int64_t span = std::int64_t(max) - min;
    if (travel == 0 || span <= 0)
        return kMargin;
    const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t(value) - min, 0, span);
    return kMargin + int(travel * offset / span);
}

std::int32_t SliderValueAt(int pointerX, std::int32_t min, std::int32_t max, int innerWidth)
{
    const int travel = SliderTravel(innerWidth);
    const std::int64_t span = std::int64_t(max) - min;
    if (travel == 0 || span <= 0)
        return min;
    const int left = std::clamp(pointerX - kThumbWidth / 2, kMargin, kMargin + travel);
    return std::int32_t(min + std::llround(double(left - kMargin) * double(span) / travel));
}

std::int32_t SliderStep(std::int32_t value, std::int32_t min, std::int32_t max, bool up)
{
    if (up)
        return value >= max ? max : value + 1;
    return value <= min ? min : value - 1;
}

}
