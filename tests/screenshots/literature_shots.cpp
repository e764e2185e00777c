// The literature pane with a favourite, an article in the interpretation window, and the
// about window.
#include "mainwindowsupport.h"

#include "app/formabout.h"
#include "article/tolkconnector.h"
#include "article/tolkwindow.h"
#include "dictionary/mainwindow.h"
#include "literature/aboutopener.h"
#include "literature/literaturetree.h"

#include <QTreeWidget>

namespace somnar::shots {

namespace {
void LiteratureShots(Camera &camera)
{
    const auto form = ShowMainWindow(camera, QStringLiteral("Река"));
    auto *connector = new TolkConnector(*form, camera.settings());
    auto *literature = new LiteratureTree(*form, camera.settings(), {camera.programFolder() + QStringLiteral("/Texts")});
    connector->setLiteratureShow([literature](TolkWindow &window) { literature->showSelected(window); });
    literature->ShowLit();
    form->Image4_Click();
    literature->TreeView1_GotFocus();
    const QString diary = camera.programFolder() + QStringLiteral("/Texts/Как вести дневник сновидений.lit");
    form->TreeView1()->setCurrentItem(literature->node(diary));
    literature->addFavourite();
    form->TreeView1()->setCurrentItem(literature->node(diary + u'*'));
    camera.save(form.get(), QStringLiteral("literature.png"));

    literature->TreeView1_DblClick();
    Camera::settle();
    TolkWindow *window = connector->window();
    if (!window)
        return camera.save(nullptr, QStringLiteral("literature-article.png"));
    window->move(form->geometry().topRight() + QPoint(20, 0));
    window->resize(560, 600);
    camera.save(window, QStringLiteral("literature-article.png"));
    window->close();

    FormAbout about(AboutRows(*form), form.get());
    about.show();
    camera.save(&about, QStringLiteral("about.png"));
}
}

SOMNAR_SHOT_GROUP(literature, LiteratureShots);

}
