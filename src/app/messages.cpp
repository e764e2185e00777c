#include "app/messages.h"

#include "app/programinfo.h"

namespace somnar {

static MessageHandler &messageHandler()
{
    static MessageHandler handler;
    return handler;
}

void setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title)
{
    const QString caption = title.isEmpty() ? kProgramTitle : title;
    if (messageHandler()) {
        messageHandler()(icon, caption, text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

}
