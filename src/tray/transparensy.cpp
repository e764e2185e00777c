#include "tray/transparensy.h"

#include <QWidget>

namespace somnar {

bool Transparensy(QWidget &window, int alpha)
{
    if (alpha <= 0 || alpha >= 255)
        return false;
    window.setWindowOpacity(alpha / 255.0);
    return true;
}

}
