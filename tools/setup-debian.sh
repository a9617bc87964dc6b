#!/usr/bin/env bash
# Installs every Debian package that building and testing zantor needs.
# Safe to run again; run as root (or through sudo) on Debian 12.
set -euo pipefail

packages=(
  # build
  g++ gfortran cmake ninja-build python3 binutils pkg-config ccache
  zlib1g-dev libx11-dev libxt-dev libmotif-dev libgl-dev
  # synthetic key and button presses in the window tests
  libxtst-dev
  # OpenGL windows: the GLX client and the software renderer of the test server
  libglx-mesa0 libgl1-mesa-dri
  # tests and independent readers of every output format
  googletest libgtest-dev ghostscript qpdf poppler-utils libxml2-utils
  pngcheck imagemagick xvfb xauth hp2xx librsvg2-bin giflib-tools libtiff-tools
  libwmf-bin emf2svg printemf x11-utils proj-bin locales chromium
  # fuzzing and leak checks
  clang libclang-rt-14-dev
  # TrueType text and the metrics of the 35 standard PostScript fonts
  libfreetype-dev fonts-urw-base35
  # source data of the generated font tables (generation only)
  hershey-fonts-data
)
# The built-in world map is generated from r-cran-rnaturalearthdata, whose
# .deb is unpacked by hand (apt-get download; dpkg -x), not installed: see
# tools/maps/gen_map_data.py.  Building and testing need no map package.

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  run apt-get update -qq
  run apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A comma-decimal locale, so the tests prove that output does not depend on
# the C library's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'de_DE.UTF-8 UTF-8' | run tee -a /etc/locale.gen > /dev/null
  run locale-gen > /dev/null
fi

echo "setup: all ${#packages[@]} packages present"
