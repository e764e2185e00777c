#pragma once

#include <QWidget>

class QLabel;

namespace somnar {

// The header strip of a pane: a small picture, the pane's name and the arrow that tells
// whether the pane is open. A click anywhere on it asks for the pane to be opened.
class HeaderStrip : public QWidget {
    Q_OBJECT
public:
    HeaderStrip(const QString &title, const QString &pictureName, QWidget *parent = nullptr);

    void setOpen(bool open);
    bool isOpen() const { return m_open; }
    // Places the arrows; left in twips.
    void setArrowLeft(int twips);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_picture = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_closedArrow = nullptr;
    QLabel *m_openArrow = nullptr;
    bool m_open = false;
};

// Paints the header strip picture stretched over rect.
void PaintHeaderPicture(QPainter &painter, const QRect &rect, qreal devicePixelRatio);

}
