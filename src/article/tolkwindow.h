#pragma once

#include "article/articlehistory.h"
#include "article/cataloguebooks.h"
#include "article/searchform.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QFrame;
class QMenu;
class QToolBar;
class QToolButton;

namespace somnar {

class RichTextView;
class SettingsStore;

// "Толкование сна": one article in its view, links with a history to go back, copy, print and
// find. Owned by the main window, modeless, deleted when closed.
class TolkWindow : public QWidget {
    Q_OBJECT
public:
    TolkWindow(ArticleBooksProvider books, SettingsStore &settings, QWidget *mainWindow);

    // Opens the window: restores its geometry, shows it and shows the word's article (none for
    // an empty word, as in literature mode). On an error reports "Нечего отображать" and closes.
    void ShowTolk(const QString &word);

    // Assembles, formats and shows the article; nothing happens for the word already shown or
    // a word no switched-on book has. Book errors reach the caller.
    void ShowArticle(const QString &word);

    // The main list picked a word: the history is emptied.
    void clearHistory();

    void CheckBack();
    void AddBack();
    void ShowFind();

    // Commands of the toolbar, the keys and the pop-up menu; each does nothing while its
    // button is disabled.
    void goBack();
    void goHome();
    void copyArticle();
    void printArticle();

    // A click at a point of the view: follows the link there, if any.
    void followLinkAt(const QPoint &viewportPoint);
    // Following a link: the word shown goes onto the history, then the link's article shows.
    // The link of the word already shown does nothing.
    void followLink(const QString &word);

    RichTextView *view() const { return m_view; }
    const ArticleHistory &history() const { return m_history; }
    QAction *backAction() const { return m_back; }
    QAction *homeAction() const { return m_home; }
    QMenu *backMenu() const { return m_backMenu; }
    SearchForm *searchForm() const { return m_searchForm; }

signals:
    // The window is closing: the main window releases its interpretation button.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createToolBar();
    void createView();
    void createPopupMenu();
    void restoreGeometry();
    void saveGeometry();
    bool handleKey(QKeyEvent *event);
    void hoverAt(const QPoint &viewportPoint);
    void mouseReleased(Qt::MouseButton button, const QPoint &viewportPoint);
    void backMenuChosen(QAction *entry);
    // Shows an article from a user's action; a book error is reported under the action's name.
    void showArticleReporting(const QString &word, const QString &operation);

    ArticleBooksProvider m_books;
    SettingsStore &m_settings;
    ArticleHistory m_history;
    RichTextView *m_view = nullptr;
    QFrame *m_frame = nullptr;
    QToolBar *m_toolBar = nullptr;
    QAction *m_back = nullptr;
    QAction *m_home = nullptr;
    QAction *m_print = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_find = nullptr;
    QMenu *m_backMenu = nullptr;
    QMenu *m_popupMenu = nullptr;
    QPointer<SearchForm> m_searchForm;
};

}
