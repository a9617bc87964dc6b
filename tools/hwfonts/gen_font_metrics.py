#!/usr/bin/env python3
"""Generates src/hwfonts/fontdata/font_metrics.cpp: the metrics of the 35
standard PostScript fonts (advance widths, cap height, ascender, descender,
bounding box, italic angle) that hardware text is measured and placed with.

Source: the AFM files of the Debian package fonts-urw-base35
(/usr/share/fonts/type1/urw-base35/*.afm), metric-compatible versions of the
35 fonts by (URW)++ Design & Development, distributed under the GNU AGPL 3
with a font exception (see src/hwfonts/fontdata/LICENSE).  Only numbers are
taken from them: the table holds no glyph outlines.

Widths are stored per code 32..255.  The text fonts are indexed by the
ISO Latin-1 code of a character (the code the PDF and SVG writers send; the
PostScript writer re-encodes its fonts to the same names); Symbol and
ZapfDingbats by the codes of their own built-in encoding.  A code the font
has no glyph for is 0.

Usage: python3 tools/hwfonts/gen_font_metrics.py [--check] [--afm DIR]
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "src", "hwfonts", "fontdata", "font_metrics.cpp")
AFM_DIR = "/usr/share/fonts/type1/urw-base35"

# The 35 fonts in index order with the file of their metric-compatible twin.
FONTS = [
    ("Times-Roman", "NimbusRoman-Regular"),
    ("Times-Bold", "NimbusRoman-Bold"),
    ("Times-Italic", "NimbusRoman-Italic"),
    ("Times-BoldItalic", "NimbusRoman-BoldItalic"),
    ("Helvetica", "NimbusSans-Regular"),
    ("Helvetica-Bold", "NimbusSans-Bold"),
    ("Helvetica-Oblique", "NimbusSans-Italic"),
    ("Helvetica-BoldOblique", "NimbusSans-BoldItalic"),
    ("Helvetica-Narrow", "NimbusSansNarrow-Regular"),
    ("Helvetica-Narrow-Bold", "NimbusSansNarrow-Bold"),
    ("Helvetica-Narrow-Oblique", "NimbusSansNarrow-Oblique"),
    ("Helvetica-Narrow-BoldOblique", "NimbusSansNarrow-BoldOblique"),
    ("NewCenturySchlbk-Roman", "C059-Roman"),
    ("NewCenturySchlbk-Italic", "C059-Italic"),
    ("NewCenturySchlbk-Bold", "C059-Bold"),
    ("NewCenturySchlbk-BoldItalic", "C059-BdIta"),
    ("ZapfChancery-MediumItalic", "Z003-MediumItalic"),
    ("ZapfDingbats", "D050000L"),
    ("Courier", "NimbusMonoPS-Regular"),
    ("Courier-Bold", "NimbusMonoPS-Bold"),
    ("Courier-Oblique", "NimbusMonoPS-Italic"),
    ("Courier-BoldOblique", "NimbusMonoPS-BoldItalic"),
    ("AvantGarde-Book", "URWGothic-Book"),
    ("AvantGarde-Demi", "URWGothic-Demi"),
    ("AvantGarde-BookOblique", "URWGothic-BookOblique"),
    ("AvantGarde-DemiOblique", "URWGothic-DemiOblique"),
    ("Bookman-Light", "URWBookman-Light"),
    ("Bookman-LightItalic", "URWBookman-LightItalic"),
    ("Bookman-Demi", "URWBookman-Demi"),
    ("Bookman-DemiItalic", "URWBookman-DemiItalic"),
    ("Palatino-Roman", "P052-Roman"),
    ("Palatino-Italic", "P052-Italic"),
    ("Palatino-Bold", "P052-Bold"),
    ("Palatino-BoldItalic", "P052-BoldItalic"),
    ("Symbol", "StandardSymbolsPS"),
]

ASCII = ("space exclam quotedbl numbersign dollar percent ampersand quotesingle "
         "parenleft parenright asterisk plus comma hyphen period slash zero one two "
         "three four five six seven eight nine colon semicolon less equal greater "
         "question at A B C D E F G H I J K L M N O P Q R S T U V W X Y Z bracketleft "
         "backslash bracketright asciicircum underscore grave a b c d e f g h i j k l m "
         "n o p q r s t u v w x y z braceleft bar braceright asciitilde").split()
LATIN1 = ("space exclamdown cent sterling currency yen brokenbar section dieresis "
          "copyright ordfeminine guillemotleft logicalnot hyphen registered macron "
          "degree plusminus twosuperior threesuperior acute mu paragraph "
          "periodcentered cedilla onesuperior ordmasculine guillemotright onequarter "
          "onehalf threequarters questiondown Agrave Aacute Acircumflex Atilde "
          "Adieresis Aring AE Ccedilla Egrave Eacute Ecircumflex Edieresis Igrave "
          "Iacute Icircumflex Idieresis Eth Ntilde Ograve Oacute Ocircumflex Otilde "
          "Odieresis multiply Oslash Ugrave Uacute Ucircumflex Udieresis Yacute Thorn "
          "germandbls agrave aacute acircumflex atilde adieresis aring ae ccedilla "
          "egrave eacute ecircumflex edieresis igrave iacute icircumflex idieresis eth "
          "ntilde ograve oacute ocircumflex otilde odieresis divide oslash ugrave "
          "uacute ucircumflex udieresis yacute thorn ydieresis").split()
assert len(ASCII) == 95 and len(LATIN1) == 96


def read_afm(path):
    """Header values, and the glyphs as name -> (code, width, bbox)."""
    head, glyphs = {}, {}
    in_chars = False
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("StartCharMetrics"):
                in_chars = True
                continue
            if line.startswith("EndCharMetrics"):
                in_chars = False
                continue
            if in_chars:
                fields = {}
                for part in line.split(";"):
                    words = part.split()
                    if words:
                        fields[words[0]] = words[1:]
                box = [int(float(v)) for v in fields.get("B", ["0"] * 4)]
                glyphs[fields["N"][0]] = (int(fields["C"][0]), int(float(fields["WX"][0])), box)
            elif " " in line:
                key, value = line.split(" ", 1)
                head[key] = value
    return head, glyphs


def font_record(name, stem, afm_dir):
    head, glyphs = read_afm(os.path.join(afm_dir, stem + ".afm"))
    bbox = [int(float(v)) for v in head["FontBBox"].split()]
    symbolic = name in ("Symbol", "ZapfDingbats")
    widths = [0] * 224
    if symbolic:
        for code, width, _ in glyphs.values():
            if 32 <= code <= 255:
                widths[code - 32] = width
    else:
        for i, glyph in enumerate(ASCII + [None] * 33 + LATIN1):
            if glyph in glyphs:
                widths[i] = glyphs[glyph][1]
    cap = int(float(head.get("CapHeight", "0"))) or bbox[3]

    # These files give no ascender and descender: the tallest of the
    # ascending lower-case letters and the deepest descender instead.
    def extreme(names, index, pick, default):
        values = [glyphs[n][2][index] for n in names if n in glyphs]
        return pick(values) if values else default

    asc = int(float(head.get("Ascender", "0")))
    desc = int(float(head.get("Descender", "0")))
    if asc == 0:
        asc = bbox[3] if symbolic else extreme("bdhkl", 3, max, bbox[3])
    if desc == 0:
        desc = bbox[1] if symbolic else extreme("gjpqy", 1, min, bbox[1])
    return {
        "name": name, "file": stem, "cap": cap, "asc": asc, "desc": desc, "bbox": bbox,
        "angle": float(head.get("ItalicAngle", "0")),
        "fixed": head.get("IsFixedPitch", "false") == "true",
        "bold": any(w in head.get("Weight", "") for w in ("Bold", "Demi")),
        "widths": widths,
    }


def generate(afm_dir):
    out = []
    out.append("// Generated by tools/hwfonts/gen_font_metrics.py from the AFM files of")
    out.append("// fonts-urw-base35 ((URW)++, GNU AGPL 3 with font exception; see LICENSE")
    out.append("// beside this file).  Do not edit: run the generator.")
    out.append('#include "hwfonts/font_metrics.h"')
    out.append("")
    out.append("namespace zantor {")
    out.append("")
    out.append("const FontMetrics kFontMetrics[kStandardFontCount] = {")
    for name, stem in FONTS:
        r = font_record(name, stem, afm_dir)
        b = r["bbox"]
        out.append(f'    {{"{r["name"]}", "{r["file"]}", {r["cap"]}, {r["asc"]}, {r["desc"]}, '
                   f'{{{b[0]}, {b[1]}, {b[2]}, {b[3]}}}, {r["angle"]:.1f}f, '
                   f'{"true" if r["fixed"] else "false"}, {"true" if r["bold"] else "false"},')
        w = r["widths"]
        out.append("     {")
        for i in range(0, 224, 14):
            out.append("      " + ", ".join(str(v) for v in w[i:i + 14]) + ",")
        out.append("     }},")
    out.append("};")
    out.append("")
    out.append("}  // namespace zantor")
    return "\n".join(out) + "\n"


def main():
    args = sys.argv[1:]
    afm_dir = AFM_DIR
    if "--afm" in args:
        afm_dir = args[args.index("--afm") + 1]
    text = generate(afm_dir)
    if "--check" in args:
        with open(OUT, encoding="utf-8") as f:
            if f.read() != text:
                print(f"{OUT} is not current: run {sys.argv[0]}", file=sys.stderr)
                return 1
        return 0
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
