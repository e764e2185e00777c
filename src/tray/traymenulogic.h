#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace somnar {

// The tray pop-up's items by hot-area index; the keyboard cursor counts them 1 to 5 from the
// top, and the order on screen differs from the index order.
enum TrayItem { kRestoreItem = 0, kCalendarItem = 1, kAboutItem = 2, kOptionsItem = 3, kExitItem = 4 };
inline constexpr int kTrayItemCount = 5;

// Keyboard cursor position (1 to 5) of a hot area, and back.
int CursorPosition(int hotIndex);
int HotIndexAt(int position);
// One arrow-key step (+1 down, -1 up), wrapping past either end; position 0 means no key yet.
int MoveCursor(int position, int step);

// Whether a word holds one of the filtered fragments; the word is trimmed and lower-cased first,
// and "ё" stays distinct from "е".
bool IsMat(const QString &word);

// The quick-lookup box after the main list answered with `listed`: the listed word's remaining
// letters follow the typed ones, selected, so that the next typed letter replaces them.
struct Completion {
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};
// Empty when the listed word does not begin with the typed text.
std::optional<Completion> Complete(const QString &typed, const QString &listed);

// The auto-close check: the pop-up closes on the 100th tick in a row spent with the pointer
// outside and the lookup box empty.
class IdleCounter {
public:
    static constexpr int kLimit = 99;
    void reset() { m_ticks = 0; }
    // Returns true when the pop-up must close.
    bool tick(bool boxEmpty, bool pointerInside);

private:
    int m_ticks = 0;
};

// Where the pop-up goes for a click at `cursor`: its bottom-right corner at the pointer, moved to
// the other side of the pointer where that edge would leave the screen, then kept inside it.
QRect PopupGeometry(QPoint cursor, QSize size, const QRect &screen);

}
