#!/usr/bin/env bash
# Writes a manifest of everything glyphon-cli produces for a fixed set of
# inputs and options: the checksum of every file written, the exit status and
# the text printed. Two builds that should behave the same must give the same
# manifest:
#
#   bench/output-identity.sh build-before > before.txt
#   bench/output-identity.sh build        > after.txt
#   diff before.txt after.txt
#
# The inputs are made here with ImageMagick, netpbm and libjpeg's tools (the
# same commands give the same bytes), in every format the program reads.
# Random dithering is seeded by the clock, so only its status and size count.
set -euo pipefail

build=$(cd "${1:?usage: output-identity.sh BUILD_DIR}" && pwd)
cli="$build/cli/glyphon-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
export TMPDIR="$work/tmp"
mkdir -p "$XDG_CONFIG_HOME" "$TMPDIR" "$work/in"
cd "$work/in"

# --- inputs -------------------------------------------------------------
im() { /usr/bin/convert "$@"; }
im -size 97x61 gradient:white-black -seed 7 -attenuate 0.3 +noise Uniform photo.ppm
im -size 640x480 -seed 3 plasma:fractal big.ppm
im -size 33x200 gradient:red-blue tall.ppm
im -size 300x17 xc:white -fill black -draw "circle 150,8 150,2" wide.ppm
im -size 1x1 xc:gray50 tiny.ppm

for p in photo big tall wide tiny; do
  im "$p.ppm" "$p.bmp"
  im "$p.ppm" -type Grayscale "$p-grey.bmp"
  im "$p.ppm" -colors 16 -type Palette BMP3:"$p-pal4.bmp"
  im "$p.ppm" -monochrome BMP3:"$p-mono.bmp"
  im "$p.ppm" "$p.gif"
  im "$p.ppm" -interlace GIF "$p-interlaced.gif"
  im "$p.ppm" "$p.png"
  im "$p.ppm" -type Grayscale "$p-grey.png"
  im "$p.ppm" -colors 8 PNG8:"$p-pal.png"
  im "$p.ppm" -alpha set -channel A -evaluate set 60% +channel PNG32:"$p-rgba.png"
  im "$p.ppm" -interlace PNG "$p-adam7.png"
  cjpeg -quality 85 "$p.ppm" > "$p.jpg"
  cjpeg -quality 70 -progressive "$p.ppm" > "$p-progressive.jpg"
  cjpeg -grayscale "$p.ppm" > "$p-grey.jpg"
  cjpeg -sample 1x1 "$p.ppm" > "$p-444.jpg"
  ppmtopgm "$p.ppm" | pamditherbw -threshold | pamtopnm | pbmtowbmp > "$p.wbmp"
done
mkdir digits
for d in 0 1 2 3 4 5 6 7 8 9; do
  im -size $((8 + d))x16 xc:white -fill black -draw "rectangle 1,$d 6,15" "digits/$d.bmp"
done
inputs=$(ls *.bmp *.gif *.png *.jpg *.wbmp | sort)

# --- runs ---------------------------------------------------------------
# run NAME ARGS...: runs glyphon-cli in a fresh output folder and prints the
# status, the text printed (with the work folder's name taken out) and the
# checksum of every file written.
run() {
  local name=$1
  shift
  local out="$work/out/$name"
  mkdir -p "$out"
  local status=0
  (cd "$out" && "$cli" "$@" > "$work/stdout" 2> "$work/stderr") || status=$?
  echo "== $name: $* -> $status" | sed "s|$work|WORK|g"
  sed "s|$work|WORK|g" "$work/stdout" "$work/stderr"
  (cd "$out" && find . -type f | sort | while read -r f; do
    if [[ $name == *random* ]]; then
      echo "$f $(stat -c %s "$f")"
    else
      echo "$f $(sha256sum < "$f" | cut -c1-16)"
    fi
  done)
}

in="$work/in"
for f in $inputs; do
  run "info-$f" info "$in/$f"
  run "default-$f" convert "$in/$f" -o out.wbmp
done
for fmt in wbmp bmp gif png png-trans; do
  for f in photo.bmp big.jpg tall-pal.png wide.gif tiny.wbmp; do
    run "format-$fmt-$f" convert "$in/$f" -o out -f "$fmt"
  done
done
for m in 0 1 2 3 4 thresholding display print floyd-steinberg; do
  for t in 0 100 200 255; do
    tag=$m; [[ $m == 1 ]] && tag=random
    run "method-$tag-$t" convert "$in/photo.png" "$in/big-grey.jpg" -o out -m "$m" -t "$t"
  done
done
for resize in "--fit 96x60" "--fit 101x80" "--phone 1" "--phone 17" "--size 50x50" \
              "--size 1x300" "--percent 10" "--percent 250" "--percent 1"; do
  tag=${resize// /}
  run "resize$tag" convert $(printf "$in/%s " $inputs) -o out $resize -m 4 -t 128
done
run "wml" convert "$in/photo.bmp" "$in/big.jpg" "$in/photo.bmp" -o out --wml \
  --prefix pics --alt 'A & <b> "q"'
run "wml-dir" convert "$in/photo.bmp" "$in/tall.gif" -o out --wml --wml-dir pages
run "wml-one" convert "$in/wide.png" -o single.wbmp --wml
run "stop-on-error" convert "$in/photo.bmp" "$in/missing.bmp" "$in/tiny.png" -o out \
  --stop-on-error
run "bad-usage" convert -o out
run "bad-method" convert "$in/photo.bmp" -o out -m 9
for fmt in wbmp bmp gif png png-trans; do
  run "split-$fmt" split "$in/big.jpg" -o tiles --tile 96x60 -f "$fmt" --wml --prefix p
done
run "split-phone" split "$in/big.png" -o tiles --phone 3 -m 2 --wml --wml-dir pages
run "split-small" split "$in/tiny.bmp" -o tiles --tile 4x1
run "counter" counter "$in/digits" 0123456789 -o counter.wbmp
run "counter-zeros" counter "$in/digits" 007 -o c.wbmp
run "phones" phones list
run "show" show "$in/photo.bmp"
