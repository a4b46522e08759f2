#!/usr/bin/env bash
# Times glyphon-cli against its peers on the same files in one run and prints
# each ratio (ours / theirs; below 1 means we are faster).
#   bench/compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build_dir=${1:-build}
runs=${2:-20}
cli="$build_dir/cli/glyphon-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A 1024 x 768 colour photograph-like test picture, made by ImageMagick.
convert -size 1024x768 plasma:fractal -seed 7 -type TrueColor "BMP3:$work/photo.bmp" 2>/dev/null \
  || convert -size 1024x768 gradient:red-blue -type TrueColor "BMP3:$work/photo.bmp"

# Seconds for `runs` runs of a shell command.
time_runs() {
  local start end
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do bash -c "$1" >/dev/null 2>&1; done
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", (b - a) / 1e9 }' 
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

ours=$(time_runs "'$cli' convert '$work/photo.bmp' --fit 96x60 -o '$work/ours.wbmp'")
magick=$(time_runs "convert '$work/photo.bmp' -colorspace Gray -resize 96x60 -dither FloydSteinberg -monochrome '$work/magick.wbmp'")
netpbm=$(time_runs "bmptopnm '$work/photo.bmp' | pamscale -xyfit 96 60 | ppmtopgm | pamditherbw -fs | pamtopnm | pbmtowbmp > '$work/netpbm.wbmp'")

printf 'BMP 1024x768 -> WBMP fitted to 96x60, Floyd-Steinberg, %d runs each\n' "$runs"
printf '  glyphon-cli  %8.3f s\n' "$ours"
printf '  ImageMagick  %8.3f s   ratio %s\n' "$magick" "$(ratio "$ours" "$magick")"
printf '  netpbm chain %8.3f s   ratio %s\n' "$netpbm" "$(ratio "$ours" "$netpbm")"
