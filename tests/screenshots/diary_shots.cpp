// The dream diary: an entry with its linked words and calendar reading, and a search.
#include "mainwindowsupport.h"

#include "article/tolkconnector.h"
#include "diary/diarystore.h"
#include "diary/window/diaryconnector.h"
#include "diary/window/diarywindow.h"
#include "dictionary/mainwindow.h"

#include <QLineEdit>

namespace somnar::shots {

namespace {

struct Dream {
    QDateTime moment;
    const char *title;
    const char *text;
    int vividness;
    const char *tags;
};

void WriteDreams()
{
    const Dream dreams[] = {
        {QDateTime(QDate(2024, 2, 28), QTime(5, 0)), "Полёт над морем",
         "Летала над морем, внизу плыли рыбы, а рядом кружили птицы.", 5, "полёт, море"},
        {QDateTime(QDate(2024, 3, 5), QTime(4, 40)), "Поезд в горы",
         "Поезд шёл в горы, за окном падал снег. Кошка спала у меня на коленях.", 3, "дорога"},
        {QDateTime(QDate(2024, 3, 8), QTime(6, 0)), "Дом бабушки",
         "Снова дом бабушки: скрипучая лестница, открытое окно в сад, на столе ключ от двери, "
         "которой там никогда не было.", 4, "дом, детство"},
        {QDateTime(QDate(2024, 3, 10), QTime(5, 30)), "Кошка на мосту",
         "Мне снилось, что я иду по старому мосту через широкую реку. Вода внизу тёмная и спокойная. "
         "На перилах сидела рыжая кошка и смотрела на меня, а потом прыгнула в лодку, которая плыла к лесу. "
         "Я хотела позвать её, но проснулась.", 4, "животные, вода"},
    };
    diary::DiaryStore store;
    if (store.open() != diary::DiaryOpenResult::Opened)
        return;
    for (const Dream &dream : dreams) {
        diary::DiaryEntry entry;
        entry.moment = dream.moment;
        entry.title = QString::fromUtf8(dream.title);
        entry.text = QString::fromUtf8(dream.text);
        entry.vividness = dream.vividness;
        entry.tags = diary::TagsFromText(QString::fromUtf8(dream.tags));
        store.save(entry);
    }
}

void DiaryShots(Camera &camera)
{
    WriteDreams();
    const auto form = ShowMainWindow(camera, QString());
    auto *tolk = new TolkConnector(*form, camera.settings());
    auto *connector = new diary::DiaryConnector(*form, *tolk);
    emit form->diaryRequested();
    diary::DiaryWindow *window = connector->window();
    if (!window)
        return camera.save(nullptr, QStringLiteral("diary.png"));
    window->move(60, 60);
    Camera::settle(500);
    camera.save(window, QStringLiteral("diary.png"));

    window->searchBox()->setText(QStringLiteral("кошка"));
    Camera::settle();
    camera.save(window, QStringLiteral("diary-search.png"));
    window->close();
}

}

SOMNAR_SHOT_GROUP(diary, DiaryShots);

}
