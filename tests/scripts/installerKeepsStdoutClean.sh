#!/bin/sh
# installerKeepsStdoutClean.sh SETUP_DEPS WORK_DIR
# Runs the package installer on a machine where every package seems missing
# (dpkg-query, id and apt-get replaced by stand-ins that talk on standard
# output like the real ones) and fails when anything reaches its standard
# output: `scripts/demo > eau.xml` must leave a clean document.
setup_deps=$1
work=$2
rm -rf "$work" && mkdir -p "$work/bin" || exit 1
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
printf '#!/bin/sh\necho "Get:1 http://deb.debian.org/debian bookworm/main $*"\necho "Setting up package ..."\n' >"$work/bin/apt-get"
chmod +x "$work/bin/dpkg-query" "$work/bin/id" "$work/bin/apt-get"

PATH="$work/bin:$PATH" "$setup_deps" >"$work/stdout" 2>"$work/stderr"
status=$?
if [ "$status" -ne 0 ]; then
    printf 'installer failed with %s\n' "$status"; cat "$work/stderr"; exit 1
fi
if [ -s "$work/stdout" ]; then
    echo "installer wrote to standard output:"; cat "$work/stdout"; exit 1
fi
grep -q "Get:1" "$work/stderr" || { echo "the stand-in apt-get did not run"; exit 1; }
exit 0
