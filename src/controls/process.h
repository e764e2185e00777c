#pragma once

#include "controls/progressmotion.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace somnar {

// The busy indicator: a thin strip along which a small block slides, leaving a trail, while a
// long operation runs. It shows no amount of progress. Callers show and hide it themselves.
class Process : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 50;

    explicit Process(QWidget *parent = nullptr);

    void ProgressPlay();
    void ProgressStop();
    void ProgressReset();

    bool isPlaying() const { return m_timer.isActive(); }
    int position() const { return m_motion.position(); }
    // One step of the animation, as the timer runs it.
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawEmptyStrip();
    void drawBlock();

    QTimer m_timer;
    ProgressMotion m_motion;
    QPixmap m_canvas;
};

}
