#!/usr/bin/env python3
"""Lists the text keys the sources look up, and checks translation files.

Texts are looked up at run time by their English key, so lupdate cannot see
them; this reads every literal passed to localizedString/localizedPlural.

  check_translations.py SRC_DIR --keys            print every key
  check_translations.py SRC_DIR [--packaging DIR] TS_FILE...
                                                  exit 1 on any fault; with
      --packaging, the desktop entry and AppStream metainfo templates in DIR
      must carry every language that has a TS_FILE too
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

CALL = re.compile(r'\b(?:localized(String|Plural)|MURVANE_TEXT)\s*\(\s*(?:QStringLiteral\s*\(\s*)?(?=")')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"\s*')
PLACEHOLDER = re.compile(r'%(?:%|\d+\$(?:@|lld|d)|\.?\d*f|@|lld|d)|⌘.')  # ⌘X becomes the shortcut text
FRENCH_BREAKABLE_SPACE = re.compile(r' [?!:;»]|« ')
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
            elif language == "fr" and FRENCH_BREAKABLE_SPACE.search(entries[source]):
                # A plain space there lets "?" or "»" wrap onto a line of its own.
                faults.append(f"fr: use a no-break space before ? ! : ; » and after « in {source!r}")
    return faults


DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")
METAINFO_TEXTS = ("summary", "p", "li", "caption")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def check_packaging(directory, languages):
    """Every translatable desktop key and metainfo text exists in each language."""
    faults = []
    for desktop in sorted(Path(directory).glob("*.desktop.in")):
        keys = {line.split("=", 1)[0] for line in desktop.read_text(encoding="utf-8").splitlines() if "=" in line}
        for key in DESKTOP_KEYS:
            faults += [f"{language}: {desktop.name} lacks {key}[{language}]"
                       for language in languages if key in keys and f"{key}[{language}]" not in keys]
    for metainfo in sorted(Path(directory).glob("*.metainfo.xml.in")):
        root = ET.parse(metainfo).getroot()
        for tag in METAINFO_TEXTS:
            english = sum(1 for e in root.iter(tag) if e.get(XML_LANG) is None)
            for language in languages:
                translated = sum(1 for e in root.iter(tag) if e.get(XML_LANG) == language)
                if translated != english:
                    faults.append(f"{language}: {metainfo.name} has {translated} <{tag}> for {english} in English")
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
    ts_files = argv[2:]
    packaging = None
    if ts_files[:1] == ["--packaging"] and len(ts_files) > 1:
        packaging, ts_files = ts_files[1], ts_files[2:]
    faults = [fault for ts in ts_files for fault in check(ts, keys)]
    if packaging:
        languages = [re.search(r'murvane_([a-zA-Z_]+)\.ts$', ts).group(1) for ts in ts_files]
        faults += check_packaging(packaging, languages)
    for fault in faults:
        print(fault)
    print(f"{len(keys)} keys, {len(ts_files)} languages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
