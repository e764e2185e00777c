// The main window in both list modes and the exit question.
#include "mainwindowsupport.h"

#include "app/exitdialog.h"
#include "dictionary/mainwindow.h"

#include <QAction>

namespace somnar::shots {

namespace {
void MainWindowShots(Camera &camera)
{
    const auto form = ShowMainWindow(camera, QStringLiteral("Река"));
    camera.save(form.get(), QStringLiteral("main.png"));
    form->listModeButton(2)->trigger();
    camera.save(form.get(), QStringLiteral("main-columns.png"));
    form->listModeButton(1)->trigger();

    Dialog exitDialog(camera.settings(), [] {}, form.get());
    exitDialog.show();
    camera.save(&exitDialog, QStringLiteral("exit-dialog.png"));
}
}

SOMNAR_SHOT_GROUP(main, MainWindowShots);

}
