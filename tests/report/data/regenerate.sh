#!/bin/sh
# Rebuilds fortran_formats.txt, the reference texts of the Fortran edit descriptors, by
# compiling and running fortran_formats.f90 with gfortran. The tests only read the text file.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gfortran -std=f2008 -O0 -Wall -Wextra -o "$work/fortran_formats" "$here/fortran_formats.f90"
"$work/fortran_formats" > "$here/fortran_formats.txt"
echo "wrote $here/fortran_formats.txt ($(wc -l < "$here/fortran_formats.txt") lines)"
