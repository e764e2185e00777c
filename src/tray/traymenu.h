#pragma once

#include "tray/traymenulogic.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace somnar {

class TrayMenuHost;

// The borderless pop-up beside the tray icon: five commands and the quick-lookup box. It is
// created for each right click and deletes itself when it closes.
class TrayMenu : public QWidget {
    Q_OBJECT
public:
    // The frame in twips; the hot areas and the box lie inside it.
    static constexpr QSize kShapeTwips{2265, 2250};

    explicit TrayMenu(TrayMenuHost &host, QWidget *parent = nullptr);

    // Shows the pop-up with its bottom-right corner at the pointer, kept on that screen.
    void popUp(QPoint cursor);

    QLineEdit *Text1() const { return m_text1; }
    // Keyboard cursor position: 0 before any arrow key, else 1 to 5 from the top.
    int cursorPosition() const { return m_position; }
    // The item the highlight bar lies behind, or -1 when it is hidden.
    int highlightedItem() const { return m_highlighted; }
    // Hot area of each item, in the pop-up's coordinates.
    static QRect itemRect(int hotIndex);
    static QString itemCaption(int hotIndex);

    void Label18_Click(int hotIndex);
    // One tick of the auto-close check.
    void Timer1_Timer();
    // Where the auto-close check reads the pointer; the screen's pointer unless replaced.
    void setPointerSource(std::function<QPoint()> pointer) { m_pointer = std::move(pointer); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ShowCur(int hotIndex);
    void HideCur();
    void Form_Activate();
    bool Form_KeyDown(QKeyEvent *event);
    void Text1_KeyUp(QKeyEvent *event);
    bool Text1_KeyDown(QKeyEvent *event);
    void lookUpTyped();
    void warn(const QString &text);
    static int hotIndexAt(QPoint point);

    TrayMenuHost &m_host;
    QLineEdit *m_text1 = nullptr;
    QTimer m_timer1;
    IdleCounter m_idle;
    std::function<QPoint()> m_pointer;
    int m_position = 0;
    int m_highlighted = -1;
    bool m_warning = false;
    bool m_running = false;
    bool m_edited = false;
};

}
