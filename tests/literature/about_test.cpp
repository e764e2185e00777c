#include "app/formabout.h"
#include "app/picturegame.h"
#include "app/settingsstore.h"
#include "dictionary/mainwindow.h"
#include "literature/aboutopener.h"
#include "literature/literaturetree.h"

#include "dictionary/mainwindow_testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::testing;

TEST(AboutRows, ListEveryBookOnOrOffAndEachArticleOnce)
{
    BookFolder folder({{"1.book", "Народный", {"Аист"}}, {"2.book", "Лунный", {"Луна"}}, {"3.book", "Морской", {"Море"}}});
    QTemporaryDir texts;
    QFile(texts.filePath(u"Сны.lit"_qs)).open(QIODevice::WriteOnly);
    SettingsStore settings(folder.settingsPath());
    settings.save(kBooksSection, folder.path(u"2.book"_qs), u"0"_qs);
    settings.save(kBooksSection, folder.path(u"3.book"_qs), u"0"_qs);
    settings.save(kBooksSection, texts.filePath(u"Сны.lit"_qs), u"f"_qs);
    Form1 form(settings, folder.folder());
    ASSERT_TRUE(form.Form_Load());
    LiteratureTree tree(form, settings, {texts.path()});
    tree.ShowLit();
    ASSERT_EQ(tree.node(kFavouritesNodeKey)->childCount(), 1);

    const std::vector<AboutRow> rows = AboutRows(form);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].name, u"Народный"_qs);
    EXPECT_EQ(rows[2].name, u"Морской"_qs);
    EXPECT_EQ(rows[2].file, folder.path(u"3.book"_qs));
    EXPECT_TRUE(rows[2].book);
    EXPECT_EQ(rows[3].name, u"Сны"_qs);
    EXPECT_EQ(rows[3].file, texts.filePath(u"Сны.lit"_qs));
    EXPECT_FALSE(rows[3].book);

    FormAbout about(rows);
    EXPECT_EQ(about.ListView1()->topLevelItemCount(), 4);
    EXPECT_EQ(about.ListView1()->topLevelItem(3)->text(1), texts.filePath(u"Сны.lit"_qs));
}

TEST(FormAbout, LinksLightUpOneAtATimeAndOpenTheirPages)
{
    test::EnsureApplication();
    FormAbout about({});
    std::vector<QUrl> opened;
    about.setPageOpener([&opened](const QUrl &url) { opened.push_back(url); });
    const auto look = [&about](int link) {
        const QLabel *label = about.Mail(link);
        return std::pair(label->palette().color(QPalette::WindowText), label->font().underline());
    };
    const std::pair resting(QColor(0, 0, 255), false);
    const std::pair hot(QColor(255, 0, 0), true);

    about.Mail_MouseMove(0);
    EXPECT_EQ(look(0), hot);
    EXPECT_EQ(look(1), resting);
    about.Mail_MouseMove(1);
    EXPECT_EQ(look(0), resting);
    EXPECT_EQ(look(1), hot);
    about.DisLink();
    EXPECT_EQ(look(1), resting);

    about.Mail_MouseDown(0);
    about.Mail_MouseDown(1);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(FormAbout::pagePath(0)));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(FormAbout::pagePath(1)));
    EXPECT_EQ(about.Mail(0)->toolTip(), opened[0].toString());
}

TEST(FormAbout, ThePagesAreShippedBesideTheProgram)
{
    const QDir help(qEnvironmentVariable("SOMNAR_BIN_DIR") + u"/help"_qs);
    for (int link = 0; link < FormAbout::kLinkCount; ++link) {
        QFile page(help.filePath(QFileInfo(FormAbout::pagePath(link)).fileName()));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        EXPECT_TRUE(QString::fromUtf8(page.readAll()).contains(u"<html lang=\"ru\">"_qs));
    }
}

TEST(PictureGame, StopsAfterTheEleventhBounceOffTopOrBottom)
{
    PictureGame game;
    game.top = 240;
    game.left = 600;
    game.start();
    int verticalBounces = 0;
    int ticks = 0;
    while (game.running && ticks < 100000) {
        const int dy = game.dy;
        game.tick(7200, 1440, 1950, 1440);
        if (game.dy != dy)
            ++verticalBounces;
        ++ticks;
    }
    EXPECT_FALSE(game.running);
    EXPECT_EQ(verticalBounces, 11);
    EXPECT_EQ(game.left, 105);
    EXPECT_EQ(game.bounces, 0);
}
