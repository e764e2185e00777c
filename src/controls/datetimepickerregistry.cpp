#include "controls/datetimepickerregistry.h"

#include "controls/datetimepicker.h"
#include "controls/pickernotification.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace somnar::mDateTimePicker {

namespace {

struct PickerEntry {
    const QWidget *field;
    const QWidget *container;
    cDateTimePicker *picker;
};

std::vector<PickerEntry> &Pickers()
{
    static std::vector<PickerEntry> pickers;
    return pickers;
}

cDateTimePicker *PickerOf(const QObject *field, const QObject *container)
{
    for (const PickerEntry &entry : Pickers()) {
        if (entry.field == field && entry.container == container)
            return entry.picker;
    }
    return nullptr;
}

// Every event of a hooked container passes through; a notification from one of its pickers
// raises that picker's event on the way.
class ContainerHook final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == PickerNotifyEvent::eventType()) {
            const auto *notification = static_cast<PickerNotifyEvent *>(event);
            if (cDateTimePicker *picker = PickerOf(notification->sender(), watched))
                picker->Notify(notification->code(), notification->text());
        }
        return false;
    }
};

struct HookEntry {
    const QWidget *key;
    QPointer<QWidget> container;
    std::unique_ptr<ContainerHook> hook;
};

std::vector<HookEntry> &Hooks()
{
    static std::vector<HookEntry> hooks;
    return hooks;
}

}

void Register(cDateTimePicker &picker, QWidget *field, QWidget *container)
{
    auto &pickers = Pickers();
    if (std::none_of(pickers.begin(), pickers.end(), [&](const PickerEntry &e) { return e.field == field; }))
        pickers.push_back({field, container, &picker});
    // A hook whose container is gone must not be taken for a new container at the same address.
    std::erase_if(Hooks(), [](const HookEntry &h) { return h.container.isNull(); });
    if (IsHooked(container))
        return;
    auto hook = std::make_unique<ContainerHook>();
    container->installEventFilter(hook.get());
    Hooks().push_back({container, container, std::move(hook)});
}

void Unregister(const cDateTimePicker &picker)
{
    auto &pickers = Pickers();
    const auto entry = std::find_if(pickers.begin(), pickers.end(),
                                    [&](const PickerEntry &e) { return e.picker == &picker; });
    if (entry == pickers.end())
        return;
    const QWidget *container = entry->container;
    pickers.erase(entry);
    if (std::any_of(pickers.begin(), pickers.end(), [&](const PickerEntry &e) { return e.container == container; }))
        return;
    auto &hooks = Hooks();
    const auto hook = std::find_if(hooks.begin(), hooks.end(), [&](const HookEntry &h) { return h.key == container; });
    if (hook == hooks.end())
        return;
    if (hook->container)
        hook->container->removeEventFilter(hook->hook.get());
    hooks.erase(hook);
}

int PickerCount()
{
    return static_cast<int>(Pickers().size());
}

int HookCount()
{
    return static_cast<int>(Hooks().size());
}

bool IsHooked(const QWidget *container)
{
    const auto &hooks = Hooks();
    return std::any_of(hooks.begin(), hooks.end(),
                       [&](const HookEntry &h) { return h.key == container && !h.container.isNull(); });
}

}
