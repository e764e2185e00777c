#include "location/showoptions.h"

#include "location/optionsform.h"

#include <QPointer>

namespace somnar {

bool ShowOptions(QWidget *parent, ProgramOptions &options, SettingsStore &settings, int tab, bool modal)
{
    static QPointer<OptionsForm> modeless;
    if (modal) {
        OptionsForm form(options, settings, parent);
        form.SetTab(tab);
        return form.exec() == QDialog::Accepted;
    }
    if (!modeless) {
        modeless = new OptionsForm(options, settings, parent);
        modeless->setAttribute(Qt::WA_DeleteOnClose);
    }
    modeless->SetTab(tab);
    modeless->show();
    modeless->raise();
    modeless->activateWindow();
    return false;
}

}
