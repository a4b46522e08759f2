#!/bin/sh
# Runs the desktop program and dotwerk-host in a virtual X server with a
# window manager, drives them with xdotool as a user would, and saves a
# screenshot of each step into <build>/screenshots/ (names ending in
# -cs.png) for a person to look at. Needs xvfb, openbox, xdotool and
# ImageMagick (import, convert).
#   scripts/desktop-check.sh [build folder] [display]
set -eu

build=$(cd "${1:-build}" && pwd)
display=${2:-:58}
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
    import -window root "$shots/$1-cs.png"
    echo "$shots/$1-cs.png"
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
    window "Otevřít soubor" >/dev/null
    type_text "$1"
    key Return
    window "$(basename "$1")" >/dev/null
}
# Zvětšení, then its last item: the conversion settings with the preview.
conversion_settings() {
    key alt+v
    key Up Return
    window "Nastavení konverze" >/dev/null
}

# Pictures made by ImageMagick: photo-like, white, large and a ramp, and a
# file that only claims to be a BMP.
convert -size 120x80 -seed 7 plasma:fractal "$pictures/plasma.bmp"
convert -size 96x60 xc:white "$pictures/white.bmp"
convert -size 1400x900 -seed 3 plasma:fractal "$pictures/large.jpg"
convert -size 64x64 gradient:black-white "$pictures/ramp.png"
printf 'BM not a picture' >"$pictures/broken.bmp"

# The program with a picture: status pane, frame, neutral background.
"$build/app/glyphon" "$pictures/plasma.bmp" &
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
window "Otevřít soubor" >/dev/null
shot open-dialog
key Escape

# A white picture against the background.
open_picture "$pictures/white.bmp"
key ctrl+m
shot white-picture
key ctrl+0

# The batch sheet into a folder that does not exist, stopping on errors.
key ctrl+d
sheet=$(window "Dávková konverze")
key alt+p
window "Zvolte soubory" >/dev/null
shot batch-add-files
type_text "\"$pictures/broken.bmp\" \"$pictures/plasma.bmp\""
key Return
key ctrl+Tab
click "$sheet" 200 78
key ctrl+a
type_text "$work/missing/out"
key alt+z
shot batch-settings
key Return
window "Vytvořit složku" >/dev/null
shot batch-missing-folder
key Return
window "Chyba" >/dev/null
shot batch-stop-question
key alt+n
window "kompletní" >/dev/null
shot batch-summary
key Return
# The next run starts with the list of the one that failed.
key ctrl+d
window "Dávková konverze" >/dev/null
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
# Both folders' buttons share Alt+P: it moves to the first, Space presses it.
key ctrl+u
window "Settings" >/dev/null
key ctrl+Tab
key alt+p space
window "Najít složku" >/dev/null
key alt+c
key ctrl+a
type_text "$work/missing"
key Return
shot folder-picker
key Escape Escape

kill "$app"
wait "$app" 2>/dev/null || true
app=""

# dotwerk-host with its toolbars, a tool and a width chosen.
"$build/dotwerk/dotwerk-host" &
app=$!
host=$(window "Dotwerk host")
xdotool windowactivate --sync "$host"
shot dotwerk-host
