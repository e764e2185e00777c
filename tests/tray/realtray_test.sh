#!/usr/bin/env bash
# Under a real XEmbed tray: the program started with /tray puts its icon into trayer, a right
# click on the icon shows the pop-up beside it, and Escape closes it.
# Usage (under an X server of its own): realtray_test.sh PROGRAM
set -euo pipefail
program=$1
home=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# Waits up to 15 s for a command to succeed; prints its output.
wait_for() {
    for _ in $(seq 150); do
        if out=$("$@" 2>/dev/null) && [ -n "$out" ]; then echo "$out"; return 0; fi
        sleep 0.1
    done
    return 1
}
fail() { echo "FAIL: $*" >&2; exit 1; }

trayer --edge top --align right --widthtype request --height 32 --SetDockType true &
pids+=($!)
panel=$(wait_for xdotool search --onlyvisible --class trayer | head -1) || fail "trayer did not start"

"$program" /tray &
pids+=($!)
# The panel grows from its empty width to hold the icon.
empty_width=$(xdotool getwindowgeometry --shell "$panel" | sed -n 's/^WIDTH=//p')
for _ in $(seq 150); do
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    [ "$WIDTH" -gt "$empty_width" ] && break
    sleep 0.1
done
[ "$WIDTH" -gt "$empty_width" ] || fail "no icon appeared in the tray"
sleep 1
icon_x=$((X + WIDTH - 16)) icon_y=$((Y + HEIGHT / 2))

xdotool mousemove "$icon_x" "$icon_y" click 3
popup=$(wait_for xdotool search --onlyvisible --name '^Сонник OKV Somnar 3$' | head -1) || fail "no pop-up after a right click"
eval "$(xdotool getwindowgeometry --shell "$popup")"
echo "icon at $icon_x,$icon_y; pop-up at $X,$Y size ${WIDTH}x$HEIGHT"
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] || fail "pop-up off the screen"
[ $((icon_x - X)) -le $((WIDTH + 40)) ] && [ $((Y - icon_y)) -le 40 ] || fail "pop-up not beside the icon"

xdotool key Escape  # the pop-up holds the keyboard focus
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Сонник OKV Somnar 3$' >/dev/null 2>&1 || { echo "pop-up closed"; exit 0; }
    sleep 0.1
done
fail "Escape did not close the pop-up"
