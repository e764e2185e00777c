#pragma once

#include <QString>

namespace somnar {

// The opacity slider runs 0 to 220; the tray pop-up's opacity is 255 minus its value.
inline constexpr int kOpacitySliderMax = 220;

int OpacityForSlider(int sliderValue);
// The slider's position for an opacity; 0 (never set) and values out of range open at 0.
int SliderForOpacity(int opacity);
// "0 %" to "86 %": the whole part of value / 255 × 100.
QString OpacityPercentText(int sliderValue);

}
