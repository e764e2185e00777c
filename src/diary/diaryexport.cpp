#include "diary/diaryexport.h"

namespace somnar::diary {

QString EntriesToHtml(const QList<DiaryEntry> &) { return {}; }
QString EntriesToText(const QList<DiaryEntry> &) { return {}; }
bool ExportEntries(const QList<DiaryEntry> &, ExportFormat, const QString &, QString *) { return false; }
ImportResult ImportText(const QString &) { return {}; }
ImportResult ImportTextFile(const QString &) { return {}; }

}
