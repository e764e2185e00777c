#pragma once

#include <QPixmap>
#include <QWidget>

namespace somnar {

// The picture with the version text shown while the main window loads. The picture is
// drawn for kSize at the screen's pixel ratio.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kOpacity = 220.0 / 255.0;

    static constexpr QSize kSize{6000 / 15, 3600 / 15};

    SplashWindow(QString versionText, QPixmap picture, QWidget *parent = nullptr);

    // Shows the window on top of the others and paints it before the caller goes on loading.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_versionText;
    QPixmap m_picture;
};

}
