#include "tray/connector/traymenuconnector.h"

#include "app/autostartswitch.h"
#include "app/exitchoice.h"
#include "article/tolkconnector.h"
#include "dictionary/mainwindow.h"
#include "tray/traymenu.h"

#include <QApplication>
#include <QLineEdit>

namespace somnar {

TrayMenuConnector::TrayMenuConnector(Form1 &mainWindow, SettingsStore &settings, TolkConnector &tolk)
    : QObject(&mainWindow)
    , m_main(mainWindow)
    , m_settings(settings)
    , m_tolk(tolk)
{
    connect(&m_main, &Form1::trayMenuRequested, this, &TrayMenuConnector::showMenu);
    connect(&m_main, &Form1::fromTrayRequested, this, &TrayMenuConnector::unloadAll);
}

TrayMenuConnector::~TrayMenuConnector()
{
    delete m_menu;
}

TrayMenu *TrayMenuConnector::menu() const
{
    return m_menu;
}

void TrayMenuConnector::showMenu(const QPoint &cursor)
{
    if (m_menu)
        m_menu->close();
    m_menu = new TrayMenu(*this);
    m_menu->popUp(cursor);
}

void TrayMenuConnector::showThrough(const std::function<void()> &show, void (Form1::*request)())
{
    if (show)
        show();
    else
        emit (m_main.*request)();
}

void TrayMenuConnector::restore()
{
    m_main.FromTray();
    if (m_main.selectedPosition() > 0)
        m_main.SetVisible(m_main.selectedPosition());
}

void TrayMenuConnector::showCalendar()
{
    showThrough(m_calendarShow, &Form1::calendarRequested);
}

void TrayMenuConnector::showAbout()
{
    showThrough(m_aboutShow, &Form1::aboutRequested);
}

void TrayMenuConnector::showOptions()
{
    showThrough(m_optionsShow, &Form1::optionsRequested);
}

void TrayMenuConnector::exitProgram()
{
    if (ExitNeedsConfirmation(IsAutostartOn(), m_settings))
        unloadAll();
    m_main.RequestExit();
}

void TrayMenuConnector::unloadAll()
{
    // Every secondary window is a top-level window of its own: close them all, whichever exist.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != &m_main && window != m_menu && window->isVisible())
            window->close();
}

QString TrayMenuConnector::lookUp(const QString &text)
{
    m_main.Text1()->setText(text);
    return m_main.selectedWord();
}

void TrayMenuConnector::openArticle(const QString &word)
{
    if (m_main.literatureMode())
        m_tolk.ShowWord(word);
    else
        m_main.ListView1_DblClick();
}

int TrayMenuConnector::menuOpacity() const
{
    return m_main.menuTransp();
}

}
