// Starts the real windows with the shipped data in a private home, at fixed words and moments,
// and saves one PNG per window and state: screenshots DIR. Run it under a display (xvfb-run).
#include "screenshots.h"

#include "app/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace somnar::shots {

namespace {
std::map<std::string, ShotGroup> &groups()
{
    static std::map<std::string, ShotGroup> registered;
    return registered;
}
}

bool RegisterGroup(const char *name, ShotGroup group)
{
    groups()[name] = group;
    return true;
}

Camera::Camera(QDir out, QString programFolder)
    : m_out(std::move(out))
    , m_programFolder(std::move(programFolder))
{
}

QString Camera::dataFolder() const
{
    return m_programFolder + QStringLiteral("/Books");
}

SettingsStore &Camera::settings() const
{
    return SettingsStore::instance();
}

void Camera::settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Camera::save(QWidget *widget, const QString &fileName)
{
    settle(50);
    const QString path = m_out.filePath(fileName);
    if (widget && widget->isVisible() && widget->grab().save(path))
        m_saved << fileName;
    else
        m_failed << fileName;
}

}

int main(int argc, char **argv)
{
    using namespace somnar::shots;
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots DIR\n");
        return 2;
    }
    // A private home: the user's own settings, autostart entry and data stay untouched.
    QTemporaryDir home;
    const QByteArray homePath = home.path().toLocal8Bit();
    setenv("HOME", homePath.constData(), 1);
    setenv("XDG_CONFIG_HOME", (homePath + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (homePath + "/data").constData(), 1);

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    Camera camera(out, QStringLiteral(SOMNAR_PROGRAM_FOLDER));
    for (const auto &[name, group] : groups())
        group(camera);

    QTextStream err(stderr);
    for (const QString &file : camera.saved())
        err << "saved " << out.filePath(file) << '\n';
    for (const QString &file : camera.failed())
        err << "FAILED " << out.filePath(file) << '\n';
    return camera.failed().isEmpty() ? 0 : 1;
}
