#include "calendar/window/calenlogic.h"

#include "astro/datetime.h"
#include "calendar/calendartexts.h"
#include "calendar/window/moonpicture.h"

#include <QLocale>

#include <algorithm>
#include <exception>

namespace somnar::calendar {

namespace {

// Computes nothing: the pickers' "no moment yet".
const double kUnsetMoment = astro::MakeDateTime(1900, 1, 1);
// The new-moon search and the moonrise walk reach a month and two days either side.
constexpr qint64 kLunationReachDays = 33;

}

CalenLogic::CalenLogic(const SettingsStore &settings, const astro::UtcOffsetSource &offset,
                       astro::YieldFunction yield, QObject *parent)
    : QObject(parent), m_settings(settings), m_offset(offset), m_yield(std::move(yield))
{
    m_selected = CurrentLocalMoment();
    m_timer2.setSingleShot(true);
    m_timer2.setInterval(kBusyMilliseconds);
    connect(&m_timer2, &QTimer::timeout, this, [this] {
        m_busy = false;
        emit busyEnded();
    });
    m_timer3.setSingleShot(true);
    m_timer3.setInterval(kDebounceMilliseconds);
    connect(&m_timer3, &QTimer::timeout, this, &CalenLogic::Calculate);
    m_timer4.setInterval(kAnimationMilliseconds);
    connect(&m_timer4, &QTimer::timeout, this, &CalenLogic::animationStep);
    CheckGeo();
}

CalenLogic::~CalenLogic() = default;

void CalenLogic::CheckGeo()
{
    const UserLocation place = ReadProgramOptions(m_settings).location;
    // The counter keeps its lunation's moonrises for one place only.
    if (!m_counter || place.latitude() != m_place.latitude() || place.longitude() != m_place.longitude())
        m_counter = std::make_unique<LunarDayCounter>(astro::GeoLocation {place.latitude(), place.longitude()},
                                                      m_offset, m_yield);
    m_place = place;
}

QString CalenLogic::pointText() const
{
    return CoordinatesText(m_place, m_offset.currentOffsetMinutes());
}

QDateTime CalenLogic::firstMoment()
{
    return QDateTime(QDate(astro::kFirstYear, 1, 1).addDays(kLunationReachDays), QTime(0, 0), Qt::UTC);
}

QDateTime CalenLogic::lastMoment()
{
    return QDateTime(QDate(astro::kLastYear, 12, 31).addDays(-kLunationReachDays), QTime(23, 59, 59), Qt::UTC);
}

void CalenLogic::BCalculate()
{
    m_timer3.stop();
    m_timer3.start();
}

void CalenLogic::Calculate()
{
    m_timer3.stop();
    if (m_calculating) {
        m_requested = true;
        return;
    }
    m_calculating = true;
    m_busy = true;
    emit calculationStarted();
    do {
        m_requested = false;
        calculateOnce();
    } while (m_requested);
    m_calculating = false;
    m_timer2.start();
    emit calculationFinished();
}

void CalenLogic::calculateOnce()
{
    if (astro::CompareDateTimes(m_selected, kUnsetMoment) == 0)
        return;
    try {
        const CalendarReading reading = ReadCalendar(m_selected, *m_counter);
        // Nothing known yet about the lunar day: keep what is on screen.
        if (!reading.lunarDayFound && reading.lunarDay.number == 0 && m_hasReading)
            return;
        m_reading = reading;
        m_hasReading = true;
    } catch (const std::exception &) {
        // A moment whose lunation the engine refuses leaves the previous values on screen.
    }
    if (!animating())
        emit pictureChanged(pictureNumber());
}

QString CalenLogic::periodText() const
{
    if (!m_hasReading || m_reading.lunarDay.number == 0)
        return {};
    return LunarDayPeriodText(m_reading.lunarDay.start, m_reading.lunarDay.end);
}

int CalenLogic::pictureNumber() const
{
    if (m_animationStep > 0)
        return m_animationStep;
    return std::clamp<int>(m_reading.lunarDay.number, 1, kMoonPictureCount);
}

void CalenLogic::startPhaseAnimation()
{
    m_timer4.start();
}

void CalenLogic::animationStep()
{
    ++m_animationStep;
    if (m_animationStep >= kMoonPictureCount) {
        m_timer4.stop();
        m_animationStep = 0;
    }
    emit pictureChanged(pictureNumber());
}

QDateTime ToPickerValue(double localMoment)
{
    const astro::CivilDateTime c = astro::ToCivil(localMoment);
    return QDateTime(QDate(c.year, c.month, c.day), QTime(c.hour, c.minute, c.second), Qt::UTC);
}

double CurrentLocalMoment()
{
    const QDateTime now = QDateTime::currentDateTime();
    return CalendarMoment(now);
}

QString ClockText(const QDateTime &now)
{
    return QLocale(QLocale::Russian, QLocale::Russia).toString(now, QStringLiteral("dd MMMM yyyy г., HH:mm"));
}

}
