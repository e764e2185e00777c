#include "app/messages.h"
#include "article/tolkconnector.h"
#include "article/tolkwindow.h"
#include "dictionary/mainwindow.h"
#include "tray/connector/traymenuconnector.h"
#include "tray/trayarea.h"
#include "tray/traymenu.h"

#include "dictionary/mainwindow_testsupport.h"
#include "typetext.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace somnar;
using namespace somnar::testing;

namespace {

// The pop-up over the real main window and interpretation window.
class TrayMenuConnectorTest : public ::testing::Test {
protected:
    TrayMenuConnectorTest()
    {
        setMessageHandler([this](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
        folder.add({"1.book", "Народный", {"Аист", "Баня", "Луна"}});
        settings = std::make_unique<SettingsStore>(folder.settingsPath());
        form = std::make_unique<Form1>(*settings, folder.folder());
        form->Form_Load();
        tolk = new TolkConnector(*form, *settings);
        connector = new TrayMenuConnector(*form, *settings, *tolk);
        form->ToTray();
    }
    ~TrayMenuConnectorTest() override { setMessageHandler({}); }

    TrayMenu &popUp()
    {
        emit form->trayMenuRequested(QPoint(700, 700));
        return *connector->menu();
    }

    BookFolder folder;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;
    TolkConnector *tolk = nullptr;
    TrayMenuConnector *connector = nullptr;
    QStringList messages;
};

}

TEST_F(TrayMenuConnectorTest, QuickLookupOpensTheArticleAndRestoreClosesIt)
{
    QLineEdit *box = popUp().Text1();
    TypeText(box, u"лу"_qs);
    EXPECT_EQ(box->text(), u"луна"_qs);
    EXPECT_EQ(form->selectedWord(), u"Луна"_qs);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    ASSERT_TRUE(tolk->window());
    EXPECT_TRUE(tolk->window()->isVisible());
    EXPECT_TRUE(form->tolkButton()->isChecked());

    popUp().Label18_Click(kRestoreItem);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Tray1()->Visible());
    EXPECT_TRUE(!tolk->window() || !tolk->window()->isVisible()) << "restoring closes the interpretation window";
}

TEST_F(TrayMenuConnectorTest, ItemsReachTheMainWindowsRequests)
{
    QSignalSpy calendar(form.get(), &Form1::calendarRequested);
    QSignalSpy about(form.get(), &Form1::aboutRequested);
    QSignalSpy options(form.get(), &Form1::optionsRequested);
    QSignalSpy exit(form.get(), &Form1::exitRequested);
    popUp().Label18_Click(kCalendarItem);
    popUp().Label18_Click(kAboutItem);
    popUp().Label18_Click(kOptionsItem);
    EXPECT_EQ(calendar.count(), 1);
    EXPECT_EQ(about.count(), 1);
    EXPECT_EQ(options.count(), 1);

    int modelessOptions = 0;
    connector->setOptionsShow([&] { ++modelessOptions; });
    popUp().Label18_Click(kOptionsItem);
    EXPECT_EQ(modelessOptions, 1);
    EXPECT_EQ(options.count(), 1);

    popUp().Label18_Click(kExitItem);  // autostart is off: no question
    EXPECT_EQ(exit.count(), 1);
    EXPECT_TRUE(form->hasExited());
}
