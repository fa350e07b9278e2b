#!/usr/bin/env python3
"""Turns the text table (the files texts/*.lang) into what the build needs.

    make_language_files.py libraries                 the library base names, index order, ";"-joined
    make_language_files.py rc TABLE FOLDER           FOLDER/<Language>_help.rc, one per language
    make_language_files.py english TABLE OUT.h       the English texts compiled into the program
    make_language_files.py all TABLE OUT.h           every text of every language, for the tests

TABLE is the folder of the table's files (one per part of the program: the frame, each
page, the dialogs), read as one table; or a single file. The format is described at the
top of texts/frame.lang. A malformed line, an unknown language code or
an identifier given twice fails here with the line; whether every block is complete is a
matter of the tests, which report all gaps at once.
"""
import os
import re
import sys

# Index order of the language index: code, library base name ("<name>_help.dll").
LANGUAGES = [
    ("da", "Danish"), ("en", "English"), ("fi", "Finnish"), ("fr", "French"),
    ("de", "German"), ("it", "Italian"), ("ja", "Japanese"), ("ko", "Korean"),
    ("pl", "Polish"), ("ru", "Russian"), ("zh-Hans", "SimplChinese"), ("es", "Spanish"),
    ("sv", "Swedish"), ("th", "Thai"), ("zh-Hant", "TradChinese"), ("tr", "Turkish"),
    ("vi", "Vietnamese"),
]
CODES = [code for code, _ in LANGUAGES]

HEADER_LINE = re.compile(r"^\[(\d+)\]\s*(.*)$")
TEXT_LINE = re.compile(r"^([A-Za-z-]+)\s*=\s*(.*)$")


class Block:
    def __init__(self, ident, context):
        self.ident = ident
        self.context = context
        self.texts = {}
        self.same = set()


def fail(where, message):
    sys.exit(f"{where}: {message}")


def unescape(text, where):
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\":
            nxt = text[i + 1] if i + 1 < len(text) else ""
            if nxt == "n":
                out.append("\n")
            elif nxt == "\\":
                out.append("\\")
            else:
                fail(where, f"unknown escape '\\{nxt}' (only \\n and \\\\)")
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def table_files(table):
    if os.path.isdir(table):
        return sorted(os.path.join(table, n) for n in os.listdir(table) if n.endswith(".lang"))
    return [table]


def read_table(table):
    blocks = []
    seen = {}
    for path in table_files(table):
        read_file(path, blocks, seen)
    return sorted(blocks, key=lambda b: b.ident)


def read_file(path, blocks, seen):
    block = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            where = f"{path}:{number}"
            line = raw.rstrip("\r\n").strip()
            if not line or line.startswith("#"):
                continue
            header = HEADER_LINE.match(line)
            if header:
                ident = int(header.group(1))
                if not 1 <= ident <= 65535:
                    fail(where, f"identifier {ident} is not 1..65535")
                if ident in seen:
                    fail(where, f"identifier {ident} is given twice (first at {seen[ident]})")
                seen[ident] = where
                block = Block(ident, header.group(2).strip())
                blocks.append(block)
                continue
            entry = TEXT_LINE.match(line)
            if not entry or block is None:
                fail(where, f"neither '[ID] context' nor 'CODE = text' inside a block: {line!r}")
            key, value = entry.group(1), entry.group(2).strip()
            if key == "same":
                codes = CODES if value == "*" else value.split()
                for code in codes:
                    if code not in CODES:
                        fail(where, f"unknown language code {code!r}")
                block.same.update(codes)
                continue
            if key not in CODES:
                fail(where, f"unknown language code {key!r}")
            if key in block.texts:
                fail(where, f"language {key} is given twice in block {block.ident}")
            block.texts[key] = unescape(value, where)


def write_file(path, content):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(content)


def rc_string(text):
    escaped = text.replace("\\", "\\\\").replace('"', '""').replace("\n", "\\n").replace("\t", "\\t")
    return f'"{escaped}"'


def write_rc(blocks, folder):
    for code, name in LANGUAGES:
        lines = [
            f"// {name}_help.dll: the string table of one language, generated from the text table.",
            "#pragma code_page(65001)",
            # Neutral: every library holds one language, and a neutral table is found
            # whatever the user's own language is.
            "LANGUAGE 0, 0",
            "STRINGTABLE",
            "BEGIN",
        ]
        for block in blocks:
            text = block.texts.get(code, "")
            if text:  # a missing text is left out: the program falls back to English
                lines.append(f"  {block.ident}, {rc_string(text)}")
        lines += ["END", ""]
        write_file(os.path.join(folder, f"{name}_help.rc"), "\n".join(lines))


def c_wide(text):
    out = ['L"']
    for ch in text:
        point = ord(ch)
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif point < 0x20 or point == 0x7F:
            out.append(f"\\{point:03o}")
        elif point < 0x80:
            out.append(ch)
        elif point <= 0xFFFF:
            out.append(f"\\u{point:04X}")
        else:
            out.append(f"\\U{point:08X}")
    out.append('"')
    return "".join(out)


def c_narrow(text):
    return '"' + text.encode("ascii", "replace").decode().replace("\\", "\\\\").replace('"', '\\"') + '"'


GENERATED = "// Generated by assets/languages/make_language_files.py from the text table: do not edit.\n"


def write_english(blocks, path):
    rows = [f"    {{{b.ident}, {c_wide(b.texts['en'])}}}," for b in blocks if b.texts.get("en")]
    content = (GENERATED + "// The English texts, compiled into the program as the last fallback; sorted by identifier.\n"
               "#pragma once\n\nnamespace orvix {\n\n"
               "struct EnglishTextRow {\n  int id;\n  const wchar_t* text;\n};\n\n"
               "inline constexpr EnglishTextRow kEnglishTextTable[] = {\n" + "\n".join(rows) + "\n};\n\n"
               "}  // namespace orvix\n")
    write_file(path, content)


def write_all(blocks, path):
    count = len(LANGUAGES)
    rows = []
    for b in blocks:
        texts = ", ".join(c_wide(b.texts[c]) if c in b.texts else "nullptr" for c in CODES)
        same = ", ".join("true" if c in b.same else "false" for c in CODES)
        rows.append(f"    {{{b.ident}, {c_narrow(b.context)},\n     {{{texts}}},\n     {{{same}}}}},")
    content = (GENERATED + "// Every text of the table in every language, for the tests; nullptr where a language has none.\n"
               "#pragma once\n\nnamespace orvix::testing {\n\n"
               f"inline constexpr int kTableLanguageCount = {count};\n"
               f"inline constexpr const char* kTableLanguageCodes[{count}] = {{"
               + ", ".join(f'"{c}"' for c in CODES) + "};\n"
               f"inline constexpr const char* kTableLibraryFiles[{count}] = {{"
               + ", ".join(f'"{n}_help.dll"' for _, n in LANGUAGES) + "};\n\n"
               "struct TableRow {\n  int id;\n  const char* context;\n"
               f"  const wchar_t* texts[{count}];\n  bool sameAsEnglish[{count}];  // the English text is right there\n}};\n\n"
               "inline constexpr TableRow kTableRows[] = {\n" + "\n".join(rows) + "\n};\n\n"
               "}  // namespace orvix::testing\n")
    write_file(path, content)


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "libraries":
        print(";".join(f"{name}_help" for _, name in LANGUAGES))
        return
    if len(sys.argv) != 4 or sys.argv[1] not in ("rc", "english", "all"):
        sys.exit(__doc__)
    command, table, target = sys.argv[1:4]
    blocks = read_table(table)
    {"rc": write_rc, "english": write_english, "all": write_all}[command](blocks, target)


if __name__ == "__main__":
    main()
