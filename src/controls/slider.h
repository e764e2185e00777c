#pragma once

#include <QWidget>

#include <cstdint>

namespace somnar {

// The program's horizontal slider: a sunken groove, a thumb dragged with the mouse or moved
// with the arrow keys, and a line over the covered part of the range. A press beside the thumb
// makes the thumb's middle jump to the pointer.
class Slider : public QWidget {
    Q_OBJECT
public:
    explicit Slider(QWidget *parent = nullptr);

    std::int32_t Min() const { return m_min; }
    std::int32_t Max() const { return m_max; }
    std::int32_t Value() const { return m_value; }
    bool Enable() const { return isEnabled(); }
    void setMin(std::int32_t min);
    void setMax(std::int32_t max);
    // Stores the value as given (no clamping) and places the thumb; raises no event.
    void setValue(std::int32_t value);
    void setEnable(bool on);

    // The thumb's left edge in pixels within the control.
    int thumbLeft() const;
    QSize sizeHint() const override;

signals:
    // The user moved the slider (keys, drag or click); raised even when the value stays.
    void Change(std::int32_t value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int innerWidthTwips() const;
    void dragTo(int pixelX);

    std::int32_t m_min = 0;
    std::int32_t m_max = 10;
    std::int32_t m_value = 0;
};

}
