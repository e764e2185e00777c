#pragma once

#include "controls/twips.h"

#include <QRect>

namespace somnar {

// The main window's layout in twips: what the window, the dictionary pane and the literature
// pane compute on every resize. All sizes are in twips (controls/twips.h converts them).

namespace layout {
inline constexpr int kToolbar1Top = 540;
inline constexpr int kToolbar1Height = 780;
inline constexpr int kStatusBarHeight = 360;
inline constexpr int kHeaderHeight = 330;
inline constexpr int kBannerHeight = 525;
inline constexpr int kLinkTop = 120;
inline constexpr int kLinkWidth = 1170;
inline constexpr int kLinkHeight = 285;
}

struct FormLayout {
    QRect toolbar1;
    QRect link;        // Label3
    QRect linkShadow;  // Label2
    int image8Left = 0;
    QRect literaturePane;  // Picture3
    QRect dictionaryPane;  // Picture2
    QRect statusBar;
};
// W and H: the window's inner width and height.
FormLayout Form_Resize(int W, int H, bool literatureOpen);

struct DictionaryPaneLayout {
    QRect header;    // Picture5
    int arrowLeft;   // Image6, Image7
    QRect toolbar2;  // book bar
    QRect toolbar4;  // list modes
    QRect text2;     // frame around the list
    QRect list;      // ListView1
    int columnWidth;
    QRect text1;     // search box
};
DictionaryPaneLayout Picture2_Resize(int w, int h);

struct LiteraturePaneLayout {
    QRect header;  // Picture1
    int arrowLeft; // Image4, Image5
    QRect toolbar3;
    QRect text3;
    QRect tree;
};
LiteraturePaneLayout Picture3_Resize(int w, int h);

}
