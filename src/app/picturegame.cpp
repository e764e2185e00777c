#include "app/picturegame.h"

namespace somnar {

void PictureGame::start()
{
    dx = -30;
    dy = -180;
    running = true;
}

void PictureGame::tick(int innerHeight, int pictureHeight, int panelLeft, int pictureWidth)
{
    if (!running)
        return;
    top += dy;
    left += dx;
    if (top < 0 || top > innerHeight - pictureHeight) {
        dy = -dy;
        ++bounces;
    }
    if (left < 0 || left > panelLeft - pictureWidth)
        dx = -dx;
    if (bounces > 10) {
        running = false;
        bounces = 0;
        left = 105;
    }
}

}
