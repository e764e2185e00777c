#include "app/messages.h"
#include "controls/screenfit.h"
#include "controls/twips.h"
#include "dictionary/bookbar.h"
#include "dictionary/exitsettings.h"
#include "dictionary/listcolumns.h"
#include "dictionary/mainlayout.h"
#include "dictionary/mainwindow.h"
#include "dictionary/statusstrip.h"
#include "dictionary/windowgeometry.h"
#include "tray/trayarea.h"

#include "mainwindow_testsupport.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <cstdio>

using namespace somnar;
using namespace somnar::testing;

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        setMessageHandler([this](QMessageBox::Icon icon, const QString &title, const QString &text) {
            messages.push_back({icon, title, text});
        });
    }
    ~MainWindowTest() override { setMessageHandler({}); }

    void addBooks()
    {
        folder.add({"1.book", "Народный", {"Аист", "Баня", "Вода", "Дом"}});
        folder.add({"2.book", "Лунный", {"Абажур", "баня", "Луна"}});
        folder.add({"3.book", "Морской", {"Море", "Якорь"}});
    }

    std::unique_ptr<Form1> open()
    {
        settings = std::make_unique<SettingsStore>(folder.settingsPath());
        auto form = std::make_unique<Form1>(*settings, folder.folder());
        form->Form_Load();
        return form;
    }

    QStringList listed(const Form1 &form) const
    {
        QStringList words;
        for (const QString &word : form.wordIndex().words())
            words << word;
        return words;
    }

    static void press(QWidget *target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }

    BookFolder folder;
    std::unique_ptr<SettingsStore> settings;
    std::vector<Message> messages;
};

}

TEST_F(MainWindowTest, StartsWithTheMergedListAndTheFirstWord)
{
    addBooks();
    auto form = open();
    EXPECT_FALSE(form->hasExited());
    EXPECT_EQ(listed(*form), QStringList({"Абажур", "Аист", "Баня", "Вода", "Дом", "Луна", "Море", "Якорь"}));
    EXPECT_EQ(form->Toolbar2()->buttonCount(), 3);
    EXPECT_EQ(form->Toolbar2()->button(2)->toolTip(), QStringLiteral("Лунный"));
    EXPECT_EQ(form->Toolbar2()->button(2)->property("key").toString(), folder.path("2.book"));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Абажур"));
    EXPECT_EQ(form->Text1()->text(), QStringLiteral("Абажур"));
    EXPECT_EQ(form->Label7()->toolTip(), QStringLiteral("9 словарных статей; ~45 толкований"));
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Сонник OKV Somnar 3.")));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, FailuresEndStartUpWithTheirMessageAndSaveNothing)
{
    const struct {
        const char *name;
        bool books;
        bool garbage;
        const char *start;
    } cases[] = {
        {"no books", false, false, "В папке данных программы не найдено ни одного сонника!"},
        {"only marked garbage", false, true, "Среди файлов программы нет сонников совместимых с текущей версией!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        BookFolder local;
        if (c.books)
            local.add({"1.book", "Один", {"Дом"}});
        if (c.garbage) {
            QFile junk(local.path("2.book"));
            ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray(kBookMarker) + QByteArray(3000, '\x01'));
        }
        SettingsStore store(local.settingsPath());
        Form1 form(store, local.folder());
        QSignalSpy exitSpy(&form, &Form1::exitRequested);
        EXPECT_FALSE(form.Form_Load());
        EXPECT_TRUE(form.hasExited());
        EXPECT_EQ(exitSpy.count(), 1);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8(c.start))) << messages[0].text.toStdString();
        EXPECT_FALSE(QFile::exists(local.settingsPath())) << "the fast exit saves nothing";
    }
}

TEST_F(MainWindowTest, DamagedBookBesideGoodOnesIsNamedOnceTheWindowIsUp)
{
    addBooks();
    QFile junk(folder.path("2.book"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(kBookMarker) + QByteArray(3000, '\x01'));
    junk.close();

    auto form = open();
    EXPECT_FALSE(form->hasExited());
    EXPECT_EQ(form->Toolbar2()->buttonCount(), 2);
    EXPECT_EQ(listed(*form), QStringList({"Аист", "Баня", "Вода", "Дом", "Море", "Якорь"}));
    EXPECT_TRUE(messages.empty()) << "the message waits for the window";
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].title, QStringLiteral("Сонник OKV Somnar 3"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Файл «2.book» повреждён и пропущен: база данных сонника испорчена."));
}

TEST_F(MainWindowTest, BookMenusSwitchBooksAndRebuildTheList)
{
    addBooks();
    auto form = open();
    BookBar *bar = form->Toolbar2();

    bar->mnuBook_Click(2);
    EXPECT_FALSE(bar->button(1)->isChecked());
    EXPECT_TRUE(bar->button(2)->isChecked());
    EXPECT_FALSE(bar->button(3)->isChecked());
    EXPECT_EQ(listed(*form), QStringList({"Абажур", "баня", "Луна"}));
    EXPECT_EQ(form->Label7()->toolTip(), QStringLiteral("3 словарные статьи; ~15 толкований"));

    bar->Toolbar2_MouseUp(Qt::LeftButton, {});
    const QList<QAction *> select = bar->mnuSel()->actions();
    ASSERT_EQ(select.size(), 3);
    EXPECT_FALSE(select[0]->isChecked());
    EXPECT_TRUE(select[1]->isChecked());
    select[2]->trigger();
    EXPECT_TRUE(bar->button(3)->isChecked());
    EXPECT_EQ(listed(*form).size(), 5);

    bar->mnuBooksAll_Click(1);
    EXPECT_TRUE(listed(*form).isEmpty());
    EXPECT_FALSE(form->Text1()->isEnabled());
    EXPECT_FALSE(form->tolkButton()->isEnabled());
    EXPECT_EQ(form->Label7()->toolTip(), QStringLiteral("0 словарных статей; ~0 толкований"));

    bar->button(1)->click();
    EXPECT_EQ(listed(*form), QStringList({"Аист", "Баня", "Вода", "Дом"}));
    EXPECT_TRUE(form->Text1()->isEnabled());
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Аист"));
}

TEST_F(MainWindowTest, TypingAfterARebuildStartsANewSearch)
{
    addBooks();
    auto form = open();
    QLineEdit *box = form->Text1();
    box->setText(QStringLiteral("Лу"));
    form->Toolbar2()->button(2)->click();
    EXPECT_EQ(box->text(), QStringLiteral("Аист"));
    EXPECT_EQ(box->selectedText(), box->text()) << "the word put back is selected";
    press(box, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("М"));
    press(box, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("о"));
    EXPECT_EQ(box->text(), QStringLiteral("Мо"));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Море"));
}

TEST_F(MainWindowTest, ClickingTheSelectedWordChoosesItAgain)
{
    addBooks();
    auto form = open();
    form->show();
    QListView *list = form->ListView1();
    QSignalSpy chosen(form.get(), &Form1::wordChosen);
    const auto click = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    };
    click(2);
    ASSERT_EQ(chosen.count(), 1) << "another word: chosen once";
    EXPECT_EQ(chosen.takeFirst().at(0).toString(), QStringLiteral("Баня"));
    click(2);
    ASSERT_EQ(chosen.count(), 1) << "the selected word: its article again";
    EXPECT_EQ(chosen.takeFirst().at(0).toString(), QStringLiteral("Баня"));
}

TEST_F(MainWindowTest, SwitchedOffBooksLookSwitchedOff)
{
    addBooks();
    auto form = open();
    form->show();
    BookBar *bar = form->Toolbar2();
    const auto greyOnly = [](const QIcon &icon, QIcon::State state) {
        const QImage image = icon.pixmap(QSize(20, 20), QIcon::Normal, state).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)))
                    return false;
            }
        return true;
    };
    EXPECT_FALSE(greyOnly(bar->button(1)->icon(), QIcon::On)) << "a switched-on book in colour";
    EXPECT_TRUE(greyOnly(bar->button(1)->icon(), QIcon::Off)) << "a switched-off book greyed";
    EXPECT_TRUE(form->emptyListHint()->isHidden());

    bar->mnuBooksAll_Click(1);
    EXPECT_FALSE(form->emptyListHint()->isHidden());
    EXPECT_EQ(form->emptyListHint()->text(),
              QStringLiteral("Все сонники выключены. Включите хотя бы один на панели сонников."));
    EXPECT_EQ(form->emptyListHint()->geometry(), form->ListView1()->geometry());
    bar->button(2)->click();
    EXPECT_TRUE(form->emptyListHint()->isHidden());
}

TEST_F(MainWindowTest, ColumnsFitTheLongestWords)
{
    folder.add({"1.book", "Народный", {"Ёж", "Землетрясение", "Бывший возлюбленный", "Крещенский мороз", "Ил"}});
    auto form = open();
    form->resize(420, 600);
    form->show();
    form->listModeButton(2)->trigger();
    QListView *list = form->ListView1();
    const int textMargin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        const QString word = index.data().toString();
        EXPECT_GE(list->visualRect(index).width() - 2 * textMargin, list->fontMetrics().horizontalAdvance(word))
            << word.toStdString();
    }
    EXPECT_EQ(WidestWordWidth({QStringLiteral("Ил"), QStringLiteral("Землетрясение"), QStringLiteral("ШШШШ")},
                              list->fontMetrics()),
              list->fontMetrics().horizontalAdvance(QStringLiteral("Землетрясение")));
}

TEST_F(MainWindowTest, SearchBoxAndListKeys)
{
    addBooks();
    auto form = open();
    QLineEdit *box = form->Text1();

    box->setText(QStringLiteral("ба"));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Баня"));
    box->setText(QStringLiteral("бах"));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Баня")) << "no word continues: the selection stays";
    box->setText(QStringLiteral("   "));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Баня"));
    EXPECT_EQ(form->Label6()->text(), QStringLiteral("Абажур")) << "typing does not choose a word";

    box->setText(QStringLiteral("як"));
    press(box, Qt::Key_Down);
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Якорь")) << "Down on the last word keeps it";
    press(box, Qt::Key_Up);
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Море"));

    press(form->ListView1(), Qt::Key_unknown, Qt::NoModifier, QStringLiteral("в"));
    EXPECT_EQ(box->text(), QStringLiteral("в"));
    EXPECT_EQ(form->selectedWord(), QStringLiteral("Вода"));

    QSignalSpy calendar(form.get(), &Form1::calendarRequested);
    QSignalSpy options(form.get(), &Form1::optionsRequested);
    QSignalSpy tolk(form.get(), &Form1::tolkRequested);
    press(box, Qt::Key_M, Qt::ControlModifier);
    press(box, Qt::Key_O, Qt::ControlModifier);
    press(box, Qt::Key_Return);
    EXPECT_EQ(calendar.count(), 1);
    EXPECT_EQ(options.count(), 1);
    EXPECT_EQ(tolk.count(), 1);
    EXPECT_TRUE(form->tolkButton()->isChecked());
    press(box, Qt::Key_Escape);
    EXPECT_FALSE(form->tolkButton()->isChecked());

    form->Toolbar2()->mnuBooksAll_Click(1);
    press(form.get(), Qt::Key_M, Qt::ControlModifier);
    press(form.get(), Qt::Key_Return);
    EXPECT_EQ(calendar.count(), 1) << "an empty list ignores the window keys";
    EXPECT_EQ(tolk.count(), 1);
}

TEST_F(MainWindowTest, DiaryOpensFromItsButtonAndCtrlDWithOrWithoutBooks)
{
    addBooks();
    auto form = open();
    QSignalSpy diary(form.get(), &Form1::diaryRequested);
    const QList<QAction *> buttons = form->findChild<QToolBar *>(QStringLiteral("Toolbar1"))->actions();
    QStringList captions;
    for (const QAction *button : buttons)
        captions << button->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Показать"), QStringLiteral("Календарь"),
                                     QStringLiteral("Настройки"), QStringLiteral("Дневник")}));
    buttons.last()->trigger();
    press(form->Text1(), Qt::Key_D, Qt::ControlModifier);
    form->Toolbar2()->mnuBooksAll_Click(1);
    press(form.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(diary.count(), 3);
}

TEST_F(MainWindowTest, NormalExitSavesTheStateThatTheNextStartRestores)
{
    addBooks();
    {
        auto form = open();
        form->resize(300, 500);
        form->move(40, 50);
        form->Toolbar2()->button(3)->click();
        form->listModeButton(2)->trigger();
        form->Text1()->setText(QStringLiteral("лу"));
        QSignalSpy exitSpy(form.get(), &Form1::exitRequested);
        form->ExitApp(false);
        EXPECT_EQ(exitSpy.count(), 1);
    }
    SettingsStore saved(folder.settingsPath());
    EXPECT_EQ(saved.get(kMainSection, "Width"), QStringLiteral("4500"));
    EXPECT_EQ(saved.get(kMainSection, "Height"), QStringLiteral("7500"));
    EXPECT_EQ(saved.get(kMainSection, "Left"), QStringLiteral("600"));
    EXPECT_EQ(saved.get(kMainSection, "Top"), QStringLiteral("750"));
    EXPECT_EQ(saved.get(kBooksSection, folder.path("1.book")), QStringLiteral("1"));
    EXPECT_EQ(saved.get(kBooksSection, folder.path("3.book")), QStringLiteral("0"));
    EXPECT_EQ(saved.get(kMainSection, "ListMode"), QStringLiteral("0"));
    EXPECT_EQ(saved.get(kMainSection, "LastWord"), QStringLiteral("Луна"));

    auto again = open();
    EXPECT_EQ(again->selectedWord(), QStringLiteral("Луна"));
    EXPECT_FALSE(again->Toolbar2()->button(3)->isChecked());
    EXPECT_TRUE(again->listModeButton(2)->isChecked());
    EXPECT_EQ(again->size(), QSize(300, 500));
}

TEST_F(MainWindowTest, NormalExitWritesTheSettingsFileOnce)
{
    addBooks();
    auto form = open();
    int writes = 0;
    settings->setRenameFunction([&](const QString &from, const QString &to) {
        ++writes;
        return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    });
    form->ExitApp(false);
    EXPECT_EQ(writes, 1);
    SettingsStore saved(folder.settingsPath());
    EXPECT_EQ(saved.get(kBooksSection, folder.path("3.book")), QStringLiteral("1"));
    EXPECT_EQ(saved.get(kMainSection, "LastWord"), QStringLiteral("Абажур"));
}

TEST_F(MainWindowTest, AbsurdGeometryLandsWhollyOnTheScreen)
{
    addBooks();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const std::vector<std::vector<std::pair<const char *, const char *>>> saved = {
        {{"Top", "200000"}, {"Left", "200000"}},
        {{"Top", "1e30"}, {"Left", "-1e30"}, {"Width", "999999"}, {"Height", "999999"}},
    };
    for (const auto &values : saved) {
        {
            SettingsStore store(folder.settingsPath());
            for (const auto &[name, value] : values)
                store.save(kMainSection, QString::fromLatin1(name), QString::fromLatin1(value));
        }
        auto form = open();
        const QRect frame(form->pos(), form->size().grownBy(FrameMargins(*form)));
        EXPECT_TRUE(area.contains(frame)) << values.front().second;
        form->ExitApp(false);
        SettingsStore after(folder.settingsPath());
        EXPECT_EQ(after.get(kMainSection, "Left"), QString::number(Twips(form->x()))) << "the window as it was";
        EXPECT_EQ(after.get(kMainSection, "Height"), QString::number(Twips(form->height())));
    }
}

TEST_F(MainWindowTest, MaximisedExitKeepsTheSavedGeometry)
{
    addBooks();
    auto form = open();
    settings->save(kMainSection, "Width", QStringLiteral("5000"));
    form->setWindowState(Qt::WindowMaximized);
    form->ExitApp(false);
    SettingsStore saved(folder.settingsPath());
    EXPECT_EQ(saved.get(kMainSection, "Width"), QStringLiteral("5000"));
    EXPECT_EQ(saved.get(kMainSection, "ListMode"), QStringLiteral("1"));
}

TEST(ExitSettings, WrittenInTableOrder)
{
    ExitState state;
    state.geometry = TwipsGeometry{600, 750, 4500, 7500};
    state.books = {{"/b/1.book", true}, {"/b/2.book", false}};
    state.literature = {{kBooksSection, "lit1", "0"}, {kMainSection, "LitAExpanded", "True"}};
    state.ordinaryList = false;
    state.lastWord = QStringLiteral("Луна");
    const std::vector<SettingWrite> expected = {
        {kMainSection, "Top", "750"},         {kMainSection, "Left", "600"},
        {kMainSection, "Height", "7500"},     {kMainSection, "Width", "4500"},
        {kBooksSection, "/b/1.book", "1"},    {kBooksSection, "/b/2.book", "0"},
        {kBooksSection, "lit1", "0"},         {kMainSection, "LitAExpanded", "True"},
        {kMainSection, "ListMode", "0"},      {kMainSection, "LastWord", "Луна"},
    };
    EXPECT_EQ(NormalExitWrites(state), expected);

    state.geometry.reset();
    state.lastWord.reset();
    const std::vector<SettingWrite> writes = NormalExitWrites(state);
    ASSERT_EQ(writes.size(), 5u) << "no geometry out of the normal state, no word when none is selected";
    EXPECT_EQ(writes.back().name, QStringLiteral("ListMode"));
}

TEST(WindowGeometry, CorrectionsAtLoad)
{
    // A 1024 x 768 pixel screen is 15360 x 11520 twips.
    const double screenWidth = 15360;
    const double screenHeight = 11520;
    const struct {
        const char *name;
        std::vector<std::pair<const char *, const char *>> saved;
        TwipsGeometry expected;
    } cases[] = {
        {"defaults centre the window", {}, {5630, 2710, 4100, 6100}},
        {"too wide for the screen", {{"Width", "50000"}, {"Left", "100"}, {"Top", "100"}}, {100, 100, 15270, 6100}},
        {"too small", {{"Width", "1000"}, {"Height", "900"}, {"Left", "100"}, {"Top", "100"}}, {100, 100, 3500, 4000}},
        {"top 0 centres vertically", {{"Top", "0"}, {"Left", "300"}}, {300, 2710, 4100, 6100}},
        {"too tall stays on the screen", {{"Height", "90000"}, {"Top", "-5"}, {"Left", "300"}}, {300, 45, 4100, 11430}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("s.ini"));
        for (const auto &[name, value] : c.saved)
            settings.save(kMainSection, QString::fromLatin1(name), QString::fromLatin1(value));
        EXPECT_EQ(LoadWindowGeometry(settings, screenWidth, screenHeight), c.expected);
    }
}

TEST_F(MainWindowTest, PanesSwitchAndLayOutInTwips)
{
    addBooks();
    auto form = open();
    form->resize(400, 600);
    form->Image4_Click();
    EXPECT_TRUE(form->literaturePaneOpen());
    EXPECT_FALSE(form->ListView1()->isVisibleTo(form.get()));
    EXPECT_EQ(form->Picture2()->height(), layout::kHeaderHeight / kTwipsPerPixel);
    EXPECT_EQ(form->Picture2()->geometry().bottom() + 1, form->StatusBar1()->y());

    form->Image5_Click();
    EXPECT_TRUE(form->ListView1()->isVisibleTo(form.get()));
    EXPECT_EQ(form->Picture3()->height(), layout::kHeaderHeight / kTwipsPerPixel);
    EXPECT_EQ(form->Label6()->text(), QStringLiteral("Абажур"));

    const FormLayout f = Form_Resize(6000, 9000, false);
    EXPECT_EQ(f.literaturePane, QRect(0, 1335, 6015, 330));
    EXPECT_EQ(f.dictionaryPane, QRect(0, 1650, 6000, 6990));
    EXPECT_EQ(f.statusBar, QRect(0, 8640, 6000, 360));
    const DictionaryPaneLayout d = Picture2_Resize(6000, 6990);
    EXPECT_EQ(d.toolbar4.x() + d.toolbar4.width(), 6000) << "list modes at the right edge";
    EXPECT_EQ(d.toolbar2.width(), d.toolbar4.x() - 30);
    EXPECT_EQ(d.text1.y() + d.text1.height(), 6990) << "search box at the bottom";
}

TEST_F(MainWindowTest, NarrowWindowShortensTheStatus)
{
    addBooks();
    auto form = open();
    form->resize(260, 400);
    form->StText();
    EXPECT_EQ(form->Label7()->text(), QStringLiteral("9 словарны..."));
    EXPECT_EQ(form->Label7()->toolTip(), QStringLiteral("9 словарных статей; ~45 толкований"));
}

TEST_F(MainWindowTest, ClosingToTrayNeverLeavesAnInvisibleProgram)
{
    addBooks();
    auto form = open();
    form->show();
    form->setCloseToTray(true);
    QSignalSpy exitSpy(form.get(), &Form1::exitRequested);
    form->close();
    EXPECT_EQ(exitSpy.count(), 0) << "closing hides the window instead of ending the program";
    if (TrayArea::isAvailable()) {
        EXPECT_TRUE(form->Tray1()->Visible());
    } else {
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
    }

    form->FromTray();
    EXPECT_FALSE(form->Tray1()->Visible());
    form->setCloseToTray(false);
    form->close();
    EXPECT_EQ(exitSpy.count(), 1);
    EXPECT_TRUE(form->hasExited());
    EXPECT_EQ(SettingsStore(folder.settingsPath()).get(kMainSection, "LastWord"), QStringLiteral("Абажур"));
}

TEST_F(MainWindowTest, EveryCommandButtonShowsInTheNarrowestWindow)
{
    addBooks();
    auto form = open();
    form->resize(260, 500);  // the program's smallest width
    form->show();
    QApplication::processEvents();
    const auto *bar = form->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    for (QAction *button : bar->actions()) {
        const QWidget *shown = bar->widgetForAction(button);
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible()) << button->text().toStdString();
        EXPECT_TRUE(bar->rect().contains(shown->geometry())) << button->text().toStdString();
    }
}
