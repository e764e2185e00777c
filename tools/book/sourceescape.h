#pragma once

#include <QString>

#include <optional>

namespace somnar {

// The escaped form of a source value, for values the plain form cannot carry (blank ends,
// line breaks, lines that would read as markup, a Links value in no canonical form). It
// starts with "\"; after it "\\" stands for a backslash, "\r" and "\n" for CR and LF, and
// "\N" alone for a Null field. Everything else is taken as it is.
QString escapeSourceValue(const std::optional<QString> &value);

// Reads what follows the leading "\"; std::nullopt for "\N". Throws std::invalid_argument
// naming a bad escape.
std::optional<QString> unescapeSourceValue(QStringView afterBackslash);

}
