#!/usr/bin/env python3
"""Writes the routine reference: one Markdown page per subsystem (the
sections of api/routines.txt) and an index, into the directory given.

Usage: python3 tools/gen_reference.py OUTDIR
       python3 tools/gen_reference.py --check   (every routine has a meaning)

For every routine the page gives the Fortran call with the kind of each
argument, the levels at which it may be called and one line of meaning.
The meaning is the comment at the end of the routine's line in
api/routines.txt; the levels are read from the level check the routine
makes in the sources (a range checked strictly, or 1 to 3 for a setter
that warns and still stores its value).
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIST = os.path.join(ROOT, "api", "routines.txt")

KIND = {
    "i": "integer", "o": "integer, returned", "ia": "integer array",
    "oa": "integer array, returned", "r": "real", "ro": "real, returned",
    "ra": "real array", "rao": "real array, returned", "c": "character",
    "co": "character, returned", "b": "buffer", "p": "routine of the caller",
    "rf": "real function of the caller",
}
LEVEL_WORDS = {0: "before `zanini`", 1: "after `zanini`", 2: "in a 2D axis system",
               3: "in a 3D or colour axis system"}


def sections():
    """[(title, [(name, result, args, meaning)])] in the order of the list."""
    out, current, header_done = [], None, False
    with open(LIST) as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("#"):
                text = line[1:].strip()
                # The file's opening comment block is not a section.
                if header_done and text and not text.startswith(("name ", "i ", "ra", "c ")):
                    current = (text, [])
                    out.append(current)
                continue
            if not line.strip():
                header_done = True
                continue
            body, _, meaning = line.partition("#")
            words = body.split()
            if not words:
                continue
            if current is None:
                current = ("Routines", [])
                out.append(current)
            result = next((w[1:] for w in words[1:] if w.startswith("=")), None)
            args = [tuple(w.split(":", 1)) for w in words[1:] if not w.startswith("=")]
            current[1].append((words[0], result, args, meaning.strip()))
    return [s for s in out if s[1]]


def levels():
    """Routine name -> (lowest, highest, strict) from the sources."""
    found = {}
    pat_range = re.compile(r'jqqlev\((\d),\s*(\d),\s*"([A-Z0-9]+)"\)')
    pat_setter = re.compile(r'chkini\("([A-Z0-9]+)"\)')
    for d, _, files in os.walk(os.path.join(ROOT, "src")):
        for fn in files:
            if not fn.endswith(".cpp"):
                continue
            text = open(os.path.join(d, fn), encoding="utf-8", errors="replace").read()
            for lo, hi, name in pat_range.findall(text):
                found.setdefault(name.lower(), (int(lo), int(hi), True))
            for name in pat_setter.findall(text):
                found.setdefault(name.lower(), (1, 3, False))
    return found


def level_text(entry):
    if entry is None:
        return "any level"
    lo, hi, strict = entry
    span = f"level {lo}" if lo == hi else f"levels {lo} to {hi}"
    note = "" if strict else " (warns outside, still stores)"
    return f"{span}{note}"


def slug(title):
    return re.sub(r"[^a-z0-9]+", "-", title.lower()).strip("-")


def main():
    if sys.argv[1:] == ["--check"]:
        missing = [r[0] for _, rs in sections() for r in rs if not r[3]]
        for name in missing:
            print(f"api/routines.txt: {name} has no meaning (a '# ...' comment on its line)")
        sys.exit(1 if missing else 0)
    if len(sys.argv) != 2:
        sys.exit("usage: gen_reference.py OUTDIR")
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    lev = levels()
    index = ["# zantor routine reference", "",
             "Every public routine by subsystem. Arguments are passed by reference;",
             "each character argument adds a hidden length in C. Levels: 0 "
             + LEVEL_WORDS[0] + ", 1 " + LEVEL_WORDS[1] + ", 2 " + LEVEL_WORDS[2]
             + ", 3 " + LEVEL_WORDS[3] + ".", ""]
    total = 0
    for title, routines in sections():
        page = slug(title) + ".md"
        index.append(f"- [{title}]({page}) ({len(routines)} routines)")
        lines = [f"# {title}", "", "[All subsystems](index.md)", "",
                 "| routine | arguments | levels | meaning |", "|---|---|---|---|"]
        for name, result, args, meaning in routines:
            call = f"{name}({', '.join(a for _, a in args)})"
            if result:
                call = f"{result} function {call}"
            argtext = "; ".join(f"`{a}` {KIND.get(k, k)}" for k, a in args) or "none"
            lines.append(f"| `{call}` | {argtext} | {level_text(lev.get(name))} | {meaning} |")
        with open(os.path.join(outdir, page), "w") as f:
            f.write("\n".join(lines) + "\n")
        total += len(routines)
    index += ["", f"{total} routines.", ""]
    with open(os.path.join(outdir, "index.md"), "w") as f:
        f.write("\n".join(index))


if __name__ == "__main__":
    main()
