#!/usr/bin/env python3
"""Makes the English of translations/tessaro_en.ts into a C++ table for the
page, sorted by context and text as strcmp orders them (UTF-8 bytes), so that
a lookup is a binary search. Unfinished translations are left out: their
texts stay as written, as Qt's lrelease leaves them for the desktop.

  translation_table.py <.ts file> <.cpp file>
"""

import sys
import xml.etree.ElementTree as ElementTree


def text_of(element):
    """An element's text, with lupdate's <byte value="xd"/> for a carriage return."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def literal(text):
    """A C++ string literal of the text's UTF-8 bytes."""
    out = ['"']
    for c in text:
        if c == "\\":
            out.append("\\\\")
        elif c == '"':
            out.append('\\"')
        elif c == "\n":
            out.append("\\n")
        elif c == "\r":
            out.append("\\r")
        elif ord(c) < 0x20 or c == "\x7f":
            out.append("\\%03o" % ord(c))
        else:
            out.append(c)
    out.append('"')
    return "".join(out)


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    entries = {}
    for context in ElementTree.parse(argv[1]).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            english = text_of(translation)
            if english:
                entries[(name.encode(), text_of(message.find("source")).encode())] = english
    lines = ["// Made from translations/tessaro_en.ts by web/translation_table.py at every build.",
             '#include "web/page_language.h"', "", "namespace tessaro {", "",
             "const PageTranslation kEnglish[] = {"]
    for (context, source), english in sorted(entries.items()):
        lines.append("    {%s, %s, %s}," % (literal(context.decode()), literal(source.decode()), literal(english)))
    lines += ["};", "const std::size_t kEnglishCount = sizeof kEnglish / sizeof kEnglish[0];", "",
              "}  // namespace tessaro", ""]
    with open(argv[2], "w", encoding="utf-8") as out:
        out.write("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
