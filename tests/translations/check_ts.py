#!/usr/bin/env python3
"""Checks the game's translation files (translations/tavolux_LANG.ts).

Fails on an entry left unfinished, empty, vanished or obsolete; on a
translation whose %-arguments, line breaks or menu mnemonics differ from its
source; on a referee line too long for the referee window; on a file whose
language does not match its name; and on files that do not all hold the same
texts.

    check_ts.py FILE.ts...
"""

import re
import sys
import unicodedata
import xml.etree.ElementTree as ET
from pathlib import Path

# The referee's lines: written across its head, which narrows towards the
# chin, so a translated line may be at most a little wider than the English
# one (a wide, CJK character counts as two columns). The first lines, in
# capitals across the brow, have a room of their own.
REFEREE_LINES = {
    "WELCOME", "GAME OVER",
    "Please select new", "game in menu bar.",
    "Move mouse to one", "of your pieces.",
    "Board re-position", "is in progress...",
    "Computer AI is", "thinking......",
    "Yep! That's yours.", "Click & drag it.",
    "That's not yours!", "Try a different color.",
    "Now, drag it to a spot", "using one move or one", "or more jumps.",
}
REFEREE_SLACK = 2
REFEREE_HEADINGS = {"WELCOME": 15, "GAME OVER": 15}


def referee_room(source):
    return REFEREE_HEADINGS.get(source, len(source) + REFEREE_SLACK)

ARGUMENT = re.compile(r"%L?[1-9][0-9]?")
MNEMONIC = re.compile(r"&(?=[^&\s])")


def arguments(text):
    return sorted(ARGUMENT.findall(text))


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


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
            if context == "GameTexts" and source in REFEREE_LINES and width(text) > referee_room(source):
                problems.append(f"{where}: referee line {text!r} is wider than {referee_room(source)} columns")
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
