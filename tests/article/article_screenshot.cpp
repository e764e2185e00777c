// Shows the interpretation window with an article of two books and links, and saves what the
// user would see: article_screenshot <folder>. Run it under a real display (xvfb-run).
#include "app/settingsstore.h"
#include "article/articleprinting.h"
#include "article/printdialog.h"
#include "article/richtextview.h"
#include "article/searchform.h"
#include "article/tolkwindow.h"

#include "articletestsupport.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

using namespace somnar;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QTemporaryDir settingsDir;
    SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
    settings.save(kMainSection, QStringLiteral("TWidth"), 640 * 15);
    settings.save(kMainSection, QStringLiteral("THeight"), 460 * 15);
    settings.save(kMainSection, QStringLiteral("TTop"), 60 * 15);
    settings.save(kMainSection, QStringLiteral("TLeft"), 60 * 15);

    auto *window = new TolkWindow([] { return test::TwoBooks(); }, settings, nullptr);
    window->ShowTolk(QStringLiteral("Кот"));
    window->followLink(QStringLiteral("Сон"));
    window->goBack();
    window->followLink(QStringLiteral("Ночь"));
    window->goBack();

    QTimer::singleShot(300, [&] {
        window->grab().save(out.filePath(QStringLiteral("tolk_article.png")));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("tolk_article.pdf")));
        PrintArticleCopies(window->view(), printer, true, 1);
        PrintDialog print(window->view(), window);
        print.show();
        print.grab().save(out.filePath(QStringLiteral("print_dialog.png")));
        const QString text = window->view()->viewText();
        window->view()->select(int(text.indexOf(QStringLiteral("кот"))), 3);
        window->ShowFind();
        window->searchForm()->move(window->geometry().bottomLeft() + QPoint(0, 40));
    });
    QTimer::singleShot(700, [&] {
        window->searchForm()->FND();
        window->grab().save(out.filePath(QStringLiteral("tolk_found.png")));
        window->searchForm()->grab().save(out.filePath(QStringLiteral("search_form.png")));
        window->searchForm()->close();
        window->view()->select(0, 0);
        window->followLink(QStringLiteral("Сон"));
    });
    QTimer::singleShot(1000, [&] {
        window->grab().save(out.filePath(QStringLiteral("tolk_after_link.png")));
        app.quit();
    });
    return app.exec();
}
