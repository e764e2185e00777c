#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace somnar {

// Modal message boxes of the program. Tests replace the handler to read the message instead
// of waiting for a click.
using MessageHandler = std::function<void(QMessageBox::Icon icon, const QString &title, const QString &text)>;

void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title = {});
void setMessageHandler(MessageHandler handler);

}
