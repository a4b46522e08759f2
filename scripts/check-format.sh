#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of
# it with the project's .clang-format (`make format` mends it).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
clang_format=${CLANG_FORMAT:-clang-format}
if git rev-parse --git-dir >/dev/null 2>&1; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(find base carvello bitmap codec app batch widgets dotwerk cli tests bench fuzz translations \
    -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086
"$clang_format" --dry-run --Werror $files
