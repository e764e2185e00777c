#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace somnar::calendartool {

enum class Command { Calendar, Moonrise, Phases, Help, Version };

struct CommandLine {
    Command command = Command::Calendar;
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<int> utcOffsetMinutes;
    bool csv = false;
    QStringList arguments;
};

// Thrown for input the tool refuses; the message is shown as it is and the tool ends with 2.
struct UsageError {
    QString message;
};

// Options may stand before or after the arguments; a value follows its option even when it
// begins with a minus sign (--lat -33.8667), or is joined to it (--lat=-33.8667).
CommandLine ParseCommandLine(const QStringList &arguments);
QString UsageText();

}
