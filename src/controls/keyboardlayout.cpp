#include "controls/keyboardlayout.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace somnar {

namespace {

Display *x11Display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The layouts of the keymap in group order, from the root window's rule names
// (rules, model, layouts, variants, options).
QList<QByteArray> keymapLayouts(Display *display)
{
    const Atom rulesAtom = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (rulesAtom == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long itemCount = 0;
    unsigned long bytesAfter = 0;
    unsigned char *data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), rulesAtom, 0, 1024, False,
                                          XA_STRING, &type, &format, &itemCount, &bytesAfter, &data);
    if (status != Success || !data)
        return {};
    const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char *>(data), qsizetype(itemCount)).split('\0');
    XFree(data);
    return fields.size() > 2 ? fields[2].split(',') : QList<QByteArray>{};
}

}

void SetRus()
{
    Display *display = x11Display();
    if (!display)
        return;
    const int russianGroup = int(keymapLayouts(display).indexOf(QByteArray("ru")));
    if (russianGroup < 0)
        return;
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success && state.group == russianGroup)
        return;
    XkbLockGroup(display, XkbUseCoreKbd, unsigned(russianGroup));
    XFlush(display);
}

}
