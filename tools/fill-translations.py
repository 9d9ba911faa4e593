#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills the unfinished messages of the catalogues from the glossary.

usage: tools/fill-translations.py [--check] [--glossary FILE] [TS_FILE ...]

The glossary (translations/glossary.tsv by default) is a table separated by
tabs: its first line names the languages of the columns ("it", "de", "en"),
the Italian source first; then one text a line, blanks kept. Lines that are
empty or start with "#" are skipped; "\\n", "\\t" and "\\\\" stand for a line
break, a tab and a backslash. Every <message> of the .ts files (by
default translations/gli-insiemi_*.ts) whose translation is unfinished and
whose source is in the glossary gets the glossary's text for the file's
language. The files are edited in place, keeping lupdate's layout, so that
the next lupdate run changes nothing.

It lists the unfinished messages left over; with --check it changes no file
and fails when a message is unfinished or a glossary line is wrong.
"""

import argparse
import html
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_LANGUAGE = "it"

MESSAGE = re.compile(r"(<message\b[^>]*>)(.*?)(</message>)", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
UNFINISHED = re.compile(
    r'<translation type="unfinished"(?:></translation>|/>|>(.*?)</translation>)', re.S)
PLACEHOLDER = re.compile(r"%L?\d+")


def unescape_field(field):
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field):
            out.append({"n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(field[i + 1], field[i:i + 2]))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def letter_spaced(text):
    # "E s a t t o": a letter, then a blank before every further letter.
    return len(text) >= 3 and all(c == " " for c in text[1::2]) and all(c != " " for c in text[::2])


def row_faults(source, translations):
    faults = []
    for lang, text in translations.items():
        if not text:
            faults.append(f"no {lang} text")
            continue
        if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
            faults.append(f"{lang} text has other placeholders than the source")
        if letter_spaced(source) and not letter_spaced(text):
            faults.append(f"{lang} text is not letter-spaced like the source")
    return faults


def read_glossary(path):
    """{source: {lang: text}} and the list of faults found in the file."""
    table, faults, languages = {}, [], None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line or line.startswith("#"):
            continue
        fields = [unescape_field(f) for f in line.split("\t")]
        where = f"{path.name}:{number}"
        if languages is None:
            languages = fields[1:]
            if fields[0] != SOURCE_LANGUAGE or not languages:
                raise SystemExit(f"{where}: the first line names the columns: {SOURCE_LANGUAGE}, then the languages")
            continue
        if len(fields) != 1 + len(languages):
            faults.append(f"{where}: {len(fields)} fields, not {1 + len(languages)}")
            continue
        source, translations = fields[0], dict(zip(languages, fields[1:]))
        if source in table:
            faults.append(f"{where}: {source!r} again")
        faults.extend(f"{where}: {source!r}: {f}" for f in row_faults(source, translations))
        table[source] = translations
    return table, faults


def escape(text):
    # As lupdate writes it.
    return html.escape(text, quote=True).replace("&#x27;", "&apos;")


def file_language(text):
    match = re.search(r'<TS\b[^>]*\blanguage="([A-Za-z]+)', text)
    return match.group(1).lower() if match else None


def fill(path, table, write):
    """Fills one .ts file; returns the sources still unfinished."""
    text = path.read_text(encoding="utf-8")
    lang = file_language(text)
    if table and lang not in next(iter(table.values())):
        raise SystemExit(f"{path}: language {lang!r} is not a column of the glossary")
    left = []
    filled = 0

    def message(match):
        nonlocal filled
        head, body, tail = match.groups()
        source = SOURCE.search(body)
        unfinished = UNFINISHED.search(body)
        if not source or not unfinished:
            return match.group(0)
        original = html.unescape(source.group(1))
        entry = table.get(original)
        if entry is None or 'numerus="yes"' in head:
            left.append(original)
            return match.group(0)
        filled += 1
        done = f"<translation>{escape(entry[lang])}</translation>"
        return head + body[:unfinished.start()] + done + body[unfinished.end():] + tail

    new_text = MESSAGE.sub(message, text)
    if write and new_text != text:
        path.write_text(new_text, encoding="utf-8")
    if write:
        print(f"{path.name}: {filled} filled, {len(left)} unfinished")
    return left


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="change nothing; fail on an unfinished message or a wrong glossary line")
    parser.add_argument("--glossary", type=pathlib.Path,
                        default=ROOT / "translations" / "glossary.tsv")
    parser.add_argument("ts_files", nargs="*", type=pathlib.Path)
    args = parser.parse_args()
    files = args.ts_files or sorted((ROOT / "translations").glob("gli-insiemi_*.ts"))

    table, faults = read_glossary(args.glossary)
    for fault in faults:
        print(fault, file=sys.stderr)
    unfinished = 0
    for path in files:
        left = fill(path, table, write=not args.check)
        unfinished += len(left)
        for source in left:
            print(f"{path.name}: unfinished: {source!r}", file=sys.stderr)
    if faults or (args.check and unfinished):
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
