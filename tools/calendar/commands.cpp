#include "commands.h"

#include "astro/datetime.h"
#include "astro/lunation.h"
#include "astro/moonphase.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "astro/timezone.h"
#include "calendar/calendarreading.h"
#include "calendar/lunardaycounter.h"
#include "moments.h"
#include "output.h"
#include "placesettings.h"

#include <QDateTime>

#include <memory>
#include <vector>

namespace somnar::calendartool {

using namespace somnar::astro;

namespace {

std::vector<double> ParseMoments(const QStringList &texts)
{
    std::vector<double> moments;
    for (const QString &text : texts)
        moments.push_back(ParseMoment(text));
    return moments;
}

double CurrentLocalTime(const UtcOffsetSource &offset)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const double universal = MakeDateTime(now.date().year(), now.date().month(), now.date().day(),
                                          now.time().hour(), now.time().minute(), now.time().second());
    return UniversalToLocal(universal, offset);
}

void PrintReading(const calendar::CalendarReading &r)
{
    QTextStream &out = Out();
    out << "Момент: " << FormatMoment(r.moment) << '\n';
    out << "День недели: " << r.weekdayName << '\n' << "  " << r.weekdayText << '\n';
    out << "Число месяца: " << r.day << '\n' << "  " << r.dayText << '\n';
    if (r.lunarDayFound) {
        out << "Лунный день: " << r.lunarDay.number << " (" << FormatMoment(r.lunarDay.start) << " - "
            << FormatMoment(r.lunarDay.end) << ")\n"
            << "  " << r.lunarText << '\n';
    } else {
        out << "Лунный день: не определён\n";
    }
}

QStringList ReadingFields(const calendar::CalendarReading &r)
{
    const bool found = r.lunarDayFound;
    return {FormatMoment(r.moment),
            QString::number(r.weekday),
            r.weekdayName,
            QString::number(r.day),
            found ? QString::number(r.lunarDay.number) : QString(),
            found ? FormatMoment(r.lunarDay.start) : QString(),
            found ? FormatMoment(r.lunarDay.end) : QString(),
            r.weekdayText,
            r.dayText,
            found ? r.lunarText : QString()};
}

QString FoundEventText(double value)
{
    return FormatMoment(value) + QStringLiteral(" UT (") + FormatNumber(value) + u')';
}

QString MissingEventText(const QString &why, double value)
{
    return why + QStringLiteral(" (") + FormatNumber(value) + u')';
}

QString RiseText(const RiseSetTimes &times)
{
    if (times.riseFound)
        return FoundEventText(times.rise);
    if (!times.setFound && times.rise == 1)
        return MissingEventText(QStringLiteral("нет, Луна весь день над горизонтом"), times.rise);
    if (!times.setFound && times.rise == -1)
        return MissingEventText(QStringLiteral("нет, Луна весь день под горизонтом"), times.rise);
    return MissingEventText(QStringLiteral("нет"), times.rise);
}

QString SetText(const RiseSetTimes &times)
{
    return times.setFound ? FoundEventText(times.set) : MissingEventText(QStringLiteral("нет"), times.set);
}

const char *PhaseName(int phase)
{
    static const char *const names[] = {"новолуние", "первая четверть", "полнолуние", "последняя четверть"};
    return names[phase];
}

}

void RunCalendar(const CommandLine &line)
{
    std::vector<double> moments = ParseMoments(line.arguments);
    const GeoLocation observer = ObserverLocation(line.latitude, line.longitude);
    std::unique_ptr<UtcOffsetSource> fixed;
    if (line.utcOffsetMinutes)
        fixed = std::make_unique<FixedUtcOffset>(*line.utcOffsetMinutes);
    const UtcOffsetSource &offset = fixed ? *fixed : SystemOffset();
    if (moments.empty())
        moments.push_back(CurrentLocalTime(offset));

    calendar::LunarDayCounter counter(observer, offset);
    QTextStream &out = Out();
    if (line.csv)
        out << "moment,weekday,weekday_name,day,lunar_day,start,end,weekday_text,day_text,lunar_text\n";
    bool first = true;
    for (double moment : moments) {
        const calendar::CalendarReading reading = calendar::ReadCalendar(moment, counter);
        if (line.csv) {
            out << CsvRecord(ReadingFields(reading)) << '\n';
        } else {
            if (!first)
                out << '\n';
            PrintReading(reading);
        }
        first = false;
    }
}

void RunMoonrise(const CommandLine &line)
{
    const std::vector<double> dates = ParseMoments(line.arguments);
    const GeoLocation observer = ObserverLocation(line.latitude, line.longitude);
    QTextStream &out = Out();
    if (line.csv)
        out << "date,rise,set,rise_time,set_time\n";
    for (double date : dates) {
        const RiseSetTimes times = RiseSet(DatePart(date), observer, kBodyMoon);
        if (line.csv) {
            out << CsvRecord({FormatDate(date), FormatNumber(times.rise), FormatNumber(times.set),
                              times.riseFound ? FormatMoment(times.rise) : QString(),
                              times.setFound ? FormatMoment(times.set) : QString()})
                << '\n';
        } else {
            out << FormatDate(date) << "  восход: " << RiseText(times) << "  заход: " << SetText(times) << '\n';
        }
    }
}

void RunPhases(const CommandLine &line)
{
    const double from = ParseMoment(line.arguments[0]);
    const double to = ParseMoment(line.arguments[1]);
    // A date alone stands for its whole day.
    const bool toIsDate = !line.arguments[1].contains(u'T');
    const double fromJd = DateToJulianDay(from);
    const double toJd = DateToJulianDay(to) + (toIsDate ? 1 : 0);
    if (fromJd > toJd)
        throw UsageError {QStringLiteral("phases: FROM %1 is after TO %2").arg(line.arguments[0], line.arguments[1])};

    QTextStream &out = Out();
    if (line.csv)
        out << "lunation,phase,jde,time\n";
    const int last = LunationNumber(to) + 1;
    for (int lunation = LunationNumber(from) - 1; lunation <= last; ++lunation) {
        for (int phase = NewMoon; phase <= LastQuarter; ++phase) {
            const double jde = PhaseTime(lunation, phase);
            if (jde < fromJd || (toIsDate ? jde >= toJd : jde > toJd))
                continue;
            const double time = JulianDayToDate(jde);
            const QString timeText = time == 0 ? QString() : FormatMoment(time);
            if (line.csv)
                out << CsvRecord({QString::number(lunation), QString::number(phase), FormatNumber(jde), timeText}) << '\n';
            else
                out << timeText << " UT  " << PhaseName(phase) << "  (лунация " << lunation << ", фаза " << phase
                    << ", JDE " << FormatNumber(jde) << ")\n";
        }
    }
}

}
