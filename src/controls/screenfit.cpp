#include "controls/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace somnar {

namespace {

const QMargins kFrameAllowance(6, 32, 6, 6);
const QRect kNoScreen(0, 0, 1024, 768);

// One axis: the length cut to the room, the start moved into [first, first + room - length].
void fitAxis(double start, double length, int first, int room, int &fittedStart, int &fittedLength)
{
    fittedLength = std::isfinite(length) ? int(std::clamp(length, 1.0, double(std::max(room, 1)))) : room;
    const int last = first + room - fittedLength;
    fittedStart = std::isfinite(start) ? int(std::clamp(start, double(first), double(std::max(first, last))))
                                       : first + (room - fittedLength) / 2;
}

}

QRect FitOnScreen(const QRectF &frame, const QRect &area)
{
    int left = 0, top = 0, width = 0, height = 0;
    fitAxis(frame.left(), frame.width(), area.left(), area.width(), left, width);
    fitAxis(frame.top(), frame.height(), area.top(), area.height(), top, height);
    return QRect(left, top, width, height);
}

QRect AvailableArea(const QRectF &frame)
{
    const QScreen *best = nullptr;
    double bestShown = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRectF shown = frame.intersected(QRectF(screen->availableGeometry()));
        const double area = shown.width() * shown.height();
        if (area > bestShown) {
            bestShown = area;
            best = screen;
        }
    }
    if (!best)
        best = QGuiApplication::primaryScreen();
    return best ? best->availableGeometry() : kNoScreen;
}

QMargins FrameMargins(const QWidget &window)
{
    if (!window.isVisible())
        return kFrameAllowance;
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

}
