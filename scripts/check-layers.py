#!/usr/bin/env python3
"""Checks that the source tree keeps its layers.

Each library folder has a README.md with a line

    May include: `base/`, `carvello/` and libpng; ...

The folders and headers written in backticks in that first clause (up to
the first period or semicolon) are
what the folder's files (and those of its subfolders without a rule of their
own) may include besides their own folder. The check fails when

- a file includes a folder of the tree that its rule does not allow;
- the folders include each other in a circle, or the rules allow one;
- a source folder holds more than 40 files;
- a class or struct is named C followed by a capital letter (the prefix of
  another framework's wizard) without being listed in a README as kept on
  purpose ("Kept names:" followed by the names in backticks);
- a source file lies in no folder that has a rule.

Usage: check-layers.py [ROOT]   (default: the repository this script is in)
       check-layers.py --self-test
"""
import os
import re
import subprocess
import sys
import tempfile

# Folders whose files are not layered: tests, benchmarks and fuzz targets
# may include every library.
UNLAYERED = ("tests", "bench", "fuzz", "build", "packaging", "scripts", "samples", "help")
SOURCE_SUFFIXES = (".cpp", ".h")
MAX_FILES = 40

RULE = re.compile(r"^May include:(.*?)(?:[.;]\s|\.$|\n\s*\n)", re.M | re.S)
KEPT = re.compile(r"^Kept names:(.*?)(?:\.\s|\.$|\n\s*\n)", re.M | re.S)
TICKED = re.compile(r"`([^`]+)`")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
C_PREFIXED = re.compile(r"^\s*(?:class|struct|enum class|enum)\s+(C[A-Z]\w*)\b(?!\s*;)", re.M)


def source_files(root):
    found = []
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        top = rel.split(os.sep)[0]
        if rel != "." and (top in UNLAYERED or top.startswith("build")):
            dirs[:] = []
            continue
        dirs[:] = [d for d in dirs if not d.startswith(".")]
        for name in files:
            if name.endswith(SOURCE_SUFFIXES):
                found.append(os.path.normpath(os.path.join(rel, name)))
    return found


def read_rules(root):
    """folder -> set of allowed targets; names kept on purpose."""
    rules, kept = {}, set()
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        if "README.md" not in files:
            continue
        rel = os.path.normpath(os.path.relpath(folder, root))
        with open(os.path.join(folder, "README.md"), encoding="utf-8") as handle:
            text = handle.read()
        for match in KEPT.finditer(text):
            kept.update(TICKED.findall(match.group(1)))
        match = RULE.search(text)
        if match is None or rel == ".":
            continue
        allowed = {t.rstrip("/") for t in TICKED.findall(match.group(1)) if "/" in t}
        rules[rel] = allowed
    return rules, kept


def governing(rules, path):
    """The rule folder that governs a path: the longest folder containing it."""
    best = None
    for folder in rules:
        if path == folder or path.startswith(folder + os.sep) or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def target_folder(rules, include):
    """The rule folder an include names, or None for a path outside them."""
    return governing(rules, include)


def allowed(rules, folder, include):
    own = rules[folder]
    target = target_folder(rules, include)
    if target is None or target == folder:
        return True
    for entry in own:
        if include == entry or include.startswith(entry + "/"):
            return True
    return False


def find_circle(edges):
    """A list of nodes forming a circle in the graph, or None."""
    state, stack = {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if state.get(nxt) is None:
                circle = visit(nxt)
                if circle:
                    return circle
        state[node] = 2
        stack.pop()
        return None

    for node in sorted(edges):
        if state.get(node) is None:
            circle = visit(node)
            if circle:
                return circle
    return None


def check(root):
    problems = []
    rules, kept = read_rules(root)
    files = source_files(root)
    actual = {}
    per_folder = {}
    for path in files:
        per_folder.setdefault(os.path.dirname(path), []).append(path)
        folder = governing(rules, path)
        if folder is None:
            problems.append(f"{path}: no README above it says what it may include")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as handle:
            text = handle.read()
        for include in INCLUDE.findall(text):
            target = target_folder(rules, include)
            if target is not None and target != folder:
                actual.setdefault(folder, set()).add(target)
            if not allowed(rules, folder, include):
                problems.append(f"{path}: includes \"{include}\", which {folder}/README.md "
                                "does not allow")
        for name in C_PREFIXED.findall(text):
            if name not in kept:
                problems.append(f"{path}: {name} carries the C prefix of another framework "
                                "(rename it, or list it under \"Kept names:\" in a README)")
    # Every file of a folder counts, not only sources, but data folders do not.
    for folder in {os.path.dirname(p) for p in files}:
        entries = [e for e in os.listdir(os.path.join(root, folder))
                   if os.path.isfile(os.path.join(root, folder, e))]
        if len(entries) > MAX_FILES:
            problems.append(f"{folder}/: {len(entries)} files, more than {MAX_FILES}")
    circle = find_circle(actual)
    if circle:
        problems.append("the folders include each other in a circle: " + " -> ".join(circle))
    allowed_edges = {f: {governing(rules, t) for t in targets} - {None, f}
                     for f, targets in rules.items()}
    circle = find_circle(allowed_edges)
    if circle:
        problems.append("the README rules allow a circle: " + " -> ".join(circle))
    return problems


def self_test():
    """The check on small trees made here: one that keeps its layers, and
    each kind of fault alone."""
    def tree(files):
        root = tempfile.mkdtemp()
        for path, text in files.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as handle:
                handle.write(text)
        return root

    good = {
        "low/README.md": "Low.\n\nMay include: nothing of the tree.\n",
        "low/A.h": "#pragma once\n#include <vector>\n",
        "high/README.md": "High.\n\nMay include: `low/` and the standard library.\n",
        "high/B.h": '#include "low/A.h"\n#include "high/sub/C.h"\n',
        "high/sub/C.h": '#include "low/A.h"\n',
        "README.md": "Kept names: `CArray`.\n",
        "high/D.h": "struct CArray {};\nclass CFoo;\n",
    }
    cases = {
        "upward include": ({"low/A.h": '#include "high/B.h"\n'}, "does not allow"),
        "no rule": ({"loose/E.cpp": "int e;\n"}, "no README"),
        "wizard name": ({"low/F.h": "class CMainThing {};\n"}, "C prefix"),
        "too many files": ({f"low/f{i}.h": "" for i in range(41)}, "more than 40"),
        "allowed circle": ({"low/README.md": "Low.\n\nMay include: `high/`.\n"}, "allow a circle"),
    }
    failures = []
    if check(tree(good)):
        failures.append("a tree that keeps its layers was refused: " + "; ".join(check(tree(good))))
    for name, (change, expected) in cases.items():
        problems = check(tree({**good, **change}))
        if not any(expected in p for p in problems):
            failures.append(f"{name}: not found ({problems})")
    for failure in failures:
        print("self-test:", failure)
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    root = sys.argv[1] if len(sys.argv) > 1 else subprocess.check_output(
        ["git", "-C", os.path.dirname(os.path.abspath(__file__)), "rev-parse", "--show-toplevel"],
        text=True).strip()
    problems = check(root)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
