#!/usr/bin/env python3
"""Generates the compiled-in stroke and outline font tables of zantor.

Usage:  python3 tools/fonts/gen_fonts.py
Writes src/text/fontdata/*.cpp and src/text/fontdata/font_data.h; running it
again on the same inputs reproduces the files byte for byte.

Sources and licences
--------------------
* Stroke fonts 3 to 7 and the shared Greek, mathematical, italic, script and
  Cyrillic sets: the Hershey fonts as shipped by the Debian package
  hershey-fonts-data (/usr/share/hershey-fonts/*.jhf).  Licence: the Hershey
  font licence, which allows use for any purpose and conversion into any
  format (except the NTIS format) provided that these acknowledgements are
  distributed with the data:
      The Hershey Fonts were originally created by Dr. A. V. Hershey while
      working at the U. S. National Bureau of Standards.
      The format of the Font data in this distribution was originally
      created by James Hurt, Cognition, Inc., 900 Technology Park Drive,
      Billerica, MA 01821.
* Font 1 (zanalf): drawn for this library, tools/fonts/zanalf_glyphs.py.
* Outline fonts 11 to 14: DejaVu Sans, DejaVu Sans Condensed, DejaVu Sans
  Bold and DejaVu Serif from the Debian package fonts-dejavu-core
  (/usr/share/fonts/truetype/dejavu/).  Licence: Bitstream Vera Fonts
  licence (DejaVu changes are in the public domain), which allows copying,
  modifying and redistributing the font software, also embedded in other
  software; derived fonts must not be sold by themselves nor be named
  "Bitstream" or "Vera".  Copyright (c) 2003 by Bitstream, Inc.  All Rights
  Reserved.  Bitstream Vera is a trademark of Bitstream, Inc.
  Read with python3-fonttools at generation time only.

Layout of the generated data: packed points (low byte x, high byte y, both
signed) for the small grids, separate x and y tables for the 200 grid;
directory records [L, (n, s) | (-n, s, p) ...] with point numbers relative to
the start of the alphabet's points.  Repeated shapes (dots, accents, the base
letters of accented glyphs) are stored once and referenced, shifted ones with
the offset form.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT = os.path.join(ROOT, "src", "text", "fontdata")
HERSHEY = "/usr/share/hershey-fonts"
DEJAVU = "/usr/share/fonts/truetype/dejavu"
sys.path.insert(0, HERE)
try:
    from fontTools.ttLib import TTFont
    from fontTools.pens.basePen import BasePen
except ImportError:  # Debian's python3-fonttools under another interpreter
    sys.path.append("/usr/lib/python3/dist-packages")
    from fontTools.ttLib import TTFont
    from fontTools.pens.basePen import BasePen
import zanalf_glyphs  # noqa: E402

MIN_POINTS, MIN_KEYS = 8500, 6000

# ---------------------------------------------------------------------------
# Glyph numbering of the standard alphabet: ASCII 33..126, the fixed European
# letters 127..177, 185, 186, 196, 206, 241..244, 263, 264, then further
# letters of the Latin code pages on the free numbers.
FIXED = {
    127: 'Ä', 128: 'Ö', 129: 'Ü', 130: 'ä', 131: 'ö', 132: 'ü', 133: 'ß',
    134: 'Å', 135: 'Ø', 136: 'Æ', 137: 'å', 138: 'ø', 139: 'æ', 140: 'Ñ',
    141: 'ñ', 142: 'Ç', 143: 'ç', 144: 'Ë', 145: 'Ï', 146: 'ë', 147: 'ï',
    185: '¡', 186: '¿', 196: 'Ş', 206: 'ş', 241: 'Ğ', 242: 'İ', 243: 'ğ',
    244: 'ı', 263: '¤', 264: '©'}
for k, c in enumerate("AEIOUaeiou"):
    FIXED[148 + k] = {'A': 'Á', 'E': 'É', 'I': 'Í', 'O': 'Ó', 'U': 'Ú',
                      'a': 'á', 'e': 'é', 'i': 'í', 'o': 'ó', 'u': 'ú'}[c]
    FIXED[158 + k] = "ÀÈÌÒÙàèìòù"[k]
    FIXED[168 + k] = "ÂÊÎÔÛâêîôû"[k]
MORE = ("ÃÕãõÝýÿ×÷ÐðÞþ"                     # rest of Latin-1
        "ĄąŁłĽľŚśŠšŤťŹźŽžŻżŔŕĂăĹĺĆćČčĘęĚěĎďĐđŃńŇňŐőŘřŮůŰűŢţ"  # Latin-2
        "ĦħĤĥĴĵĊċĈĉĠġĜĝŬŭŜŝ"                # Latin-3
        "§°")


def standard_numbering():
    glyphs = {c: chr(c) for c in range(33, 127)}
    glyphs.update(FIXED)
    free = (n for n in range(178, 400) if n not in FIXED)
    for ch in MORE:
        glyphs[next(free)] = ch
    return glyphs


STANDARD = standard_numbering()
STANDARD_BY_CHAR = {c: g for g, c in STANDARD.items()}

# Accented letters: base letter, marks.  Marks: accent names, "apos" (the
# font's apostrophe at the right), or special strokes done per font.
# Accented letters: base letter and mark; "apos" is the font's apostrophe
# set at the right of the letter.
ACCENTED = {
    'Á': ('A', 'acute'), 'É': ('E', 'acute'), 'Í': ('I', 'acute'), 'Ó': ('O', 'acute'),
    'Ú': ('U', 'acute'), 'á': ('a', 'acute'), 'é': ('e', 'acute'), 'í': ('ı', 'acute'),
    'ó': ('o', 'acute'), 'ú': ('u', 'acute'), 'Ý': ('Y', 'acute'), 'ý': ('y', 'acute'),
    'Ń': ('N', 'acute'), 'ń': ('n', 'acute'), 'Ŕ': ('R', 'acute'), 'ŕ': ('r', 'acute'),
    'Ś': ('S', 'acute'), 'ś': ('s', 'acute'), 'Ź': ('Z', 'acute'), 'ź': ('z', 'acute'),
    'Ć': ('C', 'acute'), 'ć': ('c', 'acute'), 'Ĺ': ('L', 'acute'), 'ĺ': ('l', 'acute'),
    'À': ('A', 'grave'), 'È': ('E', 'grave'), 'Ì': ('I', 'grave'), 'Ò': ('O', 'grave'),
    'Ù': ('U', 'grave'), 'à': ('a', 'grave'), 'è': ('e', 'grave'), 'ì': ('ı', 'grave'),
    'ò': ('o', 'grave'), 'ù': ('u', 'grave'),
    'Â': ('A', 'circumflex'), 'Ê': ('E', 'circumflex'), 'Î': ('I', 'circumflex'),
    'Ô': ('O', 'circumflex'), 'Û': ('U', 'circumflex'), 'â': ('a', 'circumflex'),
    'ê': ('e', 'circumflex'), 'î': ('ı', 'circumflex'), 'ô': ('o', 'circumflex'),
    'û': ('u', 'circumflex'), 'Ĉ': ('C', 'circumflex'), 'ĉ': ('c', 'circumflex'),
    'Ĝ': ('G', 'circumflex'), 'ĝ': ('g', 'circumflex'), 'Ĥ': ('H', 'circumflex'),
    'ĥ': ('h', 'circumflex'), 'Ĵ': ('J', 'circumflex'), 'ĵ': ('ȷ', 'circumflex'),
    'Ŝ': ('S', 'circumflex'), 'ŝ': ('s', 'circumflex'),
    'Ä': ('A', 'dieresis'), 'Ö': ('O', 'dieresis'), 'Ü': ('U', 'dieresis'),
    'ä': ('a', 'dieresis'), 'ö': ('o', 'dieresis'), 'ü': ('u', 'dieresis'),
    'Ë': ('E', 'dieresis'), 'Ï': ('I', 'dieresis'), 'ë': ('e', 'dieresis'),
    'ï': ('ı', 'dieresis'), 'ÿ': ('y', 'dieresis'),
    'Ã': ('A', 'tilde'), 'ã': ('a', 'tilde'), 'Ñ': ('N', 'tilde'), 'ñ': ('n', 'tilde'),
    'Õ': ('O', 'tilde'), 'õ': ('o', 'tilde'),
    'Å': ('A', 'ring'), 'å': ('a', 'ring'), 'Ů': ('U', 'ring'), 'ů': ('u', 'ring'),
    'Ç': ('C', 'cedilla'), 'ç': ('c', 'cedilla'), 'Ş': ('S', 'cedilla'),
    'ş': ('s', 'cedilla'), 'Ţ': ('T', 'cedilla'), 'ţ': ('t', 'cedilla'),
    'Ż': ('Z', 'dot'), 'ż': ('z', 'dot'), 'İ': ('I', 'dot'), 'Ġ': ('G', 'dot'),
    'ġ': ('g', 'dot'), 'Ċ': ('C', 'dot'), 'ċ': ('c', 'dot'),
    'Ő': ('O', 'doubleacute'), 'ő': ('o', 'doubleacute'), 'Ű': ('U', 'doubleacute'),
    'ű': ('u', 'doubleacute'),
    'Ą': ('A', 'ogonek'), 'ą': ('a', 'ogonek'), 'Ę': ('E', 'ogonek'), 'ę': ('e', 'ogonek'),
    'Š': ('S', 'caron'), 'š': ('s', 'caron'), 'Ž': ('Z', 'caron'), 'ž': ('z', 'caron'),
    'Č': ('C', 'caron'), 'č': ('c', 'caron'), 'Ě': ('E', 'caron'), 'ě': ('e', 'caron'),
    'Ň': ('N', 'caron'), 'ň': ('n', 'caron'), 'Ř': ('R', 'caron'), 'ř': ('r', 'caron'),
    'Ď': ('D', 'caron'), 'Ť': ('T', 'caron'),
    'ď': ('d', 'apos'), 'ť': ('t', 'apos'), 'Ľ': ('L', 'apos'), 'ľ': ('l', 'apos'),
    'Ğ': ('G', 'breve'), 'ğ': ('g', 'breve'), 'Ă': ('A', 'breve'), 'ă': ('a', 'breve'),
    'Ŭ': ('U', 'breve'), 'ŭ': ('u', 'breve'),
}

# Greek letters in the Greek alphabet's code layout (capitals; the small
# letter of each is 32 higher).  J and V are left to the standard alphabet.
GREEK_CODES = {
    'Α': 'A', 'Β': 'B', 'Γ': 'C', 'Δ': 'D', 'Ε': 'E', 'Φ': 'F', 'Χ': 'G',
    'Η': 'H', 'Ι': 'I', 'Κ': 'K', 'Λ': 'L', 'Μ': 'M', 'Ν': 'N', 'Ο': 'O',
    'Π': 'P', 'Θ': 'Q', 'Ρ': 'R', 'Σ': 'S', 'Τ': 'T', 'Ψ': 'U', 'Ω': 'W',
    'Ξ': 'X', 'Υ': 'Y', 'Ζ': 'Z'}
GREEK_ORDER = "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"   # Hershey numbering order
GREEK_NAMES = ["alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta",
               "theta", "iota", "kappa", "lambda", "mu", "nu", "xi", "omicron",
               "pi", "rho", "sigma", "tau", "upsilon", "phi", "chi", "psi",
               "omega"]
# Cyrillic alphabet layout: code of each letter (capitals 65.., small 97..
# in alphabetical order; the 32nd letter goes to 36 / 37, Ё and ё to 38 / 39).
CYR_ORDER = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"


def cyr_code(ch):
    if ch in "Ёё":
        return 38 if ch == 'Ё' else 39
    up = ch.upper()
    k = CYR_ORDER.index(up)
    if k == 31:
        return 36 if ch == up else 37
    return 65 + k + (0 if ch == up else 32)


# ---------------------------------------------------------------------------
# Point pool and directory encoding.

class Pool:
    """Points of one alphabet (or of alphabets that share points).  Each
    stroke is looked up by shape; an identical stroke is referenced, a
    shifted one referenced with an offset word."""

    def __init__(self, offset_unit, packed):
        self.unit = offset_unit      # font units per offset step
        self.packed = packed
        self.points = []
        self.shapes = {}

    def _pack(self, dx, dy):
        bx, by = dx / self.unit, dy / self.unit
        if bx != int(bx) or by != int(by):
            return None
        bx, by = int(bx), int(by)
        if not (-128 <= bx <= 127 and -128 <= by <= 127):
            return None
        w = (bx & 0xFF) | ((by & 0xFF) << 8)
        return w - 0x10000 if w >= 0x8000 else w

    def stroke(self, pts):
        n = len(pts)
        x0, y0 = pts[0]
        key = tuple((x - x0, y - y0) for x, y in pts)
        for s, sx, sy in self.shapes.get(key, []):
            if (sx, sy) == (x0, y0):
                return [n, s]
        if n >= 2:
            for s, sx, sy in self.shapes.get(key, []):
                p = self._pack(x0 - sx, y0 - sy)
                if p is not None:
                    return [-n, s, p]
        s = len(self.points) + 1
        for x, y in pts:
            if self.packed:
                assert -128 <= x <= 127 and -128 <= y <= 127, (x, y)
            else:
                assert -32768 <= x <= 32767 and -32768 <= y <= 32767
        self.points.extend(pts)
        self.shapes.setdefault(key, []).append((s, x0, y0))
        return [n, s]

    def record(self, strokes):
        words = [0]
        for st in strokes:
            words += self.stroke(st)
        words[0] = len(words)
        return words


class GlyphSet:
    def __init__(self, name, pool, remap=None):
        self.name = name
        self.pool = pool
        self.records = []     # directory records
        self.remap = remap    # code -> glyph number, or None for identity
        self.shared_points = False

    def add(self, strokes):
        self.records.append(self.pool.record(strokes))


def build_set(name, pool, glyphs, codes):
    """glyphs: code -> strokes.  Builds consecutive records for the given
    codes; the remap table sends each code to its glyph number."""
    gs = GlyphSet(name, pool)
    identity = codes == list(range(33, 33 + len(codes)))
    remap = None if identity else [0] * 256
    for k, c in enumerate(codes):
        gs.add(glyphs.get(c, []))
        if remap:
            remap[c] = 33 + k
    gs.remap = remap
    return gs


# ---------------------------------------------------------------------------
# Hershey reader.

def read_jhf(name):
    txt = open(os.path.join(HERSHEY, name + ".jhf"), encoding="latin-1").read()
    txt = txt.replace("\n", "")
    i, out = 0, []
    while i < len(txt):
        ident = txt[i:i + 5].strip()
        cnt = int(txt[i + 5:i + 8])
        body = txt[i + 8:i + 8 + 2 * cnt]
        i += 8 + 2 * cnt
        strokes, cur = [], []
        for k in range(2, len(body), 2):
            p = body[k:k + 2]
            if p == " R":
                if cur:
                    strokes.append(cur)
                cur = []
            else:
                cur.append((ord(p[0]) - 82, 9 - (ord(p[1]) - 82)))
        if cur:
            strokes.append(cur)
        out.append((ident, strokes))
    return out


def simplify(pts, tol):
    """Drops points closer than tol to the chord of their neighbours."""
    if len(pts) < 3 or tol <= 0:
        return pts
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        a, b = stack.pop()
        (ax, ay), (bx, by) = pts[a], pts[b]
        dx, dy = bx - ax, by - ay
        ln = math.hypot(dx, dy)
        best, bi = -1, None
        for k in range(a + 1, b):
            px, py = pts[k]
            d = (abs(dx * (py - ay) - dy * (px - ax)) / ln if ln
                 else math.hypot(px - ax, py - ay))
            if d > best:
                best, bi = d, k
        if bi is not None and best > tol:
            keep[bi] = True
            stack += [(a, bi), (bi, b)]
    return [p for p, k in zip(pts, keep) if k]


def shift_left(strokes):
    if not strokes:
        return strokes, 0
    mx = min(x for st in strokes for x, _ in st)
    return [[(x - mx, y) for x, y in st] for st in strokes], mx


def hershey_by_code(name, tol):
    data = read_jhf(name)
    out = {}
    for k, (_, strokes) in enumerate(data):
        code = 32 + k
        if 33 <= code <= 126 and strokes:
            out[code] = shift_left([simplify(s, tol) for s in strokes])[0]
    return out


def hershey_by_id(name, tol):
    return {ident: shift_left([simplify(s, tol) for s in st])[0]
            for ident, st in read_jhf(name)}


def bbox(strokes):
    xs = [x for st in strokes for x, _ in st]
    ys = [y for st in strokes for _, y in st]
    return min(xs), max(xs), min(ys), max(ys)


def translate(strokes, dx, dy):
    return [[(x + dx, y + dy) for x, y in st] for st in strokes]


# ---------------------------------------------------------------------------
# Accents of the stroke fonts.

def parse_design(text):
    val = {'j': -1, 'k': -2}

    def num(c):
        return val[c] if c in val else int(c)
    strokes = []
    for part in text.split(";"):
        pts = [(num(t[0]), num(t[1])) for t in part.split()]
        if pts:
            strokes.append(pts)
    return strokes


HERSHEY_ACCENTS = {
    'acute': [[(-1, 0), (2, 4)]], 'grave': [[(1, 0), (-2, 4)]],
    'circumflex': [[(-3, 0), (0, 3), (3, 0)]], 'caron': [[(-3, 3), (0, 0), (3, 3)]],
    'tilde': [[(-4, 0), (-3, 2), (-1, 2), (1, 0), (3, 0), (4, 2)]],
    'ring': [[(0, 0), (-2, 1), (-2, 3), (0, 4), (2, 3), (2, 1), (0, 0)]],
    'breve': [[(-3, 3), (-2, 1), (0, 0), (2, 1), (3, 3)]],
    'doubleacute': [[(-3, 0), (-1, 4)], [(1, 0), (3, 4)]],
    'cedilla': [[(0, 0), (0, -2), (2, -3), (1, -5), (-1, -5)]],
    'ogonek': [[(0, 0), (-2, -2), (-2, -4), (0, -5), (1, -5)]],
}


class StrokeStyle:
    """What the composer needs to know about one stroke design."""

    def __init__(self, glyphs, accents, gap, dot, apos, small):
        self.glyphs = glyphs      # char -> strokes
        self.accents = accents    # name -> strokes around (0, 0)
        self.gap = gap            # distance of accents above the letter
        self.dot = dot            # strokes of a dot centred on (0, 0)
        self.apos = apos          # strokes of an apostrophe, foot at (0, 0)
        self.small = small        # font 1: tighter placement


def centred(strokes):
    x0, x1, y0, y1 = bbox(strokes)
    cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
    return translate(strokes, -cx, -cy)


def compose(style, ch):
    base, mark = ACCENTED[ch]
    g = style.glyphs.get(base)
    if g is None:
        return None
    x0, x1, y0, y1 = bbox(g)
    cx = (x0 + x1 + 1) // 2 if style.small else (x0 + x1) // 2
    top = y1 + style.gap
    if mark == 'apos':
        return g + translate(style.apos, x1 + (1 if style.small else 2),
                             y1 - (2 if style.small else 5))
    if mark == 'dieresis' or mark == 'dot':
        d = style.dot
        dy = top + (0 if style.small else 1)
        if mark == 'dot':
            return g + translate(d, cx, dy)
        sep = 1 if style.small else 3
        return g + translate(d, cx - sep, dy) + translate(d, cx + sep, dy)
    acc = style.accents[mark]
    if mark == 'cedilla':
        return g + translate(acc, cx, 0)
    if mark == 'ogonek':
        return g + translate(acc, x1 - (0 if style.small else 2), 0)
    return g + translate(acc, cx, top)


def rotate180(strokes, h):
    x0, x1, _, _ = bbox(strokes)
    return [[(x0 + x1 - x, h - y) for x, y in st] for st in strokes]


def standard_glyphs_stroke(style, extra):
    """char -> strokes for every glyph number of the standard alphabet."""
    out = {}
    for g, ch in STANDARD.items():
        if ch in style.glyphs:
            out[g] = style.glyphs[ch]
        elif ch in extra:
            out[g] = extra[ch]
        elif ch in ACCENTED:
            out[g] = compose(style, ch)
    return {g: s for g, s in out.items() if s}


def hershey_extras(glyphs, greek, cap, xh, small_greek):
    """Letters the Hershey sets lack, built from their own parts."""
    ex = {}
    i = glyphs['i']
    dot_stroke = max(i, key=lambda st: min(y for _, y in st))
    ex['ı'] = [st for st in i if st is not dot_stroke]
    j = glyphs['j']
    jdot = max(j, key=lambda st: min(y for _, y in st))
    ex['ȷ'] = [st for st in j if st is not jdot]
    ex['ß'] = greek['β']
    ex['¡'] = translate(rotate180(glyphs['!'], cap), 0, -7)
    ex['¿'] = translate(rotate180(glyphs['?'], cap), 0, -7)
    a, e = glyphs['A'], glyphs['E']
    ex['Æ'] = a + translate(e, bbox(a)[1] - 6, 0)
    aa, ee = glyphs['a'], glyphs['e']
    ex['æ'] = aa + translate(ee, bbox(aa)[1] - 3, 0)
    for up, low in (('O', 'o'),):
        for c in (up, low):
            g = glyphs[c]
            x0, x1, y0, y1 = bbox(g)
            ex['Ø' if c == up else 'ø'] = g + [[(x0 - 1, y0 - 2), (x1 + 1, y1 + 2)]]
    d = glyphs['D']
    x0, x1, y0, y1 = bbox(d)
    ex['Đ'] = ex['Ð'] = d + [[(x0 - 2, cap // 2), (x0 + 6, cap // 2)]]
    dd = glyphs['d']
    x0, x1, y0, y1 = bbox(dd)
    ex['đ'] = dd + [[(x1 - 8, y1 - 3), (x1 + 1, y1 - 3)]]
    ex['ð'] = greek['δ'] + [[(2, xh + 2), (10, xh + 6)]]
    h = glyphs['H']
    x0, x1, y0, y1 = bbox(h)
    ex['Ħ'] = h + [[(x0 - 1, cap - 5), (x1 + 1, cap - 5)]]
    hh = glyphs['h']
    x0, x1, y0, y1 = bbox(hh)
    ex['ħ'] = hh + [[(x0, y1 - 4), (x0 + 8, y1 - 4)]]
    ll = glyphs['L']
    x0, x1, y0, y1 = bbox(ll)
    ex['Ł'] = ll + [[(x0, cap // 2 - 3), (x0 + 8, cap // 2 + 3)]]
    l1 = glyphs['l']
    x0, x1, y0, y1 = bbox(l1)
    cx = (x0 + x1) // 2
    ex['ł'] = l1 + [[(cx - 4, xh - 4), (cx + 4, xh + 2)]]
    p = glyphs['p']
    x0, x1, y0, y1 = bbox(p)
    stem = max(p, key=lambda st: bbox([st])[3] - bbox([st])[2])
    top = max(stem, key=lambda q: q[1])
    ex['þ'] = p + [[top, (top[0], cap)]]
    pp = glyphs['P']
    x0, x1, y0, y1 = bbox(pp)
    ex['Þ'] = [[(x0, 0), (x0, cap)]] + translate(
        [s for s in pp if bbox([s])[3] - bbox([s])[2] < cap - 2], 0, -4)
    ex['×'] = [[(2, 5), (10, 13)], [(2, 13), (10, 5)]]
    dot = centred(glyphs['.'])
    ex['÷'] = [[(0, 9), (14, 9)]] + translate(dot, 7, 14) + translate(dot, 7, 4)
    o = [[(4 + round(4 * math.cos(t * math.pi / 4)), 9 + round(4 * math.sin(t * math.pi / 4)))
          for t in range(9)]]
    ex['¤'] = o + [[(0, 5), (2, 7)], [(8, 5), (6, 7)], [(0, 13), (2, 11)], [(8, 13), (6, 11)]]
    big = glyphs['O']
    x0, x1, y0, y1 = bbox(big)
    c = glyphs['c']
    cx0, cx1, cy0, cy1 = bbox(c)
    small = [[(round((x - cx0) * 0.6) + (x0 + x1) // 2 - round((cx1 - cx0) * 0.3),
               round((y - cy0) * 0.6) + (y0 + y1) // 2 - round((cy1 - cy0) * 0.3))
              for x, y in st] for st in c]
    ex['©'] = big + small
    ex['°'] = [[(2, cap), (0, cap - 2), (2, cap - 4), (4, cap - 2), (2, cap)]]
    return ex


# ---------------------------------------------------------------------------
# Outline fonts.

class FlattenPen(BasePen):
    def __init__(self, glyphset, scale, tol):
        super().__init__(glyphset)
        self.scale, self.tol = scale, tol
        self.contours, self.cur = [], []

    def _moveTo(self, p):
        self.cur = [p]

    def _lineTo(self, p):
        self.cur.append(p)

    def _qCurveToOne(self, p1, p2):
        p0 = self.cur[-1]
        d = math.hypot(p0[0] - 2 * p1[0] + p2[0], p0[1] - 2 * p1[1] + p2[1])
        n = max(1, math.ceil(math.sqrt(d * self.scale / (4 * self.tol))))
        for k in range(1, n + 1):
            t = k / n
            a, b, c = (1 - t) ** 2, 2 * t * (1 - t), t * t
            self.cur.append((a * p0[0] + b * p1[0] + c * p2[0],
                             a * p0[1] + b * p1[1] + c * p2[1]))

    def _curveToOne(self, p1, p2, p3):
        p0 = self.cur[-1]
        n = 8
        for k in range(1, n + 1):
            t = k / n
            mt = 1 - t
            self.cur.append(tuple(mt ** 3 * p0[i] + 3 * mt * mt * t * p1[i]
                                  + 3 * mt * t * t * p2[i] + t ** 3 * p3[i]
                                  for i in range(2)))

    def _closePath(self):
        pts = [(round(x * self.scale), round(y * self.scale)) for x, y in self.cur]
        clean = []
        for p in pts:
            if not clean or clean[-1] != p:
                clean.append(p)
        if clean and clean[0] != clean[-1]:
            clean.append(clean[0])
        clean = simplify(clean, 0.6)
        if len(clean) >= 4:
            self.contours.append(clean)
        self.cur = []

    _endPath = _closePath


class OutlineFont:
    def __init__(self, filename):
        self.font = TTFont(os.path.join(DEJAVU, filename))
        self.glyf = self.font["glyf"]
        self.cmap = self.font.getBestCmap()
        self.gs = self.font.getGlyphSet()
        self.scale = 200.0 / self.glyf["H"].yMax
        self.cache = {}

    def contours(self, name):
        """Closed contours of a glyph on the 200 grid, composites resolved
        into their components shifted by even steps (so that they can be
        referenced with offset words)."""
        if name in self.cache:
            return self.cache[name]
        g = self.glyf[name]
        if g.isComposite():
            out = []
            for comp in g.components:
                dx = 2 * round(comp.x * self.scale / 2)
                dy = 2 * round(comp.y * self.scale / 2)
                out += translate(self.contours(comp.glyphName), dx, dy)
        else:
            pen = FlattenPen(self.gs, self.scale, 0.35)
            self.gs[name].draw(pen)
            out = pen.contours
        self.cache[name] = out
        return out

    def char(self, ch):
        name = self.cmap.get(ord(ch))
        return self.contours(name) if name else None


# ---------------------------------------------------------------------------
# Building the fonts.

HERSHEY_TOL = 0.3


def hershey_style(by_code):
    glyphs = {chr(c): s for c, s in by_code.items()}
    dot = centred(glyphs['.'])
    apos = translate(glyphs["'"], -bbox(glyphs["'"])[0], -bbox(glyphs["'"])[2])
    return StrokeStyle(glyphs, HERSHEY_ACCENTS,
                       2, dot, apos, False)


def greek_letters(name):
    """Greek letter -> strokes from a Hershey Greek set (by glyph number)."""
    by_id = hershey_by_id(name, HERSHEY_TOL)
    base = {"greekc": (2027, 2127), "greeks": (527, 627)}[name]
    out = {}
    for k, ch in enumerate(GREEK_ORDER):
        out[ch] = by_id[str(base[0] + k)]
        out[ch.lower()] = by_id[str(base[1] + k)]
    out['σ'] = by_id[str(base[1] + GREEK_ORDER.index('Σ'))]
    return out


def greek_set(name, pool, letters):
    glyphs = {}
    for up, code in GREEK_CODES.items():
        glyphs[ord(code)] = letters[up]
        glyphs[ord(code) + 32] = letters[up.lower()]
    codes = sorted(glyphs)
    return build_set(name, pool, glyphs, codes)


def hershey_standard(name, jhf, greek):
    glyphs = hershey_by_code(jhf, HERSHEY_TOL)
    style = hershey_style(glyphs)
    extra = hershey_extras(style.glyphs, greek, 21, 14, False)
    std = standard_glyphs_stroke(style, extra)
    pool = Pool(0.5, True)
    return build_set(name, pool, std, list(range(33, max(std) + 1))), pool


def zanalf_sets():
    z = zanalf_glyphs
    glyphs = {c: parse_design(t) for c, t in z.ASCII.items()}
    extra = {c: parse_design(t) for c, t in z.EXTRA.items()}
    accents = {k: [parse_design(t)[0] for t in v] for k, v in z.ACCENTS.items()}
    style = StrokeStyle(glyphs, {k: v for k, v in accents.items()}, 1,
                        [[(0, 0), (0, 1)]], [[(0, 2), (0, 1), (-1, 0)]], True)
    extra['¡'] = [[(2, 5), (2, 4)], [(2, 2), (2, -2)]]
    extra['¿'] = translate(rotate180(glyphs['?'], 7), 0, -2)
    std = standard_glyphs_stroke(style, extra)
    pool = Pool(0.5, True)
    stdset = build_set("zanalf_standard", pool, std, list(range(33, max(std) + 1)))
    # The Greek letters that look like Latin ones reuse the Latin drawings.
    letters = {}
    for ch in GREEK_ORDER + GREEK_ORDER.lower():
        if ch in z.GREEK:
            letters[ch] = parse_design(z.GREEK[ch])
    for gr, la in zip("ΑΒΕΖΗΙΚΜΝΟΡΤΥΧο", "ABEZHIKMNOPTYXo"):
        letters[gr] = glyphs[la]
    greek = greek_set("zanalf_greek", pool, letters)
    greek.shared_points = True
    return stdset, greek


def math_set():
    low = hershey_by_code("mathlow", HERSHEY_TOL)
    sym = read_jhf("symbolic")
    glyphs = {c: s for c, s in low.items() if not (48 <= c <= 57 or 65 <= c <= 90)}
    # Extra symbols after the ASCII range.
    extra_sym = [(127, 44), (128, 45), (129, 46), (130, 47), (131, 48), (132, 43),
                 (133, 42), (134, 89)]
    for code, k in extra_sym:
        st = [simplify(s, HERSHEY_TOL) for s in sym[k][1]]
        if st:
            glyphs[code] = shift_left(st)[0]
    t = glyphs[126]
    x0, x1, y0, y1 = bbox(t)
    glyphs[135] = translate(t, 0, 3) + translate(t, 0, -3)   # approximately equal
    codes = sorted(glyphs)
    return build_set("math", Pool(0.5, True), glyphs, codes)


MATH_NAMES = [
    ("pm", 33), ("mp", 34), ("times", 35), ("cdot", 36), ("leq", 38), ("le", 38),
    ("geq", 39), ("ge", 39), ("ast", 42), ("neq", 63), ("equiv", 64), ("prod", 58),
    ("sum", 59), ("propto", 94), ("infty", 95), ("circ", 96), ("surd", 99),
    ("subset", 100), ("cup", 101), ("supset", 102), ("cap", 103), ("in", 104),
    ("rightarrow", 105), ("to", 105), ("uparrow", 106), ("leftarrow", 107),
    ("downarrow", 108), ("partial", 109), ("nabla", 110), ("sqrt", 111),
    ("int", 112), ("exists", 118), ("aleph", 119), ("div", 120), ("parallel", 121),
    ("perp", 122), ("angle", 124), ("therefore", 125), ("sim", 126),
    ("bullet", 127), ("square", 129), ("triangle", 130), ("diamond", 131),
    ("star", 132), ("odot", 128), ("approx", 135),
]


def script_set(pool_unit=0.5):
    g = hershey_by_code("scripts", HERSHEY_TOL)
    style = hershey_style(g)
    glyphs = {c: s for c, s in g.items() if chr(c).isalpha()}
    for num, ch in ((127, 'Ä'), (128, 'Ö'), (129, 'Ü'), (130, 'ä'), (131, 'ö'), (132, 'ü')):
        glyphs[num] = compose(style, ch)
    return build_set("script", Pool(pool_unit, True), glyphs, sorted(glyphs))


def italic_set(name, jhf):
    g = hershey_by_code(jhf, HERSHEY_TOL)
    glyphs = {c: s for c, s in g.items() if chr(c).isalnum()}
    return build_set(name, Pool(0.5, True), glyphs, sorted(glyphs))


def cyrillic_set():
    by_id = hershey_by_id("cyrilc_1", HERSHEY_TOL)
    glyphs = {}
    for k, ch in enumerate(CYR_ORDER[:26]):
        glyphs[cyr_code(ch)] = by_id[str(2801 + k)]
        glyphs[cyr_code(ch.lower())] = by_id[str(2901 + k)]
    # The last six letters come from the transliterated Cyrillic set.
    tr = hershey_by_code("cyrillic", HERSHEY_TOL)
    for ch, up, low in (("Ъ", 93, 124), ("Ы", 36, 38), ("Ь", 95, 126),
                        ("Э", 67, 99), ("Ю", 85, 117), ("Я", 94, 125)):
        glyphs[cyr_code(ch)] = tr[up]
        glyphs[cyr_code(ch.lower())] = tr[low]
    dot = centred(hershey_by_code("cyrilc_1", HERSHEY_TOL)[46])
    style = StrokeStyle({'Е': glyphs[cyr_code('Е')], 'е': glyphs[cyr_code('е')]},
                        HERSHEY_ACCENTS, 2, dot, None, False)
    ACCENTED['Ё'] = ('Е', 'dieresis')
    ACCENTED['ё'] = ('е', 'dieresis')
    glyphs[cyr_code('Ё')] = compose(style, 'Ё')
    glyphs[cyr_code('ё')] = compose(style, 'ё')
    return build_set("cyrillic", Pool(0.5, True), glyphs, sorted(glyphs))


def outline_standard(name, filename):
    f = OutlineFont(filename)
    std = {}
    for g, ch in STANDARD.items():
        c = f.char(ch)
        if c is None and ch in ACCENTED:
            c = f.char(ACCENTED[ch][0])
        if c:
            std[g] = c
    return build_set(name, Pool(2.0, False), std, list(range(33, max(std) + 1)))


# ---------------------------------------------------------------------------
# Code pages.

def std_glyph(ch):
    return STANDARD_BY_CHAR.get(ch, 0)


def codepage(encoding, lo, hi, fn, missing=0):
    out = []
    for c in range(lo, hi + 1):
        try:
            ch = bytes([c]).decode(encoding)
        except UnicodeDecodeError:
            out.append(missing)
            continue
        out.append(fn(ch))
    return out


def cyr_entry(ch):
    """(code, alphabet) of a character in a Cyrillic code page."""
    if ch in CYR_ORDER or ch.upper() in CYR_ORDER or ch in "Ёё":
        return (cyr_code(ch), 6)
    latin = {'Ѕ': 'S', 'І': 'I', 'Ј': 'J', 'ѕ': 's', 'і': 'i', 'ј': 'j',
             'Ї': 'Ï', 'ї': 'ï', '§': '§', '№': None}
    if ch in latin and latin[ch]:
        return (std_glyph(latin[ch]), 1)
    if ch == '\xa0':
        return (32, 1)
    return (0, 1)


GREEK_LOWER_FINAL = {'ς': 'σ'}


def greek_entry(ch):
    import unicodedata
    base = unicodedata.normalize("NFD", ch)[0]
    base = GREEK_LOWER_FINAL.get(base, base)
    up = base.upper()
    if up in GREEK_CODES:
        code = ord(GREEK_CODES[up]) + (32 if base != up else 0)
        return (code, 2)
    if ch == '\xa0':
        return (32, 1)
    g = std_glyph(ch)
    return (g, 1)


# ---------------------------------------------------------------------------
# Output.

def c_array(ctype, name, values, per_line=12, fmt="{}"):
    lines = [f"const {ctype} {name}[{max(len(values), 1)}] = {{"]
    vals = values or [0]
    for k in range(0, len(vals), per_line):
        lines.append("    " + ", ".join(fmt.format(v) for v in vals[k:k + per_line]) + ",")
    lines.append("};")
    return "\n".join(lines)


HEADER_NOTE = "// Generated by tools/fonts/gen_fonts.py; do not edit.\n"


def set_arrays(gs, with_points):
    ident = gs.name
    out = []
    words = [w for r in gs.records for w in r]
    pts = gs.pool.points if with_points else []
    if with_points and gs.pool.packed:
        packed = [(x & 0xFF) | ((y & 0xFF) << 8) for x, y in pts]
        out.append(c_array("uint16_t", f"k_{ident}_points", packed, 12, "0x{:04x}"))
    elif with_points:
        out.append(c_array("int16_t", f"k_{ident}_x", [p[0] for p in pts], 14))
        out.append(c_array("int16_t", f"k_{ident}_y", [p[1] for p in pts], 14))
    out.append(c_array("int16_t", f"k_{ident}_dir", words, 14))
    if gs.remap:
        out.append(c_array("int16_t", f"k_{ident}_remap", gs.remap, 16))
    packed = gs.pool.packed
    npts = len(pts)
    p = f"k_{ident}_points" if with_points and packed else "nullptr"
    xs = f"k_{ident}_x" if with_points and not packed else "nullptr"
    ys = f"k_{ident}_y" if with_points and not packed else "nullptr"
    rm = f"k_{ident}_remap" if gs.remap else "nullptr"
    out.append(f"}}  // namespace\n\nconst GlyphSet k{camel(ident)} = {{\n"
               f"    \"{ident}\", {p}, {xs}, {ys}, {npts},\n"
               f"    k_{ident}_dir, {len(words)}, {len(gs.records)}, {rm}}};")
    return out, npts, len(words)


def camel(s):
    return "".join(w.capitalize() for w in s.split("_"))


def write(path, text):
    with open(path, "w", newline="\n") as f:
        f.write(text)


def write_sets(filename, sets):
    body = [HEADER_NOTE, '#include "text/fontdata/font_data.h"\n',
            "namespace zantor::fontdata {\n"]
    sizes = {}
    for gs in sets:
        body.append("namespace {\n")
        arrays, npts, nwords = set_arrays(gs, not gs.shared_points)
        body.append("\n\n".join(arrays) + "\n")
        sizes[gs.name] = (npts, nwords)
    body.append("}  // namespace zantor::fontdata\n")
    write(os.path.join(OUT, filename), "\n".join(body))
    return sizes


def main():
    os.makedirs(OUT, exist_ok=True)
    sizes = {}
    greekc = greek_letters("greekc")
    greeks = greek_letters("greeks")
    z_std, z_greek = zanalf_sets()
    sizes.update(write_sets("font_zanalf.cpp", [z_std, z_greek]))
    complx, _ = hershey_standard("complx_standard", "timesr", greekc)
    sizes.update(write_sets("font_complx.cpp", [complx]))
    simplx, spool = hershey_standard("simplx_standard", "rowmans", greeks)
    s_greek = greek_set("simplx_greek", spool, greeks)
    s_greek.shared_points = True
    sizes.update(write_sets("font_simplx.cpp", [simplx, s_greek]))
    duplx, _ = hershey_standard("duplx_standard", "rowmand", greekc)
    sizes.update(write_sets("font_duplx.cpp", [duplx]))
    triplx, _ = hershey_standard("triplx_standard", "rowmant", greekc)
    sizes.update(write_sets("font_triplx.cpp", [triplx]))
    gothic, _ = hershey_standard("gothic_standard", "gothgbt", greekc)
    gothic_italic = italic_set("gothic_italic", "gothitt")
    g_script = build_set("gothic_script", Pool(0.5, True),
                         {c: s for c, s in hershey_by_code("gothgrt", HERSHEY_TOL).items()
                          if chr(c).isalpha()},
                         [c for c in range(33, 127) if chr(c).isalpha()])
    sizes.update(write_sets("font_gothic.cpp", [gothic, gothic_italic, g_script]))
    shared = [greek_set("greek", Pool(0.5, True), greekc), math_set(),
              italic_set("complx_italic", "timesi"), script_set(), cyrillic_set()]
    sizes.update(write_sets("font_shared.cpp", shared))
    outlines = [("helve_standard", "DejaVuSans.ttf"),
                ("helves_standard", "DejaVuSansCondensed.ttf"),
                ("helvet_standard", "DejaVuSans-Bold.ttf"),
                ("serif_standard", "DejaVuSerif.ttf")]
    for ident, fn in outlines:
        gs = outline_standard(ident, fn)
        sizes.update(write_sets(f"font_{ident.split('_')[0]}.cpp", [gs]))

    # Fonts: alphabets 1..6 as (set, mode); mode 0 own data, 1 shares the
    # points of alphabet 1, 2 is alphabet 1 itself (slanted italic).
    common = ["Greek", "Math", None, "Script", "Cyrillic"]
    fonts = [
        (1, ["ZanalfStandard", "ZanalfGreek", "Math", None, "Script", "Cyrillic"]),
        (3, ["ComplxStandard", "Greek", "Math", "ComplxItalic", "Script", "Cyrillic"]),
        (4, ["SimplxStandard", "SimplxGreek", "Math", None, "Script", "Cyrillic"]),
        (5, ["DuplxStandard"] + common),
        (6, ["TriplxStandard"] + common),
        (7, ["GothicStandard", "Greek", "Math", "GothicItalic", "GothicScript", "Cyrillic"]),
        (11, ["HelveStandard"] + common), (12, ["HelvesStandard"] + common),
        (13, ["HelvetStandard"] + common), (14, ["SerifStandard"] + common),
    ]
    shares = {"ZanalfGreek", "SimplxGreek"}
    cap_pts = cap_keys = 0
    by_camel = {camel(k): v for k, v in sizes.items()}
    for _, sets in fonts:
        pts = sum(by_camel[s][0] for s in sets if s)
        keys = sum(by_camel[s][1] for s in sets if s)
        cap_pts, cap_keys = max(cap_pts, pts), max(cap_keys, keys)
    cap_pts = max(MIN_POINTS, -(-cap_pts // 500) * 500)
    cap_keys = max(MIN_KEYS, -(-cap_keys // 500) * 500)

    lines = [HEADER_NOTE, '#include "text/fontdata/font_data.h"\n',
             "namespace zantor::fontdata {\n",
             "const FontDef kFonts[kFontCount] = {"]
    for ialf, sets in fonts:
        entries = []
        for k, s in enumerate(sets):
            if s is None:
                entries.append("{nullptr, AlphabetMode::SameAsStandard}")
            elif s in shares:
                entries.append(f"{{&k{s}, AlphabetMode::SharesStandardPoints}}")
            else:
                entries.append(f"{{&k{s}, AlphabetMode::Own}}")
        lines.append(f"    {{{ialf}, {{" + ",\n         ".join(entries) + "}},")
    lines.append("};\n")
    # Code pages.
    lat1 = [std_glyph(bytes([c]).decode("latin-1")) for c in range(191, 256)]
    lines.append("// Latin-1 codes 191..255 to standard glyph numbers (0 blank).")
    lines.append(c_array("int16_t", "kLatin1Letters", lat1, 13))
    for nm, enc in (("kLatin2", "iso8859_2"), ("kLatin3", "iso8859_3")):
        lines.append(f"// {enc} codes 160..255 to standard glyph numbers (0 blank).")
        lines.append(c_array("int16_t", nm, codepage(enc, 160, 255, std_glyph), 16))

    def entries(name, vals, comment):
        lines.append(comment)
        lines.append(f"const CodeEntry {name}[{len(vals)}] = {{")
        for k in range(0, len(vals), 8):
            lines.append("    " + ", ".join(f"{{{c}, {a}}}" for c, a in vals[k:k + 8]) + ",")
        lines.append("};")
    entries("kCyrillicIso5", codepage("iso8859_5", 160, 255, cyr_entry, (0, 1)),
            "// ISO 8859-5 codes 160..255.")
    entries("kCyrillicKoi8", codepage("koi8_r", 192, 255, cyr_entry, (0, 1)),
            "// KOI8-R codes 192..255.")
    entries("kCyrillicUtf8", [cyr_entry(chr(c)) for c in range(1024, 1120)],
            "// Unicode 1024..1119.")
    entries("kGreekIso7", codepage("iso8859_7", 160, 255, greek_entry, (0, 1)),
            "// ISO 8859-7 codes 160..255.")
    entries("kGreekUtf8", [greek_entry(chr(c)) if c not in (903,) else (0, 1)
                           for c in range(902, 975)], "// Unicode 902..974.")
    lines.append("\nconst NamedCode kGreekLetters[kGreekLetterCount] = {")
    for k, ch in enumerate(GREEK_ORDER):
        code = ord(GREEK_CODES[ch])
        lines.append(f"    {{\"{GREEK_NAMES[k].capitalize()}\", {code}}}, "
                     f"{{\"{GREEK_NAMES[k]}\", {code + 32}}},")
    lines.append("};")
    lines.append("\nconst NamedCode kMathSymbols[kMathSymbolCount] = {")
    for nm, code in MATH_NAMES:
        lines.append(f"    {{\"{nm}\", {code}}},")
    lines.append("};")
    lines.append("\nconst StandardGlyph kStandardGlyphs[kStandardGlyphCount] = {")
    items = sorted(STANDARD.items())
    for k in range(0, len(items), 6):
        lines.append("    " + " ".join(f"{{{g}, 0x{ord(c):04x}}}," for g, c in items[k:k + 6]))
    lines.append("};\n")
    lines.append("}  // namespace zantor::fontdata")
    write(os.path.join(OUT, "font_tables.cpp"), "\n".join(lines) + "\n")

    header = f"""{HEADER_NOTE}// Compiled-in glyph sets of the stroke and outline fonts, the code page
// tables of the character codings and the symbol name tables.
#pragma once
#include <cstdint>

namespace zantor::fontdata {{

// Store capacity that holds the largest font.
constexpr int kFontPointCapacity = {cap_pts};
constexpr int kFontKeyCapacity = {cap_keys};

// One alphabet's data.  Points are packed words (low byte x, high byte y,
// signed) on grids up to 127, or separate x / y tables on the 200 grid.
// remap (256 entries), where present, gives for each character code the
// glyph number inside this set, 0 for characters the alphabet borrows from
// the standard alphabet; without it the code is the glyph number.
struct GlyphSet {{
  const char* name;
  const uint16_t* packed;
  const int16_t* xs;
  const int16_t* ys;
  int32_t npoints;
  const int16_t* dir;
  int32_t ndir;
  int32_t nglyphs;
  const int16_t* remap;
}};

enum class AlphabetMode {{ Own, SharesStandardPoints, SameAsStandard }};

struct AlphabetDef {{
  const GlyphSet* set;
  AlphabetMode mode;
}};

struct FontDef {{
  int32_t ialf;
  AlphabetDef alphabets[6];
}};

constexpr int kFontCount = {len(fonts)};
extern const FontDef kFonts[kFontCount];

// A code of a code page: character code inside alphabet 1 to 6.
struct CodeEntry {{
  int16_t code;
  int8_t alphabet;
}};

extern const int16_t kLatin1Letters[65];   // codes 191..255, alphabet 1
extern const int16_t kLatin2[96];          // codes 160..255, alphabet 1
extern const int16_t kLatin3[96];          // codes 160..255, alphabet 1
extern const CodeEntry kCyrillicIso5[96];  // codes 160..255
extern const CodeEntry kCyrillicKoi8[64];  // codes 192..255
extern const CodeEntry kCyrillicUtf8[96];  // Unicode 1024..1119
extern const CodeEntry kGreekIso7[96];     // codes 160..255
extern const CodeEntry kGreekUtf8[73];     // Unicode 902..974

// Names of the Greek letters (code in the Greek alphabet) and of the
// mathematical symbols (code in the mathematical alphabet).
struct NamedCode {{
  const char* name;
  int16_t code;
}};
constexpr int kGreekLetterCount = {2 * len(GREEK_ORDER)};
extern const NamedCode kGreekLetters[kGreekLetterCount];
constexpr int kMathSymbolCount = {len(MATH_NAMES)};
extern const NamedCode kMathSymbols[kMathSymbolCount];

// Unicode character of every glyph number of the standard alphabet.
struct StandardGlyph {{
  int16_t glyph;
  int32_t unicode;
}};
constexpr int kStandardGlyphCount = {len(STANDARD)};
extern const StandardGlyph kStandardGlyphs[kStandardGlyphCount];

}}  // namespace zantor::fontdata
"""
    write(os.path.join(OUT, "font_data.h"), header)
    sets_decl = "\n".join(f"extern const GlyphSet k{camel(n)};" for n in sorted(sizes))
    with open(os.path.join(OUT, "font_data.h")) as f:
        h = f.read()
    h = h.replace("enum class AlphabetMode", sets_decl + "\n\nenum class AlphabetMode")
    write(os.path.join(OUT, "font_data.h"), h)
    for n, (p, w) in sorted(sizes.items()):
        print(f"{n:20s} {p:6d} points {w:6d} directory words")
    print(f"capacity {cap_pts} points, {cap_keys} directory words")


if __name__ == "__main__":
    main()
