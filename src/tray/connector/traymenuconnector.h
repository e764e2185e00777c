#pragma once

#include "tray/traymenuhost.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace somnar {

class Form1;
class SettingsStore;
class TolkConnector;
class TrayMenu;

// Opens the tray pop-up on the main window's request and carries out its commands through the
// main window: the windows it opens are reached through hooks that default to the main window's
// own requests for them.
class TrayMenuConnector : public QObject, public TrayMenuHost {
    Q_OBJECT
public:
    TrayMenuConnector(Form1 &mainWindow, SettingsStore &settings, TolkConnector &tolk);
    ~TrayMenuConnector() override;

    // The pop-up while it is open.
    TrayMenu *menu() const;
    void showMenu(const QPoint &cursor);

    void setCalendarShow(std::function<void()> show) { m_calendarShow = std::move(show); }
    void setAboutShow(std::function<void()> show) { m_aboutShow = std::move(show); }
    void setOptionsShow(std::function<void()> show) { m_optionsShow = std::move(show); }

    void restore() override;
    void showCalendar() override;
    void showAbout() override;
    void showOptions() override;
    void exitProgram() override;
    void unloadAll() override;
    QString lookUp(const QString &text) override;
    void openArticle(const QString &word) override;
    int menuOpacity() const override;

private:
    // A window opened through its hook, or through the main window's request while none is set.
    void showThrough(const std::function<void()> &show, void (Form1::*request)());

    Form1 &m_main;
    SettingsStore &m_settings;
    TolkConnector &m_tolk;
    QPointer<TrayMenu> m_menu;
    std::function<void()> m_calendarShow;
    std::function<void()> m_aboutShow;
    std::function<void()> m_optionsShow;
};

}
