#pragma once

#include "dictionary/bookcatalogue.h"
#include "dictionary/exitsettings.h"
#include "dictionary/lookupkeys.h"
#include "dictionary/wordindex.h"
#include "location/programoptions.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QToolBar;
class QTreeWidget;

namespace somnar {

class BookBar;
class HeaderStrip;
class SettingsStore;
class StatusStrip;
class TrayArea;
class WordListModel;

// The main window: command bar, the literature and dictionary panes, the status strip.
// Construction only builds the widgets; Form_Load reads the settings and the books.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // DATAFOLDERS: the book folders, the program's then the user's (see BookCatalogue::load).
    Form1(SettingsStore &settings, QStringList dataFolders, QWidget *parent = nullptr);
    Form1(SettingsStore &settings, const QString &dataFolder, QWidget *parent = nullptr)
        : Form1(settings, QStringList{dataFolder}, parent)
    {
    }
    ~Form1() override;

    // Returns false when start-up ended through the fast exit.
    bool Form_Load();
    // Ends the program; the normal exit saves the user's state, the fast exit saves nothing.
    void ExitApp(bool fast);
    bool hasExited() const { return m_exited; }

    void ToTray();
    void FromTray();
    // The exit command of the tray: asks first while the program starts with the session.
    void RequestExit();

    // While set, the window arms the splash timer each time it becomes active.
    void setStarting(QWidget *splash);
    // The options in memory: the options window changes them, the calendar and the tray read them.
    ProgramOptions &options() { return m_options; }
    bool closeToTray() const { return m_options.closeToTray; }
    void setCloseToTray(bool on) { m_options.closeToTray = on; }
    int menuTransp() const { return m_options.menuTransp; }
    bool literatureMode() const { return m_literatureMode; }
    // The observer's place for the lunar calendar: signed decimal degrees, north and east positive.
    double latitude() const { return m_options.location.latitude(); }
    double longitude() const { return m_options.location.longitude(); }
    void setLiteratureMode(bool on) { m_literatureMode = on; }

    // Book catalogue and word index.
    BookCatalogue &catalogue() { return m_catalogue; }
    const WordIndex &wordIndex() const { return m_index; }
    bool LoadBooks();
    void LoadList();
    void Toolbar2_ButtonClick();
    void Toolbar4_ButtonClick(int button);
    void StText();

    // Word lookup.
    QString selectedWord() const;
    int selectedPosition() const;  // 1-based, 0 when nothing is selected
    void Text1_Change();
    void SetVisible(int position);
    void ListView1_ItemClick(int position);
    void ListView1_DblClick();
    void ShowTolk();
    void LoadLastWord();

    // Panes.
    void Image4_Click();
    void Image5_Click();
    bool literaturePaneOpen() const { return m_literatureOpen; }

    // The controls, for the windows that reach into the main window.
    QLineEdit *Text1() const { return m_text1; }
    QListView *ListView1() const { return m_listView1; }
    QTreeWidget *TreeView1() const { return m_treeView1; }
    BookBar *Toolbar2() const { return m_toolbar2; }
    QAction *tolkButton() const { return m_tolk; }
    QAction *listModeButton(int button) const { return m_listMode[button - 1]; }
    QLabel *emptyListHint() const { return m_emptyHint; }
    QLabel *Label6() const;
    QLabel *Label7() const;
    StatusStrip *StatusBar1() const { return m_statusBar1; }
    TrayArea *Tray1() const { return m_tray1; }
    QWidget *Picture2() const { return m_picture2; }
    QWidget *Picture3() const { return m_picture3; }
    QToolBar *Toolbar3() const { return m_toolbar3; }

    // The literature tree saves its own values at exit, after the books.
    void setLiteratureExitValues(std::function<std::vector<SettingWrite>()> values);

signals:
    void tolkRequested();         // "Показать": open or close the interpretation window
    void tolkCloseRequested();    // the interpretation window must close
    void wordChosen(const QString &word);  // a word chosen in the list: new article, history cleared
    void calendarRequested();
    void optionsRequested();
    void aboutRequested();
    void diaryRequested();        // "Дневник", Ctrl+D: the dream diary
    void trayMenuRequested(const QPoint &cursor);
    void fromTrayRequested();     // other windows close when the main window comes back
    void exitStarted();           // the other windows close now; their saves join the exit's
    void exitRequested();         // the program must end now

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createCommandBar();
    void createLink();
    void createLiteraturePane();
    void createDictionaryPane();
    void createStatusBar();
    void createTray();
    void applyGeometry();
    void reportSkippedBooks();
    void applyColumnGrid();

    void Form_Resize();
    void Picture2_Resize();
    void Picture3_Resize();
    void Form_Activate();
    bool Form_KeyDown(QKeyEvent *event);
    bool Text1_KeyDown(QKeyEvent *event);
    void Text1_Click();
    bool ListView1_KeyPress(QKeyEvent *event);
    void ListView1_GotFocus();
    void Listcheck();
    void selectPosition(int position);
    void onSelectionMoved();
    void onListClicked(const QModelIndex &index);
    void Timer1_Timer();
    void Toolbar1_ButtonClick(const QString &key);
    void Tray1_MouseUp(int button);
    void setLinkColour(bool hot);
    ExitState exitState() const;

    SettingsStore &m_settings;
    QStringList m_dataFolders;
    BookCatalogue m_catalogue;
    WordIndex m_index;
    WordListModel *m_model = nullptr;

    QToolBar *m_toolbar1 = nullptr;
    QAction *m_tolk = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_image8 = nullptr;
    QWidget *m_picture3 = nullptr;
    HeaderStrip *m_picture1 = nullptr;
    QToolBar *m_toolbar3 = nullptr;
    QFrame *m_text3 = nullptr;
    QTreeWidget *m_treeView1 = nullptr;
    QWidget *m_picture2 = nullptr;
    HeaderStrip *m_picture5 = nullptr;
    BookBar *m_toolbar2 = nullptr;
    QToolBar *m_toolbar4 = nullptr;
    QAction *m_listMode[2] = {};
    QFrame *m_text2 = nullptr;
    QListView *m_listView1 = nullptr;
    QLabel *m_emptyHint = nullptr;
    int m_widestWord = -1;  // pixels; -1 until measured for the current list
    QLineEdit *m_text1 = nullptr;
    StatusStrip *m_statusBar1 = nullptr;
    TrayArea *m_tray1 = nullptr;
    QTimer m_timer1;
    QTimer m_timer2;

    QPointer<QWidget> m_splash;
    std::function<std::vector<SettingWrite>()> m_literatureExitValues;
    bool m_starting = false;
    ProgramOptions m_options;
    bool m_literatureOpen = false;
    bool m_literatureMode = false;
    bool m_selectingQuietly = false;
    bool m_pressedOnSelected = false;
    int m_chosenPosition = 0;  // the word last chosen, 1-based
    bool m_rebuilding = false;
    bool m_rebuildAgain = false;
    bool m_exiting = false;
    bool m_exited = false;
};

}
