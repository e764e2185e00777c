#include "app/messages.h"
#include "tray/traymenu.h"
#include "tray/traymenuhost.h"

#include "support/qtapplication.h"
#include "typetext.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace somnar;
using somnar::testing::TypeText;

namespace {

// Stands in for the main window: a word list that selects the first word beginning with the
// typed text and keeps the last selection when none does, as the main search box does.
class FakeHost : public TrayMenuHost {
public:
    QStringList words{u"Абажур"_qs, u"Аист"_qs, u"Башня"_qs, u"Вода"_qs};
    QStringList calls;
    QString selected = words.first();
    int opacity = 255;

    void restore() override { calls << u"restore"_qs; }
    void showCalendar() override { calls << u"calendar"_qs; }
    void showAbout() override { calls << u"about"_qs; }
    void showOptions() override { calls << u"options"_qs; }
    void exitProgram() override { calls << u"exit"_qs; }
    void unloadAll() override { calls << u"unload"_qs; }
    QString lookUp(const QString &text) override
    {
        for (const QString &word : words)
            if (word.startsWith(text, Qt::CaseInsensitive))
                return selected = word;
        return selected;
    }
    void openArticle(const QString &word) override { calls << u"article "_qs + word; }
    int menuOpacity() const override { return opacity; }
};

class TrayMenuTest : public ::testing::Test {
protected:
    TrayMenuTest()
    {
        test::EnsureApplication();
        setMessageHandler([this](QMessageBox::Icon icon, const QString &, const QString &text) {
            EXPECT_EQ(icon, QMessageBox::Warning);
            messages << text;
        });
    }
    ~TrayMenuTest() override
    {
        setMessageHandler({});
        delete menu;
    }

    TrayMenu &open()
    {
        delete menu;
        menu = new TrayMenu(host);
        menu->popUp(QPoint(600, 500));
        return *menu;
    }

    // The pop-up deletes itself later when it closes.
    bool closed() const { return !menu || !menu->isVisible(); }

    FakeHost host;
    QPointer<TrayMenu> menu;
    QStringList messages;
};

}

TEST_F(TrayMenuTest, ArrowsWrapAndEnterOnAnEmptyBoxRunsTheItemAtTheCursor)
{
    QTest::keyClick(open().Text1(), Qt::Key_Up);
    EXPECT_EQ(menu->cursorPosition(), 5);
    EXPECT_EQ(menu->highlightedItem(), kExitItem);
    QTest::keyClick(menu->Text1(), Qt::Key_Down);
    EXPECT_EQ(menu->highlightedItem(), kRestoreItem);

    const std::pair<int, QStringList> cases[] = {
        {0, {u"restore"_qs}},
        {1, {u"restore"_qs}},
        {2, {u"unload"_qs, u"calendar"_qs}},
        {3, {u"unload"_qs, u"options"_qs}},
        {4, {u"unload"_qs, u"about"_qs}},
        {5, {u"exit"_qs}},
    };
    for (const auto &[downs, calls] : cases) {
        host.calls.clear();
        TrayMenu &fresh = open();
        for (int k = 0; k < downs; ++k)
            QTest::keyClick(fresh.Text1(), Qt::Key_Down);
        QTest::keyClick(fresh.Text1(), Qt::Key_Return);
        EXPECT_EQ(host.calls, calls) << downs;
        EXPECT_TRUE(closed());
    }
}

TEST_F(TrayMenuTest, MouseOverAnItemMovesTheCursorAndClickRunsIt)
{
    TrayMenu &popup = open();
    QTest::mouseMove(&popup, TrayMenu::itemRect(kAboutItem).center());
    EXPECT_EQ(popup.highlightedItem(), kAboutItem);
    EXPECT_EQ(popup.cursorPosition(), 4);
    QTest::mouseMove(&popup, QPoint(2, 148));
    EXPECT_EQ(popup.highlightedItem(), -1) << "the background hides the bar";
    QTest::mouseClick(&popup, Qt::LeftButton, {}, TrayMenu::itemRect(kCalendarItem).center());
    EXPECT_EQ(host.calls, (QStringList{u"unload"_qs, u"calendar"_qs}));
}

TEST_F(TrayMenuTest, TypingCompletesFromTheWordList)
{
    QLineEdit *box = open().Text1();
    TypeText(box, u"баш"_qs);
    EXPECT_EQ(box->text(), u"башня"_qs);
    EXPECT_EQ(box->selectedText(), u"ня"_qs);
    TypeText(box, u"н"_qs);
    EXPECT_EQ(box->text(), u"башня"_qs) << "the next letter replaces the completion";
    EXPECT_EQ(box->selectedText(), u"я"_qs);

    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), u"башн"_qs) << "Backspace does not complete again";
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), u"ашн"_qs);

    box->clear();
    TypeText(box, u"абв"_qs);
    EXPECT_EQ(box->text(), u"абв"_qs) << "no listed word: the text stays";
    EXPECT_TRUE(box->selectedText().isEmpty());
}

TEST_F(TrayMenuTest, EnterOpensAListedWordOrWarns)
{
    TrayMenu &popup = open();
    popup.Text1()->setText(u"бляха"_qs);
    QTest::keyClick(popup.Text1(), Qt::Key_Return);
    popup.Text1()->setText(u"Мяч"_qs);
    QTest::keyClick(popup.Text1(), Qt::Key_Return);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith(u"Извините, но такого слова нет в OKV Somnar.\nЕсли вам"_qs));
    EXPECT_TRUE(messages[1].startsWith(u"Извините, но толкование по данному слову не найдено.\n"_qs));
    EXPECT_TRUE(messages[1].endsWith(u"словари с сайта программы."_qs));
    EXPECT_FALSE(closed()) << "the pop-up stays open with the text";
    EXPECT_EQ(popup.Text1()->text(), u"Мяч"_qs);
    EXPECT_TRUE(host.calls.isEmpty());

    popup.Text1()->setText(u"вОДа"_qs);
    QTest::keyClick(popup.Text1(), Qt::Key_Return);
    EXPECT_EQ(host.calls, QStringList{u"article Вода"_qs});
    EXPECT_TRUE(closed());
}

TEST_F(TrayMenuTest, EscapeCloses)
{
    TrayMenu &popup = open();
    TypeText(popup.Text1(), u"аи"_qs);
    QTest::keyClick(popup.Text1(), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(TrayMenuTest, OpacityOnlyBetweenTheEnds)
{
    const std::pair<int, double> cases[] = {{0, 1.0}, {255, 1.0}, {205, 205 / 255.0}, {35, 35 / 255.0}, {300, 1.0}, {-4, 1.0}};
    for (const auto &[alpha, opacity] : cases) {
        host.opacity = alpha;
        EXPECT_NEAR(open().windowOpacity(), opacity, 0.01) << alpha;
    }
}

TEST_F(TrayMenuTest, ClosesAfterAHundredIdleTicksButNotWithText)
{
    TrayMenu &idle = open();
    idle.setPointerSource([] { return QPoint(0, 0); });
    for (int tick = 1; tick < 100; ++tick)
        idle.Timer1_Timer();
    EXPECT_FALSE(closed());
    idle.Timer1_Timer();
    EXPECT_TRUE(closed());

    TrayMenu &busy = open();
    busy.setPointerSource([] { return QPoint(0, 0); });
    busy.Text1()->setText(u"в"_qs);
    for (int tick = 0; tick < 300; ++tick)
        busy.Timer1_Timer();
    EXPECT_FALSE(closed());

    TrayMenu &hovered = open();
    hovered.setPointerSource([&hovered] { return hovered.geometry().bottomRight() + QPoint(1, 1); });
    for (int tick = 0; tick < 300; ++tick)
        hovered.Timer1_Timer();
    EXPECT_FALSE(closed()) << "the pointer on the edge counts as inside";
}
