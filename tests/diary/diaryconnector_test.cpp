#include "app/messages.h"
#include "app/settingsstore.h"
#include "article/richtextview.h"
#include "article/tolkconnector.h"
#include "article/tolkwindow.h"
#include "diary/diaryexport.h"
#include "diary/dreamcalendar.h"
#include "diary/window/diaryconnector.h"
#include "diary/window/diaryreadingtext.h"
#include "diary/window/diarywindow.h"
#include "dictionary/bookbar.h"
#include "dictionary/bookfile/bookwriter.h"
#include "dictionary/mainwindow.h"
#include "text/codepage.h"
#include "text/packedtext.h"

#include "diarywindowtestsupport.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>

using namespace somnar;
using namespace somnar::diary;

namespace {

QByteArray Packed(const QString &text)
{
    return Pack(*encodeCp1251(text));
}

// The main window over a small book, with the interpretation window and the diary tied to it.
class DiaryConnectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        somnar::test::EnsureApplication();
        setMessageHandler([this](QMessageBox::Icon, const QString &, const QString &text) { messages << text; });
        writeBook(books.filePath(QStringLiteral("1.book")),
                  {std::nullopt, QStringLiteral("Народный"), QStringLiteral("Народный сонник"), std::nullopt},
                  {{QStringLiteral("Кошка"), Packed(QStringLiteral("Кошка во сне – к хитрому гостю.")), std::nullopt},
                   {QStringLiteral("Вода"), Packed(QStringLiteral("Чистая вода – к здоровью.")), std::nullopt}});
        settings = std::make_unique<SettingsStore>(books.filePath(QStringLiteral("settings.ini")));
        form = std::make_unique<Form1>(*settings, books.path());
        ASSERT_TRUE(form->Form_Load());
        tolk = new TolkConnector(*form, *settings);
        connector = new DiaryConnector(*form, *tolk, diary.path());
    }
    void TearDown() override
    {
        form.reset();
        setMessageHandler({});
    }

    // The links of the reading as the view holds them.
    static QStringList readingLinks(const DiaryWindow &window)
    {
        QStringList links;
        for (QTextBlock block = window.readingView()->document()->begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().charFormat().isAnchor())
                    links << fragment.fragment().charFormat().anchorHref();
        return links;
    }

    QTemporaryDir books;
    fixture::DiaryFile diary;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Form1> form;
    TolkConnector *tolk = nullptr;
    DiaryConnector *connector = nullptr;
    QStringList messages;
};

TEST_F(DiaryConnectorTest, CtrlDOpensTheDiaryWhoseLinkedWordsOpenTheirArticles)
{
    QKeyEvent ctrlD(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier);
    QApplication::sendEvent(form->Text1(), &ctrlD);
    DiaryWindow *window = connector->window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());

    window->textEdit()->setPlainText(QStringLiteral("Видела кошку у тёмной воды"));
    window->logic().readNow();
    const QStringList links = readingLinks(*window);
    QStringList headwords;
    for (const QString &link : links)
        headwords << LinkedHeadword(QUrl(link));
    ASSERT_EQ(headwords, (QStringList{QStringLiteral("Кошка"), QStringLiteral("Вода")}));
    QStringList marked;
    for (const QTextEdit::ExtraSelection &mark : window->textEdit()->extraSelections())
        marked << mark.cursor.selectedText();
    EXPECT_EQ(marked, (QStringList{QStringLiteral("кошку"), QStringLiteral("воды")})) << "the words are marked in the text";

    emit window->readingView()->anchorClicked(QUrl(links.front()));
    ASSERT_NE(tolk->window(), nullptr);
    EXPECT_TRUE(tolk->window()->isVisible());
    EXPECT_TRUE(tolk->window()->view()->viewText().contains(QStringLiteral("к хитрому гостю")));

    UserLocation sydney;
    sydney.cityName = QStringLiteral("Сидней");
    sydney.latitudeDegrees = 33;
    sydney.latitudeSign = -1;
    sydney.longitudeDegrees = 151;
    form->options().location = sydney;
    emit form->diaryRequested();
    EXPECT_TRUE(window->readingView()->toPlainText().contains(QStringLiteral("Лунный календарь (Сидней)")))
        << "the town chosen meanwhile reaches the open diary";
    EXPECT_EQ(window->logic().current().lunarPlace, DreamCalendar(sydney).placeKey());

    form->Toolbar2()->mnuBooksAll_Click(1);
    EXPECT_TRUE(readingLinks(*window).isEmpty()) << "no book on: no word links";
    EXPECT_TRUE(window->readingView()->toPlainText().contains(QStringLiteral("Все сонники выключены")));

    form->ExitApp(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed window lets the file go
    const QList<DiaryEntry> kept = diary.open()->entries();
    ASSERT_EQ(kept.size(), 1) << "the program's exit saves the entry being written";
    EXPECT_EQ(kept.front().text, QStringLiteral("Видела кошку у тёмной воды"));
}

TEST_F(DiaryConnectorTest, ADamagedDiaryIsMovedAsideOnlyWhenTheUserAgrees)
{
    const QByteArray garbage("This is no diary at all, only words in a file.");
    {
        QFile file(diary.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree ? "agreed" : "declined");
        QStringList asked;
        connector->setQuestion([&](QWidget *, const QString &text) {
            asked << text;
            return agree;
        });
        messages.clear();
        emit form->diaryRequested();
        EXPECT_EQ(asked.size(), 1);
        if (!agree) {
            EXPECT_EQ(connector->window(), nullptr);
            EXPECT_TRUE(messages.isEmpty());
            QFile file(diary.path());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), garbage) << "nothing is touched without the user's word";
            continue;
        }
        ASSERT_NE(connector->window(), nullptr);
        EXPECT_EQ(connector->window()->store().count(), 0);
        ASSERT_EQ(messages.size(), 1);
        const QStringList moved = QDir(diary.folder()).entryList(QDir::Files).filter(QStringLiteral("diary"));
        QString movedPath;
        for (const QString &name : moved) {
            QFile file(QDir(diary.folder()).filePath(name));
            if (file.open(QIODevice::ReadOnly) && file.readAll() == garbage)
                movedPath = file.fileName();
        }
        ASSERT_FALSE(movedPath.isEmpty()) << "the damaged file is kept";
        EXPECT_TRUE(messages.front().contains(QDir::toNativeSeparators(movedPath))) << messages.front().toStdString();
    }
}

TEST_F(DiaryConnectorTest, ADiaryLockedByAnotherCopyIsExplainedAndLeftAlone)
{
    DiaryStore other(diary.path());
    ASSERT_EQ(other.open(), DiaryOpenResult::Opened);
    emit form->diaryRequested();
    EXPECT_EQ(connector->window(), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_FALSE(messages.front().isEmpty());
}


TEST_F(DiaryConnectorTest, AnEntryTheDiaryCannotTakeAtExitIsWrittenAsideForImport)
{
    emit form->diaryRequested();
    DiaryWindow *window = connector->window();
    ASSERT_NE(window, nullptr);
    window->textEdit()->setPlainText(QStringLiteral("Сон, который некуда сохранить"));
    window->store().close();  // the diary can no longer be written

    form->ExitApp(false);
    ASSERT_EQ(messages.size(), 1);
    const QStringList aside = QDir(diary.folder()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(messages.front().contains(aside.front())) << messages.front().toStdString();
    const ImportResult kept = ImportTextFile(QDir(diary.folder()).filePath(aside.front()));
    ASSERT_EQ(kept.entries.size(), 1) << kept.error.toStdString();
    EXPECT_EQ(kept.entries.front().text, QStringLiteral("Сон, который некуда сохранить"));
}

}
