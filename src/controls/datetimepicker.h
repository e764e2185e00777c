#pragma once

#include "controls/pickernotification.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QObject>
#include <QPointer>

class QDateTimeEdit;
class QWidget;

namespace somnar {

class PickerEdit;

// A date-time picker placed inside any container widget: a date field with a drop-down calendar
// or a time field with up and down arrows. Its notifications reach it through the container's
// hook (mDateTimePicker) and come out as its events. Values the program sets raise no event.
class cDateTimePicker : public QObject {
    Q_OBJECT
public:
    // Style flags of Create.
    static constexpr int kUpDown = 0x0001;            // time field with up and down arrows
    static constexpr int kShortDateCentury = 0x000C;  // date field with a drop-down calendar

    // Fields of Data.
    enum Field { Year = 1, Month, DayOfWeek, Day, Hour, Minute, Second };
    // Colours of the drop-down calendar.
    enum CalendarColor { Background = 0, Text, TitleBackground, TitleText, MonthBackground, TrailingText };

    explicit cDateTimePicker(QObject *parent = nullptr);
    ~cDateTimePicker() override;

    // Creates the field inside the container at the given place (pixels); false when the
    // picker already exists or there is no container.
    bool Create(QWidget *container, int style, int left, int top, int width, int height);
    void Destroy();
    QDateTimeEdit *hWnd() const;

    // One field of the value (Field); setting one keeps every other field as the picker held
    // it. The day of the week follows from the date and cannot be set. False when the result
    // would not be a date-time the picker accepts.
    int Data(int field) const;
    bool setData(int field, int value);
    // Whether the picker holds a value; false blanks it.
    bool dtpFlag() const;
    void setDtpFlag(bool hasValue);

    QFont CalendarFont() const;
    void setCalendarFont(const QFont &font);
    QFont EditFont() const;
    void setEditFont(const QFont &font);
    // A Qt display format such as "dd MMMM yyyy" or "HH : mm : ss".
    void setFormat(const QString &format);
    QColor Colors(int index) const;
    void setColors(int index, const QColor &color);

    // The whole value at once (a clock reading without a zone).
    QDateTime value() const;
    void setValue(const QDateTime &value);
    void setRange(const QDateTime &first, const QDateTime &last);

    // Raises the event of a notification (called by the container's hook).
    void Notify(PickerNotification code, const QString &text);

signals:
    void CloseUp();
    void Change();
    void DropDown();
    void UserString(const QString &text);
    void GotFocus();
    void LostFocus();

private:
    QPointer<PickerEdit> m_edit;
    QFont m_calendarFont;
};

}
