#!/usr/bin/env python3
"""Keeps the translation files whole.

Each .ts file of translations/ covers the source folders listed below. The
check fails when
  - lupdate, run on those folders into a copy of the file, finds an entry
    the file lacks or drops one it holds (the file is out of date),
  - an entry has no finished translation,
  - the placeholders %1, %2, ... of a translation differ from its source's,
  - a string literal with Cyrillic letters in a covered folder stands
    outside a translation call and outside the allow list
    (untranslated.txt beside this script).
A .ts file that is not there yet is skipped with its folders.

    check_translations.py --root SOURCE_ROOT [--lupdate PATH]           check
    check_translations.py --root SOURCE_ROOT [--lupdate PATH] --update  refresh the files with lupdate
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

COVERAGE = {
    "vorn_en.ts": ["src/ui", "src/platform", "src/app", "src/picture"],
    "vorn-core_en.ts": ["src/model", "src/cli"],
}

# The model's hook and its table marker are read as Qt's own functions.
LUPDATE_OPTIONS = ["-locations", "none", "-no-obsolete", "-source-language", "ru", "-target-language", "en",
                   "-tr-function-alias", "translate+=Tr,QT_TRANSLATE_NOOP+=VORN_TR_NOOP"]

# Calls whose first argument is the text, and calls whose first argument is
# the context and whose second is the text.
TEXT_FIRST = {"tr", "QT_TR_NOOP", "QT_TR_N_NOOP"}
TEXT_SECOND = {"translate", "Tr", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "VORN_TR_NOOP"}

CYRILLIC = re.compile("[\u0400-\u04FF]")
PLACEHOLDER = re.compile(r"%(\d+)")


def run_lupdate(lupdate, root, folders, ts_path):
    command = [lupdate, *LUPDATE_OPTIONS, *[os.path.join(root, f) for f in folders], "-ts", ts_path]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError(f"lupdate failed on {ts_path}:\n{result.stdout}{result.stderr}")


def entries(ts_path):
    """(context, source) -> (translation text, its type attribute) of every message."""
    found = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (translation.text or "", translation.get("type", ""))
    return found


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def check_file(lupdate, root, name, folders):
    problems = []
    ts_path = os.path.join(root, "translations", name)
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, name)
        shutil.copyfile(ts_path, fresh)
        run_lupdate(lupdate, root, folders, fresh)
        kept, current = entries(ts_path), entries(fresh)
    for key in sorted(current.keys() - kept.keys()):
        problems.append(f"{name}: missing entry [{key[0]}] {key[1]!r} (run with --update)")
    for key in sorted(kept.keys() - current.keys()):
        problems.append(f"{name}: entry no longer in the sources [{key[0]}] {key[1]!r} (run with --update)")
    for (context, source), (text, kind) in sorted(kept.items()):
        if kind in ("unfinished", "vanished", "obsolete") or not text:
            problems.append(f"{name}: no finished translation for [{context}] {source!r}")
        elif placeholders(source) != placeholders(text):
            problems.append(f"{name}: placeholders differ in [{context}] {source!r} -> {text!r}")
    return problems


def string_literals(code):
    """(start, end, text) of each string literal in C++ code, comments skipped."""
    literals = []
    i, n = 0, len(code)
    while i < n:
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif code[i] == "'":
            j = i + 1
            while j < n and code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
        elif code[i] == '"':
            j = i + 1
            while j < n and code[j] != '"':
                j += 2 if code[j] == "\\" else 1
            literals.append((i, j + 1, code[i + 1:j]))
            i = j + 1
        else:
            i += 1
    return literals


def in_translation_call(code, start, literals_before):
    """Whether the literal at start is the text argument of a translation call."""
    def skip_back(pos):
        while pos > 0 and code[pos - 1].isspace():
            pos -= 1
        return pos

    def identifier_before(pos):
        pos = skip_back(pos)
        end = pos
        while pos > 0 and (code[pos - 1].isalnum() or code[pos - 1] == "_"):
            pos -= 1
        return code[pos:end]

    ends = {end: begin for begin, end, _ in literals_before}
    pos = skip_back(start)
    while pos in ends:  # "first part " "second part": the first part decides
        pos = skip_back(ends[pos])
    if pos == 0:
        return False
    if code[pos - 1] == "(":
        return identifier_before(pos - 1) in TEXT_FIRST
    if code[pos - 1] == ",":
        context_end = skip_back(pos - 1)
        if context_end not in ends:
            return False
        before = skip_back(ends[context_end])
        return before > 0 and code[before - 1] == "(" and identifier_before(before - 1) in TEXT_SECOND
    return False


def read_allow_list(path):
    """(path, literal) pairs that may stay untranslated: 'path | literal | reason' lines."""
    allowed = set()
    if not os.path.exists(path):
        return allowed
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split(" | ")  # the literal keeps its own blanks
            if len(parts) != 3 or not parts[2].strip():
                raise ValueError(f"{path}: expected 'path | literal | reason': {line}")
            allowed.add((parts[0].strip(), parts[1]))
    return allowed


def check_literals(root, folders, allowed):
    problems = []
    for folder in folders:
        for directory, _, files in sorted(os.walk(os.path.join(root, folder))):
            for file_name in sorted(files):
                if not file_name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(directory, file_name)
                relative = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as source:
                    code = source.read()
                literals = string_literals(code)
                for index, (start, _, text) in enumerate(literals):
                    if not CYRILLIC.search(text) or (relative, text) in allowed:
                        continue
                    if not in_translation_call(code, start, literals[:index]):
                        line = code.count("\n", 0, start) + 1
                        problems.append(f"{relative}:{line}: text outside a translation call: \"{text}\"")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", required=True, help="the source tree")
    parser.add_argument("--lupdate", default=shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate")
    parser.add_argument("--update", action="store_true", help="refresh the .ts files instead of checking")
    arguments = parser.parse_args()
    root = os.path.abspath(arguments.root)
    present = {name: folders for name, folders in COVERAGE.items()
               if os.path.exists(os.path.join(root, "translations", name))}
    if arguments.update:
        for name, folders in present.items():
            run_lupdate(arguments.lupdate, root, folders, os.path.join(root, "translations", name))
        return 0
    allowed = read_allow_list(os.path.join(os.path.dirname(os.path.abspath(__file__)), "untranslated.txt"))
    problems = []
    for name, folders in present.items():
        problems += check_file(arguments.lupdate, root, name, folders)
        problems += check_literals(root, folders, allowed)
    for problem in problems:
        print(problem)
    print(f"{len(present)} translation file(s) checked, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
