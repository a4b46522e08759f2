#!/usr/bin/env bash
# The batch rows: 50 pictures of 640x480 converted to a phone's WBMP by one
# glyphon-cli convert on one and on two threads, against a netpbm shell loop,
# and the tool's start-up (--help) against /bin/true.
#   bench/batch-speed.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build_dir=${1:-build}
runs=${2:-5}
cli="$(cd "$build_dir" && pwd)/cli/glyphon-cli"
# The pictures and every output live in memory (/dev/shm) where it can be
# had: each run starts from an empty output folder, and on ext4 a folder
# emptied a moment ago makes every new file's inode allocation step over
# the inodes just freed (they count as recently deleted for minutes), which
# grows with each run and took up to 40 % of a 500-picture run: that is the
# file system's cost, not the converter's, and the netpbm loop, which writes
# over the same names, never pays it.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  work=$(mktemp -d -p /dev/shm)
else
  work=$(mktemp -d)
fi
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "working in $(df --output=fstype "$work" | tail -1) at $work"

# Median wall seconds of `runs` runs of a shell command, run by this shell;
# the optional second command runs untimed before each run. The clock is
# the shell's own (microseconds, whatever the locale's decimal point):
# starting `date` before and after would add two program starts to every
# time, as much as a short run of glyphon-cli takes to start.
# One timed run of a shell command, in microseconds.
time_once() {
  local start end
  [ -z "${2:-}" ] || eval "$2" >/dev/null 2>&1 || true
  start=${EPOCHREALTIME/[^0-9]/}
  eval "$1" >/dev/null 2>&1 || true
  end=${EPOCHREALTIME/[^0-9]/}
  echo "$((10#$end - 10#$start))"
}
# The median of microsecond times on standard input, in seconds.
median_of() { sort -n | awk '{ t[NR] = $1 } END { printf "%.4f", t[int((NR + 1) / 2)] / 1e6 }'; }
median() {
  for _ in $(seq "$runs"); do time_once "$1" "${2:-}"; done | median_of
}
# The medians of two commands (each with its untimed preparation) run in
# turn, so that a machine whose speed drifts during the benchmark (a shared
# host) slows both alike: "A_SECONDS B_SECONDS".
median_pair() {
  local a=() b=()
  for _ in $(seq "$runs"); do
    a+=("$(time_once "$1" "$2")")
    b+=("$(time_once "$3" "$4")")
  done
  echo "$(printf '%s\n' "${a[@]}" | median_of) $(printf '%s\n' "${b[@]}" | median_of)"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

mkdir pictures
for i in $(seq 50); do
  convert -size 640x480 -seed "$i" plasma:fractal "pictures/p$i.ppm"
  cjpeg -quality 85 "pictures/p$i.ppm" > "pictures/p$i.jpg"
  rm "pictures/p$i.ppm"
done

# The netpbm chain for each of the given pictures, one after the other.
netpbm_over() {
  echo "for f in $1; do djpeg \"\$f\" | pamscale -xyfit 96 60 | ppmtopgm | pamditherbw -fs | pamtopnm | pbmtowbmp > \"netpbm/\$(basename \"\$f\" .jpg).wbmp\"; done"
}
# One glyphon-cli convert of the given pictures into a folder on N threads.
convert_run() { echo "'$cli' convert $1 --fit 96x60 -m floyd-steinberg -o $2 -j $3"; }
# A row of the report: what ran, its median seconds, and what it is against.
row() { printf '  %-28s %8.3f s%s\n' "$1" "$2" "${3:-}"; }

first_half='pictures/p?.jpg pictures/p[12]?.jpg'
second_half='pictures/p[345]?.jpg'
# Each run starts from an empty output folder (else the names of the last
# run's pictures are taken and the new ones get numbered names); emptying it
# is not part of the conversion, so it is not timed.
ours() { convert_run 'pictures/*.jpg' "out$1" "$1"; }
fresh() { echo "rm -rf out$1"; }
# The machine's own scaling for this kind of work: the same netpbm loop as
# two halves run at once.
halves="($(netpbm_over "$first_half")) & $(netpbm_over "$second_half"); wait"
mkdir -p netpbm
loop=$(median "$(netpbm_over 'pictures/*.jpg')")
loops=$(median "$halves")
read -r one two < <(median_pair "$(ours 1)" "$(fresh 1)" "$(ours 2)" "$(fresh 2)")
echo "50 JPEG 640x480 -> WBMP 96x60, Floyd-Steinberg"
row "netpbm shell loop" "$loop"
row "netpbm, two loops at once" "$loops" "   speed-up over one loop: $(ratio "$loop" "$loops")"
row "glyphon-cli -j 1" "$one" "   ratio $(ratio "$one" "$loop")"
row "glyphon-cli -j 2" "$two" "   ratio $(ratio "$two" "$loop")   speed-up over -j 1: $(ratio "$one" "$two")"
cmp -s <(cd out1 && cat $(ls)) <(cd out2 && cat $(ls)) && echo "  -j 1 and -j 2 outputs identical" ||
  echo "  -j 1 and -j 2 outputs DIFFER"

# What a second thread can give a run of 50 at most: the run's fixed part
# (the process's start and end, found as a one-picture run less one
# picture) stays serial, the pictures can at best be shared evenly.
single=$(median "$(convert_run pictures/p1.jpg single.wbmp 1)" "rm -f single.wbmp")
bound=$(awk -v one="$one" -v single="$single" 'BEGIN {
  w = (one - single) / 49; fixed = single - w; printf "%.2f", one / (fixed + 25 * w) }')
row "glyphon-cli, one picture" "$single" "   so at most $bound x from a second thread for 50"

# What two processors give this machine for the same work: two -j 1 runs,
# each on half the pictures, at once, against one -j 1 run on all of them.
# Process start and exit, which no thread shares, are in both.
pair=$(median "$(convert_run "$first_half" outa 1) & $(convert_run "$second_half" outb 1); wait" \
  "rm -rf outa outb")
row "two -j 1 halves at once" "$pair" "   speed-up over -j 1: $(ratio "$one" "$pair")"

# Throughput once start-up is shared by more work: the 50 pictures ten
# times over in one run.
mkdir many
for copy in $(seq 10); do
  for f in pictures/*.jpg; do ln -s "../$f" "many/c${copy}_$(basename "$f")"; done
done
read -r many1 many2 < <(median_pair "$(convert_run 'many/*.jpg' many1 1)" "rm -rf many1" \
  "$(convert_run 'many/*.jpg' many2 2)" "rm -rf many2")
echo "500 JPEG 640x480 -> WBMP 96x60 (the 50 ten times), one run"
row "glyphon-cli -j 1" "$many1"
row "glyphon-cli -j 2" "$many2" "   speed-up over -j 1: $(ratio "$many1" "$many2")"

# The processors of a virtual machine need not be equally fast (one may
# share its core with a busy neighbour): the same -j 1 run held on each
# processor in turn. Two threads can at most add up the two processors'
# rates; the speed-up of -j 2 over a -j 1 run on the faster one is then at
# most 1 + fast / slow.
if command -v taskset >/dev/null && [ "$(nproc)" -ge 2 ]; then
  read -r cpu0 cpu1 < <(median_pair "taskset -c 0 $(convert_run 'many/*.jpg' many0 1)" "rm -rf many0" \
    "taskset -c 1 $(convert_run 'many/*.jpg' many0 1)" "rm -rf many0")
  row "-j 1 on processor 0" "$cpu0"
  row "-j 1 on processor 1" "$cpu1"
  awk -v a="$cpu0" -v b="$cpu1" -v two="$many2" 'BEGIN {
    fast = a < b ? a : b; best = 1 / (1 / a + 1 / b)
    printf "  two threads at most %.3f s here: at most %.2f x the faster processor alone; -j 2 reaches %.0f %% of that\n",
      best, fast / best, 100 * best / two }'
fi

# Start-up: 100 starts in one shell, so the shell's own start is not counted.
starts() { echo "for i in \$(seq 100); do $1 >/dev/null; done"; }
help=$(median "$(starts "'$cli' --help")")
true_=$(median "$(starts /bin/true)")
printf 'glyphon-cli --help start-up: %.1f ms (/bin/true %.1f ms)\n' \
  "$(awk -v s="$help" 'BEGIN { print s * 10 }')" "$(awk -v s="$true_" 'BEGIN { print s * 10 }')"
