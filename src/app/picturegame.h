#pragma once

namespace somnar {

// The about window's picture game: a double click sets the picture bouncing inside the area
// left of the panel; after the eleventh bounce off the top or bottom it rests at 105 twips
// from the left edge. All values in twips.
struct PictureGame {
    int left = 105;
    int top = 0;
    int dx = 0;
    int dy = 0;
    int bounces = 0;
    bool running = false;

    void start();
    // One timer tick; innerHeight is the window's, panelLeft the left edge of the panel.
    void tick(int innerHeight, int pictureHeight, int panelLeft, int pictureWidth);
};

}
