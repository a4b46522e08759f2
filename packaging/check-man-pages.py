#!/usr/bin/env python3
"""Checks that the manual pages name every option the programs' --help names.

    check-man-pages.py MAN_DIR GLYPHON GLYPHON_CLI
Fails when a page is missing or when an option (--word) of a program's
English --help does not appear in its page; then run
packaging/update-man-pages.sh.
"""
import os
import re
import subprocess
import sys

OPTION = re.compile(r"--[a-z][a-z-]*")
# glyphon-cli's commands, each with a --help of its own.
CLI_COMMANDS = ["convert", "info", "show", "split", "counter", "phones", "displays"]


def options_of(text):
    return set(OPTION.findall(text.replace("\\-", "-")))


def main():
    man_dir, programs = sys.argv[1], sys.argv[2:]
    environment = dict(os.environ, LANGUAGE="en", LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    problems = []
    for program in programs:
        name = os.path.basename(program)
        page = os.path.join(man_dir, name + ".1")
        if not os.path.isfile(page):
            problems.append(f"{page} is missing")
            continue
        documented = options_of(open(page, encoding="utf-8").read())
        helps = [[program, "--help"]]
        if name == "glyphon-cli":
            helps += [[program, command, "--help"] for command in CLI_COMMANDS]
        helped = "".join(subprocess.run(call, env=environment, check=True,
                                        capture_output=True, text=True).stdout
                         for call in helps)
        for option in sorted(options_of(helped) - documented):
            problems.append(f"{page} lacks {option}, which '{name} --help' names")
    for problem in problems:
        print(problem)
    if problems:
        print("run packaging/update-man-pages.sh to bring the pages up to date")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
