#!/usr/bin/env python3
"""Fills the messages of translations/*.ts from the table translations/terms.tsv.

Each table line is: English source, German, French and (for counted messages
only) English, separated by tabs. "\\n" stands for a line break. A counted
message (with %n) gives its plural forms separated by " || " (one form, then
more than one). A source may start with "Context|" to translate it differently
in that context. Lines starting with # are comments. Messages the table does
not know stay unfinished, and the script names them.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

COLUMNS = {"de": 1, "fr": 2, "en": 3}


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_table(path):
    table = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = [unescape(f) for f in line.split("\t")]
        if fields[0] in table:
            sys.exit(f"{path}:{number}: '{fields[0]}' is in the table twice")
        table[fields[0]] = fields
    return table


def fill(ts_path, table):
    tree = ET.parse(ts_path)
    column = COLUMNS[tree.getroot().get("language", "")[:2]]
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            row = table.get(f"{name}|{source}") or table.get(source)
            text = row[column] if row and len(row) > column else ""
            translation = message.find("translation")
            if not text:
                if translation.get("type") == "unfinished":
                    missing.append(f"{name}: {source!r}")
                continue
            if message.get("numerus") == "yes":
                forms = text.split(" || ")
                for child in list(translation):
                    translation.remove(child)
                for form in forms:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = text
            translation.attrib.pop("type", None)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    return missing


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "translations")
    table = read_table(folder / "terms.tsv")
    for ts in sorted(folder.glob("ulvanta_*.ts")):
        for m in fill(ts, table):
            print(f"{ts.name}: untranslated {m}")


if __name__ == "__main__":
    main()
