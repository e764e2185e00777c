#include "app/messages.h"
#include "app/settingsstore.h"
#include "article/cataloguebooks.h"
#include "article/richtextview.h"
#include "article/tolkwindow.h"
#include "dictionary/exitsettings.h"
#include "dictionary/mainwindow.h"
#include "literature/literaturetree.h"

#include "support/qtapplication.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace somnar;

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// A main window over a settings file and a literature folder of its own.
class LiteratureTest : public ::testing::Test {
protected:
    LiteratureTest()
    {
        test::EnsureApplication();
        setMessageHandler([this](QMessageBox::Icon icon, const QString &title, const QString &text) {
            messages.push_back({icon, title, text});
        });
        QDir(dir.path()).mkdir(u"Texts"_qs);
    }
    ~LiteratureTest() override { setMessageHandler({}); }

    QString texts() const { return dir.filePath(u"Texts"_qs); }

    void addFile(const QString &name, const QByteArray &content)
    {
        QFile file(texts() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Starts the program anew: window, tree, settings read from the file.
    void start(const QString &folder)
    {
        tree.reset();
        form.reset();
        settings = std::make_unique<SettingsStore>(dir.filePath(u"settings.ini"_qs));
        form = std::make_unique<Form1>(*settings, dir.filePath(u"Books"_qs));
        tree = std::make_unique<LiteratureTree>(*form, *settings, QStringList{folder});
        tree->ShowLit();
    }

    void exitProgram() { SaveExitState(ExitState{std::nullopt, {}, tree->exitValues(), true, std::nullopt}, *settings); }

    QStringList childTexts(const QString &key) const
    {
        QStringList texts;
        const QTreeWidgetItem *root = tree->node(key);
        for (int i = 0; root && i < root->childCount(); ++i)
            texts << root->child(i)->text(0);
        return texts;
    }

    void select(const QString &key) { form->TreeView1()->setCurrentItem(tree->node(key)); }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;
    std::unique_ptr<LiteratureTree> tree;
    std::vector<Message> messages;
};

}

TEST(LitTitle, IsTheNameWithoutItsExtension)
{
    const std::pair<QString, QString> cases[] = {
        {u"Сны.lit"_qs, u"Сны"_qs},
        {u"Сны и явь.txt.lit"_qs, u"Сны и явь.txt"_qs},
        {u"Без расширения"_qs, u"Без расширения"_qs},
        {u"Глава.1234567890"_qs, u"Глава"_qs},
        {u"Глава.12345678901"_qs, u"Глава.12345678901"_qs},
        {u".lit"_qs, u""_qs},
    };
    for (const auto &[name, title] : cases)
        EXPECT_EQ(LitTitle(name), title) << name.toStdString();
}

TEST(ListLitFiles, AUserFileReplacesTheProgramsOfTheSameName)
{
    QTemporaryDir program, user;
    for (const QString &path : {program.filePath(u"б.lit"_qs), program.filePath(u"а.lit"_qs),
                                program.filePath(u"заметка.txt"_qs), user.filePath(u"Б.lit"_qs)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const std::vector<LitFile> files = ListLitFiles({program.path(), user.path(), program.filePath(u"нет"_qs)});
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, program.filePath(u"а.lit"_qs));
    EXPECT_EQ(files[1].path, user.filePath(u"Б.lit"_qs));
    EXPECT_EQ(files[1].title, u"Б"_qs);
}

TEST_F(LiteratureTest, WithoutATextsFolderOnlyTheRootsShow)
{
    start(dir.filePath(u"нет"_qs));
    QTreeWidget *view = form->TreeView1();
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_EQ(view->topLevelItem(0)->text(0), u"Вся литература"_qs);
    EXPECT_EQ(view->topLevelItem(1)->text(0), u"Избранная литература"_qs);
    EXPECT_EQ(view->topLevelItem(0)->childCount() + view->topLevelItem(1)->childCount(), 0);
    tree->TreeView1_GotFocus();
    EXPECT_TRUE(form->literatureMode());
    EXPECT_EQ(form->Label7()->toolTip(), u"0 книжных статей"_qs);
    EXPECT_TRUE(u"0 книжных статей"_qs.startsWith(form->Label7()->text().remove(u"..."_qs)));
}

TEST_F(LiteratureTest, FavouritesAreAddedOnceAndRemoved)
{
    addFile(u"Сны.lit"_qs, "{\\rtf1 a}");
    addFile(u"Явь.lit"_qs, "{\\rtf1 b}");
    start(texts());
    const QString sny = texts() + u"/Сны.lit"_qs;
    EXPECT_EQ(childTexts(kAllNodeKey), (QStringList{u"Сны"_qs, u"Явь"_qs}));

    select(sny);
    EXPECT_TRUE(form->tolkButton()->isEnabled());
    EXPECT_TRUE(tree->addButton()->isEnabled());
    EXPECT_FALSE(tree->removeButton()->isEnabled());
    EXPECT_EQ(form->Label6()->text(), u"Сны"_qs);
    tree->addFavourite();
    EXPECT_EQ(childTexts(kFavouritesNodeKey), QStringList{u"Сны"_qs});
    EXPECT_EQ(LiteratureTree::tag(tree->node(sny)), u"f"_qs);
    EXPECT_FALSE(tree->addButton()->isEnabled());

    tree->addFavourite();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u"Сны уже есть в избранном!"_qs);
    EXPECT_EQ(messages[0].title, u"Литература"_qs);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(childTexts(kFavouritesNodeKey).size(), 1);

    select(sny + u'*');
    EXPECT_FALSE(tree->addButton()->isEnabled());
    EXPECT_TRUE(tree->removeButton()->isEnabled());
    tree->removeFavourite();
    EXPECT_TRUE(childTexts(kFavouritesNodeKey).isEmpty());
    EXPECT_EQ(LiteratureTree::tag(tree->node(sny)), QString());
    select(sny);
    EXPECT_TRUE(tree->addButton()->isEnabled());

    select(kAllNodeKey);
    EXPECT_FALSE(form->tolkButton()->isEnabled());
    EXPECT_FALSE(tree->addButton()->isEnabled());
    EXPECT_FALSE(tree->removeButton()->isEnabled());
}

TEST_F(LiteratureTest, FavouritesAndExpansionSurviveARestart)
{
    addFile(u"Сны.lit"_qs, "{\\rtf1 a}");
    addFile(u"Длинное название статьи о снах.lit"_qs, "{\\rtf1 b}");
    start(texts());
    select(texts() + u"/Сны.lit"_qs);
    tree->addFavourite();
    tree->node(kAllNodeKey)->setExpanded(false);
    exitProgram();

    start(texts());
    EXPECT_EQ(childTexts(kFavouritesNodeKey), QStringList{u"Сны"_qs});
    EXPECT_EQ(LiteratureTree::tag(tree->node(texts() + u"/Сны.lit"_qs)), u"f"_qs);
    EXPECT_FALSE(tree->node(kAllNodeKey)->isExpanded());
    EXPECT_TRUE(tree->node(kFavouritesNodeKey)->isExpanded());
    select(texts() + u"/Длинное название статьи о снах.lit"_qs);
    EXPECT_EQ(form->Label6()->text(), u"Длинное название ст..."_qs);
}

TEST_F(LiteratureTest, AFavouriteOpensTheSameFileAsItsArticle)
{
    addFile(u"Сны.lit"_qs, "{\\rtf1\\ansi\\ansicpg1251 \\'d1\\'ee\\'ed}");
    start(texts());
    const QString key = texts() + u"/Сны.lit"_qs;
    select(key);
    tree->addFavourite();
    TolkWindow window(CatalogueArticleBooks(form->catalogue()), *settings, form.get());
    window.view()->setTag(u"Кот"_qs);
    for (const QString &shown : {key, key + u'*'}) {
        select(shown);
        window.view()->setViewText(u"прежнее"_qs);
        tree->showSelected(window);
        EXPECT_EQ(window.view()->viewText(), u"Сон"_qs);
        EXPECT_EQ(window.windowTitle(), u"Сны"_qs);
        EXPECT_EQ(window.view()->document()->defaultFont().family(), u"Courier New"_qs);
        EXPECT_EQ(window.view()->tag(), QString());
    }
    EXPECT_THROW(tree->ShowLitFile(texts() + u"/нет.lit"_qs, window), std::exception);
}
