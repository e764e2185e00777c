#include "commandline.h"

#include <cmath>

namespace somnar::calendartool {

namespace {

double ParseNumber(const QString &option, const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw UsageError {QStringLiteral("%1: not a number: \"%2\"").arg(option, text)};
    return value;
}

double ParseRanged(const QString &option, const QString &text, double limit, const QString &what)
{
    const double value = ParseNumber(option, text);
    if (std::fabs(value) > limit)
        throw UsageError {QStringLiteral("%1: %2 must lie within -%3 to %3, got %4").arg(option, what).arg(limit).arg(text)};
    return value;
}

int ParseOffset(const QString &option, const QString &text)
{
    bool ok = false;
    const int minutes = text.toInt(&ok);
    if (!ok)
        throw UsageError {QStringLiteral("%1: whole minutes east of UTC expected, got \"%2\"").arg(option, text)};
    if (std::abs(minutes) > 14 * 60)
        throw UsageError {QStringLiteral("%1: the offset must lie within -840 to 840 minutes (14 hours), got %2")
                              .arg(option, text)};
    return minutes;
}

}

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool commandSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.command = Command::Help;
            return line;
        }
        if (argument == QLatin1String("--version")) {
            line.command = Command::Version;
            return line;
        }
        if (argument == QLatin1String("--csv")) {
            line.csv = true;
            continue;
        }
        if (argument.startsWith(QLatin1String("--"))) {
            QString value;
            const qsizetype equals = argument.indexOf(u'=');
            if (equals > 0) {
                value = argument.mid(equals + 1);
                argument.truncate(equals);
            } else {
                if (argument != QLatin1String("--lat") && argument != QLatin1String("--lon")
                    && argument != QLatin1String("--utc-offset"))
                    throw UsageError {QStringLiteral("unknown option %1").arg(argument)};
                if (i + 1 >= arguments.size())
                    throw UsageError {QStringLiteral("%1 needs a value").arg(argument)};
                value = arguments[++i];
            }
            if (argument == QLatin1String("--lat"))
                line.latitude = ParseRanged(argument, value, 90, QStringLiteral("the latitude"));
            else if (argument == QLatin1String("--lon"))
                line.longitude = ParseRanged(argument, value, 180, QStringLiteral("the longitude"));
            else if (argument == QLatin1String("--utc-offset"))
                line.utcOffsetMinutes = ParseOffset(argument, value);
            else
                throw UsageError {QStringLiteral("unknown option %1").arg(argument)};
            continue;
        }
        if (argument.startsWith(u'-') && argument.size() > 1 && !argument[1].isDigit())
            throw UsageError {QStringLiteral("unknown option %1").arg(argument)};
        if (!commandSeen && line.arguments.isEmpty()) {
            commandSeen = true;
            if (argument == QLatin1String("moonrise")) {
                line.command = Command::Moonrise;
                continue;
            }
            if (argument == QLatin1String("phases")) {
                line.command = Command::Phases;
                continue;
            }
        }
        line.arguments << argument;
    }

    if (line.command == Command::Moonrise && line.arguments.isEmpty())
        throw UsageError {QStringLiteral("moonrise: give at least one date (YYYY-MM-DD)")};
    if (line.command == Command::Phases && line.arguments.size() != 2)
        throw UsageError {QStringLiteral("phases: give two dates, FROM and TO")};
    if (line.command != Command::Calendar && line.utcOffsetMinutes)
        throw UsageError {QStringLiteral("--utc-offset applies to the calendar only; moonrise and phases are in UT")};
    if (line.command == Command::Phases && (line.latitude || line.longitude))
        throw UsageError {QStringLiteral("phases: --lat and --lon do not apply (phases are the same everywhere)")};
    return line;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage:\n"
        "  somnar-calendar [--lat DEG] [--lon DEG] [--utc-offset MINUTES] [--csv] [MOMENT...]\n"
        "      weekday, day of the month and lunar day of each local moment YYYY-MM-DDTHH:MM:SS\n"
        "      (the current time when none is given) with what each says about a dream\n"
        "  somnar-calendar moonrise [--lat DEG] [--lon DEG] [--csv] DATE...\n"
        "      moonrise and moonset on each date YYYY-MM-DD (UT)\n"
        "  somnar-calendar phases [--csv] FROM TO\n"
        "      every new moon, quarter and full moon from FROM to TO (dates inclusive, UT)\n"
        "\n"
        "  --lat, --lon     observer in decimal degrees, north and east positive\n"
        "                   (default: the program's saved town, Moscow when none)\n"
        "  --utc-offset     minutes east of UTC (Moscow 180; default: the system's current offset)\n"
        "  --csv            one comma-separated record per line after a header line\n"
        "  --version        print the version and end\n"
        "Years 100 to 9999. Bad input ends with status 2.\n");
}

}
