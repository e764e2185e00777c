#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace somnar {

class Process;

// The status strip: the selected word (Label6), a thin divider, the article total (Label7)
// and the busy indicator that covers the total while the index is rebuilt.
class StatusStrip : public QWidget {
    Q_OBJECT
public:
    // Width of the picture at the strip's right end, in twips.
    static constexpr int kPictureWidth = 210;

    explicit StatusStrip(QWidget *parent = nullptr);

    QLabel *Label6() const { return m_label6; }
    QLabel *Label7() const { return m_label7; }
    Process *Process1() const { return m_process1; }

    // Left edge of Label7 in twips.
    static constexpr int kLabel7Left = 2745;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label6 = nullptr;
    QFrame *m_panel3d1 = nullptr;
    QLabel *m_label7 = nullptr;
    Process *m_process1 = nullptr;
};

}
