#include "app/datafolders.h"
#include "app/programinfo.h"
#include "article/tolkconnector.h"
#include "app/settingsstore.h"
#include "app/singleinstance.h"
#include "app/splashwindow.h"
#include "calendar/window/calenconnector.h"
#include "controls/artwork.h"
#include "diary/window/diaryconnector.h"
#include "dictionary/mainwindow.h"
#include "literature/aboutopener.h"
#include "literature/literaturetree.h"
#include "location/showoptions.h"
#include "tray/connector/traymenuconnector.h"

#include <QApplication>
#include <QTimer>

using namespace somnar;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    QApplication::setApplicationVersion(VersionText());
    // Ties the windows to the desktop entry somnar.desktop (its icon in task bars, Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("somnar"));
    // The window may live on in the tray; the program ends only through its exit routine.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (instance.notifyRunningInstance())
        return 0;
    instance.listen();

    CreateUserFolders();  // the user's own folders are optional; the program's books suffice
    Form1 form(SettingsStore::instance(), DataFolders(QStringLiteral("Books")));
    QObject::connect(&form, &Form1::exitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, &Form1::FromTray);
    auto *tolk = new TolkConnector(form, SettingsStore::instance());  // owned by the form
    auto *literature = new LiteratureTree(form, SettingsStore::instance());  // owned by the form
    tolk->setLiteratureShow([literature](TolkWindow &window) { literature->showSelected(window); });
    literature->ShowLit();
    QObject::connect(&form, &Form1::aboutRequested, &form, [&form] { ShowAbout(form, true); });
    auto *tray = new TrayMenuConnector(form, SettingsStore::instance(), *tolk);  // owned by the form
    tray->setAboutShow([&form] { ShowAbout(form, false); });
    QObject::connect(&form, &Form1::optionsRequested, &form,
                     [&form] { ShowOptions(&form, form.options(), SettingsStore::instance(), 1, true); });
    new calendar::CalenConnector(form, SettingsStore::instance());  // owned by the form
    new diary::DiaryConnector(form, *tolk);  // owned by the form
    tray->setOptionsShow([&form] { ShowOptions(&form, form.options(), SettingsStore::instance(), 1, false); });

    if (HasTraySwitch(QApplication::arguments())) {
        form.setStarting(nullptr);
        if (!form.Form_Load())
            return 0;
        form.ToTray();
        return app.exec();
    }

    auto *splash = new SplashWindow(VersionText(), artworkPixmap(QStringLiteral("splash"), SplashWindow::kSize,
                                                                 app.devicePixelRatio()));
    splash->showNow();
    form.setStarting(splash);
    if (!form.Form_Load())
        return 0;
    form.show();
    form.activateWindow();
    return app.exec();
}
