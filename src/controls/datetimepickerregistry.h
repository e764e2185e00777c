#pragma once

class QWidget;

namespace somnar {

class cDateTimePicker;

// The registry of live date-time pickers (module mDateTimePicker). Each container that holds a
// picker carries one hook, an event filter that turns its pickers' notifications into the
// pickers' events; the hook is removed when the container's last picker goes.
namespace mDateTimePicker {

void Register(cDateTimePicker &picker, QWidget *field, QWidget *container);
void Unregister(const cDateTimePicker &picker);

int PickerCount();
int HookCount();
bool IsHooked(const QWidget *container);

}

}
