#include "app/splashwindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace somnar {

SplashWindow::SplashWindow(QString versionText, QPixmap picture, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_versionText(std::move(versionText))
    , m_picture(std::move(picture))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowOpacity(kOpacity);
    resize(kSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::showNow()
{
    show();
    raise();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(QColor(0xE8, 0xE4, 0xF4));
    const QRect versionRect(0, height() - 34, width() - 16, 20);
    painter.drawText(versionRect, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Версия ") + m_versionText);
}

}
