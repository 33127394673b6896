#!/usr/bin/env python3
"""Checks the game's translation files (translations/tavolux_LANG.ts).

Fails on an entry left unfinished, empty, vanished or obsolete; on a
translation whose %-arguments, line breaks or menu mnemonics differ from its
source; on French punctuation without its non-breaking space; on a file whose
language does not match its name; and on files that do not all hold the same
texts.

    check_ts.py FILE.ts...
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

# French puts a non-breaking space (U+00A0, or the narrow U+202F) before
# : ; ! ? and inside « », so that a line never breaks there: an ordinary
# space there is a fault, and so is none at all but before a colon, which
# the game records' own words ("Start: opening") have without one.
FRENCH_SPACING = re.compile(r"[ ][:;!?»]|«[ ]|[^\s\u00a0\u202f:;!?][;!?»]|«[^\s\u00a0\u202f]")


def french_spacing_faults(text):
    return [match.group(0) for match in FRENCH_SPACING.finditer(text)]


ARGUMENT = re.compile(r"%L?[1-9][0-9]?")
MNEMONIC = re.compile(r"&(?=[^&\s])")


def arguments(text):
    return sorted(ARGUMENT.findall(text))


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def language_of(path):
    """'tavolux_zh_CN.ts' -> 'zh_CN'."""
    return Path(path).stem.split("_", 1)[1] if "_" in Path(path).stem else ""


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message


def check_file(path):
    """Returns (problems, set of (context, source)) for one .ts file."""
    problems = []
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as error:
        return [f"{path}: cannot be read: {error}"], set()

    expected = language_of(path)
    language = root.get("language", "")
    if not expected or not (language == expected or language.split("_")[0] == expected):
        problems.append(f"{path}: language \"{language}\" does not match the file name")

    texts = set()
    for context, message in messages(root):
        source = message.findtext("source", "")
        where = f"{path}: {context}: {source!r}"
        if (context, source) in texts:
            problems.append(f"{where}: appears twice")
        texts.add((context, source))
        translation = message.find("translation")
        if translation is None:
            problems.append(f"{where}: has no translation")
            continue
        kind = translation.get("type", "")
        if kind in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: is {kind}")
            continue
        if kind:
            problems.append(f"{where}: unknown type \"{kind}\"")
        forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
            else [translation.text or ""]
        for text in forms:
            if not text.strip():
                problems.append(f"{where}: empty translation")
                continue
            if arguments(text) != arguments(source):
                problems.append(f"{where}: arguments {arguments(text)} instead of {arguments(source)}")
            if text.count("\n") != source.count("\n"):
                problems.append(f"{where}: {text.count(chr(10))} line breaks instead of {source.count(chr(10))}")
            if mnemonics(text) != mnemonics(source):
                problems.append(f"{where}: {mnemonics(text)} mnemonics (&) instead of {mnemonics(source)}")
            if expected == "fr" and french_spacing_faults(text):
                problems.append(f"{where}: French spacing {french_spacing_faults(text)} needs a non-breaking space")
    if not texts:
        problems.append(f"{path}: holds no texts")
    return problems, texts


def check(paths):
    problems = []
    sets = {}
    for path in paths:
        found, texts = check_file(path)
        problems += found
        sets[path] = texts
    if sets:
        everything = set().union(*sets.values())
        for path, texts in sets.items():
            for context, source in sorted(everything - texts):
                problems.append(f"{path}: lacks {context}: {source!r}, which another language has")
    return problems


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(argv[1:])
    for problem in problems:
        print(problem)
    if problems:
        print(f"FAILED: {len(problems)} problem(s)")
        return 1
    print(f"{len(argv) - 1} translation file(s) complete")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
