#!/bin/sh
# pkgConfigConsumer.sh PREFIX LIBDIR CXX SOURCE WORK_DIR
# Builds SOURCE with the flags pkg-config gives for the installed tevofhir.pc
# and runs it against the installed library.
prefix=$1
libdir=$2
cxx=$3
source=$4
work=$5
mkdir -p "$work" || exit 1
export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
flags=$(pkg-config --cflags --libs tevofhir) || { echo "pkg-config does not know tevofhir"; exit 1; }
echo "pkg-config: $flags"
# shellcheck disable=SC2086  # the flags are a list of words
"$cxx" -std=c++17 "$source" $flags -o "$work/consumer" || exit 1
LD_LIBRARY_PATH="$prefix/$libdir" "$work/consumer"
