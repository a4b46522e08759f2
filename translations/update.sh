#!/usr/bin/env bash
# Brings the translation sources up to date with the texts marked in the code:
# new texts come in unfinished (translate them in Linguist or by hand), texts
# no longer in the code are dropped. Run from anywhere; LUPDATE names another
# lupdate.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# The program's libraries, its shared widgets and glyphon-cli.
"$lupdate" -silent -no-obsolete -locations none -source-language cs_CZ -target-language en_GB \
  bitmap codec app batch widgets cli -ts translations/glyphon_en.ts
# The editor control and its stand-alone host.
"$lupdate" -silent -no-obsolete -locations none -source-language cs_CZ -target-language en_GB \
  dotwerk -ts translations/dotwerk_en.ts
