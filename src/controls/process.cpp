#include "controls/process.h"

#include "controls/artwork.h"
#include "controls/twips.h"

#include <QCoreApplication>
#include <QPainter>

namespace somnar {

namespace {
// The strip as the main window places it, in twips.
constexpr int kStripWidth = 2295;
constexpr int kStripHeight = 210;
constexpr int kBlockWidth = 300;
}

Process::Process(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &Process::Timer1_Timer);
    resize(kStripWidth / kTwipsPerPixel, kStripHeight / kTwipsPerPixel);
    ProgressReset();
}

void Process::ProgressPlay()
{
    m_timer.start();
}

void Process::ProgressStop()
{
    m_timer.stop();
}

void Process::ProgressReset()
{
    drawEmptyStrip();
    update();
}

void Process::Timer1_Timer()
{
    // Keeps the strip moving while the caller is busy between its own event yields.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_motion.tick())
        drawEmptyStrip();
    drawBlock();
    update();
}

void Process::drawEmptyStrip()
{
    const qreal ratio = devicePixelRatioF();
    m_canvas = artworkPixmap(QStringLiteral("progress-strip"), size(), ratio);
    if (m_canvas.isNull()) {
        m_canvas = QPixmap(size() * ratio);
        m_canvas.setDevicePixelRatio(ratio);
        m_canvas.fill(palette().color(QPalette::Window));
    }
}

void Process::drawBlock()
{
    const qreal scaleX = width() / qreal(kStripWidth);
    const QRectF block(m_motion.position() * scaleX, 1.0, kBlockWidth * scaleX, height() - 2.0);
    const QPixmap picture = artworkPixmap(QStringLiteral("progress-block"), block.size().toSize(),
                                          devicePixelRatioF());
    QPainter painter(&m_canvas);
    painter.drawPixmap(block.topLeft(), picture);
}

void Process::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_canvas);
}

void Process::resizeEvent(QResizeEvent *)
{
    drawEmptyStrip();
}

}
