#include "output.h"

#include <cstdio>

namespace somnar::calendartool {

QString CsvRecord(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r')) {
            QString escaped = field;
            escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            quoted << QStringLiteral("\"%1\"").arg(escaped);
        } else {
            quoted << field;
        }
    }
    return quoted.join(u',');
}

QTextStream &Out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

}
