#!/usr/bin/env python3
"""Counts the public member functions of every class declared under src/.

A class whose public surface no longer fits in one reading is several
classes; this fails when any has more than the limit. Signals are not
counted (they are what a class reports, not what it offers), nor are
constructors, destructors and deleted functions.

usage: check_public_surface.py SRC_DIR [LIMIT]
"""
import re
import sys
from pathlib import Path

ACCESS = re.compile(r"^\s*(public|protected|private|Q_SIGNALS|signals|public\s+Q_SLOTS|private\s+Q_SLOTS)\s*:")
CLASS = re.compile(r"^\s*class\s+(?:\w+\s+)?(\w+)\s*(?:final\s*)?(?::[^{;]*)?\{\s*$")
FUNCTION = re.compile(r"^\s*(?:static\s+|virtual\s+|explicit\s+|inline\s+|constexpr\s+|friend\s+|\[\[\w+\]\]\s+)*"
                      r"[\w:<>,\s\*&]*?\b(~?\w+)\s*\(")


def classes(text):
    """Yields (name, body lines) for each class at any depth, with nested bodies removed."""
    lines = text.splitlines()
    i = 0
    while i < len(lines):
        m = CLASS.match(lines[i])
        if not m:
            i += 1
            continue
        name, depth, body, j = m.group(1), 0, [], i
        while j < len(lines):
            line = lines[j]
            if j > i and depth == 1:
                body.append(line)
            depth += line.count("{") - line.count("}")
            if depth <= 0 and j > i:
                break
            j += 1
        yield name, body
        i += 1


def count_public(name, body):
    access = "private"
    count = 0
    depth = 0
    pending = ""
    for line in body:
        if depth == 0:
            m = ACCESS.match(line)
            if m:
                access = "public" if m.group(1).startswith("public") else m.group(1)
                continue
            if access == "public" and not line.strip().startswith(("//", "#", "Q_", "using", "friend class", "enum", "struct", "class")):
                pending += line
                if FUNCTION.match(pending) and "operator" not in pending:
                    fn = FUNCTION.match(pending).group(1)
                    if fn not in (name, "~" + name) and "= delete" not in pending and not fn.startswith("Q_"):
                        count += 1
                    pending = ""
                elif ";" in line or "{" in line:
                    pending = ""
        depth += line.count("{") - line.count("}")
        depth = max(depth, 0)
    return count


def main():
    src = Path(sys.argv[1])
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    worst = []
    for header in sorted(src.rglob("*.h")):
        for name, body in classes(header.read_text()):
            n = count_public(name, body)
            worst.append((n, name, header))
    worst.sort(reverse=True)
    for n, name, header in worst[:5]:
        print(f"{n:3d} public functions: {name} ({header})")
    over = [w for w in worst if w[0] > limit]
    for n, name, header in over:
        print(f"error: {name} in {header} offers {n} public functions (limit {limit})")
    return 1 if over else 0


if __name__ == "__main__":
    sys.exit(main())
