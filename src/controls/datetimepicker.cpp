#include "controls/datetimepicker.h"

#include "controls/datetimepickerregistry.h"
#include "controls/pickeredit.h"

#include <QCalendarWidget>

#include <optional>

namespace somnar {

namespace {

struct PaletteColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Where the drop-down calendar takes each of its colours from.
std::optional<PaletteColor> CalendarPaletteColor(int index)
{
    switch (index) {
    case cDateTimePicker::Background:
        return PaletteColor {QPalette::All, QPalette::Window};
    case cDateTimePicker::Text:
        return PaletteColor {QPalette::All, QPalette::Text};
    case cDateTimePicker::TitleBackground:
        return PaletteColor {QPalette::All, QPalette::Highlight};
    case cDateTimePicker::TitleText:
        return PaletteColor {QPalette::All, QPalette::HighlightedText};
    case cDateTimePicker::MonthBackground:
        return PaletteColor {QPalette::All, QPalette::Base};
    case cDateTimePicker::TrailingText:
        return PaletteColor {QPalette::Disabled, QPalette::Text};
    default:
        return std::nullopt;
    }
}

// A copy of the value with one field replaced; invalid when the result is no date-time.
QDateTime WithField(const QDateTime &value, int field, int number)
{
    QDate date = value.date();
    QTime time = value.time();
    switch (field) {
    case cDateTimePicker::Year:
        date = QDate(number, date.month(), date.day());
        break;
    case cDateTimePicker::Month:
        date = QDate(date.year(), number, date.day());
        break;
    case cDateTimePicker::Day:
        date = QDate(date.year(), date.month(), number);
        break;
    case cDateTimePicker::Hour:
        time = QTime(number, time.minute(), time.second());
        break;
    case cDateTimePicker::Minute:
        time = QTime(time.hour(), number, time.second());
        break;
    case cDateTimePicker::Second:
        time = QTime(time.hour(), time.minute(), number);
        break;
    default:
        return {};
    }
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

}

cDateTimePicker::cDateTimePicker(QObject *parent) : QObject(parent)
{
}

cDateTimePicker::~cDateTimePicker()
{
    Destroy();
}

bool cDateTimePicker::Create(QWidget *container, int style, int left, int top, int width, int height)
{
    if (m_edit || !container)
        return false;
    m_edit = new PickerEdit((style & kShortDateCentury) == kShortDateCentury && !(style & kUpDown), container);
    m_edit->setGeometry(left, top, width, height);
    if (QCalendarWidget *calendar = m_edit->calendarWidget())
        calendar->setFont(container->font());
    m_calendarFont = container->font();
    mDateTimePicker::Register(*this, m_edit, container);
    m_edit->show();
    return true;
}

void cDateTimePicker::Destroy()
{
    mDateTimePicker::Unregister(*this);
    delete m_edit;
}

QDateTimeEdit *cDateTimePicker::hWnd() const
{
    return m_edit;
}

int cDateTimePicker::Data(int field) const
{
    if (!m_edit)
        return 0;
    const QDateTime value = m_edit->heldValue();
    switch (field) {
    case Year:
        return value.date().year();
    case Month:
        return value.date().month();
    case DayOfWeek:
        return value.date().dayOfWeek() % 7;  // 0 = Sunday, as the platform's record counts
    case Day:
        return value.date().day();
    case Hour:
        return value.time().hour();
    case Minute:
        return value.time().minute();
    case Second:
        return value.time().second();
    default:
        return 0;
    }
}

bool cDateTimePicker::setData(int field, int number)
{
    if (!m_edit)
        return false;
    const QDateTime changed = WithField(m_edit->heldValue(), field, number);
    if (!changed.isValid() || changed < m_edit->acceptedFirst() || changed > m_edit->acceptedLast())
        return false;
    m_edit->setHeldValue(changed);
    return true;
}

bool cDateTimePicker::dtpFlag() const
{
    return m_edit && m_edit->hasValue();
}

void cDateTimePicker::setDtpFlag(bool hasValue)
{
    if (!m_edit || hasValue == m_edit->hasValue())
        return;
    if (hasValue)
        m_edit->setValueQuietly(m_edit->heldValue());
    else
        m_edit->showNoValue();
}

QFont cDateTimePicker::CalendarFont() const
{
    return m_calendarFont;
}

void cDateTimePicker::setCalendarFont(const QFont &font)
{
    m_calendarFont = font;
    if (m_edit && m_edit->calendarWidget())
        m_edit->calendarWidget()->setFont(font);
}

QFont cDateTimePicker::EditFont() const
{
    return m_edit ? m_edit->font() : QFont();
}

void cDateTimePicker::setEditFont(const QFont &font)
{
    if (m_edit)
        m_edit->setFont(font);
}

void cDateTimePicker::setFormat(const QString &format)
{
    if (m_edit)
        m_edit->setFormat(format);
}

QColor cDateTimePicker::Colors(int index) const
{
    const auto color = CalendarPaletteColor(index);
    if (!m_edit || !m_edit->calendarWidget() || !color)
        return {};
    return m_edit->calendarWidget()->palette().color(color->group == QPalette::All ? QPalette::Active : color->group,
                                                     color->role);
}

void cDateTimePicker::setColors(int index, const QColor &value)
{
    const auto color = CalendarPaletteColor(index);
    if (!m_edit || !m_edit->calendarWidget() || !color)
        return;
    QCalendarWidget *calendar = m_edit->calendarWidget();
    QPalette palette = calendar->palette();
    palette.setColor(color->group, color->role, value);
    calendar->setPalette(palette);
}

QDateTime cDateTimePicker::value() const
{
    return m_edit ? m_edit->dateTime() : QDateTime();
}

void cDateTimePicker::setValue(const QDateTime &value)
{
    if (m_edit)
        m_edit->setValueQuietly(QDateTime(value.date(), value.time(), Qt::UTC));
}

void cDateTimePicker::setRange(const QDateTime &first, const QDateTime &last)
{
    if (m_edit)
        m_edit->setAcceptedRange(QDateTime(first.date(), first.time(), Qt::UTC),
                                 QDateTime(last.date(), last.time(), Qt::UTC));
}

void cDateTimePicker::Notify(PickerNotification code, const QString &text)
{
    switch (code) {
    case PickerNotification::CloseUp:
        emit CloseUp();
        break;
    case PickerNotification::Change:
        emit Change();
        break;
    case PickerNotification::DropDown:
        emit DropDown();
        break;
    case PickerNotification::UserString:
        emit UserString(text);
        break;
    case PickerNotification::GotFocus:
        emit GotFocus();
        break;
    case PickerNotification::LostFocus:
        emit LostFocus();
        break;
    }
}

}
