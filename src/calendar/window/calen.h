#pragma once

#include "calendar/window/calenlogic.h"
#include "controls/datetimepicker.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QToolBar;

namespace somnar {

class Process;
class SettingsStore;

namespace calendar {

// The lunar calendar window "Календарь сбываемости снов": the moment a dream was seen, and
// what its weekday, day of the month and lunar day say about it at the user's town. It starts
// from the current time each time it is made, and is deleted when closed.
class Calen : public QWidget {
    Q_OBJECT
public:
    Calen(const SettingsStore &settings, QWidget *owner = nullptr,
          const astro::UtcOffsetSource &offset = astro::SystemOffset(), astro::YieldFunction yield = {});
    ~Calen() override;

    // Opens the options window modal on its location tab (Label7); the window then reads the
    // town again and recalculates.
    void setLocationOptions(std::function<void(QWidget *parent)> open) { m_openLocationOptions = std::move(open); }

    CalenLogic &logic() { return m_logic; }
    void Calculate();
    void SetPicker(cDateTimePicker &picker, double localMoment);
    double GetPicker(const cDateTimePicker &picker) const;

    void Toolbar1_ButtonClick();
    void Label7_Click();
    void Image6_Click();
    void Picture2_DblClick();
    // Shows moon picture n, lunar days beyond 29 showing picture 29.
    void ShowMoonPhase(int n);

    // The controls, for tests and screenshots.
    cDateTimePicker &DTPicker1() { return m_dtPicker1; }
    cDateTimePicker &DTPicker2() { return m_dtPicker2; }
    QLabel *Label12() const { return m_label12; }
    QLabel *Text1() const { return m_text1; }
    QLabel *Label5() const { return m_label5; }
    QLabel *Text2() const { return m_text2; }
    QLabel *Label16() const { return m_label16; }
    QLabel *Label3() const { return m_label3; }
    QLabel *Text3() const { return m_text3; }
    QLabel *Label7() const { return m_label7; }
    QLabel *Label9() const { return m_label9; }
    QLabel *Picture2() const { return m_picture2; }
    QAction *nowButton() const { return m_now; }
    Process *Process1() const { return m_process1; }
    int shownPicture() const { return m_shownPicture; }

signals:
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createHeading();
    void createPickers();
    void createReadings();
    void createPlace();
    void layOut();

    void ShowPoint();
    void showReading();
    void calculationStarted();
    void busyEnded();
    void DTPicker1_Change();
    void DTPicker2_Change();
    void DTPicker1_ClouseUp();
    void Timer1_Timer();

    CalenLogic m_logic;
    cDateTimePicker m_dtPicker1;
    cDateTimePicker m_dtPicker2;
    QTimer m_timer1;
    std::function<void(QWidget *)> m_openLocationOptions;
    int m_shownPicture = 0;

    QLabel *m_label6 = nullptr;
    QLabel *m_image6 = nullptr;
    QLabel *m_label10 = nullptr;
    QWidget *m_picture3 = nullptr;
    QWidget *m_picture4 = nullptr;
    QToolBar *m_toolbar1 = nullptr;
    QAction *m_now = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label12 = nullptr;
    QLabel *m_text1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_text2 = nullptr;
    QLabel *m_label8 = nullptr;
    QLabel *m_label16 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_text3 = nullptr;
    QLabel *m_picture2 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label9 = nullptr;
    QLabel *m_label2 = nullptr;
    Process *m_process1 = nullptr;
};

}

}
