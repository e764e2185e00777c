#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace somnar::calendartool {

// One CSV record, fields quoted as RFC 4180 says when they hold a comma, a quote or a line break.
QString CsvRecord(const QStringList &fields);

QTextStream &Out();
QTextStream &Err();

}
