#!/usr/bin/env bash
# Times our tools against their peers on the same files in one run and prints
# each ratio (ours / theirs; below 1 means we are faster). Each time is the
# median of RUNS runs, measured by hyperfine when it is installed.
#   bench/compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
bench_dir=$(cd "$(dirname "$0")" && pwd)
runs=${2:-5}
cli="$(cd "$build_dir" && pwd)/cli/glyphon-cli"
# The codec's load-and-save path alone: glyphon-cli convert runs the batch
# steps (black and white, the document's exchange file), which none of the
# decoding and encoding peers do.
recode="$(cd "$build_dir" && pwd)/bench/glyphon-recode"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The real ImageMagick, not a stand-in earlier on PATH.
magick=/usr/bin/convert

# Median seconds of `runs` runs of a shell command.
time_runs() {
  if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs "$runs" --export-json timing.json "$1" >/dev/null 2>&1
    python3 -c 'import json; print("%.4f" % json.load(open("timing.json"))["results"][0]["median"])'
    return
  fi
  local start end
  # One run first, untimed: caches and the previous command's writes settle.
  eval "$1" >/dev/null 2>&1 || true
  # The shell's own clock (microseconds, whatever the locale's decimal
  # point) and the command run by this shell: starting `date` and a shell
  # around each run would add three program starts to its time.
  for _ in $(seq "$runs"); do
    start=${EPOCHREALTIME/[^0-9]/}
    eval "$1" >/dev/null 2>&1 || true
    end=${EPOCHREALTIME/[^0-9]/}
    echo $((10#$end - 10#$start))
  done | sort -n | awk '{ t[NR] = $1 } END { printf "%.4f", t[int((NR + 1) / 2)] / 1e6 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
size() { stat -c %s "$1"; }

# compare TITLE OURS_COMMAND PEER_NAME PEER_COMMAND [PEER_NAME PEER_COMMAND ...]
compare() {
  local title=$1 ours_cmd=$2
  shift 2
  local ours
  ours=$(time_runs "$ours_cmd")
  printf '%s\n  %-28s %8.3f s\n' "$title" "$(basename "${ours_cmd%%\' *}")" "$ours"
  while [ $# -gt 0 ]; do
    local theirs
    theirs=$(time_runs "$2")
    printf '  %-28s %8.3f s   ratio %s\n' "$1" "$theirs" "$(ratio "$ours" "$theirs")"
    shift 2
  done
}

echo "Making test pictures..."
$magick -size 1024x768 -seed 7 plasma:fractal -type TrueColor BMP3:photo.bmp
$magick -size 4000x3000 -seed 7 plasma:fractal photo.ppm
cjpeg -quality 85 -sample 2x2 photo.ppm > photo.jpg
$magick photo.ppm -resize 640x480! small.ppm
cjpeg -quality 85 -sample 2x2 small.ppm > small.jpg
$magick photo.ppm -resize 3000x2000! big.ppm
pnmtopng big.ppm > big.png
$magick photo.bmp -colorspace Gray -depth 8 grey.pgm
$magick grey.pgm -type Grayscale BMP3:grey.bmp
# The pictures' writes reach the disk before anything is timed.
sync
echo

# The netpbm chain that makes a phone WBMP (96x60, Floyd-Steinberg) of a JPEG.
netpbm_phone() {
  echo "djpeg $1 | pamscale -xyfit 96 60 | ppmtopgm | pamditherbw -fs | pamtopnm | pbmtowbmp > $2"
}

compare "BMP 1024x768 -> WBMP fitted to 96x60, Floyd-Steinberg" \
  "'$cli' convert photo.bmp --fit 96x60 -o ours.wbmp" \
  "ImageMagick" "$magick photo.bmp -colorspace Gray -resize 96x60 -dither FloydSteinberg -monochrome magick.wbmp" \
  "netpbm chain" "bmptopnm photo.bmp | pamscale -xyfit 96 60 | ppmtopgm | pamditherbw -fs | pamtopnm | pbmtowbmp > netpbm.wbmp"

compare "JPEG 4000x3000 (12 MP, 4:2:0) -> grey BMP" \
  "'$recode' photo.jpg ours.bmp bmp" \
  "djpeg -grayscale -bmp" "djpeg -grayscale -bmp photo.jpg > djpeg-grey.bmp" \
  "djpeg -bmp" "djpeg -bmp photo.jpg > djpeg.bmp"

# The same into a new file each time (see the colour rows below).
compare "JPEG 4000x3000 (12 MP, 4:2:0) -> grey BMP, a new file each time" \
  "rm -f ours-grey-new.bmp; '$recode' photo.jpg ours-grey-new.bmp bmp" \
  "djpeg -grayscale -bmp" "rm -f djpeg-grey-new.bmp; djpeg -grayscale -bmp photo.jpg > djpeg-grey-new.bmp"

# The colour path, for where a colour picture is really needed.
compare "JPEG 4000x3000 (12 MP, 4:2:0) -> colour BMP" \
  "'$recode' photo.jpg ours-colour.bmp colour-bmp" \
  "djpeg -bmp" "djpeg -bmp photo.jpg > djpeg.bmp"

# The same into a new file each time: replacing a file safely (a whole new
# file renamed over the old one) makes ext4 write the new file's data out
# first, where djpeg truncates the old file and writes into it.
compare "JPEG 4000x3000 (12 MP, 4:2:0) -> colour BMP, a new file each time" \
  "rm -f ours-new.bmp; '$recode' photo.jpg ours-new.bmp colour-bmp" \
  "djpeg -bmp" "rm -f djpeg-new.bmp; djpeg -bmp photo.jpg > djpeg-new.bmp"

compare "JPEG 640x480 -> WBMP fitted to 96x60, Floyd-Steinberg" \
  "'$cli' convert small.jpg --fit 96x60 -m floyd-steinberg -o ours-small.wbmp" \
  "netpbm chain" "$(netpbm_phone small.jpg netpbm-small.wbmp)" \
  "ImageMagick" "$magick small.jpg -colorspace Gray -resize 96x60 -dither FloydSteinberg -monochrome magick-small.wbmp"

compare "JPEG 4000x3000 (12 MP) -> WBMP fitted to 96x60, Floyd-Steinberg" \
  "'$cli' convert photo.jpg --fit 96x60 -m floyd-steinberg -o ours-big.wbmp" \
  "netpbm chain" "$(netpbm_phone photo.jpg netpbm-big.wbmp)" \
  "ImageMagick" "$magick photo.jpg -colorspace Gray -resize 96x60 -dither FloydSteinberg -monochrome magick-big.wbmp"

compare "PNG 3000x2000 RGB decode (-> BMP)" \
  "'$recode' big.png ours-png.bmp bmp" \
  "pngtopnm" "pngtopnm big.png > peer.ppm"

# The program's PNG writer on the grey picture the program works on.
compare "PNG encode of a 1024x768 grey picture" \
  "'$recode' grey.bmp ours.png png" \
  "pnmtopng" "pnmtopng grey.pgm > peer.png"
printf '  output size: ours %d bytes, pnmtopng %d bytes\n' "$(size ours.png)" "$(size peer.png)"

# Peak memory of the JPEG conversions against the size of the decoded picture.
if command -v /usr/bin/time >/dev/null; then
  peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
  printf 'Peak memory of the 12 MP JPEG -> grey BMP: %d MB (decoded colour picture: %d MB)\n' \
    $(($(peak "$recode" photo.jpg mem.bmp bmp) / 1024)) $((4000 * 3000 * 4 / 1048576))
  printf 'Peak memory of the 12 MP JPEG -> phone WBMP: %d MB\n' \
    $(($(peak "$cli" convert photo.jpg --fit 96x60 -m floyd-steinberg -o mem.wbmp) / 1024))
fi

# The batch rows and the start-up.
"$bench_dir/batch-speed.sh" "$build_dir" "$runs"
