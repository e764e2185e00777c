#pragma once

#include "app/exitchoice.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QRadioButton;

namespace somnar {

class SettingsStore;

// The exit confirmation shown while the program starts with the session.
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(SettingsStore &settings, std::function<void()> exitApp, QWidget *parent = nullptr);

    ExitChoice choice() const;

    QRadioButton *Option1(int index) const { return m_options[index]; }
    QCheckBox *Check1() const { return m_check; }

    void Command1_Click();
    void Command2_Click();

private:
    SettingsStore &m_settings;
    std::function<void()> m_exitApp;
    QRadioButton *m_options[2] = {};
    QCheckBox *m_check = nullptr;
};

}
