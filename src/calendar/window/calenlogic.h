#pragma once

#include "astro/lunation.h"
#include "astro/timezone.h"
#include "calendar/calendarreading.h"
#include "location/programoptions.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <memory>

namespace somnar {

class SettingsStore;

namespace calendar {

// The calendar window without its widgets: the selected moment, the calculation with its
// debounce and its busy indicator, the place lines and the moon picture with its animation.
class CalenLogic : public QObject {
    Q_OBJECT
public:
    static constexpr int kClockMilliseconds = 2000;    // Timer1
    static constexpr int kBusyMilliseconds = 300;      // Timer2
    static constexpr int kDebounceMilliseconds = 500;  // Timer3
    static constexpr int kAnimationMilliseconds = 100; // Timer4

    // `yield` runs between the steps of the new-moon search.
    CalenLogic(const SettingsStore &settings, const astro::UtcOffsetSource &offset = astro::SystemOffset(),
               astro::YieldFunction yield = {}, QObject *parent = nullptr);
    ~CalenLogic() override;

    // Re-reads the town from the settings; the lines below follow it.
    void CheckGeo();
    const UserLocation &place() const { return m_place; }
    QString cityText() const { return m_place.cityName; }
    // Coordinates and the offset from GMT in force now (Label9).
    QString pointText() const;

    double selectedMoment() const { return m_selected; }
    void setSelectedMoment(double localMoment) { m_selected = localMoment; }
    // The moments the calculation accepts: the lunation around them must lie within the years
    // 100 to 9999.
    static QDateTime firstMoment();
    static QDateTime lastMoment();

    // Recomputes everything for the selected moment. A request while a calculation runs is
    // served once, with the latest moment, when the running one ends.
    void Calculate();
    // Calculate 500 ms after the last of a series of calls.
    void BCalculate();
    bool calculating() const { return m_calculating; }
    bool debouncing() const { return m_timer3.isActive(); }
    bool busy() const { return m_busy; }

    bool hasReading() const { return m_hasReading; }
    const CalendarReading &reading() const { return m_reading; }
    // Label3: " (start - end)", empty until a lunar day is known.
    QString periodText() const;

    // The picture shown now: the lunar day's, clamped to 1..29, or the animation's step.
    int pictureNumber() const;
    // Picture2 double click: shows pictures 1 to 28, then the lunar day's again.
    void startPhaseAnimation();
    bool animating() const { return m_timer4.isActive(); }

signals:
    void calculationStarted();
    void calculationFinished();  // the reading may have changed; the cursor comes back
    void busyEnded();            // the busy indicator may go, a moment after the calculation
    void pictureChanged(int number);

private:
    void calculateOnce();
    void animationStep();

    const SettingsStore &m_settings;
    const astro::UtcOffsetSource &m_offset;
    astro::YieldFunction m_yield;
    UserLocation m_place;
    std::unique_ptr<LunarDayCounter> m_counter;
    double m_selected = 0;
    CalendarReading m_reading;
    bool m_hasReading = false;
    bool m_calculating = false;
    bool m_requested = false;
    bool m_busy = false;
    int m_animationStep = 0;
    QTimer m_timer2;
    QTimer m_timer3;
    QTimer m_timer4;
};

// The program's date-time value as the pickers' clock reading (back: CalendarMoment).
QDateTime ToPickerValue(double localMoment);
// The current local clock time as a date-time value.
double CurrentLocalMoment();
// "10 декабря 2026 г., 05:30" (the clock in the tooltip of "Сейчас ").
QString ClockText(const QDateTime &now);

}

}
