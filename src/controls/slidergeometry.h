#pragma once

#include <cstdint>

namespace somnar {

// Geometry of the slider in twips. The track leaves 30 twips at each end; the thumb is 270
// twips wide, so its left edge runs from 30 to innerWidth - 300. The placement is linear: Min
// puts the thumb at its left limit, Max at its right limit. A range of one value or less, or a
// control narrower than the thumb, keeps the thumb at the left limit.
namespace slidergeometry {
inline constexpr int kMargin = 30;
inline constexpr int kThumbWidth = 270;
}

// The thumb's travel: innerWidth - 60 - 270, never below 0.
int SliderTravel(int innerWidth);
// Left edge of the thumb for a value (values outside Min..Max stop at the limits).
int SliderThumbLeft(std::int32_t value, std::int32_t min, std::int32_t max, int innerWidth);
// The value whose thumb's middle lies nearest to the pointer x, within Min..Max.
std::int32_t SliderValueAt(int pointerX, std::int32_t min, std::int32_t max, int innerWidth);
// The arrow keys: one step towards Max (up) or Min (down), never past them.
std::int32_t SliderStep(std::int32_t value, std::int32_t min, std::int32_t max, bool up);

}
