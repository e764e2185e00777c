#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

namespace somnar {

class Form1;
class SettingsStore;
class TolkWindow;

// Ties the main window's interpretation button ("Показать", Enter, double click) to the
// interpretation window: opens it with the selected word's article, shows a newly chosen word
// at once while it is open, closes it when the main window asks, and releases the button when
// the window closes.
class TolkConnector : public QObject {
    Q_OBJECT
public:
    TolkConnector(Form1 &mainWindow, SettingsStore &settings);

    // The window while it exists (it is deleted when closed).
    TolkWindow *window() const;

    // In literature mode the window shows the selected literature file through this.
    void setLiteratureShow(std::function<void(TolkWindow &)> show) { m_literatureShow = std::move(show); }

    // Opens or closes the window as the main window's interpretation button says.
    void ShowTolk();

    // Opens the window with the article of a word, whatever the main list shows (the tray's
    // quick lookup in literature mode); presses the interpretation button.
    void ShowWord(const QString &word);

private:
    TolkWindow &ensureWindow();
    void wordChosen(const QString &word);
    void closeWindow();
    void windowClosed();

    Form1 &m_main;
    SettingsStore &m_settings;
    QPointer<TolkWindow> m_window;
    std::function<void(TolkWindow &)> m_literatureShow;
};

}
