#!/bin/bash
# Runs the C quick-plot program in an empty directory, then lets the
# independent readers judge every file it wrote: Ghostscript the
# PostScript and EPS files, qpdf and pdftoppm the PDF files, xmllint and
# rsvg-convert the SVG file, pngcheck the PNG files.  Every picture must
# also show something: its rendering is not one flat colour.
#   check_c_program.sh PROGRAM WORKDIR
set -u
program=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
"$program" > program.out 2>&1
status=$?
cat program.out
if [ $status -ne 0 ]; then
  echo "the program failed ($status)"
  exit 1
fi
fail=0
# The scaling fixed by the first call of the program held in the first plot
# (its points beyond X = 20 were reported), and only there.
if [ "$(grep -c 'Warning 162: .* in CURVE' program.out)" != 1 ]; then
  echo "expected one report of points outside the fixed X axis"; fail=1
fi
# The number of colours of a rendered picture: more than one means ink.
colours() { /usr/bin/identify -format %k "$1"; }
for f in *.ps *.eps; do
  opt=""; [ "${f##*.}" = eps ] && opt=-dEPSCrop
  if ! gs -q -dSAFER -dBATCH -dNOPAUSE $opt -sDEVICE=png16m -r30 -sOutputFile="$f.png" "$f" > gs.out 2>&1 || [ -s gs.out ]; then
    echo "Ghostscript rejects $f:"; cat gs.out; fail=1; continue
  fi
  [ "$(colours "$f.png")" -gt 1 ] || { echo "$f renders empty"; fail=1; }
done
for f in *.pdf; do
  qpdf --check "$f" > /dev/null || { echo "qpdf rejects $f"; fail=1; continue; }
  pdftoppm -r 30 -png -singlefile "$f" "$f" || { echo "pdftoppm rejects $f"; fail=1; continue; }
  [ "$(colours "$f.png")" -gt 1 ] || { echo "$f renders empty"; fail=1; }
done
for f in *.svg; do
  xmllint --noout "$f" || { echo "xmllint rejects $f"; fail=1; continue; }
  rsvg-convert -b white -o "$f.png" "$f" || { echo "rsvg-convert rejects $f"; fail=1; continue; }
  [ "$(colours "$f.png")" -gt 1 ] || { echo "$f renders empty"; fail=1; }
done
for f in c_pie.png c_scatter.png; do
  pngcheck -q "$f" || { echo "pngcheck rejects $f"; fail=1; continue; }
  [ "$(colours "$f")" -gt 1 ] || { echo "$f is empty"; fail=1; }
done
[ $fail -eq 0 ] && echo "every file accepted"
exit $fail
