#!/bin/sh
# checkInstalledTree.sh BUILD_DIR PREFIX LIBDIR SONAME EXAMPLES_DIR
# Installs BUILD_DIR into PREFIX and checks the tree: the shared library with
# SONAME, the headers, the CMake package, the pkg-config file, and the tool,
# which must build a cancellation from an example.
build=$1
prefix=$2
libdir=$3
soname=$4
examples=$5
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }
status=0
for file in $libdir/$soname include/tevofhir/lumo.h include/tevofhir/tevo.h include/tevofhir/boundary/HostString.h \
            $libdir/cmake/TevoFhir/TevoFhirConfig.cmake $libdir/cmake/TevoFhir/TevoFhirConfigVersion.cmake \
            $libdir/cmake/TevoFhir/TevoFhirTargets.cmake $libdir/pkgconfig/tevofhir.pc bin/tevofhir; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
recorded=$(objdump -p "$prefix/$libdir/$soname" | sed -n 's/^ *SONAME *//p')
[ "$recorded" = "$soname" ] || { echo "SONAME is '$recorded', expected $soname"; status=1; }
"$prefix/bin/tevofhir" eau-cancel --raw "$examples/eau_cancel.flat" | grep -q "KBV_PR_EAU_Storno_Bundle" ||
    { echo "the installed tool did not build the cancellation"; status=1; }
exit $status
