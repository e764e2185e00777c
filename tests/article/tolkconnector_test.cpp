#include "app/messages.h"
#include "app/settingsstore.h"
#include "text/codepage.h"
#include "text/packedtext.h"
#include "article/richtextview.h"
#include "article/tolkconnector.h"
#include "article/tolkwindow.h"
#include "dictionary/bookfile/bookwriter.h"
#include "dictionary/mainwindow.h"
#include "dictionary/wordindex.h"

#include "articletestsupport.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace somnar;

namespace {

QByteArray packed(const QString &text)
{
    return Pack(*encodeCp1251(text));
}

// The main window over two real book files, with the interpretation window tied to it.
class TolkConnectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        setMessageHandler([this](QMessageBox::Icon, const QString &title, const QString &text) {
            messages << title + u": "_qs + text;
        });
        writeBook(books.filePath(u"1.book"_qs), {std::nullopt, u"Народный"_qs, u"Народный сонник"_qs, u"255"_qs},
                  {{u"Кот"_qs, packed(u"Чёрный кот – к ссоре."_qs), packed(u"Сон."_qs)},
                   {u"Сон"_qs, packed(u"Видеть сон – к дороге."_qs), std::nullopt}});
        writeBook(books.filePath(u"2.book"_qs), {std::nullopt, u"Лунный"_qs, u"Лунный сонник"_qs, std::nullopt},
                  {{u"Кот"_qs, packed(u"Кот при луне – к тайне."_qs), std::nullopt}});
        settings = std::make_unique<SettingsStore>(settingsDir.filePath(u"settings.ini"_qs));
        form = std::make_unique<Form1>(*settings, books.path());
        ASSERT_TRUE(form->Form_Load());
        connector = new TolkConnector(*form, *settings);
    }
    void TearDown() override
    {
        form.reset();
        setMessageHandler({});
    }

    int positionOf(const QString &word) const
    {
        const auto &words = form->wordIndex().words();
        return int(std::find(words.begin(), words.end(), word) - words.begin()) + 1;
    }

    QTemporaryDir books;
    QTemporaryDir settingsDir;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;
    TolkConnector *connector = nullptr;
    QStringList messages;
};

}

TEST_F(TolkConnectorTest, DoubleClickOpensTheSelectedWordAndANewChoiceShowsAtOnce)
{
    form->Text1()->setText(u"Кот"_qs);
    form->ListView1_DblClick();
    TolkWindow *window = connector->window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(form->tolkButton()->isChecked());
    EXPECT_EQ(window->windowTitle(), u"Кот"_qs);
    const QString text = window->view()->viewText();
    EXPECT_TRUE(text.contains(u"& Народный сонник:§"_qs));
    EXPECT_TRUE(text.contains(u"& Лунный сонник:§\r\nКот при луне"_qs));
    EXPECT_TRUE(text.endsWith(u"F^<Сон>\r\n"_qs));

    window->followLink(u"Сон"_qs);
    EXPECT_FALSE(window->history().isEmpty());
    form->ListView1_ItemClick(positionOf(u"Кот"_qs));
    EXPECT_EQ(window->view()->tag(), u"Кот"_qs);
    EXPECT_TRUE(window->history().isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(TolkConnectorTest, ClosingEitherWayReleasesTheButton)
{
    form->Text1()->setText(u"Сон"_qs);
    form->ListView1_DblClick();
    ASSERT_TRUE(connector->window());
    connector->window()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(connector->window());
    EXPECT_FALSE(form->tolkButton()->isChecked());

    form->ListView1_DblClick();
    ASSERT_TRUE(connector->window());
    EXPECT_EQ(connector->window()->windowTitle(), u"Сон"_qs);
    form->tolkButton()->trigger();  // "Показать" released: the window closes
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(connector->window());
}
