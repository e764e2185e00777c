#pragma once

// The screenshot tool: each window group lives in its own file here and registers itself with
// one line, SOMNAR_SHOT_GROUP(name, function). Groups run one after another, in name order.

#include <QDir>
#include <QString>

class QWidget;

namespace somnar {
class SettingsStore;
}

namespace somnar::shots {

class Camera {
public:
    Camera(QDir out, QString programFolder);

    // The build's program folder (the program, its books and its town list).
    const QString &programFolder() const { return m_programFolder; }
    QString dataFolder() const;
    // The settings of the private home the tool runs in.
    SettingsStore &settings() const;

    // Lets shown windows lay out and draw for the given time.
    static void settle(int milliseconds = 300);
    // Saves what the widget shows as DIR/fileName; a failure is reported at the end.
    void save(QWidget *widget, const QString &fileName);

    const QStringList &saved() const { return m_saved; }
    const QStringList &failed() const { return m_failed; }

private:
    QDir m_out;
    QString m_programFolder;
    QStringList m_saved;
    QStringList m_failed;
};

using ShotGroup = void (*)(Camera &);
bool RegisterGroup(const char *name, ShotGroup group);

}

#define SOMNAR_SHOT_GROUP(name, function) \
    [[maybe_unused]] static const bool somnarShotGroup_##name = somnar::shots::RegisterGroup(#name, function)
