#!/usr/bin/env python3
"""The player's texts and their English.

  texts_test.py marked <source folder> [file...]
      Every string literal of the game's code that holds Japanese is marked
      for translation: the text argument of Tr(context, text) in ui/, or of
      TESSARO_TEXT / TESSARO_NOOP(context, text) in the window-free rooms.
      A Japanese text written any other way would reach an English player
      untranslated. A literal that is no text for the player (a font's
      name) says so in a comment on its line: "// untranslated: why".
      The files given besides (the header made from ui/app_info.h.in) are
      read too.

  texts_test.py translated <.ts file>
      Every translation is there and finished, holds nothing Japanese, and
      has exactly the placeholders (%1 to %9) of its Japanese text, each as
      often, so that no piece of a message is lost or doubled.
"""

import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOMS = ["model", "board", "session", "options", "records", "ui", "web"]
MARKS = {"Tr", "TESSARO_TEXT", "TESSARO_NOOP"}


def is_japanese(c):
    n = ord(c)
    return (0x3000 <= n <= 0x30FF or 0x31F0 <= n <= 0x31FF or 0x3400 <= n <= 0x4DBF or 0x4E00 <= n <= 0x9FFF
            or 0xF900 <= n <= 0xFAFF or 0xFF00 <= n <= 0xFFEF)


def has_japanese(text):
    return any(is_japanese(c) for c in text)


# Comments, string literals (with their prefixes, raw ones included),
# numbers (with their digit separators), character literals, names and
# single punctuation, in that order.
TOKEN = re.compile(r'''
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<number>\.?[0-9](?:[0-9A-Za-z_.]|'(?=[0-9A-Za-z]))*)
  | (?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')
  | (?P<name>[A-Za-z_][A-Za-z_0-9]*)
  | (?P<punct>\S)
''', re.VERBOSE | re.DOTALL)


def tokens(source):
    for match in TOKEN.finditer(source):
        kind = "raw" if match.group("raw") is not None else match.lastgroup
        yield kind, match.group(0), match.start()


def unmarked(path):
    """The Japanese literals of one file that are not the text of a mark."""
    source = path.read_text(encoding="utf-8")
    lines = source.split("\n")
    found = []
    code = [t for t in tokens(source) if t[0] != "comment"]
    for i, (kind, text, at) in enumerate(code):
        if kind not in ("string", "raw") or not has_japanese(text):
            continue
        line = source.count("\n", 0, at) + 1
        if "// untranslated:" in lines[line - 1]:
            continue
        # Back over the literals it is concatenated with, then: a context
        # literal, a comma, "(" and the mark's name.
        j = i
        while j > 0 and code[j - 1][0] in ("string", "raw"):
            j -= 1
        marked = (j >= 4 and code[j - 1][1] == "," and code[j - 2][0] == "string" and code[j - 3][1] == "("
                  and code[j - 4][0] == "name" and code[j - 4][1] in MARKS)
        if not marked:
            found.append(f"{path}:{line}: {text}")
    return found


def check_marked(source_dir, extra):
    source_dir = pathlib.Path(source_dir)
    files = sorted(p for room in ROOMS for p in (source_dir / room).rglob("*")
                   if p.suffix in (".cpp", ".h") or p.name.endswith(".h.in"))
    files += [pathlib.Path(p) for p in extra]
    problems = [problem for path in files for problem in unmarked(path)]
    for problem in problems:
        print(f"FAIL: a Japanese text not marked for translation: {problem}", file=sys.stderr)
    if problems:
        print("Mark it with Tr(context, text) in ui/ or TESSARO_TEXT(context, text) in the rooms, then run "
              "tools/update_translations.sh and translate it.", file=sys.stderr)
        return 1
    print(f"PASS: every Japanese text of {len(files)} files is marked for translation")
    return 0


def text_of(element):
    """An element's text, with lupdate's <byte value="xd"/> for a carriage return."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def placeholders(text):
    return sorted(re.findall(r"%[1-9]", text))


def check_translated(ts):
    problems = []
    count = 0
    for context in ElementTree.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = text_of(message.find("source"))
            translation = message.find("translation")
            what = f"{name}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{what} is not translated (or not finished)")
                continue
            english = text_of(translation)
            if not english:
                problems.append(f"{what} has an empty translation")
            if has_japanese(english):
                problems.append(f"{what}: its English {english!r} holds Japanese")
            if placeholders(english) != placeholders(source):
                problems.append(f"{what}: its English {english!r} has the placeholders {placeholders(english)}, "
                                f"not {placeholders(source)}")
    for problem in problems:
        print(f"FAIL: {problem}", file=sys.stderr)
    if problems or count == 0:
        return 1
    print(f"PASS: {count} texts translated, each with its placeholders and nothing Japanese")
    return 0


def main(argv):
    if len(argv) >= 3 and argv[1] == "marked":
        return check_marked(argv[2], argv[3:])
    if len(argv) == 3 and argv[1] == "translated":
        return check_translated(argv[2])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
