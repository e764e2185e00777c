#pragma once

#include <QString>

namespace somnar {

inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 99;

// The number of copies a typed text asks for: its leading number, kept within 1 to 99
// (no number at all gives 1).
int ParseCopies(const QString &typed);

struct PrinterType {
    QString type;
    QString place;
};

// Type and place of a printer. A network name "\\server\name" splits at its last "\" (when that
// lies past the server's first character): the place is the server part with that "\", the type
// the rest. Any other printer shows its name as the type and its port as the place.
PrinterType GetPrinterType(const QString &name, const QString &port);

}
