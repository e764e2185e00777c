#include "controls/pickeredit.h"

#include <QCalendarWidget>
#include <QCoreApplication>

#include <algorithm>

namespace somnar {

namespace {

// Shown blank while the field holds no value; below every moment the field accepts.
const QDateTime kNoValue(QDate(99, 12, 31), QTime(23, 59, 59), Qt::UTC);

}

PickerNotifyEvent::PickerNotifyEvent(QWidget *sender, PickerNotification code, QString text)
    : QEvent(eventType()), m_sender(sender), m_code(code), m_text(std::move(text))
{
}

QEvent::Type PickerNotifyEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

PickerEdit::PickerEdit(bool dropDownCalendar, QWidget *container)
    : QDateTimeEdit(container)
    , m_first(QDate(100, 1, 1), QTime(0, 0), Qt::UTC)
    , m_last(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC)
{
    // Values are clock readings as the user enters them: no zone, no daylight-saving gaps.
    setTimeSpec(Qt::UTC);
    setFocusPolicy(Qt::StrongFocus);
    if (dropDownCalendar) {
        setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        setCalendarPopup(true);
        calendarWidget()->window()->installEventFilter(this);
    } else {
        setDisplayFormat(QStringLiteral("HH:mm:ss"));
    }
    restoreValueRange();
    const QDateTime now = QDateTime::currentDateTime();
    setValueQuietly(QDateTime(now.date(), now.time(), Qt::UTC));
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &PickerEdit::valueChanged);
}

void PickerEdit::setValueQuietly(const QDateTime &value)
{
    m_quiet = true;
    if (!m_hasValue && value != kNoValue) {
        m_hasValue = true;
        restoreValueRange();
    }
    // A field that shows only the time pins its date range to the date it is given, so the
    // accepted range is kept here.
    setDateTime(m_hasValue ? std::clamp(value, m_first, m_last) : value);
    m_quiet = false;
}

void PickerEdit::setFormat(const QString &format)
{
    // A format without date sections would pin the date to the one held now.
    const QDateTime held = heldValue();
    setDisplayFormat(format);
    if (m_hasValue) {
        restoreValueRange();
        setValueQuietly(held);
    }
}

void PickerEdit::setAcceptedRange(const QDateTime &first, const QDateTime &last)
{
    m_first = first;
    m_last = last;
    if (m_hasValue)
        restoreValueRange();
}

void PickerEdit::setHeldValue(const QDateTime &value)
{
    if (m_hasValue)
        setValueQuietly(value);
    else
        m_held = value;
}

void PickerEdit::showNoValue()
{
    m_held = dateTime();
    m_hasValue = false;
    setSpecialValueText(QStringLiteral(" "));
    setMinimumDateTime(kNoValue);
    m_quiet = true;
    setDateTime(kNoValue);
    m_quiet = false;
}

void PickerEdit::restoreValueRange()
{
    setSpecialValueText(QString());
    setDateTimeRange(m_first, m_last);
}

void PickerEdit::valueChanged(const QDateTime &value)
{
    if (m_quiet)
        return;
    if (!m_hasValue && value != kNoValue) {
        m_hasValue = true;
        restoreValueRange();
    }
    notify(PickerNotification::Change);
}

void PickerEdit::focusInEvent(QFocusEvent *event)
{
    QDateTimeEdit::focusInEvent(event);
    notify(PickerNotification::GotFocus);
}

void PickerEdit::focusOutEvent(QFocusEvent *event)
{
    QDateTimeEdit::focusOutEvent(event);
    notify(PickerNotification::LostFocus);
}

void PickerEdit::fixup(QString &input) const
{
    const QString typed = input;
    QDateTimeEdit::fixup(input);
    notify(PickerNotification::UserString, typed);
}

bool PickerEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        notify(PickerNotification::DropDown);
    else if (event->type() == QEvent::Hide)
        notify(PickerNotification::CloseUp);
    return QDateTimeEdit::eventFilter(watched, event);
}

void PickerEdit::notify(PickerNotification code, const QString &text) const
{
    if (QWidget *container = parentWidget()) {
        PickerNotifyEvent event(const_cast<PickerEdit *>(this), code, text);
        QCoreApplication::sendEvent(container, &event);
    }
}

}
