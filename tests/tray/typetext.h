#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace somnar::testing {

// Russian letters as the keyboard sends them (QTest's key clicks know only ASCII).
inline void TypeText(QWidget *target, const QString &text)
{
    for (const QChar letter : text) {
        const int key = letter.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, letter);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, letter);
        QApplication::sendEvent(target, &release);
    }
}

}
