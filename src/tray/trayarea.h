#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QSystemTrayIcon;

namespace somnar {

// One icon in the notification area. Mouse activity on the icon comes out as events with the
// button number: 1 left, 2 right, 4 middle.
class TrayArea : public QObject {
    Q_OBJECT
public:
    // The tooltip field of the notification area holds this many characters.
    static constexpr int kToolTipLength = 63;

    explicit TrayArea(QObject *parent = nullptr);
    ~TrayArea() override;

    const QIcon &Icon() const { return m_icon; }
    // A null icon takes the icon out of the notification area.
    void setIcon(const QIcon &icon);

    const QString &ToolTip() const { return m_toolTip; }
    void setToolTip(const QString &text);

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    static bool isAvailable();

signals:
    void MouseMove();
    void MouseDown(int button);
    void MouseUp(int button);
    void DblClick();

private:
    void onActivated(int reason);

    QIcon m_icon;
    QString m_toolTip;
    bool m_visible = false;
    QSystemTrayIcon *m_systemIcon = nullptr;
};

}
