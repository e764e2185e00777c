#include "dictionary/headerstrip.h"

#include "controls/artwork.h"
#include "dictionary/mainlayout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace somnar {

namespace {
constexpr int kArrowSide = 14;
constexpr int kPictureSide = 16;

QLabel *pictureLabel(QWidget *parent, const QString &name, int side)
{
    auto *label = new QLabel(parent);
    label->setPixmap(artworkPixmap(name, QSize(side, side), parent->devicePixelRatioF()));
    label->resize(side, side);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}
}

void PaintHeaderPicture(QPainter &painter, const QRect &rect, qreal devicePixelRatio)
{
    painter.drawPixmap(rect.topLeft(), artworkPixmap(QStringLiteral("header"), rect.size(), devicePixelRatio));
}

HeaderStrip::HeaderStrip(const QString &title, const QString &pictureName, QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    m_picture = pictureLabel(this, pictureName, kPictureSide);
    m_picture->move(6, (layout::kHeaderHeight / kTwipsPerPixel - kPictureSide) / 2);
    m_title = new QLabel(title, this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setGeometry(ToPixels(QRect(405, 60, 1080, 225)));
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_closedArrow = pictureLabel(this, QStringLiteral("arrow-closed"), kArrowSide);
    m_openArrow = pictureLabel(this, QStringLiteral("arrow-open"), kArrowSide);
    setOpen(false);
}

void HeaderStrip::setOpen(bool open)
{
    m_open = open;
    m_closedArrow->setVisible(!open);
    m_openArrow->setVisible(open);
}

void HeaderStrip::setArrowLeft(int twips)
{
    const int top = (layout::kHeaderHeight / kTwipsPerPixel - kArrowSide) / 2;
    m_closedArrow->move(twips / kTwipsPerPixel, top);
    m_openArrow->move(twips / kTwipsPerPixel, top);
}

void HeaderStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintHeaderPicture(painter, rect(), devicePixelRatioF());
}

void HeaderStrip::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}
