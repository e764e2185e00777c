#include "calendar/window/moonpicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace somnar::calendar {

namespace {

constexpr double kSynodicMonth = 29.530589;

// The lit part of a unit disc centred at the origin, y pointing down: between the limb on the
// lit side and the terminator, a half ellipse whose half-width is cos(angle).
QPainterPath LitPart(double angleDegrees)
{
    const double angle = angleDegrees * std::numbers::pi / 180;
    const bool waxing = angleDegrees <= 180;
    const double limbSide = waxing ? 1 : -1;
    const double terminator = waxing ? std::cos(angle) : -std::cos(angle);
    constexpr int kSteps = 64;
    QPainterPath path;
    for (int i = 0; i <= kSteps; ++i) {
        const double y = -1 + 2.0 * i / kSteps;
        const double half = std::sqrt(std::max(0.0, 1 - y * y));
        const QPointF point(limbSide * half, y);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double y = -1 + 2.0 * i / kSteps;
        const double half = std::sqrt(std::max(0.0, 1 - y * y));
        path.lineTo(terminator * half, y);
    }
    path.closeSubpath();
    return path;
}

// Dark plains of the near side, in unit-disc coordinates: centre and radii.
struct Plain {
    double x, y, rx, ry;
};
constexpr Plain kPlains[] = {
    {-0.35, -0.35, 0.28, 0.22}, {0.05, -0.45, 0.20, 0.16}, {0.35, -0.20, 0.18, 0.22},
    {-0.10, 0.05, 0.22, 0.18},  {-0.45, 0.25, 0.16, 0.20}, {0.30, 0.30, 0.15, 0.12},
};

}

double MoonPhaseAngle(int n)
{
    n = std::clamp(n, 1, kMoonPictureCount);
    return 360.0 * (n - 0.5) / kSynodicMonth;
}

double MoonLitFraction(int n)
{
    return (1 - std::cos(MoonPhaseAngle(n) * std::numbers::pi / 180)) / 2;
}

QPixmap MoonPicture(int n, int logicalWidth, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(logicalWidth, logicalWidth) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = logicalWidth / 2.0 - 0.5;
    painter.translate(logicalWidth / 2.0, logicalWidth / 2.0);
    painter.scale(radius, radius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x34, 0x39, 0x4a));
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);

    const QPainterPath lit = LitPart(MoonPhaseAngle(n));
    const QColor light(0xf5, 0xd7, 0x6e);
    // The outline, about a device pixel wide, keeps the thinnest crescents visible.
    painter.setPen(QPen(light, 1.0 / radius, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(light);
    painter.drawPath(lit);
    painter.setPen(Qt::NoPen);
    painter.setClipPath(lit);
    painter.setBrush(QColor(0xdc, 0xbc, 0x58));
    for (const Plain &plain : kPlains)
        painter.drawEllipse(QPointF(plain.x, plain.y), plain.rx, plain.ry);
    return pixmap;
}

}
