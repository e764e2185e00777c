#include "literature/aboutopener.h"

#include "dictionary/mainwindow.h"
#include "literature/literaturetree.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace somnar {

std::vector<AboutRow> AboutRows(Form1 &main)
{
    std::vector<AboutRow> rows;
    const BookCatalogue &catalogue = main.catalogue();
    for (qsizetype k = 0; k < catalogue.count(); ++k)
        rows.push_back({catalogue.book(k).toolName, catalogue.book(k).path, true});
    QTreeWidgetItemIterator it(main.TreeView1());
    if (*it)
        ++it;
    for (; *it; ++it) {
        const QString key = LiteratureTree::key(*it);
        if (key != kFavouritesNodeKey && (*it)->parent() && LiteratureTree::key((*it)->parent()) == kAllNodeKey)
            rows.push_back({(*it)->text(0), key, false});
    }
    return rows;
}

void ShowAbout(Form1 &main, bool modal)
{
    if (modal) {
        FormAbout about(AboutRows(main), &main);
        QObject::connect(&main, &Form1::fromTrayRequested, &about, &QWidget::close);
        about.exec();
        return;
    }
    auto *about = new FormAbout(AboutRows(main), &main);
    about->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&main, &Form1::fromTrayRequested, about, &QWidget::close);
    about->show();
    about->raise();
    about->activateWindow();
}

}
