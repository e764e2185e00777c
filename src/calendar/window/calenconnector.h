#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace somnar {

class Form1;
class SettingsStore;

namespace calendar {

class Calen;

// Ties the calendar window to the main window: "Календарь" on the main toolbar (and the tray
// pop-up through ShowCalendar) opens it modeless, owned by the main window, or brings the open
// one to the front.
class CalenConnector : public QObject {
    Q_OBJECT
public:
    CalenConnector(Form1 &mainWindow, SettingsStore &settings);

    void ShowCalendar();
    // The window while it is open (it is deleted when closed).
    Calen *window() const;
private:
    void openLocationOptions(QWidget *parent);

    Form1 &m_main;
    SettingsStore &m_settings;
    QPointer<Calen> m_window;
};

}

}
