// The interpretation window opened from the main window, its find and print dialogs.
#include "mainwindowsupport.h"

#include "article/printdialog.h"
#include "article/richtextview.h"
#include "article/searchform.h"
#include "article/tolkconnector.h"
#include "article/tolkwindow.h"
#include "dictionary/mainwindow.h"

#include <QAction>

namespace somnar::shots {

namespace {
void ArticleShots(Camera &camera)
{
    const auto form = ShowMainWindow(camera, QStringLiteral("Река"));
    auto *connector = new TolkConnector(*form, camera.settings());
    form->tolkButton()->trigger();
    Camera::settle();
    TolkWindow *window = connector->window();
    if (!window)
        return camera.save(nullptr, QStringLiteral("article.png"));
    window->move(form->geometry().topRight() + QPoint(20, 0));
    camera.save(window, QStringLiteral("article.png"));

    const QString text = window->view()->viewText();
    window->view()->select(int(text.indexOf(QStringLiteral("река"), 0, Qt::CaseInsensitive)), 4);
    window->ShowFind();
    Camera::settle();
    window->searchForm()->FND();
    camera.save(window->searchForm(), QStringLiteral("find.png"));
    window->searchForm()->close();

    PrintDialog print(window->view(), window);
    print.show();
    camera.save(&print, QStringLiteral("print.png"));
}
}

SOMNAR_SHOT_GROUP(article, ArticleShots);

}
