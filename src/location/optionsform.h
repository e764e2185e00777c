#pragma once

#include "location/programoptions.h"
#include "app/datafolders.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace somnar {

class SettingsStore;
class Slider;
struct TownChoice;

// "Настройки": tab 1 "Общие" (autostart, close to the tray, opacity of the tray pop-up) and
// tab 2 "Настройки местности" (the observer's town). "Ok" puts the values into the program's
// options and the settings; "Отмена" leaves both as they were.
class OptionsForm : public QDialog {
    Q_OBJECT
public:
    OptionsForm(ProgramOptions &options, SettingsStore &settings, QWidget *parent = nullptr,
                QString townListPath = TownListFile());

    void SetTab(int tab);
    void CityIni();
    // Copies the controls into the options and the settings, then sets autostart; a value
    // that could not be written is reported. False when something failed.
    bool ApplySettings();
    // A town chosen in the reference fills the location tab.
    void applyTown(const TownChoice &town);

    void Command1_Click();
    void Check1_Click();
    void Check2_Click();
    void Slider1_Change(int value);
    void Toolbar1_ButtonClick();
    void Label2_DblClick();

    QTabWidget *TabStrip1() const { return m_tabStrip1; }
    QCheckBox *Check1() const { return m_check1; }
    QCheckBox *Check2() const { return m_check2; }
    QLabel *Image4() const { return m_image4; }
    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    Slider *Slider1() const { return m_slider1; }
    QLineEdit *Text1() const { return m_text1; }
    QComboBox *Combo7() const { return m_combo7; }
    QComboBox *Combo8() const { return m_combo8; }
    QComboBox *Combo9() const { return m_combo9; }
    QComboBox *Combo10() const { return m_combo10; }
    QComboBox *Combo11() const { return m_combo11; }
    QComboBox *Combo12() const { return m_combo12; }
    QToolButton *Toolbar1() const { return m_toolbar1; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }
    QPushButton *Command4() const { return m_command4; }

public slots:
    // "Отмена", Escape and the close box: the opacity goes back to what it was.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createGeneralPage();
    QWidget *createLocationPage();
    void Form_Load();

    ProgramOptions &m_options;
    SettingsStore &m_settings;
    QString m_townListPath;
    int m_openingOpacity = 0;

    QTabWidget *m_tabStrip1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QLabel *m_image4 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    Slider *m_slider1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QComboBox *m_combo7 = nullptr;
    QComboBox *m_combo8 = nullptr;
    QComboBox *m_combo9 = nullptr;
    QComboBox *m_combo10 = nullptr;
    QComboBox *m_combo11 = nullptr;
    QComboBox *m_combo12 = nullptr;
    QToolButton *m_toolbar1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command4 = nullptr;
};

}
