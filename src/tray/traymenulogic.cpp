#include "tray/traymenulogic.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace somnar {

namespace {
// Hot-area index of each cursor position 1 to 5.
constexpr std::array<int, kTrayItemCount> kIndexAtPosition{kRestoreItem, kCalendarItem, kOptionsItem, kAboutItem,
                                                            kExitItem};
}

int CursorPosition(int hotIndex)
{
    for (int position = 1; position <= kTrayItemCount; ++position)
        if (kIndexAtPosition[size_t(position - 1)] == hotIndex)
            return position;
    return 0;
}

int HotIndexAt(int position)
{
    return position >= 1 && position <= kTrayItemCount ? kIndexAtPosition[size_t(position - 1)] : kRestoreItem;
}

int MoveCursor(int position, int step)
{
    position += step;
    if (position > kTrayItemCount)
        return 1;
    if (position < 1)
        return kTrayItemCount;
    return position;
}

bool IsMat(const QString &word)
{
    static const QStringList fragments{
        QStringLiteral("ёб"),    QStringLiteral("ебл"),   QStringLiteral("еба"),   QStringLiteral("ебу"),
        QStringLiteral("бля"),   QStringLiteral("сука"),  QStringLiteral("педир"), QStringLiteral("педар"),
        QStringLiteral("пидар"), QStringLiteral("хуе"),   QStringLiteral("пизд"),  QStringLiteral("хуй"),
    };
    const QString text = word.trimmed().toLower();
    for (const QString &fragment : fragments)
        if (text.contains(fragment, Qt::CaseSensitive))
            return true;
    return false;
}

std::optional<Completion> Complete(const QString &typed, const QString &listed)
{
    const qsizetype typedLength = typed.size();
    if (typedLength == 0 || listed.size() < typedLength
        || QStringView(listed).left(typedLength).compare(typed, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // The rest always follows the typed letters: inserted anywhere else it would spell another word.
    return Completion{typed + listed.mid(typedLength), int(typedLength), int(listed.size() - typedLength)};
}

bool IdleCounter::tick(bool boxEmpty, bool pointerInside)
{
    if (!boxEmpty || pointerInside)
        m_ticks = 0;
    ++m_ticks;
    return m_ticks > kLimit;
}

QRect PopupGeometry(QPoint cursor, QSize size, const QRect &screen)
{
    QRect popup(QPoint(cursor.x() - size.width(), cursor.y() - size.height()), size);
    if (popup.left() < screen.left())
        popup.moveLeft(cursor.x());
    if (popup.top() < screen.top())
        popup.moveTop(cursor.y());
    popup.moveLeft(std::clamp(popup.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
    popup.moveTop(std::clamp(popup.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
    return popup;
}

}
