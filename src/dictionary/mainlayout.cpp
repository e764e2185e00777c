#include "dictionary/mainlayout.h"

namespace somnar {

using namespace layout;

FormLayout Form_Resize(int W, int H, bool literatureOpen)
{
    FormLayout f;
    f.toolbar1 = QRect(15, kToolbar1Top, W, kToolbar1Height);
    const int linkLeft = W - 1300;
    f.link = QRect(linkLeft, kLinkTop, kLinkWidth, kLinkHeight);
    f.linkShadow = f.link.translated(15, 15);
    f.image8Left = linkLeft - 250;

    const int literatureTop = f.toolbar1.y() + f.toolbar1.height() + 15;
    const int openHeight = H - literatureTop - kStatusBarHeight - 315;
    const int literatureHeight = literatureOpen ? openHeight : kHeaderHeight;
    // The panes overlap by 15 twips so their borders meet in one line.
    const int dictionaryTop = literatureTop + literatureHeight - 15;
    f.literaturePane = QRect(0, literatureTop, W + 15, literatureHeight);
    f.statusBar = QRect(0, H - kStatusBarHeight, W, kStatusBarHeight);
    f.dictionaryPane = QRect(0, dictionaryTop, W, H - kStatusBarHeight - dictionaryTop);
    return f;
}

DictionaryPaneLayout Picture2_Resize(int w, int h)
{
    DictionaryPaneLayout d;
    d.header = QRect(0, 0, w, kHeaderHeight);
    d.arrowLeft = w - 300;
    d.toolbar4 = QRect(w - 780, 465, 780, 330);
    d.toolbar2 = QRect(15, 375, d.toolbar4.x() - 30, 450);
    d.text1 = QRect(15, h - 345, w - 45, 345);
    const int text2Top = d.toolbar2.y() + d.toolbar2.height() + 30;
    d.text2 = QRect(15, text2Top, d.text1.width(), d.text1.y() - text2Top - 30);
    d.list = d.text2.adjusted(30, 30, -30, -30);
    d.columnWidth = d.list.width() - 330;
    return d;
}

LiteraturePaneLayout Picture3_Resize(int w, int h)
{
    LiteraturePaneLayout l;
    l.header = QRect(0, 0, w, kHeaderHeight);
    l.arrowLeft = w - 300;
    l.toolbar3 = QRect(15, 345, w - 30, 330);
    l.text3 = QRect(30, 720, w - 60, h - 720 - 45);
    l.tree = l.text3.adjusted(30, 30, -30, -30);
    return l;
}

}
