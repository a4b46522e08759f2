#!/usr/bin/env bash
# The dithering figures in one run: the tone each method reproduces on
# uniform greys, the speed of each method on a 12-megapixel grey picture as
# a ratio to our Floyd - Steinberg, and the quality on three photographs
# beside ImageMagick.
#   bench/dither-report.sh [BUILD_DIR]
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
bench="$build_dir/bench/glyphon-bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== Tone: worst |white share - light| over uniform greys 0..255 (256 x 256 fields)"
"$bench" --benchmark_filter=BM_DitherToneWorstError --benchmark_format=json \
  >"$work/tone.json" 2>/dev/null
python3 - "$work/tone.json" <<'PY'
import json, sys
rows = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    label = b["label"]
    linear = label.endswith(" linear")
    rows.setdefault(label.removesuffix(" linear"), {})[linear] = (b["worst_pct"], int(b["at_grey"]))
print(f"{'method':18} {'sRGB greys':>18} {'linear light':>18}")
for name, r in rows.items():
    cells = [f"{r[l][0]:6.2f} % (grey {r[l][1]:3})" for l in (False, True)]
    print(f"{name:18} {cells[0]:>18} {cells[1]:>18}")
PY

echo
echo "== Speed on 4000 x 3000 grey, time / time of floyd-steinberg"
"$bench" --benchmark_filter=BM_Dither12MP --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$work/speed.json" 2>/dev/null
python3 - "$work/speed.json" <<'PY'
import json, sys
median = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        median[b["label"]] = b["real_time"]
fs = median["floyd-steinberg"]
for label, t in median.items():
    print(f"{label:30} {t:8.1f} ms   ratio {t / fs:4.2f}")
PY

echo
echo "== Quality"
"$build_dir/bench/glyphon-dither-quality" "$work"
