#pragma once

#include "astro/timezone.h"
#include "controls/datetimepicker.h"
#include "diary/diarystore.h"
#include "diary/dreamcalendar.h"
#include "diary/headwordlinker.h"
#include "diary/window/diarywindowlogic.h"
#include "location/programoptions.h"

#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextBrowser;
class QToolBar;
class QTreeView;

namespace somnar::diary {

class DiaryEntryModel;

// "Дневник сновидений": the list of written-down dreams with a search over all of them, the
// entry being written, and beside it what the books and the lunar calendar say about it.
// Deleted when closed; the entry being written is saved first.
class DiaryWindow : public QWidget {
    Q_OBJECT
public:
    // The store is open (read-only ones too); the town is the one the calendar reads for.
    DiaryWindow(std::unique_ptr<DiaryStore> store, const UserLocation &town, QWidget *owner = nullptr,
                const astro::UtcOffsetSource &offset = astro::SystemOffset());
    ~DiaryWindow() override;

    // The linker over the headwords of the switched-on books, shared with whoever keeps it
    // between openings; an empty one: no book is on.
    void setLinker(std::shared_ptr<const HeadwordLinker> linker);
    // The same through a linker of the window's own.
    void setHeadwords(const std::vector<QString> &headwords);
    // The town the calendar reads for; a change reads the entry and the list's lunar days again.
    void setTown(const UserLocation &town);

    DiaryWindowLogic &logic() { return *m_logic; }
    DiaryStore &store() { return *m_store; }

    // The controls, for tests and screenshots.
    QLineEdit *searchBox() const { return m_search; }
    QTreeView *list() const { return m_list; }
    QLineEdit *titleEdit() const { return m_title; }
    cDateTimePicker &datePicker() { return m_datePicker; }
    cDateTimePicker &timePicker() { return m_timePicker; }
    QComboBox *vividnessBox() const { return m_vividness; }
    QLineEdit *tagsEdit() const { return m_tags; }
    QPlainTextEdit *textEdit() const { return m_text; }
    QTextBrowser *readingView() const { return m_reading; }
    QLabel *statusLabel() const { return m_status; }
    QAction *newAction() const { return m_new; }
    QAction *deleteAction() const { return m_delete; }
    QAction *undoAction() const { return m_undo; }

    // The ids of the entries selected in the list, in list order.
    QList<qint64> selectedIds() const;
    void deleteSelected();
    void exportEntries(bool selectedOnly);
    void importEntries();
    // The program is ending: the window closes whatever happens; an entry the diary cannot take
    // is written aside as a text file the diary can import, and the user is told where.
    void closeForExit();

signals:
    // A linked word was clicked: its article should open in the interpretation window.
    void wordActivated(const QString &headword);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createList();
    void createEditor();
    void createReading();
    void layOut();

    void showList();
    void showRow(int row);
    void showEntry();
    void showReading();
    // Underlines, in the text, the words the reading links.
    void markLinkedWords();
    void selectCurrent();
    void listRowChosen(const QModelIndex &current);
    void editorChanged();
    void updateCount();
    void updateActions();
    void saveFailed(const QString &message);
    void setStatus(const QString &text);

    std::unique_ptr<DiaryStore> m_store;
    UserLocation m_town;
    const astro::UtcOffsetSource &m_offset;
    std::unique_ptr<DreamCalendar> m_calendar;
    std::shared_ptr<const HeadwordLinker> m_linker;
    std::unique_ptr<DiaryWindowLogic> m_logic;
    DiaryEntryModel *m_model = nullptr;
    cDateTimePicker m_datePicker;
    cDateTimePicker m_timePicker;
    bool m_filling = false;
    bool m_selectingQuietly = false;
    bool m_closingAnyway = false;

    QToolBar *m_toolBar = nullptr;
    QAction *m_new = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_exportAll = nullptr;
    QAction *m_exportSelected = nullptr;
    QAction *m_import = nullptr;
    QLineEdit *m_search = nullptr;
    QTreeView *m_list = nullptr;
    QLabel *m_count = nullptr;
    QWidget *m_editor = nullptr;
    QLineEdit *m_title = nullptr;
    QWidget *m_dateBox = nullptr;
    QWidget *m_timeBox = nullptr;
    QComboBox *m_vividness = nullptr;
    QLineEdit *m_tags = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QTextBrowser *m_reading = nullptr;
    QLabel *m_status = nullptr;
};

}
