#include "diary/diarymessages.h"

#include <QDir>

namespace somnar::diary {

namespace {

int ResultCode(const QSqlError &error)
{
    // Extended codes keep the primary code in their low byte.
    return error.nativeErrorCode().toInt() & 0xff;
}

QString Reason(const QSqlError &error)
{
    switch (ResultCode(error)) {
    case 13:
        return QStringLiteral("на диске не осталось места");
    case 10:
        return QStringLiteral("ошибка чтения или записи диска");
    case 5:
    case 6:
        return QStringLiteral("дневник занят другой копией программы");
    case 8:
        return QStringLiteral("файл доступен только для чтения");
    case 11:
    case 26:
        return QStringLiteral("файл повреждён");
    default:
        return error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }
}

QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

}

QString ReadOnlyMessage(const QString &path)
{
    return QStringLiteral("Файл дневника «%1» доступен только для чтения. Записи можно читать, "
                          "но новые и изменённые сохранить не получится.")
        .arg(Shown(path));
}

QString LockedMessage(const QString &path)
{
    return QStringLiteral("Дневник «%1» уже открыт другой копией программы. Закройте дневник там "
                          "и откройте его здесь снова.")
        .arg(Shown(path));
}

QString DamagedMessage(const QString &path)
{
    return QStringLiteral("Файл дневника «%1» повреждён, и записи из него прочитать нельзя. "
                          "Файл не изменён. Можно отложить его под другим именем и начать новый дневник.")
        .arg(Shown(path));
}

QString NewerVersionMessage(const QString &path, int version)
{
    return QStringLiteral("Дневник «%1» записан более новой версией программы (версия данных %2). "
                          "Эта версия открыть его не может; файл не изменён.")
        .arg(Shown(path))
        .arg(version);
}

QString OutdatedReadOnlyMessage(const QString &path)
{
    return QStringLiteral("Дневник «%1» записан прежней версией программы, а файл доступен только для "
                          "чтения, поэтому обновить его нельзя. Разрешите запись в файл и его папку.")
        .arg(Shown(path));
}

QString NoDriverMessage()
{
    return QStringLiteral("Дневник недоступен: не установлен драйвер SQLite для Qt (пакет libqt6sql6-sqlite).");
}

QString CannotCreateMessage(const QString &path)
{
    return QStringLiteral("Не удалось создать дневник «%1»: папка недоступна для записи.").arg(Shown(path));
}

QString CannotOpenMessage(const QString &path, const QSqlError &error)
{
    return QStringLiteral("Не удалось открыть дневник «%1»: %2.").arg(Shown(path), Reason(error));
}

QString NotSavedMessage(const QSqlError &error)
{
    return QStringLiteral("Запись не сохранена: %1. Дневник остался таким, каким был до этого.").arg(Reason(error));
}

QString NotSearchedMessage(const QSqlError &error)
{
    return QStringLiteral("Поиск не удался: %1.").arg(Reason(error));
}

QString SavingReadOnlyMessage()
{
    return QStringLiteral("Дневник открыт только для чтения: изменения не сохранены.");
}

QString MovedAsideMessage(const QString &asidePath)
{
    return QStringLiteral("Повреждённый дневник отложен в файл «%1». Начат новый дневник.").arg(Shown(asidePath));
}

QString CannotMoveAsideMessage(const QString &path)
{
    return QStringLiteral("Не удалось переименовать повреждённый файл «%1»; он оставлен как был.").arg(Shown(path));
}

QString NotDamagedMessage(const QString &path)
{
    return QStringLiteral("Дневник «%1» не повреждён; он оставлен на месте.").arg(Shown(path));
}

bool IsBusy(const QSqlError &error)
{
    const int code = ResultCode(error);
    return code == 5 || code == 6;
}

bool IsDamage(const QSqlError &error)
{
    const int code = ResultCode(error);
    return code == 11 || code == 26;
}

bool IsReadOnly(const QSqlError &error)
{
    return ResultCode(error) == 8;
}

}
