#!/usr/bin/env python3
"""Turns the text tables in src/i18n/tables/*.csv into constexpr C++ headers.

Each table is a CSV file (UTF-8, comma-separated, a header line naming the columns) that a
spreadsheet opens. languages.csv lists the languages, one row each; every other table has a
column per language tag, or names one language a row. A list of entries is one cell, its
entries joined by "|". A cell that begins or ends with a blank is quoted, so the blank is seen.

Anything missing or malformed (a language without its column, an empty cell, lists of different
lengths, a key twice) stops the build with a message naming the table, the row and the language.

Usage: make_text_tables.py TABLE_FOLDER OUTPUT_FOLDER
Writes OUTPUT_FOLDER/i18n/tables/<table>.h, and only where the text changed, so an unchanged
table recompiles nothing.
"""

import re
import sys
from pathlib import Path

ENTRY_SEPARATOR = "|"
MAX_CONTROLS = 5
IDENTIFIER = re.compile(r"[A-Za-z][A-Za-z0-9]*")
KEY = re.compile(r"[a-z0-9_.]+")

# Names in braces a text may hold, the C++ macro that stands for each and the header giving it.
MACRO_NAMES = {"{version}": ("KESTROVA_VERSION_TEXT", "common/version.h")}

# Each table: the row type its header fills, the header that declares the type, the columns
# before the languages (name, kind), and what its language cells hold: "text" (one text a
# language), "list" (a list a language) or None (no column per language). A table of departures
# ("of") gives texts for some languages only, keyed like the rows of the tables it names.
TABLES = {
    "main_captions": {
        "row": "MainCaptionRow",
        "columns": [("key", "key"), ("control", "int")],
        "languages": "text",
    },
    "camera_labels": {
        "row": "CameraLabelRow",
        "columns": [("key", "key"), ("control_ac", "int"), ("control_b", "int"), ("forms", "ABC")],
        "languages": "text",
    },
    "camera_options": {
        "row": "CameraOptionRow",
        "columns": [("key", "key"), ("forms", "ABC"), ("default", "int")],
        "languages": "list",
    },
    "camera_form_b": {
        "row": "LanguageDeparture",
        "columns": [("language", "language"), ("key", "key"), ("text", "text")],
        "of": ["camera_labels", "camera_options"],
    },
    "camera_extra_captions": {
        "row": "ExtraCaptionRow",
        "columns": [("language", "language"), ("key", "key"), ("controls", "ints"),
                    ("text", "text")],
    },
    "mms_captions": {
        "row": "VariantCaptionRow",
        "columns": [("key", "key"), ("control_a", "int"), ("control_b", "int")],
        "languages": "text",
    },
    "mms_options": {
        "row": "OptionTextsRow",
        "columns": [("key", "key")],
        "languages": "list",
    },
    "mms_form_a": {
        "row": "LanguageDeparture",
        "columns": [("language", "language"), ("key", "key"), ("text", "text")],
        "of": ["mms_options"],
    },
    "smtp_captions": {
        "row": "VariantCaptionRow",
        "columns": [("key", "key"), ("control_a", "int"), ("control_b", "int")],
        "languages": "text",
    },
    "smtp_options": {
        "row": "OptionTextsRow",
        "columns": [("key", "key")],
        "languages": "list",
    },
    # Messages exist in English and Chinese only, whatever the languages.
    "messages": {
        "row": "MessageText",
        "header": "i18n/messages.h",
        "columns": [("id", "Message"), ("key", "key"), ("en", "text"), ("zh_CN", "text")],
    },
}


class TableError(Exception):
    pass


class Cell:
    def __init__(self, text, quoted):
        self.text = text
        self.quoted = quoted


def parse_csv(path):
    """The rows of a CSV file as (line number, cells), each cell knowing whether it was quoted.
    No text holds a line break, so a row is a line."""
    try:
        text = path.read_bytes().decode("utf-8-sig")
    except UnicodeDecodeError as error:
        raise TableError(f"{path.name}: not UTF-8 ({error})") from None
    rows = []
    for number, line in enumerate(text.split("\n"), start=1):
        line = line.removesuffix("\r")
        if line == "":
            continue
        cells, at = [], 0
        while True:
            if line.startswith('"', at):
                value, at = [], at + 1
                while True:
                    quote = line.find('"', at)
                    if quote < 0:
                        raise TableError(f"{path.name}:{number}: a quote is not closed")
                    value.append(line[at:quote])
                    if line.startswith('""', quote):
                        value.append('"')
                        at = quote + 2
                        continue
                    at = quote + 1
                    break
                cell = Cell("".join(value), True)
                if at < len(line) and line[at] != ",":
                    raise TableError(f"{path.name}:{number}: text after a closing quote")
            else:
                end = line.find(",", at)
                end = len(line) if end < 0 else end
                cell = Cell(line[at:end], False)
                if '"' in cell.text:
                    raise TableError(f"{path.name}:{number}: a quote inside an unquoted cell")
                at = end
            cells.append(cell)
            if at >= len(line):
                break
            at += 1  # the comma
        rows.append((number, cells))
    return rows


def read_table(path):
    """The header and the rows of a table, each row as a dict of its cells by column name."""
    rows = parse_csv(path)
    if not rows:
        raise TableError(f"{path.name}: empty")
    header = [cell.text for cell in rows[0][1]]
    for name in header:
        if header.count(name) > 1:
            raise TableError(f"{path.name}: column {name} twice")
    body = []
    for line, cells in rows[1:]:
        if len(cells) > len(header):
            raise TableError(f"{path.name}:{line}: {len(cells)} cells, but the header names "
                             f"{len(header)} columns")
        body.append((line, dict(zip(header, cells))))
    return header, body


def cpp_string(text, includes):
    """A C++ string literal for the text, names in braces as their macros."""
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    for name, (macro, header) in MACRO_NAMES.items():
        if name in escaped:
            escaped = escaped.replace(name, f'" {macro} "')
            includes.add(header)
    return f'"{escaped}"'


class Languages:
    def __init__(self, path):
        header, rows = read_table(path)
        wanted = ["number", "name", "entry", "locale", "tag", "camera_byte"]
        if header != wanted:
            raise TableError(f"{path.name}: the columns are {','.join(wanted)}")
        self.rows = []
        for index, (line, cells) in enumerate(rows, start=1):
            where = f"{path.name}:{line}"
            values = {}
            for column in wanted:
                cell = cells.get(column)
                if cell is None or cell.text == "":
                    raise TableError(f"{where}: no {column}")
                if cell.text != cell.text.strip():
                    raise TableError(f"{where}: {column} begins or ends with a blank")
                values[column] = cell.text
            if values["number"] != str(index):
                raise TableError(f"{where}: number {values['number']}, but this is row {index}: "
                                 "a language's number is its place in the list")
            if not IDENTIFIER.fullmatch(values["name"]):
                raise TableError(f"{where}: name {values['name']} is not letters and digits")
            if not re.fullmatch(r"[a-z]{2,3}(_[A-Z]{2})?", values["tag"]):
                raise TableError(f"{where}: tag {values['tag']} is not like de or zh_CN")
            if not re.fullmatch(r"[a-z]{2,3}_[A-Z]{2}", values["locale"]):
                raise TableError(f"{where}: locale {values['locale']} is not like de_DE")
            if not re.fullmatch(r"[0-9]+", values["camera_byte"]) or not (
                    1 <= int(values["camera_byte"]) <= 255):
                raise TableError(f"{where}: camera_byte {values['camera_byte']} is not 1..255")
            for other in self.rows:
                for column in ("name", "tag"):
                    if other[column] == values[column]:
                        raise TableError(f"{where}: {column} {values[column]} twice")
            self.rows.append(values)
        if not any(row["tag"] == "en" for row in self.rows):
            raise TableError(f"{path.name}: no English (tag en), which every text falls back to")
        self.tags = [row["tag"] for row in self.rows]
        self.names = {row["tag"]: row["name"] for row in self.rows}

    def describe(self, tag):
        return f"{tag} ({self.names[tag]})"

    def header(self):
        lines = [
            "#pragma once",
            "",
            '#include "i18n/language_row.h"',
            "",
            "#include <array>",
            "",
            "namespace kestrova::i18n {",
            "",
            "// Language numbers, as the preferences and --language know them.",
            "enum Language : int {",
        ]
        lines += [f"    {row['name']} = {row['number']}," for row in self.rows]
        lines += [
            "};",
            "",
            f"inline constexpr int languageCount = {len(self.rows)};",
            "",
            "inline constexpr std::array<LanguageRow, languageCount> languageTable{{",
        ]
        for row in self.rows:
            strings = [cpp_string(row[column], set()) for column in ("entry", "locale", "tag")]
            lines.append(f"    {{{row['number']}, {', '.join(strings)}, {row['camera_byte']}}},")
        lines += ["}};", "", "} // namespace kestrova::i18n", ""]
        return lines


def check_text(where, what, cell, list_cell):
    """A text cell: present, blanks at its ends quoted, a list's entries each present; its
    entries."""
    if cell is None or cell.text == "":
        raise TableError(f"{where}: no text for {what}")
    if re.search(r"[\x00-\x1f\x7f\x85\u2028\u2029]", cell.text):
        raise TableError(f"{where}: the text for {what} holds a control character")
    if not cell.quoted and cell.text != cell.text.strip():
        raise TableError(f"{where}: the text for {what} begins or ends with a blank: quote it, "
                         f"\"{cell.text}\", if the blank belongs to the text")
    if not list_cell:
        return [cell.text]
    entries = cell.text.split(ENTRY_SEPARATOR)
    if "" in entries:
        raise TableError(f"{where}: the list for {what} has an empty entry")
    return entries


def convert(name, spec, path, languages, keys_of, counts_of):
    header, rows = read_table(path)
    table = path.name
    columns = spec["columns"]
    texts = spec.get("languages")
    wanted = [column for column, _ in columns] + (languages.tags if texts else [])
    for column in header:
        if column not in wanted:
            known = "" if texts is None else f" (the languages are {', '.join(languages.tags)})"
            raise TableError(f"{table}: column {column} is not one this table has{known}")
    for column in wanted:
        if column not in header:
            what = languages.describe(column) if texts and column in languages.names else column
            first = rows[0][1]["key"].text if rows and "key" in rows[0][1] else "the first row"
            raise TableError(f"{table}: no column for {what}: row {first} and every other "
                             "row need its text")

    includes = {spec.get("header", "i18n/text_rows.h")}
    body, keys, counts = [], set(), {}
    for line, cells in rows:
        key_cell = cells.get("key")
        key = key_cell.text if key_cell else ""
        where = f"{table}:{line}: row {key or '(no key)'}"
        if not KEY.fullmatch(key):
            raise TableError(f"{where}: the key is empty or not lower case, digits, _ and .")
        fields, identity, language = [], key, None
        for column, kind in columns:
            cell = cells.get(column)
            text = cell.text if cell else ""
            if kind == "key":
                fields.append(f'"{key}"')
            elif kind == "int":
                if not re.fullmatch(r"-?[0-9]+", text):
                    raise TableError(f"{where}: {column} is not a whole number ({text!r})")
                fields.append(str(int(text)))
            elif kind == "ints":
                numbers = text.split()
                if not numbers or len(numbers) > MAX_CONTROLS or not all(
                        re.fullmatch(r"[0-9]+", n) for n in numbers):
                    raise TableError(f"{where}: {column} is not 1 to {MAX_CONTROLS} whole "
                                     "numbers apart by blanks")
                padded = numbers + ["0"] * (MAX_CONTROLS - len(numbers))
                fields.append("{" + ", ".join(padded) + "}")
            elif kind == "ABC":
                if not re.fullmatch(r"A?B?C?", text) or text == "":
                    raise TableError(f"{where}: {column} is not the forms, as A, BC or ABC")
                fields.append(f'"{text}"')
            elif kind == "language":
                if text not in languages.names:
                    raise TableError(f"{where}: {column} {text!r} is no language's tag "
                                     f"({', '.join(languages.tags)})")
                fields.append(languages.names[text])
                identity, language = (text, key), languages.describe(text)
            elif kind == "text":
                what = languages.describe(column) if column in languages.names else language
                check_text(where, what, cell, False)
                fields.append(cpp_string(cell.text, includes))
            else:  # an enumerator of the C++ type named by the kind
                if not IDENTIFIER.fullmatch(text):
                    raise TableError(f"{where}: {column} {text!r} is not a name")
                fields.append(f"{kind}::{text}")
        if identity in keys:
            raise TableError(f"{where}: the row is in the table twice")
        keys.add(identity)

        if texts:
            cells_out, lengths = [], {}
            for tag in languages.tags:
                entries = check_text(where, languages.describe(tag), cells.get(tag),
                                     texts == "list")
                lengths[tag] = len(entries)
                cells_out.append(cpp_string(cells[tag].text, includes))
            if len(set(lengths.values())) > 1:
                first = languages.tags[0]
                odd = next(tag for tag in languages.tags if lengths[tag] != lengths[first])
                raise TableError(f"{where}: {languages.describe(odd)} has {lengths[odd]} entries "
                                 f"but {languages.describe(first)} has {lengths[first]}: every "
                                 "language lists the same choices in the same order")
            counts[key] = lengths[languages.tags[0]]
            fields.append("{" + ", ".join(cells_out) + "}")
        elif "of" in spec:
            bases = spec["of"]
            if not any(key in keys_of[base] for base in bases):
                raise TableError(f"{where}: no row {key} in {', '.join(b + '.csv' for b in bases)}")
            base_count = next((counts_of[b][key] for b in bases if key in counts_of[b]), None)
            if base_count is not None:
                entries = check_text(where, language, cells["text"], True)
                if len(entries) != base_count:
                    raise TableError(f"{where}: {len(entries)} entries, but the list has "
                                     f"{base_count}")
        body.append("    {" + ", ".join(fields) + "},")
    keys_of[name] = {k if isinstance(k, str) else k[1] for k in keys}
    counts_of[name] = counts

    array = "".join(part.capitalize() if i else part for i, part in enumerate(name.split("_")))
    lines = ["#pragma once", ""]
    lines += [f'#include "{include}"' for include in sorted(includes)]
    lines += ["", "#include <array>", "", "namespace kestrova::i18n::tables {", ""]
    lines.append(f"inline constexpr std::array<{spec['row']}, {len(body)}> {array}{{{{")
    lines += body
    lines += ["}};", "", "} // namespace kestrova::i18n::tables", ""]
    return lines


def write_if_changed(path, lines, source):
    text = f"// Made from {source} by src/i18n/make_text_tables.py: change the table, not this.\n"
    text += "\n".join(lines)
    path.parent.mkdir(parents=True, exist_ok=True)
    if not path.exists() or path.read_text(encoding="utf-8") != text:
        path.write_text(text, encoding="utf-8")


def main(arguments):
    if len(arguments) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    folder, output = Path(arguments[1]), Path(arguments[2]) / "i18n" / "tables"
    try:
        languages = Languages(folder / "languages.csv")
        made = {"languages": languages.header()}
        keys_of, counts_of = {}, {}
        for name, spec in TABLES.items():
            path = folder / f"{name}.csv"
            if not path.exists():
                raise TableError(f"{path}: missing")
            made[name] = convert(name, spec, path, languages, keys_of, counts_of)
        strays = {p.stem for p in folder.glob("*.csv")} - set(made)
        if strays:
            raise TableError(f"{folder}: {', '.join(sorted(strays))}.csv is no table the "
                             "program reads (make_text_tables.py lists them)")
    except TableError as error:
        print(f"text tables: {error}", file=sys.stderr)
        return 1
    for name, lines in made.items():
        write_if_changed(output / f"{name}.h", lines, f"src/i18n/tables/{name}.csv")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
