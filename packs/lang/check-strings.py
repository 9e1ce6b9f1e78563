#!/usr/bin/env python3
"""Check the language texts in strings.tsv (python3, standard library only).

Usage:
    check-strings.py [FILE]      check FILE (default: strings.tsv beside this script)
    check-strings.py --self-test feed the checks deliberately broken files and make
                                 sure each fault is reported

Exit status 0 when every check passes, 1 otherwise.  See README.md for what the
numbers mean.
"""

import os
import re
import sys

RUSSIAN = range(1, 207)           # Russian texts 1..206, every one present
ADDED = range(207, 300)           # texts the game added later: optional, but in pairs
MORE = range(1001, 1300)          # the second block of the game's own texts, as ADDED
ENGLISH_OFFSET = 300              # English text i has number 300 + i
MAX_LEN = 49                      # the program reads a text into 50 characters
RULES = list(range(270, 300)) + list(range(1110, 1120))  # the rules window: headings and
                                  # longer paragraphs (1110.. the table of three and four)
RULES_LEN = 3000
SHORT_LEN = 10                    # suit, rank, pop-up and column-head words
SHORT = set(range(75, 79)) | set(range(79, 88)) | {88, 89} | set(range(95, 99))
SPEECH_FIRST, SITUATIONS, VARIANTS = 102, 19, 5
BUTTONS = list(range(66, 71)) + [1084]  # command-button captions named in speeches and rules
CONTINUATIONS = {197, 202}        # texts that continue a sentence after a file name
ENGLISH_MAY_HOLD_CYRILLIC = {20}  # the "Russian" language item names itself
# The key letter of each command button (caption number: letter number); the letter
# must be in the caption, and no two buttons of one language share a letter.
KEY_LETTERS = {66: 243, 67: 244, 68: 245, 69: 246, 70: 247, 1084: 1085}
# Texts the program fills in: how many numbered places (%1, %2) each must hold.
PLACES = {248: 2, 249: 1, 260: 1, 261: 1, 262: 1, 263: 2, 264: 1, 268: 1,
          1074: 2, 1078: 2, 1086: 1, 1089: 1, 1093: 2, 1094: 2, 1095: 3, 1096: 2, 1097: 1,
          1098: 2, 1099: 2, 1100: 2}

# Texts whose Russian wording is the caption the windows carry before any
# language is loaded; the pack must repeat them exactly.
RUSSIAN_DEFAULTS = {
    1: "Файл", 2: "Новая игра", 3: "Чемпионы", 4: "Выход", 5: "Параметры",
    6: "Настройки...", 7: "Интерфейс...", 8: "Картинка", 9: "Нет",
    10: "Фон 1", 11: "Фон 2", 12: "Фон 3", 13: "Фон 4", 14: "Фон 5", 15: "Фон 6",
    16: "Фон 7", 22: "Справка", 23: "О программе", 24: "Выход !!!",
    26: "Настроечки", 27: "Настройки интерфейса", 31: "Рубаха", 32: "Градиент",
    33: "Верх", 34: "Низ", 36: "Чистый цвет", 37: "Цвет стола", 38: "Диалог",
    39: "Библиотека фонов", 40: "Другая...", 49: "Горячие карты",
    50: "Использовать", 51: "Цвет", 52: "Сортировка", 53: "Нет", 54: "По масти",
    55: "По старшинству", 56: "Дурак типа", 57: "Подкидной", 58: "Переводной",
    59: "Скорость анимации", 60: "Тормоз", 61: "Газ",
    62: "Заход с нескольких карт", 64: "OK", 66: "Замесить", 67: "Бито",
    68: "Беру", 69: "Забирай", 70: "Бейся", 71: "Твое", 72: "Мое",
    73: "В колоде", 90: "Новый", 91: "Обнулить", 92: "Удалить", 93: "Закрыть",
    94: "Дальше",
}

CYRILLIC = re.compile("[\u0400-\u04ff]")


def expected_numbers():
    return set(RUSSIAN) | {i + ENGLISH_OFFSET for i in RUSSIAN}


def allowed_numbers():
    added = set(ADDED) | set(MORE)
    return expected_numbers() | added | {i + ENGLISH_OFFSET for i in added}


def unescape(raw):
    """Turn \\n, \\t and \\\\ into their characters; None for a bad escape."""
    out = []
    i = 0
    while i < len(raw):
        c = raw[i]
        if c == "\\":
            if i + 1 >= len(raw):
                return None
            nxt = raw[i + 1]
            if nxt == "n":
                out.append("\n")
            elif nxt == "t":
                out.append("\t")
            elif nxt == "\\":
                out.append("\\")
            else:
                return None
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def parse(data, errors):
    """Return {number: text} from the file's bytes, appending problems to errors."""
    if data.startswith(b"\xef\xbb\xbf"):
        errors.append("file starts with a byte-order mark")
        data = data[3:]
    try:
        text = data.decode("utf-8", errors="strict")
    except UnicodeDecodeError as e:
        errors.append(f"not valid UTF-8 at byte {e.start}")
        return {}
    if "\r" in text:
        errors.append("carriage return in file (use \\n line ends only)")
    if text and not text.endswith("\n"):
        errors.append("last line has no line end")
    texts = {}
    for lineno, line in enumerate(text.split("\n")[:-1] if text.endswith("\n")
                                  else text.split("\n"), start=1):
        line = line.rstrip("\r")
        if line == "":
            errors.append(f"line {lineno}: empty line")
            continue
        parts = line.split("\t")
        if len(parts) != 2:
            errors.append(f"line {lineno}: expected number<TAB>text, found "
                          f"{len(parts) - 1} tabs (a tab inside a text must be \\t)")
            continue
        num_s, raw = parts
        if not re.fullmatch(r"[1-9][0-9]*", num_s):
            errors.append(f"line {lineno}: bad number {num_s!r}")
            continue
        num = int(num_s)
        value = unescape(raw)
        if value is None:
            errors.append(f"line {lineno}: text {num}: bad backslash escape")
            continue
        if num in texts:
            errors.append(f"line {lineno}: text {num} given twice")
            continue
        texts[num] = value
    return texts


def is_english(num):
    return num - ENGLISH_OFFSET in range(1, 300) or num - ENGLISH_OFFSET in MORE


def base_number(num):
    return num - ENGLISH_OFFSET if is_english(num) else num


def check_texts(texts, errors):
    want = expected_numbers()
    allowed = allowed_numbers()
    missing = sorted(want - texts.keys())
    extra = sorted(texts.keys() - allowed)
    if missing:
        errors.append(f"missing texts: {missing}")
    if extra:
        errors.append("texts with numbers outside 1..299, 1001..1299 and their English "
                      f"twins (+300): {extra}")
    for i in list(ADDED) + list(MORE):
        if (i in texts) != (i + ENGLISH_OFFSET in texts):
            have, lack = (i, i + ENGLISH_OFFSET) if i in texts else (i + ENGLISH_OFFSET, i)
            errors.append(f"text {have} has no counterpart {lack} in the other language")

    for num, value in sorted(texts.items()):
        if num not in allowed:
            continue
        i = base_number(num)
        limit = SHORT_LEN if i in SHORT else RULES_LEN if i in RULES else MAX_LEN
        if len(value) > limit:
            errors.append(f"text {num}: {len(value)} characters, at most {limit}: {value!r}")
        if value == "":
            errors.append(f"text {num}: empty")
            continue
        if value != value.strip():
            errors.append(f"text {num}: leading or trailing blank: {value!r}")
        if any(ord(c) < 32 and c != "\n" for c in value):
            errors.append(f"text {num}: control character inside")
        english = is_english(num)
        if english and i not in ENGLISH_MAY_HOLD_CYRILLIC and CYRILLIC.search(value):
            errors.append(f"text {num}: English text holds Cyrillic letters: {value!r}")
        if not english and (SPEECH_FIRST <= i <= 206) and not CYRILLIC.search(value):
            errors.append(f"text {num}: Russian speech or message without Cyrillic: {value!r}")
        if i in CONTINUATIONS and not value[0].islower():
            errors.append(f"text {num}: continues a sentence after a file name, "
                          f"should start in lower case: {value!r}")
        if i in PLACES:
            places = sorted(set(re.findall(r"%([0-9])", value)))
            want_places = [str(n) for n in range(1, PLACES[i] + 1)]
            if places != want_places:
                errors.append(f"text {num}: should hold the places "
                              f"{', '.join('%' + n for n in want_places)}: {value!r}")

    for num, default in RUSSIAN_DEFAULTS.items():
        if num in texts and texts[num] != default:
            errors.append(f"text {num}: Russian caption {texts[num]!r} differs from "
                          f"the window's own caption {default!r}")

    for offset in (0, ENGLISH_OFFSET):
        letters = {}
        for caption, letter in KEY_LETTERS.items():
            key = texts.get(letter + offset)
            name = texts.get(caption + offset)
            if key is None or name is None:
                continue
            if len(key) != 1 or not key.isalpha():
                errors.append(f"text {letter + offset}: a key letter must be one letter: {key!r}")
                continue
            if key.upper() not in name.upper():
                errors.append(f"text {letter + offset}: key letter {key!r} is not in the "
                              f"button caption {name!r}")
            if key.upper() in letters:
                errors.append(f"text {letter + offset}: key letter {key!r} is also the key of "
                              f"text {letters[key.upper()]}")
            letters[key.upper()] = letter + offset

    for offset, quote in ((0, re.compile("«([^»]*)»")),
                          (ENGLISH_OFFSET, re.compile('"([^"]*)"'))):
        buttons = {texts.get(b + offset) for b in BUTTONS}
        for i in RULES:
            for name in quote.findall(texts.get(i + offset) or ""):
                if name not in buttons:
                    errors.append(f"text {i + offset}: names button {name!r}, "
                                  "which is not a command-button caption")
        for k in range(SITUATIONS):
            first = SPEECH_FIRST + VARIANTS * k + offset
            variants = [texts.get(first + v) for v in range(VARIANTS)]
            present = [v for v in variants if v is not None]
            if len(set(present)) != len(present):
                errors.append(f"speech situation {k + 1} (texts {first}..{first + 4}): "
                              "two variants are the same")
            for v, value in enumerate(variants):
                for name in quote.findall(value or ""):
                    if name not in buttons:
                        errors.append(f"text {first + v}: names button {name!r}, "
                                      "which is not a command-button caption")


def check(data):
    """All problems found in the file's bytes, as a list of messages."""
    errors = []
    texts = parse(data, errors)
    if texts:
        check_texts(texts, errors)
    return errors


# ---------------------------------------------------------------- self-test

def _self_test(good):
    """Each broken copy of a good file must be reported; the good one must pass."""
    failures = []
    if check(good):
        failures.append("the unchanged file fails: " + "; ".join(check(good)[:3]))
    lines = good.decode("utf-8").split("\n")[:-1]
    index = {int(l.split("\t")[0]): n for n, l in enumerate(lines)}

    def with_text(num, raw):
        copy = list(lines)
        copy[index[num]] = f"{num}\t{raw}"
        return ("\n".join(copy) + "\n").encode("utf-8")

    def without(num):
        copy = [l for n, l in enumerate(lines) if n != index[num]]
        return ("\n".join(copy) + "\n").encode("utf-8")

    cases = {
        "missing Russian text": without(150),
        "missing English text": without(506),
        "duplicate number": ("\n".join(lines + [lines[0]]) + "\n").encode(),
        "number out of range": ("\n".join(lines + ["600\tlonely"]) + "\n").encode(),
        "number 300": ("\n".join(lines + ["300\tx"]) + "\n").encode(),
        "added text without English": ("\n".join(lines + ["298\tлишний"]) + "\n").encode(),
        "added English without Russian": ("\n".join(lines + ["598\textra"]) + "\n").encode(),
        "second-block text without English": ("\n".join(lines + ["1299\tлишний"]) + "\n").encode(),
        "second-block English without Russian": ("\n".join(lines + ["1599\textra"]) + "\n").encode(),
        "number between the blocks": ("\n".join(lines + ["900\tx", "1200\ty"]) + "\n").encode(),
        "raw tab inside text": with_text(102, "Мой\tход"),
        "50-character speech": with_text(102, "ж" * 50),
        "11-character suit word": with_text(375, "diamondsss!"),
        "11-character column head": with_text(98, "Рейтинг!!!!"),
        "invalid UTF-8": good.replace("Файл".encode(), b"\xd0\xd0\xd0\xd0", 1),
        "byte-order mark": b"\xef\xbb\xbf" + good,
        "CRLF line ends": good.replace(b"\n", b"\r\n"),
        "bad escape": with_text(103, "a\\qb"),
        "lone backslash at end": with_text(103, "ab\\"),
        "empty text": with_text(110, ""),
        "leading zero number": good.replace(b"\n5\t", b"\n05\t", 1),
        "identical speech variants": with_text(103, lines[index[102]].split("\t")[1]),
        "changed Russian default": with_text(2, "Ноая игра"),
        "Cyrillic in English speech": with_text(402, "Мой ход"),
        "unknown button in speech": with_text(412, 'Press "Give up"!'),
        "unknown button in Russian": with_text(112, "Жми «Сдаюсь»!"),
        "capital continuation": with_text(497, "Cannot be opened."),
        "blank line": good + b"\n",
        "trailing blank": with_text(1, "Файл "),
        "key letter not in caption": with_text(243, "Ы"),
        "two buttons on one key": with_text(544, "D"),
        "key of two letters": with_text(545, "Ta"),
        "card name without its second place": with_text(548, "%1 of"),
        "long added text outside the rules": with_text(260, "ж" * 50 + " %1"),
        "too long rules text": with_text(272, "ж" * 3001),
        "rules naming an unknown button": with_text(592, 'Press "Give up".'),
    }
    for name, data in cases.items():
        if not check(data):
            failures.append(f"not reported: {name}")

    if check(("\n".join(lines + ["1299\tещё", "1599\tmore"]) + "\n").encode()):
        failures.append("a second-block pair wrongly rejected")

    # characters, not bytes: 49 Cyrillic letters (98 bytes) are allowed
    if check(with_text(102, "ж" * 49)):
        failures.append("49 Cyrillic characters wrongly rejected")
    # the rules window shows long paragraphs
    if check(with_text(272, "ж" * 3000)):
        failures.append("3000-character rules paragraph wrongly rejected")
    # an escaped newline counts as one character
    if check(with_text(102, "ж" * 47 + "\\n" + "ж")):
        failures.append("escaped newline counted as two characters")
    return failures


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "strings.tsv")
    if len(argv) > 1 and argv[1] == "--self-test":
        path = argv[2] if len(argv) > 2 else default
        with open(path, "rb") as f:
            failures = _self_test(f.read())
        for msg in failures:
            print("SELF-TEST FAIL:", msg)
        print("self-test:", "FAILED" if failures else "passed")
        return 1 if failures else 0
    path = argv[1] if len(argv) > 1 else default
    with open(path, "rb") as f:
        data = f.read()
    errors = check(data)
    for msg in errors:
        print("FAIL:", msg)
    if errors:
        print(f"{path}: {len(errors)} problem(s)")
        return 1
    texts = parse(data, [])
    print(f"{path}: OK, {len(texts)} texts "
          f"({sum(1 for n in texts if not is_english(n))} Russian, "
          f"{sum(1 for n in texts if is_english(n))} English)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
