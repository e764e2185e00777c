#include "moments.h"

#include "astro/datetime.h"
#include "commandline.h"

#include <QDate>
#include <QRegularExpression>

namespace somnar::calendartool {

double ParseMoment(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5})-(\\d{2})-(\\d{2})(?:T(\\d{2}):(\\d{2}):(\\d{2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        throw UsageError {QStringLiteral("malformed date \"%1\": expected YYYY-MM-DDTHH:MM:SS or YYYY-MM-DD").arg(text)};
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    const int hour = match.captured(4).toInt();
    const int minute = match.captured(5).toInt();
    const int second = match.captured(6).toInt();
    if (year < astro::kFirstYear || year > astro::kLastYear)
        throw UsageError {QStringLiteral("date \"%1\": the year must lie within 100 to 9999").arg(text)};
    if (!QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        throw UsageError {QStringLiteral("malformed date \"%1\": no such date or time").arg(text)};
    return astro::MakeDateTime(year, month, day, hour, minute, second);
}

QString FormatMoment(double dateTime)
{
    const astro::CivilDateTime c = astro::ToCivil(dateTime);
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute, c.second);
}

QString FormatDate(double dateTime)
{
    const astro::CivilDateTime c = astro::ToCivil(astro::DatePart(dateTime));
    return QString::asprintf("%04d-%02d-%02d", c.year, c.month, c.day);
}

QString FormatNumber(double value)
{
    return QString::number(value, 'g', 17);
}

}
