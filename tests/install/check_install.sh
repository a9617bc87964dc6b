#!/usr/bin/env bash
# Installs the built library into a scratch prefix, then builds and runs a C
# and a Fortran program against the installed files only: through
# pkg-config and through a CMake project using find_package(zantor).
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
libdir=$(dirname "$(find "$prefix" -name libzantor.so -print -quit)")
test -n "$libdir" || { echo "libzantor.so not installed"; exit 1; }
test -L "$libdir/libzantor.so.11" || { echo "soname link libzantor.so.11 missing"; exit 1; }
for f in include/zantor.h include/zantor/fortran/zantor.mod \
         include/zantor/fortran/zantor.f90 zantor/map zantor/map/gshhs_l.b; do
  test -e "$prefix/$f" || { echo "not installed: $f"; exit 1; }
done
test -f "$libdir/libzantor.a" || { echo "static library not installed"; exit 1; }

# Each program writes its plot into its own run directory.
run() {  # name program
  mkdir -p "$work/run-$1"
  (cd "$work/run-$1" && ZANTOR="$work/run-$1" "$2" > out.txt)
  ps=$(ls "$work/run-$1"/*.ps)
  head -1 "$ps" | grep -q '^%!PS-Adobe' || { echo "$1: no PostScript written"; exit 1; }
  if command -v gs > /dev/null; then
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage "$ps" || { echo "$1: gs rejects"; exit 1; }
  fi
}

export PKG_CONFIG_PATH=$libdir/pkgconfig
cc -o "$work/pc_c" "$here/consumer/plot.c" $(pkg-config --cflags --libs zantor) -Wl,-rpath,"$libdir"
run pc_c "$work/pc_c"
gfortran -o "$work/pc_f" "$here/consumer/plot.f90" $(pkg-config --cflags --libs zantor-fortran) \
  -Wl,-rpath,"$libdir"
run pc_f "$work/pc_f"

cmake -S "$here/consumer" -B "$work/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > "$work/cfg.log"
cmake --build "$work/cmake" > "$work/build.log" || { cat "$work/build.log"; exit 1; }
for p in c_plot f_plot c_plot_static; do run "cm_$p" "$work/cmake/$p"; done
ldd "$work/cmake/c_plot_static" | grep -q libzantor && { echo "static consumer links the shared library"; exit 1; }
echo "installed package: pkg-config and find_package consumers built and ran"
