#pragma once

#include <QSqlError>
#include <QString>

namespace somnar::diary {

// What the user reads when the diary file cannot be used as it is.
QString ReadOnlyMessage(const QString &path);
QString LockedMessage(const QString &path);
QString DamagedMessage(const QString &path);
QString NewerVersionMessage(const QString &path, int version);
QString OutdatedReadOnlyMessage(const QString &path);
QString NoDriverMessage();
QString CannotCreateMessage(const QString &path);
QString CannotOpenMessage(const QString &path, const QSqlError &error);
QString NotSavedMessage(const QSqlError &error);
QString NotSearchedMessage(const QSqlError &error);
QString SavingReadOnlyMessage();
QString MovedAsideMessage(const QString &asidePath);
QString CannotMoveAsideMessage(const QString &path);
QString NotDamagedMessage(const QString &path);

// SQLite's result codes the messages tell apart.
bool IsBusy(const QSqlError &error);
bool IsDamage(const QSqlError &error);
bool IsReadOnly(const QSqlError &error);

}
