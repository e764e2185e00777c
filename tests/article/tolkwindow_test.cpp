#include "app/messages.h"
#include "app/settingsstore.h"
#include "article/articleclipboard.h"
#include "article/printdialog.h"
#include "article/richtextview.h"
#include "article/searchform.h"
#include "article/textpositions.h"
#include "article/tolkwindow.h"
#include "controls/twips.h"

#include "articletestsupport.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace somnar;
using namespace somnar::test;

namespace {

class TolkWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        settings = std::make_unique<SettingsStore>(dir.filePath(u"settings.ini"_qs));
        window = new TolkWindow([] { return TwoBooks(); }, *settings, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void TearDown() override { delete window; }

    QStringList menuEntries() const
    {
        QStringList words;
        for (QAction *a : window->backMenu()->actions())
            words << a->text();
        return words;
    }

    // The middle of the character at a view position, in viewport coordinates.
    QPoint pointOf(int viewPosition) const
    {
        RichTextView *view = window->view();
        const int doc = TextPositionMap::fromDocument(*view->document()).toDocument(viewPosition);
        QTextCursor cursor(view->document());
        cursor.setPosition(doc);
        const QRect left = view->cursorRect(cursor);
        cursor.setPosition(doc + 1);
        const QRect right = view->cursorRect(cursor);
        return QPoint((left.x() + right.x()) / 2, left.center().y());
    }

    void sendKey(QWidget *to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(to, &press);
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> settings;
    TolkWindow *window = nullptr;
};

}

TEST_F(TolkWindowTest, FollowBackAndHomeWalkTheHistory)
{
    window->ShowTolk(u"Кот"_qs);
    EXPECT_EQ(window->windowTitle(), u"Кот"_qs);
    EXPECT_FALSE(window->backAction()->isEnabled());
    EXPECT_FALSE(window->homeAction()->isEnabled());

    window->followLink(u"Кот"_qs);  // the word shown: nothing
    EXPECT_TRUE(window->history().isEmpty());

    window->followLink(u"Сон"_qs);
    window->followLink(u"Кот"_qs);
    window->followLink(u"Ночь"_qs);
    EXPECT_EQ(window->view()->tag(), u"Ночь"_qs);
    EXPECT_EQ(window->history().entries(), QStringList({u"Кот"_qs, u"Сон"_qs, u"Кот"_qs}));
    EXPECT_EQ(menuEntries(), QStringList({u"Кот"_qs, u"Сон"_qs}));
    EXPECT_TRUE(window->backAction()->isEnabled());

    window->goBack();
    EXPECT_EQ(window->view()->tag(), u"Кот"_qs);
    EXPECT_EQ(window->history().entries(), QStringList({u"Кот"_qs, u"Сон"_qs}));
    EXPECT_EQ(window->windowTitle(), u"Кот"_qs);

    window->goHome();
    EXPECT_EQ(window->view()->tag(), u"Кот"_qs);
    EXPECT_TRUE(window->history().isEmpty());
    EXPECT_FALSE(window->backAction()->isEnabled());
    EXPECT_FALSE(window->homeAction()->isEnabled());
    EXPECT_TRUE(menuEntries().isEmpty());

    window->followLink(u"Луна"_qs);
    window->goBack();
    EXPECT_EQ(window->view()->tag(), u"Кот"_qs);
    EXPECT_FALSE(window->backAction()->isEnabled());
    window->goBack();  // disabled: nothing
    EXPECT_EQ(window->view()->tag(), u"Кот"_qs);
}

TEST_F(TolkWindowTest, DropDownShowsTheWordAndForgetsItsEntry)
{
    window->ShowTolk(u"Кот"_qs);
    window->followLink(u"Сон"_qs);
    window->followLink(u"Луна"_qs);
    QAction *son = window->backMenu()->actions().at(1);
    ASSERT_EQ(son->text(), u"Сон"_qs);
    son->trigger();
    EXPECT_EQ(window->view()->tag(), u"Сон"_qs);
    EXPECT_EQ(menuEntries(), QStringList({u"Кот"_qs}));
    EXPECT_EQ(window->history().entries(), QStringList({u"Кот"_qs, u"Сон"_qs}));

    window->clearHistory();
    EXPECT_TRUE(window->history().isEmpty());
    EXPECT_FALSE(window->backAction()->isEnabled());
}

TEST_F(TolkWindowTest, LinksUnderTheMouse)
{
    window->resize(700, 500);
    window->ShowTolk(u"Кот"_qs);
    RichTextView *view = window->view();
    const QString text = view->viewText();
    QWidget *viewport = view->viewport();

    const auto move = [&](const QPoint &at) {
        QMouseEvent event(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    move(pointOf(int(text.indexOf(u"Ночь>"_qs)) + 1));
    EXPECT_EQ(viewport->toolTip(), u"Перейти к «Ночь»"_qs);
    EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);

    move(pointOf(int(text.indexOf(u"Белый"_qs)) + 2));
    EXPECT_TRUE(viewport->toolTip().isEmpty());
    EXPECT_NE(viewport->cursor().shape(), Qt::PointingHandCursor);

    const QPoint link = pointOf(int(text.indexOf(u"Луна>"_qs)) + 2);
    QMouseEvent release(QEvent::MouseButtonRelease, link, viewport->mapToGlobal(link), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    EXPECT_EQ(view->tag(), u"Луна"_qs);
    EXPECT_EQ(window->history().entries(), QStringList{u"Кот"_qs});
}

TEST_F(TolkWindowTest, WindowKeysWorkWhileTheViewHasTheFocus)
{
    window->ShowTolk(u"Кот"_qs);
    RichTextView *view = window->view();
    const QString text = view->viewText();
    view->select(int(text.indexOf(u"кот"_qs)), 3);

    sendKey(view, Qt::Key_F3);
    ASSERT_TRUE(window->searchForm());
    EXPECT_TRUE(window->searchForm()->isVisible());
    EXPECT_EQ(window->searchForm()->searchText(), u"кот"_qs);
    sendKey(view, Qt::Key_F3);  // again: the next occurrence
    EXPECT_EQ(view->selectionStart(), int(text.indexOf(u"кот"_qs, text.indexOf(u"кот"_qs) + 1)));

    QGuiApplication::clipboard()->clear();
    sendKey(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->data(u"text/rtf"_qs).startsWith("{\\rtf1"));
    EXPECT_EQ(data->data(u"text/rtf"_qs), data->data(u"text/richtext"_qs));
    EXPECT_EQ(data->text(), u"кот"_qs);
    EXPECT_TRUE(data->hasHtml());

    window->followLink(u"Сон"_qs);
    sendKey(view, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(view->tag(), u"Кот"_qs);
    window->followLink(u"Сон"_qs);
    window->followLink(u"Луна"_qs);
    sendKey(view, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(view->tag(), u"Кот"_qs);
    EXPECT_TRUE(window->history().isEmpty());

    // With or without a printer queue Ctrl+P opens the print dialog, whose list ends with PDF.
    QStringList messages;
    setMessageHandler([&](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
    QString lastPrinter;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<PrintDialog *>(QApplication::activeModalWidget())) {
            const auto *printers = dialog->findChild<QComboBox *>(u"ImageCombo1"_qs);
            lastPrinter = printers->itemText(printers->count() - 1);
            dialog->reject();
        }
    });
    sendKey(view, Qt::Key_P, Qt::ControlModifier);
    setMessageHandler({});
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(lastPrinter, u"Файл PDF…"_qs);

    bool closed = false;
    QObject::connect(window, &TolkWindow::closed, [&] { closed = true; });
    sendKey(view, Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TolkWindowTest, FindOpensWithF3AndWithCtrlF)
{
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
    } keys[] = {{Qt::Key_F3, Qt::NoModifier}, {Qt::Key_F, Qt::ControlModifier}};
    for (const auto &k : keys) {
        window->ShowTolk(u"Кот"_qs);
        sendKey(window->view(), k.key, k.mods);
        ASSERT_TRUE(window->searchForm()) << k.key;
        EXPECT_TRUE(window->searchForm()->isVisible()) << k.key;
        window->close();
    }
}

TEST_F(TolkWindowTest, CopyWithNothingSelectedTakesTheWholeArticle)
{
    window->ShowTolk(u"Кот"_qs);
    window->view()->select(0, 0);
    window->copyArticle();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const QByteArray rtf = data->data(u"text/rtf"_qs);
    EXPECT_TRUE(rtf.contains("\\b"));
    EXPECT_TRUE(rtf.contains("\\ul"));
    EXPECT_TRUE(rtf.contains("\\red0\\green128\\blue0;"));  // link green
    // Plain text for editors without formatting: no hidden markup, no pictograms.
    EXPECT_TRUE(data->text().startsWith(u" Кот\n\n Народный сонник:\nЧёрный кот"_qs)) << data->text().toStdString();
    EXPECT_TRUE(data->text().contains(u"Гладить кота"_qs));
    EXPECT_TRUE(data->text().endsWith(u"\n\nСон, Ночь, Луна\n"_qs)) << data->text().toStdString();
}

TEST_F(TolkWindowTest, GeometryIsSavedAndCorrected)
{
    window->ShowTolk(QString());
    window->setGeometry(100, 120, 500, 400);
    window->close();
    EXPECT_EQ(settings->get(kMainSection, u"TLeft"_qs), u"1500"_qs);
    EXPECT_EQ(settings->get(kMainSection, u"TTop"_qs), u"1800"_qs);
    EXPECT_EQ(settings->get(kMainSection, u"TWidth"_qs), u"7500"_qs);
    EXPECT_EQ(settings->get(kMainSection, u"THeight"_qs), u"6000"_qs);

    window->ShowTolk(QString());
    EXPECT_EQ(window->geometry(), QRect(100, 120, 500, 400));
}

TEST_F(TolkWindowTest, AbsurdGeometryLandsWhollyOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char *top, *left, *width, *height;
    } cases[] = {{"1e30", "15", "999999", "999999"}, {"200000", "200000", "6330", "3900"}};
    for (const auto &c : cases) {
        settings->save(kMainSection, u"TTop"_qs, QString::fromLatin1(c.top));
        settings->save(kMainSection, u"TLeft"_qs, QString::fromLatin1(c.left));
        settings->save(kMainSection, u"TWidth"_qs, QString::fromLatin1(c.width));
        settings->save(kMainSection, u"THeight"_qs, QString::fromLatin1(c.height));
        window->ShowTolk(u"Кот"_qs);
        EXPECT_TRUE(area.contains(window->geometry())) << c.top;
        const QRect shown = window->geometry();
        window->close();
        EXPECT_EQ(settings->get(kMainSection, u"TWidth"_qs), QString::number(Twips(shown.width())));
        EXPECT_EQ(settings->get(kMainSection, u"TTop"_qs), QString::number(Twips(shown.top())));
    }
}
