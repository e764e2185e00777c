#include "article/printoptions.h"

#include <algorithm>

namespace somnar {

int ParseCopies(const QString &typed)
{
    const QString s = typed.trimmed();
    qint64 value = 0;
    for (qsizetype i = 0; i < s.size() && s.at(i).isDigit() && value <= kMaxCopies; ++i)
        value = value * 10 + s.at(i).digitValue();
    return int(std::clamp<qint64>(value, kMinCopies, kMaxCopies));
}

PrinterType GetPrinterType(const QString &name, const QString &port)
{
    PrinterType result{name, port};
    if (!name.startsWith(QLatin1String("\\\\")))
        return result;
    const qsizetype lastSlash = name.lastIndexOf(u'\\');
    // 1-based position of the last "\" must be past 3, so "\\\x" alone is not split.
    if (lastSlash + 1 > 3) {
        result.place = name.left(lastSlash + 1).trimmed();
        result.type = name.mid(lastSlash + 1).trimmed();
    }
    return result;
}

}
