#!/usr/bin/env python3
"""Lists the text keys the sources look up, and checks translation files.

Texts are looked up at run time by their English key, so lupdate cannot see
them; this reads every literal passed to localizedString/localizedPlural.

  check_translations.py SRC_DIR --keys            print every key
  check_translations.py SRC_DIR TS_FILE...        exit 1 on any fault
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

CALL = re.compile(r'\b(?:localized(String|Plural)|MURVANE_TEXT)\s*\(\s*(?:QStringLiteral\s*\(\s*)?(?=")')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"\s*')
PLACEHOLDER = re.compile(r'%(?:%|\d+\$(?:@|lld|d)|\.?\d*f|@|lld|d)|⌘.')  # ⌘X becomes the shortcut text
CATEGORIES = {"pl": ("one", "few", "many"), "fr": ("one", "other")}
DEFAULT_CATEGORIES = ("one", "other")


def unescape(text):
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 't': '\t'}.get(m.group(1), m.group(1)), text)


def collect_keys(src_dir):
    """Returns {key: counted} for every literal key in the sources."""
    keys = {}
    for path in sorted(Path(src_dir).rglob("*.cpp")):
        if path.name == "Localization.cpp":
            continue
        source = path.read_text(encoding="utf-8")
        for call in CALL.finditer(source):
            pos, parts = call.end(), []
            while (m := LITERAL.match(source, pos)):
                parts.append(unescape(m.group(1)))
                pos = m.end()
            key = "".join(parts)
            keys[key] = keys.get(key, False) or call.group(1) == "Plural"
    return keys


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def check(ts_path, keys):
    language = re.search(r'murvane_([a-zA-Z_]+)\.ts$', str(ts_path)).group(1)
    needed = CATEGORIES.get(language, DEFAULT_CATEGORIES)
    entries = {}
    for message in ET.parse(ts_path).getroot().iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            continue
        if translation.text:
            entries[message.findtext("source")] = translation.text
    faults = []
    for key, counted in sorted(keys.items()):
        wanted = [f"{key}|{c}" for c in needed] if counted else [key]
        for source in wanted:
            if source not in entries:
                faults.append(f"{language}: missing translation for {source!r}")
            elif placeholders(entries[source]) != placeholders(key):
                faults.append(f"{language}: placeholders differ in {source!r}: "
                              f"{placeholders(key)} vs {placeholders(entries[source])}")
    return faults


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    keys = collect_keys(argv[1])
    if argv[2:3] == ["--keys"]:
        for key, counted in sorted(keys.items()):
            print(("[counted] " if counted else "") + key)
        return 0
    faults = [fault for ts in argv[2:] for fault in check(ts, keys)]
    for fault in faults:
        print(fault)
    print(f"{len(keys)} keys, {len(argv) - 2} languages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
