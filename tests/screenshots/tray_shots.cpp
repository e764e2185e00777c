// The tray pop-up with a word being completed in its box and the keyboard cursor on an item.
#include "mainwindowsupport.h"

#include "app/settingsstore.h"
#include "article/tolkconnector.h"
#include "dictionary/mainwindow.h"
#include "tray/connector/traymenuconnector.h"
#include "tray/traymenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace somnar::shots {

namespace {
void sendKey(QWidget *target, int key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void TrayShots(Camera &camera)
{
    std::unique_ptr<Form1> form = ShowMainWindow(camera, QString());
    auto *tolk = new TolkConnector(*form, camera.settings());
    auto *tray = new TrayMenuConnector(*form, camera.settings(), *tolk);
    emit form->trayMenuRequested(QPoint(700, 560));
    TrayMenu *menu = tray->menu();
    for (const QChar letter : QStringLiteral("лун"))
        sendKey(menu->Text1(), letter.toUpper().unicode(), letter);
    sendKey(menu->Text1(), Qt::Key_Down);
    sendKey(menu->Text1(), Qt::Key_Down);
    camera.save(menu, QStringLiteral("tray-popup.png"));
    menu->close();
}
}

SOMNAR_SHOT_GROUP(tray, TrayShots);

}
