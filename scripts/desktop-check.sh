#!/bin/sh
# Runs the desktop program and dotwerk-host in a virtual X server with a
# window manager, drives them with xdotool as a user would, and saves a
# screenshot of each step into <build>/screenshots/ (names ending in
# -cs.png for the Czech run, -en.png for the English one) for a person to
# look at. Needs xvfb, openbox, xdotool and ImageMagick (import, convert).
#   scripts/desktop-check.sh [build folder] [display] [cs|en|both]
set -eu

build=$(cd "${1:-build}" && pwd)
display=${2:-:58}
languages=${3:-both}
if [ "$languages" = both ]; then
    # Each language in a run of its own, one after the other.
    "$0" "$build" "$display" cs
    exec "$0" "$build" "$display" en
fi
lang=$languages
# The window titles and access keys the run looks for, in the run's language.
if [ "$lang" = cs ]; then
    t_open="Otevřít soubor"; t_batch="Dávková konverze"; t_add="Zvolte soubory"
    t_create="Vytvořit složku"; t_error="Chyba"; t_done="kompletní"
    t_conversion="Nastavení konverze"; t_picker="Najít složku"
    k_add=alt+p; k_stop=alt+z; k_no=alt+n; k_zoom=alt+v; k_browse=alt+p; k_path=alt+c
else
    t_open="Open File"; t_batch="Batch Conversion"; t_add="Choose files"
    t_create="Create folder"; t_error="Error"; t_done="complete"
    t_conversion="Conversion Settings"; t_picker="Browse for Folder"
    k_add=alt+a; k_stop=alt+s; k_no=alt+n; k_zoom=alt+z; k_browse=alt+b; k_path=alt+p
fi
shots="$build/screenshots"
work=$(mktemp -d)
pictures="$work/pictures"
mkdir -p "$shots" "$pictures" "$work/config"

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1
openbox >/dev/null 2>&1 &
openbox=$!
app=""
cleanup() {
    if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
    kill "$openbox" "$xvfb" 2>/dev/null || true
    sleep 1
    rm -rf "$work"
}
trap cleanup EXIT

# A settings store of its own: the run neither sees nor changes the user's.
export HOME="$work" XDG_CONFIG_HOME="$work/config"

shot() {
    sleep "${2:-1}"
    import -window root "$shots/$1-$lang.png"
    echo "$shots/$1-$lang.png"
}
key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.5
}
type_text() {
    xdotool type --delay 10 "$1"
    sleep 0.3
}
# The id of the visible window whose title matches, once it is there.
window() {
    for _ in $(seq 1 40); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.25
    done
    echo "no window '$1'" >&2
    return 1
}
# Clicks at a place of a window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}
open_picture() {
    key ctrl+o
    window "$t_open" >/dev/null
    type_text "$1"
    key Return
    window "$(basename "$1")" >/dev/null
}
# The zoom menu, then its last item: the conversion settings with the preview.
conversion_settings() {
    key $k_zoom
    key Up Return
    window "$t_conversion" >/dev/null
}

# Pictures made by ImageMagick: photo-like, white, large and a ramp, and a
# file that only claims to be a BMP.
convert -size 120x80 -seed 7 plasma:fractal "$pictures/plasma.bmp"
convert -size 96x60 xc:white "$pictures/white.bmp"
convert -size 1400x900 -seed 3 plasma:fractal "$pictures/large.jpg"
convert -size 64x64 gradient:black-white "$pictures/ramp.png"
printf 'BM not a picture' >"$pictures/broken.bmp"

# The program with a picture: status pane, frame, neutral background.
"$build/app/glyphon" --lang "$lang" "$pictures/plasma.bmp" &
app=$!
main=$(window "plasma.bmp")
xdotool windowactivate --sync "$main"
shot main-picture

# Zoom from the keypad, then Ctrl and the wheel over the picture.
key KP_Add KP_Add
shot zoom-keypad
xdotool mousemove --window "$main" 700 300
xdotool keydown ctrl click 4 click 4 keyup ctrl
shot zoom-wheel
key ctrl+0

# Ctrl+O: the Open dialog with its six filters, none cut off.
key ctrl+o
window "$t_open" >/dev/null
shot open-dialog
key Escape

# A white picture against the background.
open_picture "$pictures/white.bmp"
key ctrl+m
shot white-picture
key ctrl+0

# The batch sheet into a folder that does not exist, stopping on errors.
key ctrl+d
sheet=$(window "$t_batch")
key $k_add
window "$t_add" >/dev/null
shot batch-add-files
type_text "\"$pictures/broken.bmp\" \"$pictures/plasma.bmp\""
key Return
key ctrl+Tab
click "$sheet" 200 78
key ctrl+a
type_text "$work/missing/out"
key $k_stop
shot batch-settings
key Return
window "$t_create" >/dev/null
shot batch-missing-folder
key Return
window "$t_error" >/dev/null
shot batch-stop-question
key $k_no
window "$t_done" >/dev/null
shot batch-summary
key Return
# The next run starts with the list of the one that failed.
key ctrl+d
window "$t_batch" >/dev/null
shot batch-kept-list
key Escape

# The conversion preview of a large picture, then of a small one.
open_picture "$pictures/large.jpg"
conversion_settings
shot preview-large
key Escape
open_picture "$pictures/ramp.png"
conversion_settings
shot preview-small
key Escape

# The folder picker of the settings sheet, with a typed path.
# Both folders' buttons share an access key: it moves to the first, Space
# presses it.
key ctrl+u
window "Settings" >/dev/null
key ctrl+Tab
key $k_browse space
window "$t_picker" >/dev/null
key $k_path
key ctrl+a
type_text "$work/missing"
key Return
shot folder-picker
key Escape Escape

kill "$app"
wait "$app" 2>/dev/null || true
app=""

# dotwerk-host with its toolbars, a tool and a width chosen.
"$build/dotwerk/dotwerk-host" --lang "$lang" &
app=$!
host=$(window "Dotwerk host")
xdotool windowactivate --sync "$host"
shot dotwerk-host
