#include "tray/trayarea.h"

#include <QSystemTrayIcon>

namespace somnar {

TrayArea::TrayArea(QObject *parent)
    : QObject(parent)
{
}

TrayArea::~TrayArea()
{
    setVisible(false);
}

bool TrayArea::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayArea::setIcon(const QIcon &icon)
{
    m_icon = icon;
    if (m_icon.isNull())
        setVisible(false);
    else if (m_systemIcon)
        m_systemIcon->setIcon(m_icon);
}

void TrayArea::setToolTip(const QString &text)
{
    m_toolTip = text.trimmed();
    if (m_systemIcon)
        m_systemIcon->setToolTip(m_toolTip.left(kToolTipLength));
}

void TrayArea::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (!visible) {
        delete m_systemIcon;
        m_systemIcon = nullptr;
        return;
    }
    m_systemIcon = new QSystemTrayIcon(m_icon, this);
    m_systemIcon->setToolTip(m_toolTip.left(kToolTipLength));
    connect(m_systemIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { onActivated(int(reason)); });
    m_systemIcon->show();
}

void TrayArea::onActivated(int reason)
{
    switch (QSystemTrayIcon::ActivationReason(reason)) {
    case QSystemTrayIcon::Trigger:
        emit MouseDown(1);
        emit MouseUp(1);
        break;
    case QSystemTrayIcon::Context:
        emit MouseDown(2);
        emit MouseUp(2);
        break;
    case QSystemTrayIcon::MiddleClick:
        emit MouseDown(4);
        emit MouseUp(4);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit DblClick();
        break;
    default:
        break;
    }
}

}
