#include "location/optionstexts.h"

namespace somnar {

int OpacityForSlider(int sliderValue)
{
    return 255 - sliderValue;
}

int SliderForOpacity(int opacity)
{
    const int value = 255 - opacity;
    return value >= 0 && value <= kOpacitySliderMax ? value : 0;
}

QString OpacityPercentText(int sliderValue)
{
    return QString::number(sliderValue * 100 / 255) + QStringLiteral(" %");
}

}
