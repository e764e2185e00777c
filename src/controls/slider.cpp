#include "controls/slider.h"

#include "controls/artwork.h"
#include "controls/slidergeometry.h"
#include "controls/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace somnar {

namespace {
constexpr int kThumbPixels = slidergeometry::kThumbWidth / kTwipsPerPixel;
constexpr int kMarginPixels = slidergeometry::kMargin / kTwipsPerPixel;
constexpr int kHeight = 26;
constexpr int kGrooveHeight = 4;
}

Slider::Slider(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize Slider::sizeHint() const
{
    return {150, kHeight};
}

void Slider::setMin(std::int32_t min)
{
    m_min = min;
    update();
}

void Slider::setMax(std::int32_t max)
{
    m_max = max;
    update();
}

void Slider::setValue(std::int32_t value)
{
    m_value = value;
    update();
}

void Slider::setEnable(bool on)
{
    setEnabled(on);
    update();
}

int Slider::innerWidthTwips() const
{
    return Twips(width());
}

int Slider::thumbLeft() const
{
    return SliderThumbLeft(m_value, m_min, m_max, innerWidthTwips()) / kTwipsPerPixel;
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
        QWidget::keyPressEvent(event);
        return;
    }
    setValue(SliderStep(m_value, m_min, m_max, event->key() == Qt::Key_Right));
    emit Change(m_value);
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    dragTo(event->position().toPoint().x());
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        dragTo(event->position().toPoint().x());
}

void Slider::dragTo(int pixelX)
{
    setValue(SliderValueAt(Twips(pixelX), m_min, m_max, innerWidthTwips()));
    emit Change(m_value);
}

void Slider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void Slider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Slider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int middle = height() / 2;
    const QRect groove(0, middle - kGrooveHeight / 2, width(), kGrooveHeight);
    // A sunken groove: dark above and left, light below and right.
    painter.fillRect(groove, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(groove.topLeft(), groove.topRight());
    painter.drawLine(groove.topLeft(), groove.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(groove.bottomLeft(), groove.bottomRight());
    painter.drawLine(groove.topRight(), groove.bottomRight());

    const int left = thumbLeft();
    const QColor line = palette().color(isEnabled() ? QPalette::Dark : QPalette::Button);
    painter.fillRect(QRect(kMarginPixels, middle - 1, std::max(0, left - kMarginPixels), 2), line);

    const QSize thumbSize(kThumbPixels, height() - 6);
    const QString artwork = isEnabled() ? QStringLiteral("slider-thumb") : QStringLiteral("slider-thumb-disabled");
    painter.drawPixmap(left, 3, artworkPixmap(artwork, thumbSize, devicePixelRatioF()));

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}
