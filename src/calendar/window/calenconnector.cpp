#include "calendar/window/calenconnector.h"

#include "calendar/window/calen.h"
#include "dictionary/mainwindow.h"
#include "location/showoptions.h"

namespace somnar::calendar {

CalenConnector::CalenConnector(Form1 &mainWindow, SettingsStore &settings)
    : QObject(&mainWindow), m_main(mainWindow), m_settings(settings)
{
    connect(&m_main, &Form1::calendarRequested, this, &CalenConnector::ShowCalendar);
}

Calen *CalenConnector::window() const
{
    return m_window;
}

void CalenConnector::ShowCalendar()
{
    if (!m_window) {
        m_window = new Calen(m_settings, &m_main);
        m_window->setLocationOptions([this](QWidget *parent) { openLocationOptions(parent); });
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void CalenConnector::openLocationOptions(QWidget *parent)
{
    ShowOptions(parent, m_main.options(), m_settings, 2, true);
}

}
