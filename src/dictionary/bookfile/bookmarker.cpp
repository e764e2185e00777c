#include "dictionary/bookfile/bookdatabase.h"
#include "dictionary/bookfile/jetformat.h"

#include <QFile>

namespace somnar {
namespace {

void overwriteStart(const QString &path, const char *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw BookError(QStringLiteral("%1: cannot open for writing: %2").arg(path, file.errorString()).toStdString());
    if (file.size() < jet::kMarkerLength)
        throw BookError(QStringLiteral("%1: too short to be a book").arg(path).toStdString());
    if (file.write(bytes, jet::kMarkerLength) != jet::kMarkerLength || !file.flush())
        throw BookError(QStringLiteral("%1: cannot write: %2").arg(path, file.errorString()).toStdString());
}

}

bool IsValidVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(jet::kMarkerLength) == QByteArrayView(kBookMarker, jet::kMarkerLength);
}

void UnlockBase(const QString &path)
{
    overwriteStart(path, reinterpret_cast<const char *>(jet::kJetStart));
}

void LockBase(const QString &path)
{
    overwriteStart(path, kBookMarker);
}

}
