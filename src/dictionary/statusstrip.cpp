#include "dictionary/statusstrip.h"

#include "controls/artwork.h"
#include "controls/process.h"
#include "dictionary/headerstrip.h"
#include "dictionary/mainlayout.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace somnar {

StatusStrip::StatusStrip(QWidget *parent)
    : QWidget(parent)
{
    m_label6 = new QLabel(this);
    m_label6->setGeometry(ToPixels(QRect(345, 90, 1995, 225)));
    m_panel3d1 = new QFrame(this);
    m_panel3d1->setFrameShape(QFrame::VLine);
    m_panel3d1->setFrameShadow(QFrame::Sunken);
    m_panel3d1->setGeometry(ToPixels(QRect(2385, 75, 30, 270)));
    m_label7 = new QLabel(this);
    m_label7->setGeometry(ToPixels(QRect(kLabel7Left, 90, 4755, 225)));
    m_process1 = new Process(this);
    m_process1->setGeometry(ToPixels(QRect(2730, 90, 2295, 210)));
    m_process1->hide();
}

void StatusStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    PaintHeaderPicture(painter, QRect(0, 2, width(), height() - 2), devicePixelRatioF());
    const QRect picture = ToPixels(QRect(Twips(width()) - 255, 75, kPictureWidth, kPictureWidth));
    painter.drawPixmap(picture.topLeft(), artworkPixmap(QStringLiteral("status"), picture.size(), devicePixelRatioF()));
}

void StatusStrip::resizeEvent(QResizeEvent *)
{
    emit resized();
}

}
