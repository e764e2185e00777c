#pragma once

#include "diary/diarystore.h"
#include "diary/headwordlinker.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace somnar {

class Form1;
class TolkConnector;

namespace diary {

class DiaryWindow;

// Ties the diary to the main window: "Дневник" and Ctrl+D open it (or bring it to the front),
// a linked word opens its article in the interpretation window, switching books relinks the
// words, a change of the town reaches its calendar, and the program's exit closes it, saving
// the entry being written. A diary that is read-only, locked by another copy, damaged or too
// new is explained to the user; a damaged file is moved aside and a new one started only when
// the user agrees.
class DiaryConnector : public QObject {
    Q_OBJECT
public:
    // Asks the user a yes-or-no question; true for yes.
    using Question = std::function<bool(QWidget *parent, const QString &text)>;

    DiaryConnector(Form1 &mainWindow, TolkConnector &tolk, QString path = DiaryStore::defaultPath());

    void setQuestion(Question ask) { m_ask = std::move(ask); }

    void ShowDiary();
    // The window while it is open (it is deleted when closed).
    DiaryWindow *window() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The store ready for the window, or nothing when the diary cannot be opened now.
    std::unique_ptr<DiaryStore> openStore();
    void booksChanged();
    // The linker over the switched-on books' headwords, built once per set of books.
    std::shared_ptr<const HeadwordLinker> linker();
    void closeWindow();

    Form1 &m_main;
    TolkConnector &m_tolk;
    QString m_path;
    Question m_ask;
    QPointer<DiaryWindow> m_window;
    std::shared_ptr<const HeadwordLinker> m_linker;
};

// The question put to the user before a damaged diary is moved aside.
QString StartOverQuestion(const QString &problem);
// What the user is told once the damaged file has been moved aside.
QString MovedAsideText(const QString &movedTo);

}

}
