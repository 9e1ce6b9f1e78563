#!/usr/bin/env python3
"""Check the windows' named text numbers (app/TextIds.h) against strings.tsv.

Usage:
    check-text-ids.py [HEADER [TSV]]   check HEADER against TSV (defaults: app/TextIds.h
                                       and strings.tsv beside this script)
    check-text-ids.py --self-test      feed the checks deliberately broken headers and
                                       make sure each fault is reported
    --sources DIR                      also check the .cpp and .h files of DIR (the
                                       windows' code) for texts read by a bare number

Every enumerator of `enum TextId` stands on a line of its own, in the form

    kSomeNameText = 42,  // "Russian text"          one text
    kFirstSomeText = 75,  // "Russian text" [4]     the first of a run of 4 texts
    kLongText = 270,  // "Beginning of the text..."  a quote may end in "..."

and this script checks that the name starts with k and ends in Text, that the number
and its English twin (number + 300) are in strings.tsv for every text of the run, and
that the quote is the Russian text of the number (or, ending in "...", its beginning).
With --sources, the windows' code must read the texts by name: an index of the text
table that starts with a digit (Texts[49], t[97 + 5 * k], Texts.At(3)) is reported. The
language switch's loader reads every number in a loop and names none.
Exit status 0 when every check passes, 1 otherwise.
"""

import importlib.util
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ENGLISH_OFFSET = 300
BARE = re.compile(r"\b(?:Texts|t)\s*(?:\[|\.At\(|\(\s*)\s*[0-9]")
LINE = re.compile(r'^\s*(\w+)\s*=\s*(\d+)\s*,\s*//\s*"(.*)"(?:\s*\[(\d+)\])?\s*$')


def _strings_module():
    found = importlib.util.spec_from_file_location(
        "check_strings", os.path.join(HERE, "check-strings.py"))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def enum_lines(header, errors):
    """The (line number, line) pairs inside `enum TextId ... { ... };`."""
    lines = header.split("\n")
    start = next((i for i, l in enumerate(lines) if re.match(r"\s*enum\s+TextId\b", l)), None)
    if start is None:
        errors.append("no `enum TextId` in the header")
        return []
    body = []
    for i in range(start + 1, len(lines)):
        if lines[i].strip().startswith("};"):
            return body
        body.append((i + 1, lines[i]))
    errors.append("`enum TextId` is not closed")
    return body


def check(header, texts):
    """All problems of the header text against {number: text}, as a list of messages."""
    errors = []
    names = set()
    count = 0
    for lineno, line in enum_lines(header, errors):
        stripped = line.strip()
        if stripped == "" or stripped.startswith("//"):
            continue
        m = LINE.match(line)
        if not m:
            errors.append(f"line {lineno}: not `kNameText = number,  // \"text\"`: {stripped}")
            continue
        name, number, quote, run = m.group(1), int(m.group(2)), m.group(3), m.group(4)
        count += 1
        if not re.fullmatch(r"k[A-Z]\w*Text", name):
            errors.append(f"line {lineno}: {name}: a name starts with k and ends in Text")
        if name in names:
            errors.append(f"line {lineno}: {name} named twice")
        names.add(name)
        length = int(run) if run else 1
        if length < 1:
            errors.append(f"line {lineno}: {name}: a run holds at least one text")
        for n in range(number, number + length):
            if not (1 <= n < ENGLISH_OFFSET or 1001 <= n < 1300):
                errors.append(f"line {lineno}: {name}: text {n} is not a Russian number "
                              "(1..299 or 1001..1299)")
                continue
            if n not in texts:
                errors.append(f"line {lineno}: {name}: text {n} is not in strings.tsv")
            if n + ENGLISH_OFFSET not in texts:
                errors.append(f"line {lineno}: {name}: English text {n + ENGLISH_OFFSET} "
                              "is not in strings.tsv")
        russian = texts.get(number)
        if russian is None:
            continue
        prefix = quote.endswith("...") and len(quote) > 3
        if not (russian == quote or (prefix and russian.startswith(quote[:-3]))):
            errors.append(f"line {lineno}: {name} = {number} quotes {quote!r}, "
                          f"but text {number} is {russian!r}")
    if count == 0 and not errors:
        errors.append("`enum TextId` names no text")
    return errors


def check_sources(files):
    """Texts read by a bare number in {path: source}, as a list of messages."""
    errors = []
    for path, source in sorted(files.items()):
        for lineno, line in enumerate(source.split("\n"), start=1):
            if BARE.search(line.split("//")[0]):
                errors.append(f"{path}:{lineno}: a text read by its bare number: {line.strip()}")
    return errors


def read_sources(folder):
    files = {}
    for name in sorted(os.listdir(folder)):
        if name.endswith((".cpp", ".h")):
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                files[os.path.join(folder, name)] = f.read()
    return files


def _self_test(header, tsv_data, strings):
    failures = []
    texts = strings.parse(tsv_data, [])
    if check(header, texts):
        failures.append("the unchanged header fails: " + "; ".join(check(header, texts)[:3]))
    enum_at = header.index("enum TextId")
    body = header[enum_at:]

    def with_line(old, new):
        return header[:enum_at] + body.replace(old, new, 1)

    first = LINE.match(next(l for l in body.split("\n")[1:] if LINE.match(l)))
    line = first.group(0)
    name, number, quote = first.group(1), int(first.group(2)), first.group(3)
    without_english = {n: t for n, t in texts.items() if n != number + ENGLISH_OFFSET}
    cases = {
        "quote of another text": (with_line(line, line.replace(f'"{quote}"', '"Не то"')), texts),
        "number moved by one": (with_line(line, line.replace(f"= {number},", f"= {number + 1},")),
                                texts),
        "number outside the pack": (with_line(line, line.replace(f"= {number},", "= 298,")),
                                    texts),
        "no quote": (with_line(line, line.split("//")[0] + "// no quote"), texts),
        "name without Text": (with_line(line, line.replace(name, name[:-4] + "Caption", 1)),
                              texts),
        "name twice": (with_line(line, line + "\n" + line.replace(f"= {number},", "= 25,")), texts),
        "English twin missing": (header, without_english),
        "run past the pack": (with_line(line, line.rstrip() + " [400]"), texts),
        "wrong beginning of a long text": (with_line(line, line.replace(
            f'"{quote}"', '"Не' + quote[:1] + '..."')), texts),
        "unrecognised line": (with_line(line, line + "\n  kStrayText,"), texts),
        "no enum": (header.replace("enum TextId", "enum Other"), texts),
    }
    for what, (h, t) in cases.items():
        if not check(h, t):
            failures.append(f"not reported: {what}")
    for bare in ("rub.HG1->setTitle(t[49]);", "g.Speeches[k][v] = t[97 + 5 * k + v];",
                 "ShowMessage(Texts[199]);", "x = Texts.At(3);"):
        if not check_sources({"Dialog.cpp": bare}):
            failures.append(f"bare number not reported: {bare}")
    for named in ("HG1->setTitle(t[kHotCardsGroupText]);", "Texts.At(i) = pack.LoadText(i);",
                  "text[0] = text[0].toLower();", "// t[49] in a comment"):
        if check_sources({"Dialog.cpp": named}):
            failures.append(f"wrongly reported: {named}")
    # A quote ending in "..." matches the text's beginning.
    if quote and check(with_line(line, line.replace(f'"{quote}"', f'"{quote[:1]}..."')), texts):
        failures.append("a quote of the text's beginning wrongly rejected")
    return failures


def main(argv):
    strings = _strings_module()
    args = [a for a in argv[1:] if a != "--self-test"]
    sources = None
    if "--sources" in args:
        at = args.index("--sources")
        if at + 1 >= len(args):
            print("--sources needs a folder")
            return 2
        sources = args[at + 1]
        del args[at:at + 2]
    header_path = args[0] if args else os.path.join(HERE, "..", "..", "app", "TextIds.h")
    tsv_path = args[1] if len(args) > 1 else os.path.join(HERE, "strings.tsv")
    with open(header_path, encoding="utf-8") as f:
        header = f.read()
    with open(tsv_path, "rb") as f:
        tsv_data = f.read()
    if "--self-test" in argv:
        failures = _self_test(header, tsv_data, strings)
        for msg in failures:
            print("SELF-TEST FAIL:", msg)
        print("self-test:", "FAILED" if failures else "passed")
        return 1 if failures else 0
    parse_errors = []
    texts = strings.parse(tsv_data, parse_errors)
    errors = parse_errors + check(header, texts)
    if sources is not None:
        errors += check_sources(read_sources(sources))
    for msg in errors:
        print("FAIL:", msg)
    if errors:
        print(f"{header_path}: {len(errors)} problem(s)")
        return 1
    named = sum(1 for _, l in enum_lines(header, []) if LINE.match(l))
    print(f"{header_path}: OK, {named} names checked against {tsv_path}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
