#!/usr/bin/env bash
# Times our tools against their peers on the same files in one run and prints
# each ratio (ours / theirs; below 1 means we are faster).
#   bench/compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build_dir=${1:-build}
runs=${2:-5}
cli="$(cd "$build_dir" && pwd)/cli/glyphon-cli"
# The codec's load-and-save path alone: glyphon-cli convert runs the batch
# steps (black and white, the document's exchange file), which none of the
# decoding and encoding peers do.
recode="$(cd "$build_dir" && pwd)/bench/glyphon-recode"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Seconds for `runs` runs of a shell command.
time_runs() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do bash -c "$1" >/dev/null 2>&1; done
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" -v n="$runs" 'BEGIN { printf "%.4f", (b - a) / 1e9 / n }'
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
convert -size 1024x768 -seed 7 plasma:fractal -type TrueColor BMP3:photo.bmp
convert -size 4000x3000 -seed 7 plasma:fractal photo.ppm
cjpeg -quality 85 -sample 2x2 photo.ppm > photo.jpg
convert photo.ppm -resize 3000x2000! big.ppm
pnmtopng big.ppm > big.png
convert photo.bmp -colorspace Gray -depth 8 grey.pgm
convert grey.pgm -type Grayscale BMP3:grey.bmp
echo

compare "BMP 1024x768 -> WBMP fitted to 96x60, Floyd-Steinberg" \
  "'$cli' convert photo.bmp --fit 96x60 -o ours.wbmp" \
  "ImageMagick" "convert photo.bmp -colorspace Gray -resize 96x60 -dither FloydSteinberg -monochrome magick.wbmp" \
  "netpbm chain" "bmptopnm photo.bmp | pamscale -xyfit 96 60 | ppmtopgm | pamditherbw -fs | pamtopnm | pbmtowbmp > netpbm.wbmp"

compare "JPEG 4000x3000 (12 MP, 4:2:0) -> BMP" \
  "'$recode' photo.jpg ours.bmp bmp" \
  "djpeg -bmp" "djpeg -bmp photo.jpg > djpeg.bmp" \
  "djpeg -grayscale -bmp" "djpeg -grayscale -bmp photo.jpg > djpeg-grey.bmp"

compare "PNG 3000x2000 RGB decode (-> BMP)" \
  "'$recode' big.png ours-png.bmp bmp" \
  "pngtopnm" "pngtopnm big.png > peer.ppm"

# The program's PNG writer on the grey picture the program works on.
compare "PNG encode of a 1024x768 grey picture" \
  "'$recode' grey.bmp ours.png png" \
  "pnmtopng" "pnmtopng grey.pgm > peer.png"
printf '  output size: ours %d bytes, pnmtopng %d bytes\n' "$(size ours.png)" "$(size peer.png)"

# Peak memory of the JPEG conversion against the size of its decoded picture.
if command -v /usr/bin/time >/dev/null; then
  peak_kb=$(/usr/bin/time -f %M "$recode" photo.jpg mem.bmp bmp 2>&1 >/dev/null | tail -1)
  printf 'Peak memory of the JPEG conversion: %d MB (decoded picture: %d MB)\n' \
    $((peak_kb / 1024)) $((4000 * 3000 * 4 / 1048576))
fi
