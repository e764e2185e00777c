#include "controls/progressmotion.h"

namespace somnar {

bool ProgressMotion::tick()
{
    m_position += kStep;
    if (m_position > kLastPosition) {
        m_position = kRestartPosition;
        return true;
    }
    return false;
}

}
