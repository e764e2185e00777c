#include "article/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace somnar {

namespace {

const QColor kInk(40, 70, 120);
const QColor kPaper(250, 250, 245);

void drawBack(QPainter &p)
{
    QPainterPath arrow;
    arrow.moveTo(3, 12);
    arrow.lineTo(11, 4);
    arrow.lineTo(11, 8.5);
    arrow.lineTo(21, 8.5);
    arrow.lineTo(21, 15.5);
    arrow.lineTo(11, 15.5);
    arrow.lineTo(11, 20);
    arrow.closeSubpath();
    p.setBrush(QColor(60, 140, 60));
    p.drawPath(arrow);
}

void drawHome(QPainter &p)
{
    p.setBrush(QColor(190, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(2, 12), QPointF(12, 3), QPointF(22, 12)}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 12, 14, 9));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(10, 15, 4, 6));
}

void drawPrint(QPainter &p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    p.setBrush(QColor(180, 180, 185));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
}

void drawCopy(QPainter &p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 2.5, 11, 14));
    p.drawRect(QRectF(9.5, 7.5, 11, 14));
    for (double y : {11.0, 14.0, 17.0})
        p.drawLine(QPointF(12, y), QPointF(18, y));
}

void drawFind(QPainter &p)
{
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20.5, 20.5));
}

}

QIcon ToolbarIcon(ToolbarImage image)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    switch (image) {
    case ToolbarImage::Back:
        drawBack(p);
        break;
    case ToolbarImage::Home:
        drawHome(p);
        break;
    case ToolbarImage::Print:
        drawPrint(p);
        break;
    case ToolbarImage::Copy:
        drawCopy(p);
        break;
    case ToolbarImage::Find:
        drawFind(p);
        break;
    }
    return QIcon(pixmap);
}

}
