#pragma once

#include <QString>

namespace somnar {

// What the tray pop-up asks of the rest of the program. The main window's side implements it;
// the pop-up itself knows no other window.
class TrayMenuHost {
public:
    virtual ~TrayMenuHost() = default;

    // The items.
    virtual void restore() = 0;
    virtual void showCalendar() = 0;
    virtual void showAbout() = 0;
    virtual void showOptions() = 0;
    // Asks first while the program starts with the session, then ends it.
    virtual void exitProgram() = 0;
    // Closes the program's secondary windows.
    virtual void unloadAll() = 0;

    // Quick lookup: puts the text into the main search box and returns the word the main list
    // then selects (empty when none).
    virtual QString lookUp(const QString &text) = 0;
    // Opens the article of the main list's selected word.
    virtual void openArticle(const QString &word) = 0;

    // Opacity of the pop-up, 0 to 255.
    virtual int menuOpacity() const = 0;
};

}
