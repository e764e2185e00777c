#include "diary/dreamcalendar.h"
#include "diary/headwordlinker.h"
#include "diary/window/diaryentrymodel.h"
#include "diary/window/diarywindow.h"
#include "diary/window/diarywindowlogic.h"

#include "diarywindowtestsupport.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <functional>

using namespace somnar;
using namespace somnar::diary;

namespace {

class DiaryWindowTest : public ::testing::Test {
protected:
    void SetUp() override { somnar::test::EnsureApplication(); }

    DiaryWindow *openWindow() { return openWindow(file); }
    static DiaryWindow *openWindow(const fixture::DiaryFile &diary)
    {
        auto *window = new DiaryWindow(diary.open(), fixture::Moscow(), nullptr, fixture::kMoscowTime);
        window->setHeadwords({QStringLiteral("Кошка"), QStringLiteral("Вода"), QStringLiteral("Дом")});
        return window;
    }

    // A window the test owns (closing it does not delete it).
    static std::unique_ptr<DiaryWindow> ownedWindow(const fixture::DiaryFile &diary)
    {
        std::unique_ptr<DiaryWindow> window(openWindow(diary));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    }

    // Entries with these titles and texts, one night after another from the 1st of December.
    void addNights(std::initializer_list<std::pair<const char *, const char *>> nights)
    {
        int day = 1;
        for (const auto &[title, text] : nights)
            file.add(QString::fromUtf8(title), QString::fromUtf8(text), day++);
    }

    static QStringList listedTitles(const DiaryWindow &window)
    {
        QStringList titles;
        const QAbstractItemModel *model = window.list()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            titles << model->index(row, DiaryEntryModel::TitleColumn).data().toString();
        return titles;
    }

    static void selectRows(DiaryWindow &window, const QList<int> &rows)
    {
        QItemSelectionModel *selection = window.list()->selectionModel();
        selection->clear();
        for (int row : rows)
            selection->select(window.list()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Typed key by key, as a Russian keyboard sends it.
    static void type(DiaryWindow &window, const QString &title, const QString &text)
    {
        for (const QChar letter : title) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(window.titleEdit(), &key);
        }
        window.textEdit()->setPlainText(text);
    }

    fixture::DiaryFile file;
};

TEST_F(DiaryWindowTest, ReadingFollowsTypingOnlyAfterAPause)
{
    auto store = file.open();
    DreamCalendar calendar(fixture::Moscow(), fixture::kMoscowTime);
    HeadwordLinker linker;
    linker.build({QStringLiteral("Кошка"), QStringLiteral("Вода"), QStringLiteral("Дом")});
    DiaryWindowLogic logic(*store, calendar, linker);
    logic.load();
    QSignalSpy readings(&logic, &DiaryWindowLogic::readingChanged);

    DiaryEntry fields = logic.current();
    for (const char *text : {"видела", "видела кошку", "видела кошку в воде"}) {
        fields.text = QString::fromUtf8(text);
        logic.edit(fields);
    }
    EXPECT_TRUE(logic.readingPending());
    EXPECT_EQ(readings.count(), 0) << "no reading while the keys are still going";
    EXPECT_TRUE(logic.links().isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !logic.readingPending(); }, 5000));
    EXPECT_EQ(readings.count(), 1) << "one reading for the whole burst";
    QStringList headwords;
    for (const WordLink &link : logic.links())
        headwords << link.headword;
    EXPECT_EQ(headwords, (QStringList{QStringLiteral("Кошка"), QStringLiteral("Вода")}));
    ASSERT_TRUE(logic.calendarReading().has_value());
    EXPECT_EQ(logic.current().lunarDay, logic.calendarReading()->lunarDay.number);
}

TEST_F(DiaryWindowTest, NothingTypedIsLostWhicheverWayTheEntryIsLeft)
{
    struct Leaving {
        const char *name;
        std::function<void(DiaryWindow &)> leave;
    };
    const Leaving ways[] = {
        {"another entry chosen in the list",
         [](DiaryWindow &window) { window.list()->setCurrentIndex(window.list()->model()->index(0, 0)); }},
        {"a new entry started", [](DiaryWindow &window) { window.newAction()->trigger(); }},
        {"the window closed", [](DiaryWindow &window) { window.close(); }},
        {"a pause in typing", [](DiaryWindow &window) {
             EXPECT_TRUE(QTest::qWaitFor([&] { return !window.logic().isDirty(); }, 10000));
             delete &window;
         }},
    };
    for (const Leaving &way : ways) {
        SCOPED_TRACE(way.name);
        const fixture::DiaryFile diary;
        diary.add(QStringLiteral("Старый сон"), QStringLiteral("Дом у реки"), 1);
        QPointer<DiaryWindow> window = openWindow(diary);
        window->newAction()->trigger();
        type(*window, QStringLiteral("Полёт"), QStringLiteral("Летала над морем"));
        way.leave(*window);
        delete window;

        const QList<DiaryEntry> kept = diary.open()->entries();
        ASSERT_EQ(kept.size(), 2);
        EXPECT_EQ(kept.front().title, QStringLiteral("Полёт"));
        EXPECT_EQ(kept.front().text, QStringLiteral("Летала над морем"));
    }
}

TEST_F(DiaryWindowTest, DeletedEntriesComeBackWholeWithUndo)
{
    addNights({{"Первый", "Вода"}, {"Второй", "Дом"}, {"Третий", "Кошка"}});
    const std::unique_ptr<DiaryWindow> window = ownedWindow(file);
    EXPECT_EQ(listedTitles(*window),
              (QStringList{QStringLiteral("Третий"), QStringLiteral("Второй"), QStringLiteral("Первый")}));
    EXPECT_FALSE(window->undoAction()->isEnabled());

    // The open entry was being edited: undo must bring back what was typed too.
    window->textEdit()->setPlainText(QStringLiteral("Кошка на крыше"));
    selectRows(*window, {0, 1});
    window->deleteAction()->trigger();
    EXPECT_EQ(listedTitles(*window), QStringList{QStringLiteral("Первый")});
    EXPECT_EQ(window->store().count(), 1);
    EXPECT_EQ(window->logic().current().title, QStringLiteral("Первый")) << "the next entry takes the editor";
    EXPECT_TRUE(window->undoAction()->isEnabled());

    window->undoAction()->trigger();
    EXPECT_EQ(listedTitles(*window),
              (QStringList{QStringLiteral("Третий"), QStringLiteral("Второй"), QStringLiteral("Первый")}));
    EXPECT_EQ(window->logic().current().title, QStringLiteral("Третий"));
    EXPECT_EQ(window->textEdit()->toPlainText(), QStringLiteral("Кошка на крыше"));
    EXPECT_FALSE(window->undoAction()->isEnabled());
}

TEST_F(DiaryWindowTest, SearchFillsTheListWithTheEntriesFound)
{
    addNights({{"Кошка на крыше", "Серая кошка спала у трубы"},
               {"Ёлка", "Ёлка в снегу, кошки нет"},
               {"Море", "Тёплая вода и ветер"}});
    const std::unique_ptr<DiaryWindow> window = ownedWindow(file);

    const struct {
        const char *query;
        QStringList titles;
        const char *count;
    } cases[] = {
        {"КОШКУ", {QStringLiteral("Ёлка"), QStringLiteral("Кошка на крыше")}, "Найдено: 2 из 3"},
        {"елка", {QStringLiteral("Ёлка")}, "Найдено: 1 из 3"},
        {"жираф", {}, "Ничего не найдено"},
        {"", {QStringLiteral("Море"), QStringLiteral("Ёлка"), QStringLiteral("Кошка на крыше")}, "Записей: 3"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query);
        window->searchBox()->setText(QString::fromUtf8(c.query));
        EXPECT_EQ(listedTitles(*window), c.titles);
        EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("DiaryCount"))->text(), QString::fromUtf8(c.count));
    }

    window->searchBox()->setText(QStringLiteral("елка"));
    window->list()->setCurrentIndex(window->list()->model()->index(0, 0));
    EXPECT_EQ(window->textEdit()->toPlainText(), QStringLiteral("Ёлка в снегу, кошки нет")) << "a found entry opens";
}


TEST_F(DiaryWindowTest, SelectedEntriesExportWithWhatIsBeingTypedAndImportBack)
{
    addNights({{"Первый", "Вода"}, {"Второй", "Дом"}, {"Третий", "Кошка"}});
    const std::unique_ptr<DiaryWindow> window = ownedWindow(file);
    window->textEdit()->setPlainText(QStringLiteral("Кошка на крыше, ещё не сохранено"));
    selectRows(*window, {0, 2});

    const QString exported = file.folder() + QStringLiteral("/сны.txt");
    QString error;
    ASSERT_TRUE(window->logic().exportEntries(window->selectedIds(), ExportFormat::Text, exported, &error))
        << error.toStdString();

    const fixture::DiaryFile other;
    const std::unique_ptr<DiaryWindow> reader = ownedWindow(other);
    EXPECT_EQ(reader->logic().importFile(exported, &error), 2) << error.toStdString();
    EXPECT_EQ(reader->logic().importFile(exported, &error), 0) << "the same file again adds nothing";
    EXPECT_EQ(listedTitles(*reader), (QStringList{QStringLiteral("Третий"), QStringLiteral("Первый")}));
    reader->list()->setCurrentIndex(reader->list()->model()->index(0, 0));
    EXPECT_EQ(reader->textEdit()->toPlainText(), QStringLiteral("Кошка на крыше, ещё не сохранено"));

    EXPECT_EQ(reader->logic().importFile(file.path(), &error), -1) << "a diary file is no text export";
    EXPECT_FALSE(error.isEmpty());
}

}
