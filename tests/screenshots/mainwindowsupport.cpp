#include "mainwindowsupport.h"

#include "app/settingsstore.h"
#include "dictionary/mainwindow.h"
#include "controls/twips.h"

#include <QLineEdit>

namespace somnar::shots {

std::unique_ptr<Form1> ShowMainWindow(Camera &camera, const QString &word)
{
    SettingsStore &settings = camera.settings();
    settings.save(kMainSection, QStringLiteral("Left"), Twips(40));
    settings.save(kMainSection, QStringLiteral("Top"), Twips(40));
    settings.save(kMainSection, QStringLiteral("Width"), Twips(420));
    settings.save(kMainSection, QStringLiteral("Height"), Twips(480));
    auto form = std::make_unique<Form1>(settings, camera.dataFolder());
    if (!form->Form_Load())
        return form;
    form->show();
    form->activateWindow();
    Camera::settle();
    form->Text1()->setText(word);
    Camera::settle();
    return form;
}

}
