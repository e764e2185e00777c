#pragma once

#include "controls/pickernotification.h"

#include <QDateTimeEdit>

namespace somnar {

// The field of a date-time picker: a date with a drop-down calendar or a time with up and down
// arrows. It reports user changes, focus and the calendar's opening and closing to its
// container; values the program writes are not reported.
class PickerEdit final : public QDateTimeEdit {
    Q_OBJECT
public:
    PickerEdit(bool dropDownCalendar, QWidget *container);

    void setValueQuietly(const QDateTime &value);
    // A display format; the field keeps the whole date and time whatever the format shows.
    void setFormat(const QString &format);
    // The first and last moments the field accepts.
    void setAcceptedRange(const QDateTime &first, const QDateTime &last);
    const QDateTime &acceptedFirst() const { return m_first; }
    const QDateTime &acceptedLast() const { return m_last; }
    // No value: the field is blank until the user or the program sets one; it keeps the value
    // it held, which the program may still read and change.
    bool hasValue() const { return m_hasValue; }
    void showNoValue();
    QDateTime heldValue() const { return m_hasValue ? dateTime() : m_held; }
    void setHeldValue(const QDateTime &value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void fixup(QString &input) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void valueChanged(const QDateTime &value);
    void restoreValueRange();
    void notify(PickerNotification code, const QString &text = {}) const;

    QDateTime m_first;
    QDateTime m_last;
    QDateTime m_held;
    bool m_quiet = false;
    bool m_hasValue = true;
};

}
