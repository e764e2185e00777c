#pragma once

#include "diary/diaryentry.h"

#include <QList>
#include <QString>

namespace somnar::diary {

enum class ExportFormat { Html, Text };

// A readable page of the entries in the order given.
QString EntriesToHtml(const QList<DiaryEntry> &entries);
// Plain text that ImportText() reads back: each entry under a dated header line, fields as
// "Name: value" lines, then the text.
QString EntriesToText(const QList<DiaryEntry> &entries);

// Writes through a temporary file renamed into place, so a failed export leaves any earlier
// file whole. False with a Russian message in *error.
bool ExportEntries(const QList<DiaryEntry> &entries, ExportFormat format, const QString &path, QString *error);

struct ImportResult {
    QList<DiaryEntry> entries;  // new entries (id 0), in the file's order
    QString error;              // empty when the whole file was read
};

// Reads the plain-text export back. A file that is not one gives an error and no entries.
ImportResult ImportText(const QString &content);
ImportResult ImportTextFile(const QString &path);

}
