#pragma once

#include <QEvent>
#include <QString>

class QWidget;

namespace somnar {

// What a date-time picker reports to its container; the numbers are the events it raises.
enum class PickerNotification {
    CloseUp = 1,     // the drop-down calendar closed
    Change = 2,      // the user changed the value
    DropDown = 3,    // the drop-down calendar opened
    UserString = 4,  // the user left text that does not read as a date-time
    GotFocus = 5,
    LostFocus = 6,
};

// Sent by a picker's field to its container, where the container's hook turns it into the
// picker's event.
class PickerNotifyEvent final : public QEvent {
public:
    PickerNotifyEvent(QWidget *sender, PickerNotification code, QString text = {});

    static QEvent::Type eventType();

    QWidget *sender() const { return m_sender; }
    PickerNotification code() const { return m_code; }
    const QString &text() const { return m_text; }

private:
    QWidget *m_sender;
    PickerNotification m_code;
    QString m_text;
};

}
