#!/usr/bin/env bash
# The built program in a real X session (Xvfb + openbox), driven like a user with xdotool:
# type a word of a shipped book, Enter, the interpretation window shows it, copy, close it; Ctrl+D
# and a dream typed into the diary; close the main window: the program ends with status 0, saves
# LastWord and the dream, and leaves every book as it was.
# Usage: window_smoke.sh PROGRAM BOOK_SOURCE_DIR   (the word: the first headword of the first source)
set -uo pipefail
program=$1
sources=("$2"/*.txt)
word=$(grep -m1 '^== ' "${sources[0]}" | sed 's/^== //')
books=$(dirname "$program")/Books

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "Windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')" >&2
    echo "Active: $(xdotool getactivewindow 2>&1) $(xdotool getactivewindow getwindowname 2>&1)" >&2
    xwininfo -root -tree 2>&1 | grep -v "has no name" | head -30 >&2
    tail -n 20 "$work"/*.log >&2
    exit 1
}

# Polls COMMAND every 0.1 s for up to SECONDS; succeeds as soon as it does.
poll() {
    local seconds=$1
    shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# A display number nobody uses, chosen by Xvfb itself; tried again should the server not answer.
# -noreset: by default the server resets when its last client leaves, and a client that
# connects during the reset (openbox right after the probe below) is refused.
start_x() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    local pid=$!
    pids+=($pid)
    poll 30 test -s "$work/display" && export DISPLAY=:$(cat "$work/display") &&
        poll 30 eval 'xprop -root >/dev/null 2>&1' && return 0
    kill "$pid" 2>/dev/null
    return 1
}
start_x || start_x || start_x || fail "Xvfb did not start"
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
start_wm() {
    openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    pids+=($!)
    poll 30 wm_running
}
start_wm || start_wm || fail "openbox did not start"
# A Russian user's keyboard: Russian active, English beside it. Words and letter shortcuts are
# typed with keys of the active layout (Ctrl+D is Ctrl and the key that reads "в"), since a keysym
# missing from it makes xdotool remap a key for a moment, and a busy program can miss that.
setxkbmap -layout ru,us || fail "cannot set the Russian keyboard layout"

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config TMPDIR=$work
mkdir -p "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM
md5sum "$books"/* >"$work/books.md5"

"$program" >"$work/somnar.log" 2>&1 &
program_pid=$!
pids+=($program_pid)

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
active_is() { xdotool getactivewindow getwindowname 2>/dev/null | grep -Eq "$1"; }
# Asks again until the window manager gives the window the focus. Windows are named by caption:
# the toolkit may replace a window by a new one of the same caption.
try_activate() {
    xdotool windowactivate "$(window_named "$1")" 2>/dev/null
    sleep 0.2
    active_is "$1"
}
activate() { poll 60 try_activate "$1"; }
found() { [ -n "$(window_named "$1")" ]; }
gone() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

# The main window's caption carries the version; the splash window's does not.
caption='^Сонник OKV Somnar [0-9]+\.[0-9]+\.[0-9]+$'
poll 120 found "$caption" || fail "no main window"
activate "$caption" || fail "the main window does not take the focus"

xdotool type --delay 50 "$word"
xdotool key Return
poll 60 found "^$word\$" || fail "no interpretation window captioned «$word»"
activate "^$word\$" || fail "the interpretation window does not take the focus"

xdotool key ctrl+Insert
copied() { xclip -selection clipboard -o 2>/dev/null | grep -qF "$word"; }
poll 30 copied || fail "the clipboard does not hold the article"

xdotool key Escape
poll 30 gone "^$word\$" || fail "the interpretation window did not close"
activate "$caption" || fail "the main window does not take the focus back"

# A dream written in the diary and never saved by hand is kept when the program ends.
xdotool key ctrl+Cyrillic_ve
poll 60 found '^Дневник сновидений$' || fail "Ctrl+D opened no diary window"
activate '^Дневник сновидений$' || fail "the diary window does not take the focus"
dream="Видела во сне $word"
xdotool type --delay 50 "$dream"
activate "$caption" || fail "the main window does not take the focus back from the diary"
xdotool key alt+F4
exited() {
    local state
    state=$(ps -o stat= -p "$program_pid")
    [ -z "$state" ] || [[ $state == Z* ]]
}
poll 60 exited || fail "the program did not end after its window closed"
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/somnar.log")"

settings=$XDG_CONFIG_HOME/OKV_Programming/Somnar3.ini
grep -qxF "LastWord=$word" "$settings" || fail "LastWord=$word is not in the settings: $(cat "$settings")"
md5sum --quiet -c "$work/books.md5" || fail "a book file changed"
grep -qF "$dream" "$HOME/.local/share/somnar/diary.sqlite" || fail "the dream typed into the diary was not saved"
echo "PASS: «$word» looked up, copied, a dream written down, the windows closed, settings and diary saved, books untouched"
