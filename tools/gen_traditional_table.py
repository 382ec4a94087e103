#!/usr/bin/env python3
"""Writes src/lang/TraditionalTable.cpp: the Big5 replacement of every GBK double-byte code.

For every lead byte 0x81-0xFE and trail byte 0x40-0xFE (0x7F included, so the table can be
indexed directly) the GBK character is converted to its traditional form with OpenCC's s2tw
configuration (Taiwan standard, which fits Big5 better than plain s2t) and encoded in Big5.

Which Big5 code an entry gets, first match wins:
  1. a fixed form for the few characters of the program's own texts whose word OpenCC's first
     candidate gets wrong when it sees one character alone (PROGRAM_TEXT_FORMS);
  2. the character itself, when Big5 holds it and Unihan gives it no traditional variant: such
     a character is no simplification (喫, 纔, 岩, 游, 托), and a text writes it as it means it,
     while OpenCC would swap it for a variant or for another word's character (吃, 才, 巖, 遊,
     託). Unihan's kTraditionalVariant comes from Debian's unicode-data package;
  3. the traditional form OpenCC gives, when Big5 has it;
  4. the replacement pair A1 BC, Big5's white square U+25A1, the usual mark of a character
     that cannot be shown. It stands for GBK codes without a character (the 0x7F column,
     unassigned and user-defined codes) and for characters Big5 lacks altogether. No text of
     the program contains a white square, so a replacement is easy to spot.

Python's 'cp950' codec is used rather than 'big5' because the program shows Big5 text with its
own table, glibc's BIG5 mapping (src/text). Outside C6A1-C8FE cp950 agrees with it on every
code, while 'big5' maps some symbols elsewhere (A244 is U+00A5 there but U+FFE5 on display, A1E3
U+223C against U+FF5E), so GBK's full-width yen sign or wave dash would be lost. Inside C6A1-C8FE
(kana and other additions) the two disagree, glibc giving private-use characters, so no entry
points there: characters that would land there are replaced.

Each entry is a little-endian 16-bit value whose low byte is the first Big5 byte with its top bit
inverted and whose high byte is the second Big5 byte.

Usage: tools/gen_traditional_table.py [output path]
       (needs the `opencc` command and /usr/share/unicode/Unihan_Variants.txt.bz2)
"""

import bz2
import subprocess
import sys
from pathlib import Path

LEAD_FIRST, LEAD_LAST = 0x81, 0xFE
TRAIL_FIRST, TRAIL_LAST = 0x40, 0xFE
TRAIL_COUNT = TRAIL_LAST - TRAIL_FIRST + 1
REPLACEMENT = b"\xa1\xbc"
DISPUTED_FIRST, DISPUTED_LAST = b"\xc6\xa1", b"\xc8\xfe"
VALUES_PER_LINE = 16
DEFAULT_OUTPUT = Path(__file__).resolve().parent.parent / "src" / "lang" / "TraditionalTable.cpp"
UNIHAN_VARIANTS = Path("/usr/share/unicode/Unihan_Variants.txt.bz2")

# The program writes 时钟, 10分钟 and 30分钟 (clock, minutes: 鐘, not the vessel and surname 鍾)
# and 自动联系 (to contact: 繫; 系 alone, a system or department, is no text of the program).
# tests/lang checks every text of the program against OpenCC's phrase-level conversion.
PROGRAM_TEXT_FORMS = {"钟": "鐘", "系": "繫"}


def gbk_codes():
    for lead in range(LEAD_FIRST, LEAD_LAST + 1):
        for trail in range(TRAIL_FIRST, TRAIL_LAST + 1):
            yield bytes((lead, trail))


def decode_gbk(code):
    """The character of a GBK code, or None for the 0x7F column and unassigned codes."""
    try:
        text = code.decode("gbk")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def to_traditional(characters):
    """OpenCC's s2tw form of each character, converted in one batch, one character per line."""
    result = subprocess.run(["opencc", "-c", "s2tw"], input="\n".join(characters) + "\n",
                            capture_output=True, text=True, encoding="utf-8", check=True)
    converted = result.stdout.split("\n")[:len(characters)]
    if len(converted) != len(characters):
        sys.exit("opencc returned %d lines for %d characters" % (len(converted), len(characters)))
    return converted


def unihan_simplified_characters():
    """The characters Unihan gives a traditional variant, that is the simplified ones."""
    characters = set()
    with bz2.open(UNIHAN_VARIANTS, "rt", encoding="utf-8") as variants:
        for line in variants:
            fields = line.split("\t")
            if len(fields) == 3 and fields[1] == "kTraditionalVariant":
                characters.add(chr(int(fields[0][2:], 16)))
    return characters


def encode_big5(text):
    try:
        code = text.encode("cp950")
    except UnicodeEncodeError:
        return None
    if len(code) != 2 or DISPUTED_FIRST <= code <= DISPUTED_LAST:
        return None
    return code


def opencc_version():
    result = subprocess.run(["opencc", "--version"], capture_output=True, text=True)
    for line in result.stdout.splitlines():
        if line.strip().startswith("Version"):
            return line.strip()
    return "Version: unknown"


def traditional_form(character, opencc_form, simplified):
    """The traditional character that stands for a GBK character, and how it was chosen."""
    if character in PROGRAM_TEXT_FORMS:
        return PROGRAM_TEXT_FORMS[character], "program text"
    if character not in simplified and encode_big5(character) is not None:
        return character, "unchanged" if opencc_form == character else "kept"
    return opencc_form, "unchanged" if opencc_form == character else "changed"


def build_table():
    codes = list(gbk_codes())
    characters = [decode_gbk(code) for code in codes]
    defined = [c for c in characters if c is not None]
    traditional = iter(to_traditional(defined))
    simplified = unihan_simplified_characters()

    counts = {"changed": 0, "unchanged": 0, "kept": 0, "program text": 0,
              "no character": 0, "no Big5 code": 0}
    entries = []
    for character in characters:
        if character is None:
            counts["no character"] += 1
            big5 = REPLACEMENT
        else:
            converted, how = traditional_form(character, next(traditional), simplified)
            big5 = encode_big5(converted)
            if big5 is not None:
                counts[how] += 1
            else:
                counts["no Big5 code"] += 1
                big5 = REPLACEMENT
        entries.append((big5[0] ^ 0x80) | (big5[1] << 8))
    return entries, counts


def format_table(entries, version):
    lines = [
        "// Generated by tools/gen_traditional_table.py with OpenCC s2tw (%s) and Unihan; do not edit."
        % version,
        "// Codes without a Big5 counterpart hold the pair A1 BC, a white square.",
        '#include "lang/TraditionalTable.h"',
        "",
        "const std::array<uint16_t, TraditionalTableSize> TraditionalTable = {{",
    ]
    for row, lead in enumerate(range(LEAD_FIRST, LEAD_LAST + 1)):
        lines.append("    // lead 0x%02X" % lead)
        values = entries[row * TRAIL_COUNT:(row + 1) * TRAIL_COUNT]
        for start in range(0, len(values), VALUES_PER_LINE):
            chunk = values[start:start + VALUES_PER_LINE]
            lines.append("    " + " ".join("0x%04X," % v for v in chunk))
    lines.append("}};")
    return "\n".join(lines) + "\n"


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUTPUT
    entries, counts = build_table()
    output.write_text(format_table(entries, opencc_version()), encoding="ascii")
    converted = counts["changed"] + counts["unchanged"] + counts["kept"] + counts["program text"]
    fallback = counts["no character"] + counts["no Big5 code"]
    print("%s: %d entries, %d converted, %d replaced" % (output, len(entries), converted, fallback))
    for name, count in counts.items():
        print("  %-16s %d" % (name, count))


if __name__ == "__main__":
    main()
