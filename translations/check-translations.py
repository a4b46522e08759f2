#!/usr/bin/env python3
"""Checks that the translation sources are complete.

Fails when a message of a .ts file is unfinished or empty, when a translation
drops, adds or reorders placeholders (%s, %d, %1 ...), or when lupdate,
run over the sources into a copy of a .ts, finds a text the .ts lacks.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# The .ts files and the source folders lupdate reads for each (as in update.sh).
CATALOGUES = {
    "glyphon_en.ts": ["bitmap", "codec", "app", "batch", "cli"],
    "dotwerk_en.ts": ["dotwerk"],
}
PLACEHOLDER = re.compile(r"%(?:[0-9]+|[sd%])")


def placeholders(text):
    return [p for p in PLACEHOLDER.findall(text) if p != "%%"]


def problems_of(ts_path):
    found = []
    root = ElementTree.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{os.path.basename(ts_path)} [{name}] {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "missing"):
                found.append(f"{where}: not translated")
            elif kind in ("vanished", "obsolete"):
                found.append(f"{where}: no longer in the sources")
            elif not (translation.text or ""):
                found.append(f"{where}: empty translation")
            elif placeholders(source) != placeholders(translation.text):
                found.append(f"{where}: placeholders differ in {translation.text!r}")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source-dir", required=True)
    args = parser.parse_args()

    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for ts_name, folders in CATALOGUES.items():
            original = os.path.join(args.source_dir, "translations", ts_name)
            problems += problems_of(original)
            copy = os.path.join(scratch, ts_name)
            shutil.copyfile(original, copy)
            subprocess.run(
                [args.lupdate, "-silent", "-no-obsolete", "-locations", "none"]
                + folders + ["-ts", copy],
                cwd=args.source_dir, check=True, stdout=subprocess.DEVNULL)
            problems += [p.replace(ts_name, ts_name + " after lupdate", 1)
                         for p in problems_of(copy)
                         if p not in problems]
    for problem in problems:
        print(problem)
    print(f"{len(problems)} translation problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
