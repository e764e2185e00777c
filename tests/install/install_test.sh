#!/usr/bin/env bash
# install_test.sh CHECK BUILD_DIR VERSION: one check of the install (see CMakeLists.txt).
set -euo pipefail
check=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_file() { [ -f "$1" ] || fail "missing $1"; }

install_into_prefix() {
    cmake --install "$build" --prefix "$prefix" >/dev/null
}

check_layout() {
    install_into_prefix
    for program in somnar somnar-book somnar-calendar somnar-lit; do
        [ -x "$prefix/bin/$program" ] || fail "missing bin/$program"
    done
    for tool in "$prefix"/bin/somnar-*; do
        out=$("$tool" --version)
        [ "$out" = "$(basename "$tool") $version" ] || fail "$tool --version says '$out'"
    done
    for data in Books/*.book Texts/*.lit help/*.html City.csv; do
        ls "$prefix"/share/somnar/$data >/dev/null || fail "no $data in share/somnar"
    done
    [ -z "$(find "$prefix/share/somnar" -type f -perm /111)" ] || fail "programs among the data"
    expect_file "$prefix/share/icons/hicolor/scalable/apps/somnar.svg"
    for size in 16 24 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x${size}/apps/somnar.png
        expect_file "$png"
        file "$png" | grep -q "PNG image data, $size x $size" || fail "$png: $(file -b "$png")"
    done
    for page in somnar somnar-book somnar-calendar somnar-lit; do
        expect_file "$prefix/share/man/man1/$page.1.gz"
        zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "\"somnar $version\"" || fail "$page.1 lacks the version"
    done
    for doc in README.md copyright changelog.gz; do
        expect_file "$prefix/share/doc/somnar/$doc"
    done
    desktop-file-validate "$prefix/share/applications/somnar.desktop"
    metainfo=$prefix/share/metainfo/ru.okv_programming.somnar.metainfo.xml
    appstreamcli validate --no-net "$metainfo"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
}

# Starts the installed program on a virtual screen with a private home, a book of the user's
# own and a user book that replaces one of the program's; closes it as a user does.
check_program() {
    install_into_prefix
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
    # The single-instance socket lives in the temporary folder: a private one keeps other copies
    # of the program on this machine out of the test.
    export XDG_RUNTIME_DIR=$work/run TMPDIR=$work/tmp
    mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    local books=$XDG_DATA_HOME/somnar/Books
    local shipped
    shipped=$(basename "$(ls "$prefix"/share/somnar/Books/*.book | head -n 1)")
    mkdir -p "$books"
    printf 'ToolName: Сонник пользователя\nTolkName: Мой сонник\n\n== Облако\nОблако – к лёгкой дороге.\n' >"$work/mine.txt"
    "$prefix/bin/somnar-book" build "$work/mine.txt" "$books/my-dreams.book"
    "$prefix/bin/somnar-book" build "$work/mine.txt" "$books/$shipped"

    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" run-program "$build" "$version" "$prefix" "$work"

    local settings=$XDG_CONFIG_HOME/OKV_Programming/Somnar3.ini
    expect_file "$settings"
    grep -qF "$books/my-dreams.book=" "$settings" || fail "the user's book is not in the book bar"
    grep -qF "$books/$shipped=" "$settings" || fail "the user's $shipped does not replace the program's"
    grep -qF "$prefix/share/somnar/Books/$shipped=" "$settings" && fail "the program's $shipped is still listed"
    [ "$(grep -cF "$prefix/share/somnar/Books/" "$settings")" -eq $(($(ls "$prefix"/share/somnar/Books/*.book | wc -l) - 1)) ] \
        || fail "not every other program book is listed: $(cat "$settings")"
    [ -d "$XDG_DATA_HOME/somnar/Texts" ] || fail "the user's Texts folder was not created"
}

report_windows() {
    echo "display $DISPLAY, windows:" >&2
    xdotool search --name . getwindowname %@ >&2 || true
    ps -o pid,stat,args --ppid $$ >&2 || true
    cat "$work/program.log" >&2
}

# Inside the virtual screen: a window manager, the program, then Alt+F4 on its main window.
run_program() {
    openbox >/dev/null 2>&1 &
    local wm=$!
    "$prefix/bin/somnar" >"$work/program.log" 2>&1 &
    local program=$!
    # Polled rather than "search --sync", which can miss a window mapped under a busy machine.
    local window="" tries=0
    until window=$(xdotool search --name "^Сонник OKV Somnar ${version//./\\.}\$" | head -n 1) && [ -n "$window" ]; do
        if ((++tries > 120)); then
            report_windows
            kill "$program" "$wm" 2>/dev/null
            fail "no main window within 60 s"
        fi
        sleep 0.5
    done
    xprop -id "$window" WM_CLASS | grep -q '"somnar"' || fail "WM_CLASS does not name somnar: $(xprop -id "$window" WM_CLASS)"
    local attempt
    for attempt in 1 2 3; do
        sleep 1
        timeout 20 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
        xdotool key --clearmodifiers alt+F4
        timeout 10 tail --pid="$program" -f /dev/null && break
    done
    kill -0 "$program" 2>/dev/null && { report_windows; kill "$program"; fail "the program did not end after Alt+F4"; }
    local status=0
    wait "$program" || status=$?
    kill "$wm" 2>/dev/null || true
    [ "$status" -eq 0 ] || { cat "$work/program.log"; fail "the program ended with status $status"; }
}

check_package() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
    local deb
    deb=$(ls "$work"/package/somnar_"$version"_*.deb) || fail "no somnar_${version}_ARCH.deb"
    dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
    for path in /usr/bin/somnar /usr/bin/somnar-book /usr/bin/somnar-calendar \
                /usr/share/applications/somnar.desktop \
                /usr/share/metainfo/ru.okv_programming.somnar.metainfo.xml \
                /usr/share/icons/hicolor/scalable/apps/somnar.svg \
                /usr/share/icons/hicolor/48x48/apps/somnar.png \
                /usr/share/man/man1/somnar.1.gz /usr/share/doc/somnar/copyright; do
        grep -qx "$path" "$work/contents" || fail "$path is not in the package"
    done
    grep -q '^/usr/share/somnar/Books/.*\.book$' "$work/contents" || fail "no books in the package"
    grep -v '^/usr/' "$work/contents" | grep -qv '^/$' && fail "files outside /usr: $(grep -v '^/usr/' "$work/contents")"
    dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"
    # City.csv is Windows-1251 by design (the town list format); every other warning fails.
    lintian --fail-on error,warning --suppress-tags national-encoding "$deb"
}

case $check in
    layout) check_layout ;;
    program) check_program ;;
    run-program) prefix=$4 work=$5; trap - EXIT; run_program ;;
    package) check_package ;;
    *) fail "unknown check $check" ;;
esac
